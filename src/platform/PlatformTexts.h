#pragma once

#include <QString>

// The texts that several tools show alike, and the program's name. Each tool's
// own texts live in its folder's catalogue (AssignerTexts.h, Version6Texts.h,
// ...); the messages of imports and exports in files/FileMessages.h.
namespace PlatformTexts {
// Window titles, the tray tip and the print job; also the title of a message or
// input box that has none of its own.
inline const QString kProgramTitle = QStringLiteral("Halvoran");
// The caption of the About window's version label and of the Version 6.0 window.
inline const QString kVersionCaption = QStringLiteral("Version 8.1");

// Titles of the questions and messages the tools share.
inline const QString kCheckUserAction = QStringLiteral("Check User Action");
inline const QString kUserErrorTitle = QStringLiteral("User Error");

// Buttons both the assigner windows and the Version 6.0 window have.
inline const QString kResetCaption = QStringLiteral("RESET");
inline const QString kPrintCaption = QStringLiteral("PRINT");
// Beside each PRINT: the printed list as a PDF file; and the title of the preview
// that Shift with PRINT shows.
inline const QString kPdfCaption = QStringLiteral("PDF...");
inline const QString kPdfTip = QStringLiteral("Save the printed list as a PDF file (Shift+PRINT shows a preview)");
inline const QString kPreviewTitle = QStringLiteral("Halvoran - Print Preview");
} // namespace PlatformTexts
