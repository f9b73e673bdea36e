#pragma once

#include "files/workbook/SheetCells.h"
#include "files/workbook/Workbook.h"

#include <QString>

class ZipArchive;

// The records of a table of an OpenDocument spreadsheet (.ods) in its zip
// archive, as ReadWorkbookRecords gives them; fileName names the file in the
// reasons. content.xml is read as it is inflated; repeated rows and columns that
// hold nothing cost nothing, and those that do count against the sheet's budget.
WorkbookRecords ReadOdsRecords(ZipArchive &zip, const QString &sheetName, const QString &fileName,
                               HeadingRow heading = HeadingRow::Skip);
