#pragma once

#include <QString>

// The texts of the Version 6.0 tool and its window: the tool's questions and
// messages, the window's captions and tooltips. The range screen's and handset
// grid's texts are in entry/EntryTexts.h, the compiler's and the outputs' in
// compile/CompileTexts.h; the window's caption, RESET and PRINT in
// platform/PlatformTexts.h.
namespace Version6Texts {
// ---- The tool ----

// The closing question, under FileMessages::kLossTitle.
inline const QString kLossText = QStringLiteral("YOU HAVE CHANGED INFORMATION ON THIS SCREEN SINCE YOUR LAST EXPORT\r\n"
                                                "WOULD YOU LIKE TO RE-EXPORT AND SAVE THESE CHANGES?");
// The title of every message about something that could not be saved.
inline const QString kUnableToSaveTitle = QStringLiteral("UNABLE TO SAVE");
inline QString FolderNotRememberedText(const QString &reason)
{
    return QStringLiteral("The file dialog's folder could not be remembered; the next window opens "
                          "in the Scripts folder.\r\n")
        + reason;
}
inline QString TabNamesNotSavedText(const QString &reason)
{
    return QStringLiteral("The tab names could not be saved; the new name lasts until the window closes.\r\n") + reason;
}
inline QString DefaultScriptNotSavedText(const QString &reason)
{
    return QStringLiteral("The default script could not be saved; the stored one is unchanged.\r\n") + reason;
}
// Shown once at opening when the default scripts or the tab names cannot be read;
// reasons holds one line per file, naming it.
inline const QString kUnableToReadTitle = QStringLiteral("UNABLE TO READ");
inline QString SetupUnreadableText(const QString &reasons)
{
    return QStringLiteral("Version 6.0 opens without what could not be read: templates that could not be "
                          "read stay empty, tab names keep their built-in names.\r\n")
        + reasons;
}
inline QString StoreUnreadableReason(const QString &store, const QString &reason)
{
    return QStringLiteral("The default scripts in %1 could not be read: %2").arg(store, reason);
}

// The status prompt while "NEXT" builds the handset grid.
inline const QString kCreatingLayoutStatus = QStringLiteral("Creating Screen Layout");
// The open dialog of "IMPORT DATA" and "IMPORT SCRIPT"; the export dialogs'
// titles are FileMessages::kExportGridTitle and kExportLocationTitle.
inline const QString kOpenScriptTitle = QStringLiteral("Open Script File");

// Renaming a template tab.
inline const QString kRenameTabPrompt =
    QStringLiteral("Please EDIT Tab name as appropriate then click OK or Click Cancel to EXIT without changing.");
inline const QString kRenameTabTitle = QStringLiteral("RENAME TAB");
// "SAVE" on a template, under PlatformTexts::kCheckUserAction.
inline const QString kSaveDefaultText =
    QStringLiteral("Do you want HVN to save this New script as the default script?\r\n"
                   "The original Default Script will be replaced?");

// ---- The window ----

// The work area's tabs; choosing OUTPUT compiles.
inline const QString kDataTab = QStringLiteral("DATA");
inline const QString kScriptsTab = QStringLiteral("SCRIPTS");
inline const QString kOutputTab = QStringLiteral("OUTPUT");

// The range screen.
inline const QString kNewRangeGroup = QStringLiteral("New range");
inline const QString kFpCaption = QStringLiteral("FP");
inline const QString kStartLenCaption = QStringLiteral("Start LEN");
inline const QString kStopLenCaption = QStringLiteral("Stop LEN");
inline const QString kStartExtCaption = QStringLiteral("Start EXT");
inline const QString kDefaultHandsetCaption = QStringLiteral("Default Handset");
inline const QString kAddCaption = QStringLiteral("ADD");
inline const QString kAddTip = QStringLiteral("List the range and register its LENs and extensions");
inline const QString kRemoveCaption = QStringLiteral("REMOVE");
inline const QString kRemoveTip = QStringLiteral("Remove the selected range");
inline const QString kRangesGroup = QStringLiteral("Ranges");
inline const QString kResetTip = QStringLiteral("Remove every range and every handset");
inline const QString kNextCaption = QStringLiteral("NEXT");
inline const QString kNextTip = QStringLiteral("Build the handset grid from the ranges");

// The DATA tab and the handset grid's popup menu.
inline const QString kBackCaption = QStringLiteral("BACK");
inline const QString kBackTip = QStringLiteral("Back to the ranges; the edits are offered again after NEXT");
inline const QString kImportDataCaption = QStringLiteral("IMPORT DATA");
inline const QString kImportDataTip = QStringLiteral("Replace the handsets with those of a file");
inline const QString kExportDataCaption = QStringLiteral("EXPORT DATA");
inline const QString kExportDataTip = QStringLiteral("Save the handsets to a file");
inline const QString kPrintTip = QStringLiteral("Print the handsets on the default printer");
inline const QString kApplyToColumnCaption = QStringLiteral("&Apply To Colum");
inline const QString kResetColumnCaption = QStringLiteral("&Reset Colum");

// The SCRIPTS tab and its popup menus.
inline const QString kAddRowCaption = QStringLiteral("&Add Row");
inline const QString kRemoveRowCaption = QStringLiteral("&Remove Row");
inline const QString kRenameCaption = QStringLiteral("&Rename");
inline const QString kImportScriptCaption = QStringLiteral("IMPORT SCRIPT");
inline const QString kImportScriptTip = QStringLiteral("Replace this template with one from a file");
inline const QString kExportScriptCaption = QStringLiteral("EXPORT SCRIPT");
inline const QString kExportScriptTip = QStringLiteral("Write this template to a file");
inline const QString kSaveCaption = QStringLiteral("SAVE");
inline const QString kSaveTip = QStringLiteral("Make this template the default of its tab");

// The OUTPUT tab; its tabs' captions are CompileTexts::kOutputCaptions.
inline const QString kStartBlockCaption = QStringLiteral("Speed Dial Starting Block");
inline const QString kStartBlockTip = QStringLiteral("The next free block of ten personal speed-dial locations");
inline const QString kExportThisCaption = QStringLiteral("EXPORT THIS");
inline const QString kExportThisTip = QStringLiteral("Write this table to a file");
inline const QString kRecompileCaption = QStringLiteral("RE-COMPILE");
inline const QString kRecompileTip = QStringLiteral("Compile the handsets again");

// The progress panel shown while a compile runs; its label's texts are
// CompileTexts' progress labels.
inline const QString kTotalProgressCaption = QStringLiteral("TOTAL PROGRESS");
inline const QString kCurrentProgressCaption = QStringLiteral("CURRENT PROGRESS");
} // namespace Version6Texts
