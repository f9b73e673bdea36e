#pragma once

#include "files/Outcome.h"
#include "files/workbook/SheetCells.h"

#include <QByteArray>

// An Excel 2007 and later workbook (.xlsx) of one worksheet named Sheet1 whose
// cells are shared-string cells with the Text number format ("@"), so a
// spreadsheet shows every text as it is. Characters XML cannot hold, and a
// carriage return, are written as _xHHHH_, and a text that itself reads like
// such a sequence keeps it (its "_" written as _x005F_). Fails when the sheet has
// more than 1,048,576 rows or 16,384 columns, or a text more than 32,767
// characters.
Expected<QByteArray> BuildXlsxFile(const SheetTexts &sheet);

// A text as SpreadsheetML character data (see above), before XML escaping.
QString EncodeXmlEscapes(const QString &text);
