#include "version6/entry/HandsetFiles.h"

#include "files/FileMessages.h"
#include "files/TextRecords.h"
#include "files/workbook/Workbook.h"
#include "grid/GridTable.h"

namespace HandsetFiles {

Outcome Write(const GridTable &grid, const QString &path, const QString &fileType)
{
    switch (KindOfExt(fileType, false, FileUse::Write)) {
    case FileKind::Text:
        return WriteTextFile(grid, path, kFields);
    case FileKind::Workbook:
        return WriteWorkbook(grid, path, WorkbookLayout{0, -1, grid.cols(), {}}, *WorkbookFormatOf(fileType));
    case FileKind::Unsupported:
        break;
    }
    return Outcome::failure(FileMessages::kUnwritableTypeReason);
}

Expected<QList<QStringList>> ReadText(const QString &path)
{
    return ReadAllTextRecords(path, kFields);
}

Expected<QList<QStringList>> ReadWorkbook(const QString &path, const QString &sheetName)
{
    WorkbookRecords read = ReadWorkbookRecords(path, sheetName);
    // "EXPORT DATA" of a grid without handsets writes the heading row and one row
    // of empty texts, which reads as no rows at all: a site without handsets.
    if (read.failure == WorkbookFailure::NoDataRows)
        return QList<QStringList>{};
    if (!read.ok())
        return Expected<QList<QStringList>>::failure(read.reason);
    return std::move(read.records);
}

} // namespace HandsetFiles
