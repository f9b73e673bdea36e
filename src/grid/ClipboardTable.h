#pragma once

#include "grid/CellBlock.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class GridTable;

// Cells as spreadsheets exchange them through the clipboard: rows of fields,
// tab-separated (what spreadsheets copy) or comma-separated, a field in double
// quotes holding separators, line breaks and doubled quotes; and an HTML table.
namespace ClipboardTable {

// The block as tab-separated lines, each ended by a line feed. A field holding a
// tab, a line break or a leading quote is quoted, so a spreadsheet gets it whole.
QString ToTabbed(const GridTable &grid, const CellBlock &block);
// The block as an HTML table, its texts escaped.
QString ToHtml(const GridTable &grid, const CellBlock &block);

// The rows of clipboard text. Fields are split at tabs when the text holds one,
// else at commas; lines end with LF, CR LF or CR, and a last line break ends the
// last row rather than starting an empty one. Empty text gives no rows.
QList<QStringList> Parse(const QString &text);

// Whether pasted text is a block rather than text for one cell.
bool IsBlock(const QString &text);

// A pasted field as a cell may hold it: every run of control characters (tabs,
// line breaks and the like) becomes one blank.
QString CellText(const QString &field);

// Where pasted rows go in a grid of cols columns: from the target's top left
// cell on, or, when the rows hold one field, into every cell of the target.
// Fields beyond the last column are dropped. write hears each cell in row
// order, its text made fit for a cell; returns the last row written, 0 for none.
// The last row Place writes, so that the grid can grow first; 0 for none.
int LastRow(const QList<QStringList> &rows, const CellBlock &target);
int Place(const QList<QStringList> &rows, const CellBlock &target, int cols,
          const std::function<void(int row, int col, const QString &text)> &write);

} // namespace ClipboardTable
