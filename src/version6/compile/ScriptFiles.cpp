#include "version6/compile/ScriptFiles.h"

#include "files/TextRecords.h"
#include "files/workbook/Workbook.h"
#include "grid/GridTable.h"
#include "store/ScriptStore.h"

namespace ScriptFiles {

Expected<QList<QStringList>> ReadText(const QString &path)
{
    return ReadAllTextRecords(path, kFields);
}

Expected<QList<QStringList>> ReadWorkbook(const QString &path, const QString &sheetName)
{
    const WorkbookRecords read = ReadWorkbookRecords(path, sheetName);
    if (!read.ok())
        return Expected<QList<QStringList>>::failure(read.reason);
    QList<QStringList> rows;
    rows.reserve(read.records.size());
    for (const QStringList &record : read.records) {
        QStringList row;
        for (int c = 0; c < kFields; ++c) {
            QString value = record.value(c);
            if (value.startsWith(QLatin1Char('&')))
                value.remove(0, 1);
            row.append(value);
        }
        rows.append(row);
    }
    return rows;
}

QList<TemplateRecord> StoredRecords(const GridTable &grid)
{
    QList<TemplateRecord> records;
    records.reserve(grid.rows() - 1);
    for (int r = 1; r < grid.rows(); ++r) {
        TemplateRecord record;
        for (int c = 0; c < kFields; ++c) {
            const QString text = grid.textAt(r, c);
            if (!text.isEmpty())
                record.fields[c] = text;
            else if (c == 0)
                record.fields[c] = TemplateRecord::kEmptyCell;
        }
        records.append(record);
    }
    return records;
}

} // namespace ScriptFiles
