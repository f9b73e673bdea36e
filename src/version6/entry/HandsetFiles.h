#pragma once

#include "files/FileDialog.h"
#include "files/Outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

class GridTable;

// The handset grid in files ("EXPORT DATA", "IMPORT DATA"): ten fields a record,
// the columns of the grid in their order, every value text.
namespace HandsetFiles {

constexpr int kFields = 10;

// Text: every row from 1 to the trailing empty row, ten quoted fields a line.
// Workbook: the header row and every row, all columns, in the format of the
// file type. Other types write nothing (".nes" included).
Outcome Write(const GridTable &grid, const QString &path, const QString &fileType);

// The records of a text file, ten fields each, whatever the line breaks; quoted
// fields verbatim, unquoted ones trimmed and kept as text (05012 stays 05012).
Expected<QList<QStringList>> ReadText(const QString &path);

// The rows of a workbook's sheet after its heading row; fields 0 to 9 of a row are
// the handset's columns (a missing field is empty). A sheet of the heading row
// alone holds no handsets (no rows, not a failure).
Expected<QList<QStringList>> ReadWorkbook(const QString &path, const QString &sheetName);

} // namespace HandsetFiles
