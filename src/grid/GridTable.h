#pragma once

#include "grid/CellTexts.h"

#include <QString>
#include <QStringList>

#include <vector>

class GridChangeLog;
class GridObserver;

// A table of text cells. Row 0 is the header row, made from one format string;
// data rows are 1 .. rows() - 1. Input, template and output grids keep one empty
// row at their end (the spare row) that appendRow() writes into.
//
// Cells live in one row-major CellTexts, so appending rows is amortised O(1) and
// a million rows cost little more than their texts.
class GridTable {
public:
    GridTable() : GridTable(QString()) {}
    explicit GridTable(const QString &format);
    ~GridTable();
    // Copies hold the cells and the current cell, never the observers.
    GridTable(const GridTable &other);
    GridTable &operator=(const GridTable &other);

    // Sets the columns and header captions from "caption|caption|...": captions keep
    // their blanks, and a trailing "|" adds a last column with an empty caption.
    // The grid becomes the header plus one empty row.
    void setFormat(const QString &format);
    static QStringList captionsOf(const QString &format);

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    // Growing appends empty rows, shrinking drops rows from the end; never below 1.
    void setRows(int rows);

    // The current cell. Setting an index outside the grid fails and keeps the old one.
    int row() const { return m_row; }
    int col() const { return m_col; }
    bool setRow(int row);
    bool setCol(int col);
    bool setCurrent(int row, int col);

    QString text() const { return textAt(m_row, m_col); }
    bool setText(const QString &text) { return setTextAt(m_row, m_col, text); }

    // Any cell; out-of-range reads give "" and out-of-range writes fail.
    QString textAt(int row, int col) const;
    // The same without a copy, for loops over many cells; valid until the grid changes.
    QAnyStringView viewAt(int row, int col) const
    {
        return contains(row, col) ? m_cells.view(cellIndex(row, col)) : QAnyStringView();
    }
    bool setTextAt(int row, int col, const QString &text);
    QStringList rowTexts(int row) const;
    QStringList header() const { return rowTexts(0); }

    bool contains(int row, int col) const { return row >= 0 && row < m_rows && col >= 0 && col < m_cols; }
    bool isRowEmpty(int row) const;

    // AddItem: inserts a row at index (1 .. rows()), its cells taken from a
    // tab-separated text. RemoveItem: removes a data row. Both keep row 0, and the
    // current cell stays on its row.
    bool insertRow(int index, const QString &tabbedText = QString());
    bool removeRow(int index);

    // Header plus one empty data row; the current cell becomes (1, 0).
    void reset();
    // The same keeping the memory of the cells, for rows that will take their
    // place within the batch this is in (a RE-COMPILE makes about as many).
    void resetForRefill();
    // Writes cells into the last row, then adds a new empty last row.
    void appendRow(const QStringList &cells);
    // The same from an array of count cells.
    void appendRow(const QString *cells, int count);
    // Adds one empty row at the end.
    void addRow() { setRows(m_rows + 1); }
    // Empties every cell, the header row included.
    void clearTexts();

    // Copies cells and current cell of another grid with the same columns.
    void assign(const GridTable &other);

    // Observers hear about every change; see GridObserver. A batch (bulk imports,
    // compiles) is announced to them as one reset, with nothing in between.
    void addObserver(GridObserver *observer);
    void removeObserver(GridObserver *observer);
    void beginBatch();
    void endBatch();

    // A change log records what every change takes away (see GridChangeLog); null
    // records nothing. The revision is new after every change, so that a log can
    // tell whether the grid is still as the log left it.
    void setChangeLog(GridChangeLog *log)
    {
        m_log = log;
        m_logHasWhole = false;
    }
    // Before a change of many cells (an import): the attached log keeps the whole
    // grid once, which undoes everything that follows, instead of a record per cell.
    void logWholeForBulkChange()
    {
        if (m_log && !m_logHasWhole)
            logWhole();
    }
    quint64 revision() const { return m_revision; }
    void setRevision(quint64 revision) { m_revision = revision; }

    class Batch {
    public:
        explicit Batch(GridTable &grid) : m_grid(grid) { m_grid.beginBatch(); }
        ~Batch() { m_grid.endBatch(); }
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        GridTable &m_grid;
    };

private:
    qsizetype cellIndex(int row, int col) const { return qsizetype(row) * m_cols + col; }
    bool quiet() const { return m_batchDepth > 0 || m_observers.empty(); }
    void clampCurrent();
    void changed();
    void logWhole();
    friend class GridChangeLog;
    // Inserts a row holding cells (a row taken back by an undo).
    void insertRowCells(int index, const CellTexts &cells);
    void restoreWhole(int rows, int cols, const CellTexts &cells);

    // Copies share the cells until one of them changes (the compiler copies its input).
    CellTexts m_cells;
    int m_rows = 0;
    int m_cols = 0;
    int m_row = 0;
    int m_col = 0;
    std::vector<GridObserver *> m_observers;
    int m_batchDepth = 0;
    GridChangeLog *m_log = nullptr;
    // The log holds the whole grid already: later changes need no record there.
    bool m_logHasWhole = false;
    GridChangeLog *logging() const { return m_logHasWhole ? nullptr : m_log; }
    quint64 m_revision = 0;
};

// Told about changes of a GridTable, in the order of QAbstractItemModel's
// notifications, so that a model can forward them to its views.
class GridObserver {
public:
    virtual ~GridObserver() = default;
    virtual void rowsAboutToBeInserted(int first, int last) = 0;
    virtual void rowsInserted() = 0;
    virtual void rowsAboutToBeRemoved(int first, int last) = 0;
    virtual void rowsRemoved() = 0;
    virtual void cellChanged(int row, int col) = 0;
    virtual void aboutToReset() = 0;
    virtual void resetDone() = 0;
    virtual void gridDestroyed() {}
};
