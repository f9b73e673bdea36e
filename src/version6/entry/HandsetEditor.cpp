#include "version6/entry/HandsetEditor.h"

#include "grid/GridTable.h"
#include "platform/Prompter.h"
#include "version6/entry/HandsetColumns.h"
#include "version6/entry/HandsetSheet.h"
#include "version6/entry/RangeExpansion.h"

HandsetEditor::HandsetEditor(HandsetSheet &sheet, Prompter &prompter, QString &status)
    : m_sheet(sheet),
      m_prompter(prompter),
      m_status(status),
      m_cell(sheet.grid(), GridEditor::AtLastRow::Stay)
{
}

HandsetEditor::Kind HandsetEditor::open(Trigger trigger, const QString &typed)
{
    if (m_open != Kind::None)
        return m_open;
    m_cell.begin();
    const QString cell = m_sheet.grid().text();
    if (m_cell.editCol() == HandsetColumns::HandsetType) {
        m_open = Kind::Type;
        m_typeText = cell;
        m_status = EntryTexts::kSelectHandset;
    } else {
        m_open = Kind::Text;
        m_text = trigger == Trigger::Typed ? cell + typed : cell;
        m_status = EntryTexts::kEnterData;
    }
    if (trigger != Trigger::Return)
        m_sheet.setAdvancedChanges(true);
    return m_open;
}

bool HandsetEditor::commit(Kind kind, const std::function<bool()> &write)
{
    if (m_open != kind)
        return false;
    m_open = Kind::None;
    GridTable &grid = m_sheet.grid();
    const int row = grid.row();
    const int col = grid.col();
    m_cell.close();
    const bool moveBack = write();
    // Whichever way the editor was opened, what it wrote is kept over "BACK".
    m_sheet.setAdvancedChanges(true);
    m_status = EntryTexts::kNavigate;
    if (moveBack)
        grid.setCurrent(row, col);
    return true;
}

bool HandsetEditor::commitText(const QString &text)
{
    return commit(Kind::Text, [&] {
        m_text = CheckRange(m_prompter, m_cell.editCol(), text);
        m_sheet.grid().setTextAt(m_cell.editRow(), m_cell.editCol(), m_text);
        // A failed count leaves the edited cell current, where the user sees why.
        return !m_autoIncrease || advance();
    });
}

bool HandsetEditor::commitType(const QString &text)
{
    return commit(Kind::Type, [&] {
        m_typeText = text;
        m_sheet.grid().setTextAt(m_cell.editRow(), m_cell.editCol(), text);
        return true;
    });
}

void HandsetEditor::textKey(EditorKey key, const QString &text)
{
    if (m_open != Kind::Text || key == EditorKey::Escape)
        return;
    if (key != EditorKey::Return) {
        m_sheet.grid().setTextAt(m_cell.editRow(), m_cell.editCol(), text);
        m_cell.move(key);
    }
    commitText(text);
}

void HandsetEditor::typeKey(EditorKey key, const QString &text)
{
    if (m_open != Kind::Type)
        return;
    if (key == EditorKey::Left || key == EditorKey::Right) {
        m_sheet.grid().setTextAt(m_cell.editRow(), m_cell.editCol(), text);
        m_cell.move(key);
    } else if (key != EditorKey::Return) {
        return;
    }
    commitType(text);
}

void HandsetEditor::repeat()
{
    GridTable &grid = m_sheet.grid();
    const int col = grid.col();
    m_sheet.setAdvancedChanges(true);
    if (col == HandsetColumns::HandsetType) {
        grid.setText(m_typeText);
        return;
    }
    grid.setText(m_text);
    if (m_autoIncrease)
        advance();
    else
        CheckRange(m_prompter, col, m_text);
}

void HandsetEditor::applyToColumn(const std::function<void(int, int)> &progress)
{
    GridTable &grid = m_sheet.grid();
    const int col = grid.col();
    const QString value = col == HandsetColumns::HandsetType ? m_typeText : m_text;
    m_status = EntryTexts::kApplying;
    m_sheet.setAdvancedChanges(true);
    {
        // The view hears of the column once, at the end.
        GridTable::Batch batch(grid);
        const int last = grid.rows() - 1;
        for (int r = 1; r <= last; ++r) {
            grid.setTextAt(r, col, value);
            if (progress)
                progress(r, last);
        }
    }
    m_status = EntryTexts::kNavigate;
}

void HandsetEditor::toggleAutoIncrease()
{
    m_autoIncrease = !m_autoIncrease;
    m_autoIncreaseCaption = m_autoIncrease ? EntryTexts::kAutoIncreaseOffCaption : EntryTexts::kAutoIncreaseOnCaption;
}

bool HandsetEditor::advance()
{
    const QString next = RangeExpansion::NextExtension(m_text);
    if (next.isEmpty()) {
        m_prompter.message(EntryTexts::kInvalidExtensionText, EntryTexts::kInputErrorTitle,
                           Prompter::Icon::Exclamation);
        return false;
    }
    m_text = next;
    return true;
}
