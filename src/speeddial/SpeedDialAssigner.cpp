#include "speeddial/SpeedDialAssigner.h"

#include "assigner/NameHex.h"
#include "check/ListCheck.h"
#include "platform/PlatformTexts.h"
#include "platform/Prompter.h"
#include "speeddial/DialPairs.h"
#include "speeddial/MemoryLocation.h"
#include "speeddial/SpeedDialTexts.h"

#include <utility>

namespace {
// Text exports write COMMAND to TEXT; workbooks all six columns from output row 1
// on, without a header row. Input write-backs: name, access code and number,
// under the header row in a workbook.
constexpr int kExportTextColumns = 5;
const WorkbookLayout kExportWorkbook{1, -1, 6, {}};
constexpr int kUpdateTextColumns = 3;
// The exports refuse ".nes"; the write-back of the input takes it as text.
constexpr bool kExportTakesNes = false;
// The word "NULL" stands for an empty BLANK or TEXT in the template.
const QList<int> kTemplateNullWordColumns{3, 4};
// A workbook cell holding the word Null is an empty access code.
const QString kNullAccessCode = QStringLiteral("Null");
} // namespace

SpeedDialAssigner::SpeedDialAssigner(Prompter &prompter, Printer &printer, ScriptStore store)
    : AssignerTool(prompter, printer, std::move(store), DialPairs::kInputFormat, DialPairs::kOutputFormat,
                   {StoreTables::kSpeedDial, kTemplateNullWordColumns, StoreTables::kSpeedDialSettings, true}),
      m_locationOnFocus(m_location)
{
}

// --- The location box -------------------------------------------------------

void SpeedDialAssigner::locationFocusIn()
{
    m_locationOnFocus = m_location;
}

void SpeedDialAssigner::setLocation(const QString &text)
{
    m_location = text;
    if (MemoryLocation::BeyondLast(m_location)) {
        m_prompter.message(SpeedDialTexts::kBeyondLastText, SpeedDialTexts::kBeyondLastTitle,
                           Prompter::Icon::Information);
        m_location = MemoryLocation::kLastText;
    }
}

CheckReport SpeedDialAssigner::check() const
{
    const QString first = m_output.textAt(1, DialPairs::Location);
    return ListCheck::CheckSpeedDials(m_input, first.isEmpty() ? m_location : first);
}

void SpeedDialAssigner::locationFocusOut()
{
    if (!m_usedLocations.contains(m_location))
        return;
    m_prompter.message(SpeedDialTexts::kInUseText, PlatformTexts::kUserErrorTitle, Prompter::Icon::Exclamation);
    setLocation(m_locationOnFocus);
}

bool SpeedDialAssigner::advanceLocation()
{
    const std::optional<QString> next = MemoryLocation::Next(m_location);
    if (!next) {
        m_usedUpLocation = m_location;
        showMaximum();
        return false;
    }
    // Set as the box sets it, so a short location that runs past 299 ("51" gives
    // "511") is caught by the box's own rule.
    setLocation(*next);
    return true;
}

void SpeedDialAssigner::showMaximum()
{
    if (m_inBlock && std::exchange(m_maximumShownInBlock, true))
        return;
    m_prompter.message(SpeedDialTexts::kMaximumText, SpeedDialTexts::kMaximumTitle, Prompter::Icon::Information);
}

// --- Import -----------------------------------------------------------------

int SpeedDialAssigner::appendImported(const QList<QStringList> &records)
{
    int taken = 0;
    const bool fromWorkbook = KindOfExt(m_dialog.fileExt) == FileKind::Workbook;
    // Entry k stands in input row k beside its pair in output rows 2k - 1 and 2k,
    // so the first new entry takes the input row after the last pair: a typed
    // entry above is kept, and rows added by Down below it are filled.
    int entry = (m_output.rows() - 2) / 2 + 1;
    m_input.logWholeForBulkChange();
    m_output.logWholeForBulkChange();
    m_usedLocations.append(m_location);
    for (const QStringList &record : records) {
        if (locationsUsedUp()) {
            showMaximum();
            return taken;
        }
        const QString name = record.value(0);
        QString accessCode = record.value(1);
        if (fromWorkbook && accessCode == kNullAccessCode)
            accessCode.clear();
        const QString number = m_leadingZero ? DialPairs::WithLeadingZero(record.value(2)) : record.value(2);

        while (m_input.rows() <= entry)
            m_input.addRow();
        if (entry == m_input.rows() - 1) {
            m_input.appendRow({name, accessCode, number});
        } else {
            m_input.setTextAt(entry, DialPairs::Name, name);
            m_input.setTextAt(entry, DialPairs::AccessCode, accessCode);
            m_input.setTextAt(entry, DialPairs::Number, number);
        }
        m_output.appendRow(DialPairs::NumberRow(m_location, accessCode, number));
        m_output.appendRow(DialPairs::NameRow(m_location, name));
        ++entry;
        ++taken;

        if (!advanceLocation())
            return taken;
        m_usedLocations.append(m_location);
    }
    return taken;
}

bool SpeedDialAssigner::takesCutShortFile(const QList<QStringList> &complete) const
{
    // The import stops at the last location: a file whose complete records reach
    // it imports as if the rest were never read.
    if (locationsUsedUp())
        return false;
    qsizetype left = 1;
    for (std::optional<QString> location = MemoryLocation::Next(m_location);
         location && !MemoryLocation::BeyondLast(*location) && left <= complete.size();
         location = MemoryLocation::Next(*location))
        ++left;
    return !complete.isEmpty() && complete.size() >= left;
}

// --- Files ------------------------------------------------------------------

bool SpeedDialAssigner::exportNow()
{
    // Cleared first: a refused export counts as one for the closing question.
    m_hasChanged = false;
    if (m_exportPath.isEmpty()) {
        m_prompter.message(SpeedDialTexts::kNoExportTargetText, SpeedDialTexts::kNoExportTargetTitle,
                           Prompter::Icon::Information);
        return false;
    }
    return writeExport(kExportTextColumns, kExportWorkbook, kExportTakesNes);
}

bool SpeedDialAssigner::updateInput()
{
    switch (writeInputBack(kUpdateTextColumns, {0, -1, kUpdateTextColumns, kInputWorkbookHeader})) {
    case WriteBack::Text:
    case WriteBack::Workbook:
        return true;
    case WriteBack::Cancelled:
    case WriteBack::Nothing:
        break;
    }
    return false;
}

void SpeedDialAssigner::reset()
{
    UndoHistory::Step step(history());
    AssignerTool::reset();
    m_usedLocations.clear();
    // The tables no longer hold the pair at the last location.
    m_usedUpLocation.clear();
}

// --- Editing ----------------------------------------------------------------

void SpeedDialAssigner::clickCell(int row, int col)
{
    m_clickRow = row;
    m_clickCol = col;
    m_clickPending = true;
}

bool SpeedDialAssigner::commitEdit(const QString &text)
{
    UndoHistory::Step step(history());
    if (!m_editor.close())
        return false;
    commitCell(m_editor.editRow(), m_editor.editCol(), text);
    endOnClickedCell();
    return true;
}

void SpeedDialAssigner::commitCell(int entry, int col, const QString &text)
{
    if (entry < 1 || !m_input.contains(entry, col))
        return;
    if (col == DialPairs::Unnamed) {
        m_input.setTextAt(entry, col, text);
        m_updateButtonVisible = true;
    } else if (appendPairForEdit(entry)) {
        applyEdit(entry, col, text);
        m_updateButtonVisible = true;
    }
}

void SpeedDialAssigner::growInput(int rows)
{
    // The output gains its pairs as the entries are committed.
    if (m_input.rows() < rows)
        m_input.setRows(rows);
}

void SpeedDialAssigner::keepSpareRow()
{
    if (!m_input.isRowEmpty(m_input.rows() - 1))
        m_input.addRow();
}

namespace {
// What follows from the tables beside them: the box, the last location given
// out and the used list.
struct LocationState {
    QString location;
    QString usedUp;
    QStringList used;
};
} // namespace

UndoHistory::State SpeedDialAssigner::undoState()
{
    return {[this] {
                return std::any(LocationState{m_location, m_usedUpLocation, m_usedLocations});
            },
            [this](const std::any &saved) {
                const auto &state = std::any_cast<const LocationState &>(saved);
                m_location = state.location;
                m_usedUpLocation = state.usedUp;
                m_usedLocations = state.used;
            }};
}

bool SpeedDialAssigner::appendPairForEdit(int entry)
{
    // Pairs are appended only at the end of the output: an entry typed below rows
    // without entries gets pairs for those rows first, their cells empty.
    while (m_output.rows() <= DialPairs::NameRowOf(entry)) {
        if (locationsUsedUp()) {
            showMaximum();
            return false;
        }
        m_output.appendRow({DialPairs::kNumberCommand, m_location});
        m_output.appendRow({DialPairs::kNameCommand, m_location});
        // The pair just made holds the last location: the entry still gets it.
        if (!advanceLocation())
            break;
    }
    return m_output.rows() > DialPairs::NameRowOf(entry);
}

void SpeedDialAssigner::applyEdit(int entry, int col, const QString &text)
{
    const int numberRow = DialPairs::NumberRowOf(entry);
    const int nameRow = DialPairs::NameRowOf(entry);
    switch (col) {
    case DialPairs::Name:
        m_output.setTextAt(nameRow, DialPairs::Dialled, NameToHex(DialPairs::ShownName(text)));
        m_output.setTextAt(nameRow, DialPairs::Text, DialPairs::ShownName(text));
        break;
    case DialPairs::AccessCode:
        m_output.setTextAt(numberRow, DialPairs::Dialled,
                           DialPairs::AccessNumber(text, m_input.textAt(entry, DialPairs::Number)));
        m_output.setTextAt(numberRow, DialPairs::Text, QString());
        break;
    case DialPairs::Number:
        m_output.setTextAt(numberRow, DialPairs::Dialled,
                           DialPairs::AccessNumber(m_input.textAt(entry, DialPairs::AccessCode), text));
        m_output.setTextAt(numberRow, DialPairs::Text, QString());
        break;
    default:
        return;
    }
    m_input.setTextAt(entry, col, text);
}

void SpeedDialAssigner::endOnClickedCell()
{
    if (!m_clickPending)
        return;
    m_input.setCurrent(m_clickRow, m_clickCol);
    m_clickPending = false;
}
