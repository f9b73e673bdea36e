#pragma once

#include <QString>

// The texts of the grids' shared code: the message of a printed list that could
// not be printed and its saving as a PDF file (every tool prints through
// PrintLines), and the block entries of the grids' popup menus.
namespace GridTexts {
inline const QString kPrinterProblemText =
    QStringLiteral("There was a problem contacting your default printer\r\n"
                   "Please insure that it is installed , connected, powered up and not out of paper");
inline const QString kPrinterProblemTitle = QStringLiteral("Unable to communicate with Printer???");

// The popup menu entries every grid adds for blocks of cells.
inline const QString kCopyCaption = QStringLiteral("Copy");
inline const QString kPasteCaption = QStringLiteral("Paste");
inline const QString kDeleteCaption = QStringLiteral("Delete");
inline const QString kUndoCaption = QStringLiteral("Undo");
inline const QString kRedoCaption = QStringLiteral("Redo");

// Follows the printer message when the desktop has no printer at all.
inline const QString kOfferPdfText = QStringLiteral("No printer is installed. Save the list as a PDF file instead?");
inline const QString kPdfDialogTitle = QStringLiteral("Save Printed List as PDF");
inline const QString kPdfFilter = QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*");
inline const QString kPdfTitle = QStringLiteral("PDF");
inline QString PdfSavedText(const QString &path)
{
    return QStringLiteral("The printed list was saved as ") + path;
}
inline QString PdfFailedText(const QString &reason)
{
    return QStringLiteral("The PDF file was not written.\r\n") + reason;
}
} // namespace GridTexts
