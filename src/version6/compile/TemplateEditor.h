#pragma once

#include "grid/GridEditor.h"

#include <QString>

#include <optional>

class TemplateSet;

// The in-place editor of the thirteen template grids (Text3), without its widget:
// one editor serves every grid and remembers which one it belongs to. It opens
// with the cell's text (shown selected; a typed character is not inserted), writes
// its text back on Return, on an arrow (then moves one cell, within the grid) and
// on losing the focus, and is dropped without writing when its grid scrolls.
// Nothing typed is checked or upper-cased here.
class TemplateEditor {
public:
    explicit TemplateEditor(TemplateSet &templates) : m_templates(templates) {}

    // Opens on the current cell of template tab; returns the editor's text.
    QString open(int tab);
    bool isOpen() const { return m_cell && m_cell->isOpen(); }
    int tab() const { return m_tab; }
    int editRow() const { return m_cell ? m_cell->editRow() : 0; }
    int editCol() const { return m_cell ? m_cell->editCol() : 0; }

    // Writes the text into the edited cell and closes; false when not open.
    bool commit(const QString &text);
    // Return: commit. Up, Down, Left, Right: commit, then move. Escape: nothing.
    void key(EditorKey key, const QString &text);
    // The grid scrolled: the editor closes, its text is lost.
    void discard();

private:
    // Closes with the edited cell current and writes the text there.
    bool writeBack(const QString &text);

    TemplateSet &m_templates;
    std::optional<GridEditor> m_cell;
    int m_tab = 0;
};
