#include "grid/PrintLines.h"

#include "grid/GridTable.h"
#include "grid/GridTexts.h"
#include "platform/Printer.h"
#include "platform/Prompter.h"

namespace PrintLines {

QString RowLine(const GridTable &grid, int row)
{
    QString line;
    for (int c = 0; c < grid.cols(); ++c) {
        line += QStringLiteral(" | ");
        line += grid.textAt(row, c).leftJustified(c == kWideColumn ? kWideWidth : kNarrowWidth);
    }
    return line;
}

QStringList GridLines(const GridTable &grid)
{
    QStringList lines;
    lines.reserve(grid.rows());
    for (int r = 1; r < grid.rows(); ++r)
        lines.append(RowLine(grid, r));
    return lines;
}

QStringList InputAndOutputLines(const GridTable &input, const GridTable &output)
{
    QStringList lines = GridLines(input);
    for (int i = 0; i < 3; ++i)
        lines.append(QStringLiteral(" "));
    lines.append(GridLines(output));
    return lines;
}

bool Print(Printer &printer, Prompter &prompter, const QStringList &lines, bool bold)
{
    if (PrintDocument(printer, kFontFamily, kFontSize, bold, lines))
        return true;
    prompter.message(GridTexts::kPrinterProblemText, GridTexts::kPrinterProblemTitle, Prompter::Icon::Information);
    return false;
}

} // namespace PrintLines
