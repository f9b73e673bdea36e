#pragma once

#include "files/Outcome.h"
#include "files/workbook/SheetCells.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class GridTable;

// Workbooks: Excel 97-2003 (.xls, BIFF8 records in an OLE2 compound document),
// Excel 2007 and later (.xlsx, SpreadsheetML parts in a zip archive) and
// OpenDocument spreadsheets (.ods, a content.xml in a zip archive).
enum class WorkbookFormat { Xls, Xlsx, Ods };

// The format a file type ("XLS", "XLSX", "ODS") writes; nullopt for any other
// type. "XLSM" (a workbook with macros) is read as .xlsx but never written.
std::optional<WorkbookFormat> WorkbookFormatOf(const QString &fileType);
// Whether a file type names a workbook the readers take ("XLSM" included).
bool IsWorkbookType(const QString &fileType);

// Which grid rows and columns go to the sheet. Sheet row 1 gets grid row firstRow,
// the next sheet row the next grid row, up to lastRow; sheet columns A.. get grid
// columns 0 .. columns - 1. All cells are text cells.
struct WorkbookLayout {
    int firstRow = 0;   // 0: the header row is sheet row 1; 1: no header row
    int lastRow = -1;   // last grid row written; -1 means rows() - 1 (the spare row included)
    int columns = 0;    // number of sheet columns
    QStringList header; // when not empty and firstRow == 0: written instead of grid row 0
};
// One worksheet named Sheet1 in the format given; written atomically (temp file
// beside the target, renamed over it; an existing file is replaced). Every cell
// of the layout's rectangle is a text cell, an empty text one holding "", so a
// spreadsheet shows every text as it is ("0123" and "=1+1" stay texts). A grid
// beyond what a sheet of the format holds is refused with a reason and nothing
// is written: .xls 65,536 rows and 256 columns, .xlsx and .ods 1,048,576 rows and
// 16,384 columns; a cell of .xls or .xlsx 32,767 characters.
Outcome WriteWorkbook(const GridTable &grid, const QString &path, const WorkbookLayout &layout, WorkbookFormat format);
// The same in the format the path's file type names (a path of no workbook type
// is refused).
Outcome WriteWorkbook(const GridTable &grid, const QString &path, const WorkbookLayout &layout);

enum class WorkbookFailure { None, Unreadable, NoSuchSheet, NoDataRows };
struct WorkbookRecords {
    QList<QStringList> records; // rows after the heading row; each row's cells from column A on, as text
    WorkbookFailure failure = WorkbookFailure::None;
    QString reason; // a clear human-readable reason when failure != None
    bool ok() const { return failure == WorkbookFailure::None; }
};
// Opens the workbook and the sheet named as the user typed it ("Sheet1$" names Sheet1;
// names compare without regard to case). The first row is headings and is skipped
// (unless heading is Keep);
// every following row up to the last used row is a record (rows in between that are
// empty give records of empty texts). An empty or missing cell gives "". Records may
// have different lengths; callers read fields with value(i).
//
// Cells read as text: strings as they are, numbers in their shortest decimal form
// (2001, 1.5), booleans as TRUE and FALSE, error values as "", formula cells as
// their stored result, dates as their serial numbers. The file's content says
// which format it is, whatever its name: Excel 97-2003 (BIFF8) and Excel 5.0/95
// (BIFF5), .xlsx and .xlsm (strict OOXML too) and .ods are read; anything else, a
// damaged file or one too large is Unreadable, with the reason.
WorkbookRecords ReadWorkbookRecords(const QString &path, const QString &sheetName,
                                    HeadingRow heading = HeadingRow::Skip);
// The same from the whole content of a file, read beforehand; fileType is the
// type its name gives ("XLSX"), fileName names it in the reasons.
WorkbookRecords ReadWorkbookSnapshot(QByteArray file, const QString &fileType, const QString &sheetName,
                                     const QString &fileName, HeadingRow heading = HeadingRow::Skip);
