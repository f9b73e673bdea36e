// The Version 6.0 tool's blocks of cells (paste and Delete on the handset grid
// and the templates) and its undo and redo.
#include "version6/tool/Version6Tool.h"

#include "grid/ClipboardTable.h"
#include "platform/Prompter.h"
#include "version6/entry/EntryTexts.h"
#include "version6/entry/HandsetColumns.h"

namespace {

// Beyond this many cells the views hear of a block once, as a reset.
constexpr qsizetype kBatchAbove = 64;

struct Version6State {
    RangeScreen::Registered ranges;
};

// Writes a block into a grid: it grows to the last row first and ends with an
// empty row afterwards, the views told once for a large block.
void WriteBlock(GridTable &grid, int lastRow, qsizetype cells, const std::function<void()> &write)
{
    std::optional<GridTable::Batch> batch;
    if (cells > kBatchAbove)
        batch.emplace(grid);
    if (grid.rows() <= lastRow)
        grid.setRows(lastRow + 1);
    write();
    if (!grid.isRowEmpty(grid.rows() - 1))
        grid.addRow();
}

// The cells of the block that hold text, row after row.
void ForEachFilled(const GridTable &grid, const CellBlock &block, const std::function<void(int, int)> &cell)
{
    for (int r = std::max(block.top, 1); r <= block.bottom && r < grid.rows(); ++r)
        for (int c = std::max(block.left, 0); c <= block.right && c < grid.cols(); ++c)
            if (!grid.textAt(r, c).isEmpty())
                cell(r, c);
}

} // namespace

std::vector<GridTable *> Version6Tool::historyGrids()
{
    std::vector<GridTable *> grids{&m_ranges.table(), &m_handsets.grid()};
    for (int tab = 0; tab < TemplateSet::kCount; ++tab)
        grids.push_back(&m_templates.grid(tab));
    return grids;
}

UndoHistory::State Version6Tool::historyState()
{
    return {[this] { return std::any(Version6State{m_ranges.registered()}); },
            [this](const std::any &saved) {
                m_ranges.restoreRegistered(std::any_cast<const Version6State &>(saved).ranges);
            }};
}

// ---- The editors' commits, one step each ----

bool Version6Tool::commitTextEdit(const QString &text)
{
    UndoHistory::Step step(m_history);
    return changedIf(m_editor.commitText(text));
}

bool Version6Tool::commitTypeEdit(const QString &text)
{
    UndoHistory::Step step(m_history);
    return changedIf(m_editor.commitType(text));
}

bool Version6Tool::commitTemplateEdit(const QString &text)
{
    UndoHistory::Step step(m_history);
    return changedIf(m_templateEditor.commit(text));
}

// ---- Handset grid ----

void Version6Tool::writeChecked(int row, int col, const QString &text, Replaced &replaced)
{
    GridTable &grid = m_handsets.grid();
    if (col == HandsetColumns::HandsetType) {
        grid.setTextAt(row, col, text);
        return;
    }
    const CellCheck check = CheckRange(col, text);
    if (!check.message.isEmpty()) {
        if (replaced.shown.size() < EntryTexts::kReplacedShown) {
            QString reason = check.message;
            reason.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            replaced.shown.append(
                EntryTexts::ReplacedValueLine(row, grid.textAt(0, col).trimmed(), text, check.text, reason));
        }
        ++replaced.total;
    }
    grid.setTextAt(row, col, check.text);
}

void Version6Tool::reportReplaced(const Replaced &replaced)
{
    if (replaced.total > 0)
        m_prompter.message(EntryTexts::ReplacedValuesText(replaced.shown, replaced.total), EntryTexts::kInputErrorTitle,
                           Prompter::Icon::Information);
}

void Version6Tool::pasteHandsets(const CellBlock &target, const QString &text)
{
    GridTable &grid = m_handsets.grid();
    const QList<QStringList> rows = ClipboardTable::Parse(text);
    const int last = ClipboardTable::LastRow(rows, target);
    if (last < 1 || target.top < 1 || target.left < 0 || target.left >= grid.cols())
        return;
    UndoHistory::Step step(m_history);
    Replaced replaced;
    WriteBlock(grid, last, qsizetype(last - target.top + 1) * grid.cols(), [&] {
        ClipboardTable::Place(rows, target, grid.cols(),
                              [&](int row, int col, const QString &cell) { writeChecked(row, col, cell, replaced); });
    });
    // A paste changes handsets as typing does.
    m_handsets.setAdvancedChanges(true);
    m_hasChanged = true;
    reportReplaced(replaced);
}

void Version6Tool::clearHandsets(const CellBlock &block)
{
    GridTable &grid = m_handsets.grid();
    UndoHistory::Step step(m_history);
    Replaced replaced;
    bool cleared = false;
    {
        std::optional<GridTable::Batch> batch;
        if (qsizetype(block.rowCount()) * block.colCount() > kBatchAbove)
            batch.emplace(grid);
        ForEachFilled(grid, block, [&](int row, int col) {
            writeChecked(row, col, QString(), replaced);
            cleared = true;
        });
    }
    if (cleared) {
        m_handsets.setAdvancedChanges(true);
        m_hasChanged = true;
    }
    reportReplaced(replaced);
}

void Version6Tool::pasteInEditor(const QString &editorText, const QString &clipboard)
{
    UndoHistory::Step step(m_history);
    const int row = m_editor.editRow();
    const int col = m_editor.editCol();
    const bool typeEditor = m_editor.openEditor() == HandsetEditor::Kind::Type;
    if (!(typeEditor ? commitTypeEdit(editorText) : commitTextEdit(editorText)))
        return;
    pasteHandsets(CellBlock::Cell(row, col), clipboard);
    m_handsets.grid().setCurrent(row, col);
}

// ---- Templates ----

void Version6Tool::pasteTemplate(int tab, const CellBlock &target, const QString &text)
{
    if (tab < 0 || tab >= TemplateSet::kCount)
        return;
    GridTable &grid = m_templates.grid(tab);
    const QList<QStringList> rows = ClipboardTable::Parse(text);
    const int last = ClipboardTable::LastRow(rows, target);
    if (last < 1 || target.top < 1 || target.left < 0 || target.left >= grid.cols())
        return;
    UndoHistory::Step step(m_history);
    m_hasChanged = true;
    WriteBlock(grid, last, qsizetype(last - target.top + 1) * grid.cols(), [&] {
        ClipboardTable::Place(rows, target, grid.cols(),
                              [&](int row, int col, const QString &cell) { grid.setTextAt(row, col, cell); });
    });
}

void Version6Tool::clearTemplate(int tab, const CellBlock &block)
{
    if (tab < 0 || tab >= TemplateSet::kCount)
        return;
    GridTable &grid = m_templates.grid(tab);
    UndoHistory::Step step(m_history);
    std::optional<GridTable::Batch> batch;
    if (qsizetype(block.rowCount()) * block.colCount() > kBatchAbove)
        batch.emplace(grid);
    ForEachFilled(grid, block, [&](int row, int col) {
        grid.setTextAt(row, col, QString());
        m_hasChanged = true;
    });
}

void Version6Tool::pasteInTemplateEditor(const QString &editorText, const QString &clipboard)
{
    if (!m_templateEditor.isOpen())
        return;
    UndoHistory::Step step(m_history);
    const int tab = m_templateEditor.tab();
    const int row = m_templateEditor.editRow();
    const int col = m_templateEditor.editCol();
    if (!commitTemplateEdit(editorText))
        return;
    pasteTemplate(tab, CellBlock::Cell(row, col), clipboard);
    m_templates.grid(tab).setCurrent(row, col);
}

// ---- Undo and redo ----

bool Version6Tool::undo()
{
    if (m_editor.openEditor() != HandsetEditor::Kind::None || m_templateEditor.isOpen())
        return false;
    return changedIf(m_history.undo());
}

bool Version6Tool::redo()
{
    if (m_editor.openEditor() != HandsetEditor::Kind::None || m_templateEditor.isOpen())
        return false;
    return changedIf(m_history.redo());
}
