#pragma once

#include "grid/GridChangeLog.h"

#include <any>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class GridTable;

// The undo and redo of a tool: one step per user action, over the grids the tool
// owns and the state derived from them that lives outside the grids (kept whole,
// it is small). A step records only what changed. Changes made outside a step
// (a grid built again from scratch) make the older steps meaningless: once a grid
// is no longer as its last step left it, the history is dropped instead of
// writing stale texts.
class UndoHistory {
public:
    // The tool's state beside its grids: taken before and after each step and
    // put back by undo and redo.
    struct State {
        std::function<std::any()> save;
        std::function<void(const std::any &)> restore;
    };

    static constexpr size_t kMaxSteps = 200;

    explicit UndoHistory(std::vector<GridTable *> grids, State state = {});
    ~UndoHistory();
    UndoHistory(const UndoHistory &) = delete;
    UndoHistory &operator=(const UndoHistory &) = delete;

    // A user action. Steps nest: the outermost one counts; an action that changed
    // no grid leaves no step.
    void begin();
    void end();
    class Step {
    public:
        explicit Step(UndoHistory &history) : m_history(history) { m_history.begin(); }
        ~Step() { m_history.end(); }
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        UndoHistory &m_history;
    };

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // False when there was nothing to take back, or the history was dropped.
    bool undo();
    bool redo();
    void clear();

private:
    struct GridRecord {
        GridChangeLog log;
        int row = 0, col = 0; // the current cell before the changes
        quint64 revisionBefore = 0;
        quint64 revisionAfter = 0;
    };
    struct Record {
        std::vector<GridRecord> grids; // one per grid of the history
        std::any stateBefore;
        std::any stateAfter;
    };

    void attach(Record &record);
    void detach(Record &record);
    bool isCurrent(const Record &record, bool forUndo) const;
    // Takes the record back, recording the way forward again into itself.
    void replay(Record &record, bool forUndo);

    std::vector<GridTable *> m_grids;
    State m_state;
    int m_depth = 0;
    std::unique_ptr<Record> m_open;
    std::deque<std::unique_ptr<Record>> m_undo;
    std::deque<std::unique_ptr<Record>> m_redo;
};
