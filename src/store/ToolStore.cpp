#include "store/ToolStore.h"

#include "files/FileDialog.h"
#include "grid/GridTable.h"
#include "platform/AppPaths.h"
#include "store/ScriptStore.h"

namespace ToolStore {

Outcome LoadTemplateGrid(const ScriptStore &store, const QString &table, GridTable &grid,
                         const QList<int> &nullWordColumns, bool emptyCellMarker)
{
    const Expected<QList<TemplateRecord>> records = store.readTemplate(table);
    if (!records)
        return records.outcome();
    GridTable::Batch batch(grid);
    for (const TemplateRecord &record : *records) {
        QStringList cells;
        for (int i = 0; i < 5; ++i) {
            QString text = record.fields[i].value_or(QString());
            if ((nullWordColumns.contains(i) && text == QLatin1String("NULL"))
                || (emptyCellMarker && text == TemplateRecord::kEmptyCell))
                text.clear();
            cells.append(text);
        }
        grid.appendRow(cells);
    }
    return Outcome::success();
}

void LoadDialogSettings(const ScriptStore &store, const QString &table, FileDialogState &state)
{
    state.folder = AppPaths::appPath();
    state.filterIndex = 0;
    const Expected<QStringList> fields = store.readSettings(table);
    if (!fields)
        return;
    if (const QString folder = fields->value(1); !folder.isEmpty())
        state.folder = folder;
    bool ok = false;
    const int index = fields->value(2).trimmed().toInt(&ok);
    if (ok)
        state.filterIndex = index;
}

Outcome SaveDialogSettings(const ScriptStore &store, const QString &table, const FileDialogState &state)
{
    return store.writeSettings(table, {{1, state.folder}, {2, QString::number(state.filterIndex)}});
}

} // namespace ToolStore
