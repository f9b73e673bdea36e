#pragma once

#include "grid/GridTable.h"

#include <QStringList>

#include <functional>

class Prompter;

// The handset grid (MSFlexGrid2) and its hidden copy, the Advanced grid
// (MSFlexGrid6), which keeps the edits made to handsets while the user goes back
// to the range screen, so that they can be put back by LEN after the next build.
class HandsetSheet {
public:
    HandsetSheet();

    GridTable &grid() { return m_grid; }
    const GridTable &grid() const { return m_grid; }
    const GridTable &advanced() const { return m_advanced; }

    // Check1: set when the user opens an editor on the handset grid by typing or
    // double-click, or changes a cell (HandsetEditor); cleared only by answering
    // No in keepAdvanced().
    bool advancedChanges() const { return m_advancedChanges; }
    void setAdvancedChanges(bool changed) { m_advancedChanges = changed; }

    // "NEXT": one handset per used LEN and extension with the default settings,
    // then the trailing empty row. progress hears (row, maximum) now and then.
    void build(const QStringList &lens, const QStringList &extensions, const QString &handsetType,
               const std::function<void(int, int)> &progress = {});
    // After build, with the handsets shown: after edits (advancedChanges) asks
    // whether to keep them. Yes copies every Advanced row over the handset of the
    // same LEN; No forgets them and returns false: the grid is then to be built
    // again without them.
    bool keepAdvanced(Prompter &prompter, const std::function<void(int, int)> &progress = {});

    // "BACK": the Advanced grid gets a copy of every handset row but the trailing
    // empty one.
    void snapshot();

    // "RESET": both grids keep their header and one empty row.
    void clear();

    // Replaces the handset rows (an import): the rows, then one empty row.
    void replaceRows(const QList<QStringList> &rows);

private:
    void fill(const QStringList &lens, const QStringList &extensions, const QString &handsetType,
              const std::function<void(int, int)> &progress);
    void reapplyAdvanced(const std::function<void(int, int)> &progress);

    GridTable m_grid;
    GridTable m_advanced;
    bool m_advancedChanges = false;
};
