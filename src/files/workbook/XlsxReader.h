#pragma once

#include "files/workbook/SheetCells.h"
#include "files/workbook/Workbook.h"

#include <QString>

class ZipArchive;

// The records of a sheet of an Excel 2007 or later workbook (.xlsx, .xlsm; strict
// OOXML too) in its zip archive, as ReadWorkbookRecords gives them; fileName
// names the file in the reasons. The sheet's XML is read as it is inflated.
WorkbookRecords ReadXlsxRecords(ZipArchive &zip, const QString &sheetName, const QString &fileName,
                                HeadingRow heading = HeadingRow::Skip);

// Texts of SpreadsheetML with the characters XML cannot hold written as _xHHHH_
// (and an "_" that would start such a sequence as _x005F_): the text as it is.
QString DecodeXmlEscapes(QString text);
