#include "version6/compile/TemplateEditor.h"

#include "version6/compile/TemplateSet.h"

QString TemplateEditor::open(int tab)
{
    if (tab < 0 || tab >= TemplateSet::kCount)
        return QString();
    if (isOpen())
        return m_templates.grid(m_tab).textAt(editRow(), editCol());
    m_tab = tab;
    m_cell.emplace(m_templates.grid(tab), GridEditor::AtLastRow::Stay);
    m_cell->begin();
    return m_templates.grid(tab).text();
}

bool TemplateEditor::commit(const QString &text)
{
    // The focus may have left because the user chose another cell: it stays current.
    GridTable &grid = m_templates.grid(m_tab);
    const int row = grid.row();
    const int col = grid.col();
    if (!writeBack(text))
        return false;
    grid.setCurrent(row, col);
    return true;
}

bool TemplateEditor::writeBack(const QString &text)
{
    if (!m_cell || !m_cell->close())
        return false;
    m_templates.grid(m_tab).setTextAt(m_cell->editRow(), m_cell->editCol(), text);
    return true;
}

void TemplateEditor::key(EditorKey key, const QString &text)
{
    // The move starts from the edited cell.
    if (key != EditorKey::Escape && writeBack(text))
        m_cell->move(key);
}

void TemplateEditor::discard()
{
    if (m_cell)
        m_cell.reset();
}
