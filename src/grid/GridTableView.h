#pragma once

#include <QTableView>

class GridTable;
class GridTableModel;

// A view of a GridTable: its header row as the column captions, its data rows
// below, column widths from the captions' lengths (the captions' blanks set the
// widths). The view's current cell and the grid's row and col are kept in step
// both ways: moving in the view sets the grid's current cell, and
// showGridCurrent() shows the grid's after a tool moved it.
//
// An input grid's view (setStartsEditing) reports what starts the in-place
// editor: a typed key (its character code: Return 13, Backspace 8, Escape 27, a
// blank 32, a printable character its own code) and a double click (code 0).
class GridTableView : public QTableView {
    Q_OBJECT
public:
    explicit GridTableView(GridTable *grid, QWidget *parent = nullptr);

    // The grid shown; null once the grid is gone.
    GridTable *grid() const;
    GridTableModel *gridModel() const { return m_model; }

    void setStartsEditing(bool startsEditing) { m_startsEditing = startsEditing; }

    // Makes the grid's current cell the view's current cell and scrolls to it.
    void showGridCurrent();
    // The view cell of grid cell (row, col).
    QModelIndex indexOfCell(int row, int col) const;

    // Sets each column's width from its caption, as the captions were written.
    void fitColumnsToCaptions();

signals:
    void editRequested(char32_t keyCode);
    // The rows or columns shown moved (scroll bar, wheel, keys).
    void contentsScrolled();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    GridTableModel *m_model;
    bool m_startsEditing = false;
};

// The character code a key press types into a grid, or 0 when it types none
// (arrows, Tab, Delete, shortcuts with Ctrl or Alt).
char32_t TypedKeyCode(const QKeyEvent &event);
