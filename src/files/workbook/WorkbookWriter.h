#pragma once

#include "files/Outcome.h"
#include "files/workbook/SheetCells.h"

#include <QByteArray>
#include <QString>

// The BIFF8 workbook stream of a workbook with one worksheet named Sheet1 whose
// cells are text cells (shared strings with the Text number format), so a
// spreadsheet shows every text as it is: "0123" and "=1+1" stay texts. Every cell
// of the rectangle is written, an empty text as a text cell holding "". Fails when
// the sheet is larger than a BIFF8 worksheet or a text longer than a cell holds.
Expected<QByteArray> BuildWorkbookStream(const SheetTexts &sheet);
