#include "grid/GridEditor.h"

#include "grid/GridTable.h"

void GridEditor::begin()
{
    m_editRow = m_grid.row();
    m_editCol = m_grid.col();
    m_open = true;
}

EditorStart GridEditor::open(char32_t keyCode)
{
    begin();
    if (keyCode > U' ') {
        const QString typed = QString::fromUcs4(&keyCode, 1);
        return {typed, int(typed.size())};
    }
    const QString text = m_grid.text();
    return {text, int(text.size())};
}

bool GridEditor::close()
{
    if (!m_open)
        return false;
    m_open = false;
    m_grid.setCurrent(m_editRow, m_editCol);
    return true;
}

EditorMove GridEditor::move(EditorKey key)
{
    const int row = m_grid.row();
    const int col = m_grid.col();
    switch (key) {
    case EditorKey::Down:
        if (row < m_grid.rows() - 1) {
            m_grid.setRow(row + 1);
            return EditorMove::Moved;
        }
        if (m_atLastRow == AtLastRow::Stay)
            return EditorMove::Stayed;
        m_grid.setCol(0);
        return EditorMove::AppendRow;
    case EditorKey::Up:
        if (row > 1) {
            m_grid.setRow(row - 1);
            return EditorMove::Moved;
        }
        return EditorMove::Stayed;
    case EditorKey::Right:
        if (col < m_grid.cols() - 1) {
            m_grid.setCol(col + 1);
            return EditorMove::Moved;
        }
        return EditorMove::Stayed;
    case EditorKey::Left:
        if (col > 0) {
            m_grid.setCol(col - 1);
            return EditorMove::Moved;
        }
        return EditorMove::Stayed;
    case EditorKey::Return:
    case EditorKey::Escape:
        break;
    }
    return EditorMove::Stayed;
}
