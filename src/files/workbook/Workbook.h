#pragma once

#include "files/Outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

class GridTable;

// Excel 97-2003 workbooks (.xls): BIFF8 records in an OLE2 compound document.

// Which grid rows and columns go to the sheet. Sheet row 1 gets grid row firstRow,
// the next sheet row the next grid row, up to lastRow; sheet columns A.. get grid
// columns 0 .. columns - 1. All cells are text cells.
struct WorkbookLayout {
    int firstRow = 0;   // 0: the header row is sheet row 1; 1: no header row
    int lastRow = -1;   // last grid row written; -1 means rows() - 1 (the spare row included)
    int columns = 0;    // number of sheet columns
    QStringList header; // when not empty and firstRow == 0: written instead of grid row 0
};
// One worksheet named Sheet1; written atomically (temp file beside the target, renamed
// over it; an existing file is replaced). Empty texts give empty cells. A sheet
// holds at most 65,536 rows and 256 columns and a cell 32,767 characters; a grid
// beyond that is refused with a reason and nothing is written.
Outcome WriteWorkbook(const GridTable &grid, const QString &path, const WorkbookLayout &layout);

enum class WorkbookFailure { None, Unreadable, NoSuchSheet, NoDataRows };
struct WorkbookRecords {
    QList<QStringList> records; // rows after the heading row; each row's cells from column A on, as text
    WorkbookFailure failure = WorkbookFailure::None;
    QString reason; // a clear human-readable reason when failure != None
    bool ok() const { return failure == WorkbookFailure::None; }
};
// Opens the workbook and the sheet named as the user typed it ("Sheet1$" names Sheet1;
// names compare without regard to case). The first row is headings and is skipped;
// every following row up to the last used row is a record (rows in between that are
// empty give records of empty texts). An empty or missing cell gives "". Records may
// have different lengths; callers read fields with value(i).
//
// Cells read as text: strings as they are, numbers in their shortest decimal form
// (2001, 1.5), booleans as TRUE and FALSE, error values as "", formula cells as
// their stored result. Excel 97-2003 (BIFF8) and Excel 5.0/95 (BIFF5) workbooks
// are read; anything else, a damaged file or one too large is Unreadable.
WorkbookRecords ReadWorkbookRecords(const QString &path, const QString &sheetName);
