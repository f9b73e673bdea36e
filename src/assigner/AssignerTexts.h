#pragma once

#include <QString>

// The texts both assigner tools show: their window's captions, status prompts,
// dialog titles and questions. The import and export messages are in
// files/FileMessages.h; RESET and PRINT in platform/PlatformTexts.h.
namespace AssignerTexts {
// The window: the file rows, the buttons and the tabs.
inline const QString kFilesGroup = QStringLiteral("Files");
inline const QString kImportFromCaption = QStringLiteral("Import From :");
inline const QString kExportToCaption = QStringLiteral("Export to :");
inline const QString kBrowseCaption = QStringLiteral("...");
inline const QString kImportBrowseTip = QStringLiteral("Choose a file to import");
inline const QString kExportBrowseTip = QStringLiteral("Choose the export file");
inline const QString kActionsGroup = QStringLiteral("Actions");
inline const QString kExportNowCaption = QStringLiteral("EXPORT NOW");
inline const QString kHelpCaption = QStringLiteral("HELP");
inline const QString kUpdateInputCaption = QStringLiteral("UPDATE INPUT DATA");
inline const QString kInputTab = QStringLiteral("INPUT DATA");
inline const QString kOutputTab = QStringLiteral("OUTPUT DATA");
inline const QString kScriptTab = QStringLiteral("SCRIPT");

// Status prompts.
inline const QString kStartPrompt = QStringLiteral("OPEN A FILE FOR IMPORTATION TO BEGIN");
inline const QString kManualPrompt = QStringLiteral("MANUAL INPUT");

// File dialog titles; the export title makes the dialog a save dialog.
inline const QString kImportDialogTitle = QStringLiteral("Open file for Conversion");
inline const QString kExportDialogTitle = QStringLiteral("Export Location");

// The closing question, under FileMessages::kLossTitle.
inline const QString kLossText = QStringLiteral("YOU HAVE CHANGED INFORMATION ON THIS SCREEN SINCE YOUR LAST EXPORT\r\n"
                                                "WOULD YOU LIKE TO RE-EXPORT WITH THESE CHANGES?");

// Shown at load, under the window's caption, when the tool's template cannot be
// read.
inline QString DefaultScriptUnreadableText(const QString &reason)
{
    return QStringLiteral("The default script could not be read, so the SCRIPT table stays empty. "
                          "Everything else works as usual.\r\n")
        + reason;
}
} // namespace AssignerTexts
