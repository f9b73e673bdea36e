#pragma once

#include "files/CodePageLoss.h"
#include "files/FileDialog.h"
#include "files/Outcome.h"

#include <QString>

#include <functional>

class GridTable;
class Prompter;

namespace Version6Export {

// Writes an output grid as "EXPORT THIS" does: text files get rows 1 .. Rows - 2
// (the last, empty row is left out) as five quoted fields; workbooks get rows
// 1 .. Rows - 1 in six columns, in the format of the file type: output grids
// without the header; templates (SheetHeader::Written) with their header row as
// sheet row 1, which a workbook import skips as headings, so no line is lost on
// the way back. Any other type writes nothing (".nes" included).
enum class SheetHeader { Left, Written };
Outcome WriteOutputGrid(const GridTable &grid, const QString &path, const QString &fileType,
                        const std::function<void(int)> &progress = {}, SheetHeader header = SheetHeader::Left);

// The cells a text export of an output grid or template writes with "?".
CodePageLoss OutputGridLoss(const GridTable &grid, const QString &fileType);

// Tells the user how an export of the Version 6.0 tool ended: "Data Exported
// Successfully!" for text, "Exported to <path>" for a workbook, and for a type
// no writer handles or a write that failed, that nothing was exported. After a
// text export, loss is reported too.
void ReportExport(Prompter &prompter, FileKind kind, const QString &path, const Outcome &written,
                  const CodePageLoss &loss = {});

} // namespace Version6Export
