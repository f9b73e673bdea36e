#pragma once

#include "files/Outcome.h"
#include "files/workbook/SheetCells.h"

#include <QByteArray>

// An OpenDocument spreadsheet (.ods) of one table named Sheet1 whose cells are
// string cells (office:value-type="string"); "mimetype" is its first member,
// stored uncompressed. Spaces, tabs and line feeds are written so that they read
// back as they are; a text with a carriage return also carries its exact value
// in office:string-value. Fails when the sheet has more than 1,048,576 rows or
// 16,384 columns, or a text holds a character that XML cannot (a control
// character such as U+0001).
Expected<QByteArray> BuildOdsFile(const SheetTexts &sheet);
