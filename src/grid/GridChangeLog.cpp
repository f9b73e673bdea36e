#include "grid/GridChangeLog.h"

#include "grid/GridTable.h"

namespace {
// Beyond this many changes the views hear of an undo once, as a reset.
constexpr size_t kBatchAbove = 64;
} // namespace

void GridChangeLog::takeBack(GridTable &grid) const
{
    std::optional<GridTable::Batch> batch;
    if (m_changes.size() > kBatchAbove)
        batch.emplace(grid);
    for (auto it = m_changes.rbegin(); it != m_changes.rend(); ++it) {
        const Change &change = *it;
        switch (change.kind) {
        case Kind::Cell:
            grid.setTextAt(change.row, change.col, change.text);
            break;
        case Kind::Rows: {
            const int cols = grid.cols();
            const int firstDropped = cols > 0 ? change.row - int(change.cells.size() / cols) : change.row;
            grid.setRows(change.row);
            for (qsizetype i = 0; cols > 0 && i < change.cells.size(); ++i)
                grid.setTextAt(firstDropped + int(i / cols), int(i % cols), change.cells.text(i));
            break;
        }
        case Kind::Insert:
            grid.removeRow(change.row);
            break;
        case Kind::Remove:
            grid.insertRowCells(change.row, change.cells);
            break;
        case Kind::Whole:
            grid.restoreWhole(change.row, change.col, change.cells);
            break;
        }
    }
}
