#pragma once

#include "files/FileDialog.h"
#include "files/Outcome.h"

#include <QString>

#include <functional>

class GridTable;
class Prompter;

namespace Version6Export {

// Writes an output grid as "EXPORT THIS" does: text files get rows 1 .. Rows - 2
// (the last, empty row is left out) as five quoted fields; workbooks get rows
// 1 .. Rows - 1 in six columns, without the header, in the format of the file
// type. Any other type writes nothing (".nes" included).
Outcome WriteOutputGrid(const GridTable &grid, const QString &path, const QString &fileType,
                        const std::function<void(int)> &progress = {});

// Tells the user how an export of the Version 6.0 tool ended: "Data Exported
// Successfully!" for text, "Exported to <path>" for a workbook, and for a type
// no writer handles or a write that failed, that nothing was exported.
void ReportExport(Prompter &prompter, FileKind kind, const QString &path, const Outcome &written);

} // namespace Version6Export
