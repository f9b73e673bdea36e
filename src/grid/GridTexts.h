#pragma once

#include <QString>

// The texts of the grids' shared code: the message of a printed list that could
// not be printed (every tool prints through PrintLines), and the block entries
// of the grids' popup menus.
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
} // namespace GridTexts
