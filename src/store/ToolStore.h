#pragma once

#include "files/Outcome.h"

#include <QList>
#include <QString>

class GridTable;
class ScriptStore;
struct FileDialogState;

// What the assigner tools read from the default-script store when their window
// loads, and write back when it closes.
namespace ToolStore {
// Appends the rows of a template table to a template grid, in stored order, the
// fields "Command", "firstdata", "seconddata", "blank" and "Text" in columns 0 to
// 4. A Null field gives an empty cell, and so does the text "NULL" in the columns
// listed in nullWordColumns, and with emptyCellMarker the text "XTX" in any column
// (the mark Version 6.0 stores for an empty cell).
Outcome LoadTemplateGrid(const ScriptStore &store, const QString &table, GridTable &grid,
                         const QList<int> &nullWordColumns, bool emptyCellMarker = false);

// The remembered folder (position 1 of the settings record) and filter index
// (position 2). An empty folder gives the program's folder, an empty or unreadable
// index 0; a missing store or record leaves these defaults.
void LoadDialogSettings(const ScriptStore &store, const QString &table, FileDialogState &state);
// Writes them back to positions 1 and 2.
Outcome SaveDialogSettings(const ScriptStore &store, const QString &table, const FileDialogState &state);
} // namespace ToolStore
