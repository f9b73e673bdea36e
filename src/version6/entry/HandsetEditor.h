#pragma once

#include "grid/GridEditor.h"
#include "version6/entry/EntryTexts.h"

#include <QString>

#include <functional>

class HandsetSheet;
class Prompter;

// The two editors of the handset grid, without their widgets: the text editor
// (Text4) for every column but HANDSET TYPE, and the handset-type editor (Combo5)
// for that one. Both keep their text between edits: Space repeats it into the
// current cell, "&Apply To Colum" into a whole column, and with Auto Increase on
// the text editor's text counts up after each use, so a column fills with
// consecutive numbers one keystroke a row. Committed texts pass the cell rules.
class HandsetEditor {
public:
    enum class Kind { None, Text, Type };
    enum class Trigger { Return, Typed, DoubleClick };

    // status is the window's first status panel, which the editors write.
    HandsetEditor(HandsetSheet &sheet, Prompter &prompter, QString &status);

    // Opens the editor of the current cell's column on it. The text editor gets
    // the cell's text and, when opened by typing, the typed character after it; it
    // shows its text whole selected. The type editor shows the cell's text. Typing
    // and double-click count as changes to keep after "BACK" (Check1), and so does
    // every commit, Space and "&Apply To Colum", however the editor was opened.
    Kind open(Trigger trigger, const QString &typed = QString());
    Kind openEditor() const { return m_open; }
    int editRow() const { return m_cell.editRow(); }
    int editCol() const { return m_cell.editCol(); }

    const QString &text() const { return m_text; }         // Text4
    const QString &typeText() const { return m_typeText; } // Combo5
    void setTypeText(const QString &type) { m_typeText = type; }

    // The text editor lost the focus: the checked text goes into the edited cell
    // and stays the editor's text; with Auto Increase on it then counts up. The
    // current cell stays where the user moved it, unless counting failed. False
    // when the editor was not open.
    bool commitText(const QString &text);
    // The type editor lost the focus: its text goes into the edited cell unchecked.
    bool commitType(const QString &text);
    // Return commits; an arrow writes the text, moves the current cell one step
    // (within the grid) and commits. Escape does nothing. The type editor reacts
    // to Return, Left and Right only (Up and Down choose in its list).
    void textKey(EditorKey key, const QString &text);
    void typeKey(EditorKey key, const QString &text);

    // Space on the grid: the editor's text into the current cell. With Auto
    // Increase on the text counts up; otherwise the value is checked against the
    // column's rule (the message only: the cell keeps the repeated text).
    void repeat();
    // "&Apply To Colum": the editor's text into every row of the current column,
    // the trailing empty row included, unchecked. progress hears (row, maximum).
    void applyToColumn(const std::function<void(int, int)> &progress = {});

    // Check3, and the caption of its menu entry: "Auto &Increase ON" until first
    // switched, then "Auto Increase OFF" / "Auto Increase ON".
    bool autoIncrease() const { return m_autoIncrease; }
    void toggleAutoIncrease();
    const QString &autoIncreaseCaption() const { return m_autoIncreaseCaption; }

    // The text editor's text counts up by one (0209 gives 0210, 99 gives 100); an
    // empty text cannot, which is reported. False when it was reported.
    bool advance();

private:
    // Closes the open editor of that kind with the edited cell current while
    // write runs; then the cell the user moved to is current again, unless write
    // returns false. False when no such editor was open.
    bool commit(Kind kind, const std::function<bool()> &write);

    HandsetSheet &m_sheet;
    Prompter &m_prompter;
    QString &m_status;
    GridEditor m_cell;
    Kind m_open = Kind::None;
    QString m_text;
    QString m_typeText;
    bool m_autoIncrease = false;
    QString m_autoIncreaseCaption = EntryTexts::kAutoIncreaseFirstCaption;
};
