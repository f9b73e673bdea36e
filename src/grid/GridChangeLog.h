#pragma once

#include "grid/CellTexts.h"

#include <QString>

#include <optional>
#include <vector>

class GridTable;

// What a grid lost in the changes made while the log was attached to it, enough
// to take the changes back: the old text of each cell written, the rows dropped
// or inserted, the whole grid before a change of every cell. Taking a log back
// into its grid with another log attached fills that log with what takes the
// undo back again, so the same log kind serves undo and redo. Memory follows
// what changed, not the size of the grid.
class GridChangeLog {
public:
    bool isEmpty() const { return m_changes.empty(); }
    size_t size() const { return m_changes.size(); }

    // Applies the inverse of every change, the last first.
    void takeBack(GridTable &grid) const;

private:
    friend class GridTable;

    enum class Kind { Cell, Rows, Insert, Remove, Whole };
    struct Change {
        explicit Change(Kind kind, int row = 0, int col = 0, QString text = {}, CellTexts cells = {})
            : kind(kind),
              row(row),
              col(col),
              text(std::move(text)),
              cells(std::move(cells))
        {
        }
        Kind kind;
        int row;         // Cell, Insert, Remove: the row; Rows, Whole: the old row count
        int col;         // Cell: the column; Whole: the old column count
        QString text;    // Cell: the old text
        CellTexts cells; // Rows: the dropped cells; Remove: the row; Whole: every cell
    };

    void add(Change change) { m_changes.push_back(std::move(change)); }

    std::vector<Change> m_changes;
};
