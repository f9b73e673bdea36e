#pragma once

#include "files/workbook/Workbook.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class GridTable;
class Prompter;

// The tools' imports and exports of a grid, with their messages: the reader or
// writer is chosen by the file type (FileExtOf), and whatever goes wrong is told
// to the user here, so the tools only act on the result.
namespace GridFiles {

// The records of an import, read completely before any grid is touched.
struct Import {
    enum class Status { Read, Cancelled, Failed };
    Status status = Status::Failed;
    QList<QStringList> records;
    bool read() const { return status == Status::Read; }
};

// Text types: records of `fields` fields ("UNABLE TO OPEN SPECIFIED FILE" when the
// file cannot be read or ends inside a record). Workbooks (.xls, .xlsx, .xlsm,
// .ods): asks for the sheet name (cancelled by an empty answer) and takes the
// sheet's rows below its headings,
// each cut or padded to `fields` fields ("INVALID SHEET NAME" when the workbook,
// the sheet or its data rows are missing). Any other type: "INVALID IMPORT FILE
// TYPE".
// takesCutShort, when given, is asked about a text file that ends inside a record:
// true takes the complete records before the cut as the import.
Import ReadRecords(Prompter &prompter, const QString &path, const QString &fileExt, int fields,
                   const std::function<bool(const QList<QStringList> &)> &takesCutShort = {});

enum class Written { Text, Workbook, Nothing };

// Text types: rows 1 .. rows() - 1 of the grid, columns 0 .. textColumns - 1;
// characters windows-1252 cannot hold are written as "?" and reported.
// Workbooks (.xls, .xlsx, .ods): a workbook of the layout in that format. Any
// other type writes nothing and says so; a failed write is reported. Returns
// what was written.
Written WriteGrid(Prompter &prompter, const GridTable &grid, const QString &path, const QString &fileExt,
                  int textColumns, const WorkbookLayout &layout, bool withNes = true);

} // namespace GridFiles
