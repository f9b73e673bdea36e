#include "grid/PrintLines.h"

#include "grid/GridTable.h"
#include "grid/GridTexts.h"
#include "platform/Printer.h"
#include "platform/Prompter.h"

#include <QFileInfo>

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

PrintedList List(const QStringList &lines, bool bold)
{
    return {kFontFamily, kFontSize, bold, lines};
}

bool Print(Printer &printer, Prompter &prompter, const QStringList &lines, bool bold, const QString &folder)
{
    if (PrintDocument(printer, kFontFamily, kFontSize, bold, lines))
        return true;
    prompter.message(GridTexts::kPrinterProblemText, GridTexts::kPrinterProblemTitle, Prompter::Icon::Information);
    if (!printer.installed()
        && prompter.askYesNo(GridTexts::kOfferPdfText, GridTexts::kPdfTitle, Prompter::Icon::Question))
        SavePdf(printer, prompter, lines, bold, folder);
    return false;
}

bool SavePdf(Printer &printer, Prompter &prompter, const QStringList &lines, bool bold, const QString &folder)
{
    Prompter::FileRequest request;
    request.save = true;
    request.title = GridTexts::kPdfDialogTitle;
    request.folder = folder;
    request.filter = GridTexts::kPdfFilter;
    QString path = prompter.chooseFile(request).path;
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (!WritePdfTo(printer, prompter, path, lines, bold))
        return false;
    prompter.message(GridTexts::PdfSavedText(path), GridTexts::kPdfTitle, Prompter::Icon::Information);
    return true;
}

bool WritePdfTo(Printer &printer, Prompter &prompter, const QString &path, const QStringList &lines, bool bold)
{
    const Outcome written = printer.writePdf(path, List(lines, bold));
    if (written)
        return true;
    prompter.message(GridTexts::PdfFailedText(written.reason()), GridTexts::kPdfTitle, Prompter::Icon::Exclamation);
    return false;
}

} // namespace PrintLines
