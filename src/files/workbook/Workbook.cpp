#include "files/workbook/Workbook.h"

#include "files/AtomicFile.h"
#include "files/FileDialog.h"
#include "files/workbook/OdsReader.h"
#include "files/workbook/OdsWriter.h"
#include "files/workbook/OleContainer.h"
#include "files/workbook/WorkbookReader.h"
#include "files/workbook/WorkbookWriter.h"
#include "files/workbook/XlsxReader.h"
#include "files/workbook/XlsxWriter.h"
#include "files/workbook/ZipContainer.h"
#include "grid/GridTable.h"

#include <QDir>
#include <QFile>

namespace {

Outcome CannotWrite(const QString &fileName, const QString &why)
{
    return Outcome::failure(QStringLiteral("Cannot write %1: %2.").arg(fileName, why));
}

} // namespace

std::optional<WorkbookFormat> WorkbookFormatOf(const QString &fileType)
{
    if (fileType == QLatin1String("XLS"))
        return WorkbookFormat::Xls;
    if (fileType == QLatin1String("XLSX"))
        return WorkbookFormat::Xlsx;
    if (fileType == QLatin1String("ODS"))
        return WorkbookFormat::Ods;
    return std::nullopt;
}

bool IsWorkbookType(const QString &fileType)
{
    return WorkbookFormatOf(fileType) || fileType == QLatin1String("XLSM");
}

Outcome WriteWorkbook(const GridTable &grid, const QString &path, const WorkbookLayout &layout, WorkbookFormat format)
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
    Expected<QByteArray> file = Expected<QByteArray>::failure(QString());
    switch (format) {
    case WorkbookFormat::Xls: {
        const Expected<QByteArray> stream = BuildWorkbookStream(sheet);
        file = stream ? BuildOleWorkbookFile(*stream) : stream;
        break;
    }
    case WorkbookFormat::Xlsx:
        file = BuildXlsxFile(sheet);
        break;
    case WorkbookFormat::Ods:
        file = BuildOdsFile(sheet);
        break;
    }
    if (!file)
        return CannotWrite(fileName, file.reason());
    return WriteFileAtomically(path, *file);
}

Outcome WriteWorkbook(const GridTable &grid, const QString &path, const WorkbookLayout &layout)
{
    if (const std::optional<WorkbookFormat> format = WorkbookFormatOf(FileTypeOf(path)))
        return WriteWorkbook(grid, path, layout, *format);
    return Outcome::failure(QStringLiteral("Cannot write %1: its name ends in no workbook type (.xls, .xlsx or .ods).")
                                .arg(QDir::toNativeSeparators(path)));
}

namespace {

WorkbookRecords Unreadable(QString reason)
{
    WorkbookRecords result;
    result.failure = WorkbookFailure::Unreadable;
    result.reason = std::move(reason);
    return result;
}

} // namespace

WorkbookRecords ReadWorkbookRecords(const QString &path, const QString &sheetName, HeadingRow heading)
{
    // One snapshot of the file, read before it is parsed: a file that changes
    // meanwhile never gives records torn between two versions.
    Expected<QByteArray> file = ReadWholeFile(path, kMaxWorkbookFileBytes);
    if (!file)
        return Unreadable(file.reason());
    return ReadWorkbookSnapshot(std::move(*file), FileTypeOf(path), sheetName, QDir::toNativeSeparators(path), heading);
}

WorkbookRecords ReadWorkbookSnapshot(QByteArray file, const QString &fileType, const QString &sheetName,
                                     const QString &fileName, HeadingRow heading)
{
    // The content says what the file is: a zip archive holds an .xlsx or an .ods.
    if (file.startsWith("PK\x03\x04") || file.startsWith("PK\x05\x06")) {
        Expected<std::unique_ptr<ZipArchive>> zip = ZipArchive::fromBytes(std::move(file));
        if (!zip)
            return Unreadable(QStringLiteral("Cannot read %1: %2.").arg(fileName, zip.reason()));
        if (!(*zip)->find(QStringLiteral("content.xml")).isEmpty()
            || !(*zip)->find(QStringLiteral("mimetype")).isEmpty())
            return ReadOdsRecords(**zip, sheetName, fileName, heading);
        return ReadXlsxRecords(**zip, sheetName, fileName, heading);
    }
    if (!file.isEmpty() && !file.startsWith("\xD0\xCF\x11\xE0")) {
        if (fileType == QLatin1String("XLSX") || fileType == QLatin1String("XLSM"))
            return Unreadable(
                QStringLiteral("Cannot read %1: it is not an Excel 2007 or later workbook (.xlsx).").arg(fileName));
        if (fileType == QLatin1String("ODS"))
            return Unreadable(
                QStringLiteral("Cannot read %1: it is not an OpenDocument spreadsheet (.ods).").arg(fileName));
    }
    return ReadWorkbookBytes(std::move(file), sheetName, fileName, heading);
}
