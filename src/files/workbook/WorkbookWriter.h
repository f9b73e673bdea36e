#pragma once

#include "files/Outcome.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The text cells of one sheet: rows x columns, text(row, column) for each; an
// empty text leaves its cell empty.
struct SheetTexts {
    int rows = 0;
    int columns = 0;
    std::function<QString(int row, int column)> text;
};

// The BIFF8 workbook stream of a workbook with one worksheet named Sheet1 whose
// cells are text cells (shared strings with the Text number format), so a
// spreadsheet shows every text as it is: "0123" and "=1+1" stay texts. Fails when
// the sheet is larger than a BIFF8 worksheet or a text longer than a cell holds.
Expected<QByteArray> BuildWorkbookStream(const SheetTexts &sheet);
