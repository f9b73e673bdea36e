#pragma once

#include <QString>

// The texts of the grids' shared code: the message of a printed list that could
// not be printed (every tool prints through PrintLines).
namespace GridTexts {
inline const QString kPrinterProblemText =
    QStringLiteral("There was a problem contacting your default printer\r\n"
                   "Please insure that it is installed , connected, powered up and not out of paper");
inline const QString kPrinterProblemTitle = QStringLiteral("Unable to communicate with Printer???");
} // namespace GridTexts
