#include "version6/entry/RangeScreen.h"

#include "grid/TextValue.h"
#include "platform/PlatformTexts.h"
#include "platform/Prompter.h"
#include "version6/entry/EntryTexts.h"
#include "version6/entry/RangeExpansion.h"

const QString RangeScreen::kHeader = QStringLiteral(
    "FP                | Start LEN          | Stop LEN          | Start EXT          | Stop EXT          |");

namespace {

enum RangeColumn { FpColumn = 0, StartLenColumn, StopLenColumn, StartExtColumn, StopExtColumn };

} // namespace

RangeScreen::RangeScreen(Prompter &prompter) : m_prompter(prompter), m_table(kHeader)
{
    m_circuits = RangeExpansion::Circuits(QString());
}

QStringList RangeScreen::fpChoices() const
{
    return RangeExpansion::FpChoices();
}

void RangeScreen::setFp(const QString &fp)
{
    m_fp = fp;
    if (TextValue(fp) > 31) {
        m_prompter.message(EntryTexts::kInvalidFpText);
        return;
    }
    m_circuits = RangeExpansion::Circuits(fp);
    m_startLen = QStringLiteral("000");
    m_stopLen = QStringLiteral("001");
}

QString RangeScreen::setStartExt(const QString &text)
{
    m_startExt = text;
    if (text.size() > 5) {
        m_prompter.message(EntryTexts::kStartExtText, EntryTexts::kStartExtTitle, Prompter::Icon::Information);
        m_startExt = QStringLiteral("0");
    }
    return m_startExt;
}

RangeScreen::Candidates RangeScreen::expand() const
{
    const qsizetype size = RangeExpansion::Size(m_startLen, m_stopLen);
    return {RangeExpansion::Extensions(m_startExt, size), RangeExpansion::Lens(m_fp, m_startLen, size)};
}

RangeScreen::AddResult RangeScreen::checkConflicts(const Candidates &candidates, const QString &lenMessage)
{
    // Empty extensions never conflict: ranges without extensions may share them.
    for (const QString &extension : candidates.extensions)
        if (m_extensionSet.contains(extension)) {
            m_prompter.message(EntryTexts::kExtensionInUseText, EntryTexts::kConflictTitle,
                               Prompter::Icon::Information);
            return AddResult::ExtensionInUse;
        }
    for (const QString &len : candidates.lens)
        if (m_lenSet.contains(len)) {
            m_prompter.message(lenMessage, EntryTexts::kConflictTitle, Prompter::Icon::Information);
            return AddResult::LenInUse;
        }
    return AddResult::Added;
}

void RangeScreen::registerNumbers(const Candidates &candidates)
{
    m_usedLens += candidates.lens;
    m_usedExtensions += candidates.extensions;
    for (const QString &len : candidates.lens)
        m_lenSet.insert(len);
    for (const QString &extension : candidates.extensions)
        if (!extension.isEmpty())
            m_extensionSet.insert(extension);
}

RangeScreen::AddResult RangeScreen::add()
{
    if (m_fp.isEmpty()) {
        m_prompter.message(EntryTexts::kNoFpText, PlatformTexts::kUserErrorTitle, Prompter::Icon::Information);
        return AddResult::EmptyFp;
    }
    if (RangeExpansion::Size(m_startLen, m_stopLen) > RangeExpansion::kMaxRangeSize) {
        m_prompter.message(EntryTexts::RangeTooLargeText(RangeExpansion::kMaxRangeSize), PlatformTexts::kUserErrorTitle,
                           Prompter::Icon::Information);
        return AddResult::TooLarge;
    }
    const Candidates candidates = expand();
    if (const AddResult conflict = checkConflicts(candidates, EntryTexts::kAddedLensInUseText);
        conflict != AddResult::Added)
        return conflict;
    registerNumbers(candidates);

    // An empty range (stop below start) is listed without a Stop EXT.
    const QString stopExt = candidates.extensions.isEmpty() ? QString() : candidates.extensions.last();
    m_table.appendRow({m_fp, m_startLen, m_stopLen, m_startExt, stopExt});

    setFp(QString());
    m_startLen.clear();
    m_stopLen.clear();
    setStartExt(QString());
    return AddResult::Added;
}

void RangeScreen::setInputs(const QStringList &row)
{
    setFp(row.value(FpColumn));
    m_startLen = row.value(StartLenColumn);
    m_stopLen = row.value(StopLenColumn);
    setStartExt(row.value(StartExtColumn));
}

void RangeScreen::remove()
{
    const int current = m_table.row();
    if (current >= 1 && current < m_table.rows() - 1)
        m_table.removeRow(current);

    m_usedExtensions.clear();
    m_usedLens.clear();
    m_extensionSet.clear();
    m_lenSet.clear();
    // Every range row is registered again, also one without a Start EXT (its
    // handsets have no extension); the trailing empty row ends the rebuild.
    const int last = m_table.rows() - 1;
    for (int r = 1; r < last; ++r) {
        setInputs(m_table.rowTexts(r));
        const Candidates candidates = expand();
        if (checkConflicts(candidates, EntryTexts::kListedLensInUseText) != AddResult::Added)
            return;
        registerNumbers(candidates);
    }
    setInputs(m_table.rowTexts(last));
}

void RangeScreen::clear()
{
    m_table.reset();
    m_usedExtensions.clear();
    m_usedLens.clear();
    m_extensionSet.clear();
    m_lenSet.clear();
}

void RangeScreen::restoreRegistered(const Registered &numbers)
{
    m_usedExtensions.clear();
    m_usedLens.clear();
    m_extensionSet.clear();
    m_lenSet.clear();
    registerNumbers({numbers.extensions, numbers.lens});
}
