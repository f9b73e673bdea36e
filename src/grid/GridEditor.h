#pragma once

#include <QString>

class GridTable;

// The keys the in-place editor reacts to; every other key edits its text.
enum class EditorKey { Return, Escape, Down, Up, Left, Right };

// What the editor shows when it opens: its text and where the caret goes.
struct EditorStart {
    QString text;
    int caret = 0;
};

// What an arrow key asks of the current cell once the edit is committed.
enum class EditorMove {
    Stayed,    // at the grid's edge, or Return / Escape
    Moved,     // the current cell moved
    AppendRow, // Down on the last row: the caller appends its rows; column 0 is current
};

// The in-place editor of an input grid, without its widget: the cell being edited
// (EditRow, EditCol) while the editor is open, the text it opens with, and the
// moves of its keys. The tool owns one per input grid; its window lays a text box
// over the cell and reports keys and the loss of focus, which commits. What a
// commit writes is the tool's: it calls close() and then writes the cell.
class GridEditor {
public:
    // What Down on the last row does: ask the caller to append rows (input grids
    // that grow as the user types), or stay (grids of a fixed set of rows).
    enum class AtLastRow { Append, Stay };

    explicit GridEditor(GridTable &grid, AtLastRow atLastRow = AtLastRow::Append) : m_grid(grid), m_atLastRow(atLastRow)
    {
    }

    // GridEdit: opens the editor on the grid's current cell. keyCode is the code of
    // the typed character, 0 for a double click. A character above the blank
    // replaces the text and the caret goes after it; a blank, a control character
    // (Return, Backspace, Escape) or 0 opens the cell's own text with the caret at
    // its end.
    EditorStart open(char32_t keyCode);
    // Opens the editor on the grid's current cell; the caller decides the text.
    void begin();

    bool isOpen() const { return m_open; }
    int editRow() const { return m_editRow; }
    int editCol() const { return m_editCol; }

    // The first step of every commit: when the editor is open, makes the edited
    // cell current again (the focus change may have moved it), closes the editor and
    // returns true; false when it was not open, so a second loss of focus commits
    // nothing. The edited cell may be gone (a reset meanwhile): check contains().
    bool close();

    // After the commit of a key: Up, Left and Right move within the data rows and
    // columns; Down moves down, or on the last row makes column 0 current and asks
    // the caller to append rows (AtLastRow::Stay: stays).
    EditorMove move(EditorKey key);

private:
    GridTable &m_grid;
    AtLastRow m_atLastRow;
    bool m_open = false;
    int m_editRow = 0;
    int m_editCol = 0;
};
