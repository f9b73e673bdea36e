#include "files/workbook/Workbook.h"

#include "files/AtomicFile.h"
#include "files/workbook/OleContainer.h"
#include "files/workbook/WorkbookReader.h"
#include "files/workbook/WorkbookWriter.h"
#include "grid/GridTable.h"

#include <QDir>

namespace {

Outcome CannotWrite(const QString &fileName, const QString &why)
{
    return Outcome::failure(QStringLiteral("Cannot write %1: %2.").arg(fileName, why));
}

} // namespace

Outcome WriteWorkbook(const GridTable &grid, const QString &path, const WorkbookLayout &layout)
{
    const int lastRow = layout.lastRow < 0 ? grid.rows() - 1 : qMin(layout.lastRow, grid.rows() - 1);
    const QString fileName = QDir::toNativeSeparators(path);
    if (layout.firstRow < 0 || layout.columns < 0)
        return Outcome::failure(QStringLiteral("Cannot write %1: the workbook layout is not valid.").arg(fileName));
    const bool headerOverride = layout.firstRow == 0 && !layout.header.isEmpty();

    SheetTexts sheet;
    sheet.rows = qMax(0, lastRow - layout.firstRow + 1);
    sheet.columns = layout.columns;
    sheet.text = [&](int row, int column) {
        if (row == 0 && headerOverride)
            return layout.header.value(column);
        return grid.textAt(layout.firstRow + row, column);
    };
    Expected<QByteArray> stream = BuildWorkbookStream(sheet);
    if (!stream)
        return CannotWrite(fileName, stream.reason());
    Expected<QByteArray> file = BuildOleWorkbookFile(*stream);
    if (!file)
        return CannotWrite(fileName, file.reason());
    return WriteFileAtomically(path, *file);
}

WorkbookRecords ReadWorkbookRecords(const QString &path, const QString &sheetName)
{
    const QString fileName = QDir::toNativeSeparators(path);
    Expected<QByteArray> file = ReadWholeFile(path, kMaxWorkbookFileBytes);
    if (!file) {
        WorkbookRecords result;
        result.failure = WorkbookFailure::Unreadable;
        result.reason = file.reason();
        return result;
    }
    return ReadWorkbookBytes(std::move(*file), sheetName, fileName);
}
