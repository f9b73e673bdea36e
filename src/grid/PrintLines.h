#pragma once

#include <QString>
#include <QStringList>

class GridTable;
class Printer;
class Prompter;
struct PrintedList;

// The tools' printed lists: one line per data row, each cell as " | " and the text
// padded with blanks to 35 characters in column 2 and to 5 elsewhere (a longer
// text is printed whole), in Courier New 9.75 pt.
namespace PrintLines {
inline const QString kFontFamily = QStringLiteral("Courier New");
constexpr double kFontSize = 9.75;
constexpr int kWideColumn = 2;
constexpr int kWideWidth = 35;
constexpr int kNarrowWidth = 5;

// The line of one grid row, all columns.
QString RowLine(const GridTable &grid, int row);
// The lines of data rows 1 .. rows() - 1, the spare row included.
QStringList GridLines(const GridTable &grid);
// The input lines, three lines of one blank, then the output lines.
QStringList InputAndOutputLines(const GridTable &input, const GridTable &output);

// The lines in the printed font.
PrintedList List(const QStringList &lines, bool bold = false);

// Prints the lines as one document; on any failure shows the printer message
// (GridTexts.h) and returns false. When the desktop has no printer at all, the
// message is followed by the offer to save the list as a PDF file (SavePdf).
bool Print(Printer &printer, Prompter &prompter, const QStringList &lines, bool bold = false,
           const QString &folder = QString());
// "PDF...": asks for a file (starting in folder) and writes the lines there as
// printed; a name without a type gets ".pdf". False when cancelled or not written
// (the user is told why).
bool SavePdf(Printer &printer, Prompter &prompter, const QStringList &lines, bool bold, const QString &folder);
// Writes the lines to path as a PDF file; a failure is shown and returns false.
bool WritePdfTo(Printer &printer, Prompter &prompter, const QString &path, const QStringList &lines, bool bold);
} // namespace PrintLines
