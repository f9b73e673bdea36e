#pragma once

#include "grid/CellBlock.h"

#include <QTableView>

class GridTable;
class GridTableModel;
class QMenu;

// A view of a GridTable: its header row as the column captions, its data rows
// below, column widths from the captions' lengths (the captions' blanks set the
// widths). The view's current cell and the grid's row and col are kept in step
// both ways: moving in the view sets the grid's current cell, and
// showGridCurrent() shows the grid's after a tool moved it.
//
// An input grid's view (setStartsEditing) reports what starts the in-place
// editor: a typed key (its character code: Return 13, Backspace 8, Escape 27, a
// blank 32, a printable character its own code) and a double click (code 0).
//
// Every view selects a block of cells (mouse, Shift with arrows or click,
// Ctrl+A) and copies it (Ctrl+C) as tab-separated text and as an HTML table. An
// editable view (setEditable) also reports Paste (Ctrl+V, Shift+Insert), Delete
// (and Backspace on a block), Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z, Ctrl+Y) for
// its tool to carry out. A cell whose text is cut off shows it as a tooltip.
class GridTableView : public QTableView {
    Q_OBJECT
public:
    explicit GridTableView(GridTable *grid, QWidget *parent = nullptr);

    // The grid shown; null once the grid is gone.
    GridTable *grid() const;
    GridTableModel *gridModel() const { return m_model; }

    void setStartsEditing(bool startsEditing) { m_startsEditing = startsEditing; }
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }
    // A read-only view of a grid its tool's actions change still reports Undo and Redo.
    void setUndoable(bool undoable) { m_undoable = undoable; }

    // The selected block in grid rows and columns; the current cell when nothing
    // is selected.
    CellBlock selectedBlock() const;
    // Copies the selected block to the clipboard.
    void copySelection();
    // What the keys do, for popup menu entries.
    void requestPaste();
    void requestClear();
    // Adds "Copy" to a popup menu, for an editable view "Paste" and "Delete", and
    // for an editable or undoable one "Undo" and "Redo", after a dividing line
    // when the menu has entries.
    void addBlockActions(QMenu *menu);
    // A popup menu of the block entries for a view without a menu of its own.
    QMenu *useBlockMenu();

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
    void pasteRequested(const CellBlock &target, const QString &text);
    void clearRequested(const CellBlock &block);
    void undoRequested();
    void redoRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;

private:
    GridTableModel *m_model;
    bool m_startsEditing = false;
    bool m_editable = false;
    bool m_undoable = false;
};

// The character code a key press types into a grid, or 0 when it types none
// (arrows, Tab, Delete, shortcuts with Ctrl or Alt).
char32_t TypedKeyCode(const QKeyEvent &event);
