#pragma once

#include "files/Outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

class GridTable;
struct TemplateRecord;

// A script template in files and in the store: five fields a line (Command, First
// Data, Second Data, Blank, Engineers Text). Written as the output grids are
// (Version6Export::WriteOutputGrid); read here.
namespace ScriptFiles {

constexpr int kFields = 5;

// The records of a text file, five fields each whatever the line breaks; quoted
// fields verbatim, unquoted ones trimmed and kept as text.
Expected<QList<QStringList>> ReadText(const QString &path);

// The rows of a workbook's sheet under its heading row, the first five cells of
// each; a value that starts with "&" loses that character.
Expected<QList<QStringList>> ReadWorkbook(const QString &path, const QString &sheetName);

// What "SAVE" stores for a template: a record for every row from 1 to the
// trailing empty row, an empty Command as "XTX" and every other empty cell as
// Null (the sixth column is not stored).
QList<TemplateRecord> StoredRecords(const GridTable &grid);

} // namespace ScriptFiles
