#include "grid/UndoHistory.h"

#include "grid/GridTable.h"

UndoHistory::UndoHistory(std::vector<GridTable *> grids, State state)
    : m_grids(std::move(grids)),
      m_state(std::move(state))
{
}

UndoHistory::~UndoHistory()
{
    if (m_open)
        detach(*m_open);
}

void UndoHistory::attach(Record &record)
{
    record.grids.resize(m_grids.size());
    for (size_t i = 0; i < m_grids.size(); ++i) {
        GridRecord &g = record.grids[i];
        g.log = GridChangeLog();
        g.row = m_grids[i]->row();
        g.col = m_grids[i]->col();
        g.revisionBefore = m_grids[i]->revision();
        m_grids[i]->setChangeLog(&g.log);
    }
}

void UndoHistory::detach(Record &record)
{
    for (size_t i = 0; i < m_grids.size(); ++i) {
        m_grids[i]->setChangeLog(nullptr);
        record.grids[i].revisionAfter = m_grids[i]->revision();
    }
}

void UndoHistory::begin()
{
    if (m_depth++ > 0)
        return;
    m_open = std::make_unique<Record>();
    if (m_state.save)
        m_open->stateBefore = m_state.save();
    attach(*m_open);
}

void UndoHistory::end()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    detach(*m_open);
    std::unique_ptr<Record> record = std::move(m_open);
    bool changed = false;
    for (const GridRecord &g : record->grids)
        changed = changed || !g.log.isEmpty();
    if (!changed)
        return;
    if (m_state.save)
        record->stateAfter = m_state.save();
    m_undo.push_back(std::move(record));
    if (m_undo.size() > kMaxSteps)
        m_undo.pop_front();
    m_redo.clear();
}

bool UndoHistory::isCurrent(const Record &record, bool forUndo) const
{
    for (size_t i = 0; i < m_grids.size(); ++i) {
        const GridRecord &g = record.grids[i];
        if (m_grids[i]->revision() != (forUndo ? g.revisionAfter : g.revisionBefore))
            return false;
    }
    return true;
}

void UndoHistory::replay(Record &record, bool forUndo)
{
    for (size_t i = 0; i < m_grids.size(); ++i) {
        GridTable &grid = *m_grids[i];
        GridRecord &g = record.grids[i];
        if (g.log.isEmpty())
            continue;
        const int row = grid.row();
        const int col = grid.col();
        GridChangeLog back;
        grid.setChangeLog(&back);
        g.log.takeBack(grid);
        grid.setChangeLog(nullptr);
        g.log = std::move(back);
        grid.setCurrent(g.row, g.col);
        g.row = row;
        g.col = col;
        // The grid is again as it was on that side of the step.
        grid.setRevision(forUndo ? g.revisionBefore : g.revisionAfter);
    }
    if (m_state.restore) {
        const std::any &state = forUndo ? record.stateBefore : record.stateAfter;
        if (state.has_value())
            m_state.restore(state);
    }
}

bool UndoHistory::undo()
{
    if (m_depth > 0 || m_undo.empty())
        return false;
    if (!isCurrent(*m_undo.back(), true)) {
        clear();
        return false;
    }
    std::unique_ptr<Record> record = std::move(m_undo.back());
    m_undo.pop_back();
    replay(*record, true);
    m_redo.push_back(std::move(record));
    return true;
}

bool UndoHistory::redo()
{
    if (m_depth > 0 || m_redo.empty())
        return false;
    if (!isCurrent(*m_redo.back(), false)) {
        clear();
        return false;
    }
    std::unique_ptr<Record> record = std::move(m_redo.back());
    m_redo.pop_back();
    replay(*record, false);
    m_undo.push_back(std::move(record));
    return true;
}

void UndoHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}
