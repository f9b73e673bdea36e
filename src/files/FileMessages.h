#pragma once

#include <QString>

class Outcome;
class Prompter;

// The texts of the tools' imports and exports, shown alike by every tool: the
// messages, the file dialogs' titles, filters and status prompt, and the question
// about changes not yet exported.
namespace FileMessages {
// Imports.
inline const QString kUnreadableText = QStringLiteral("UNABLE TO OPEN SPECIFIED FILE");
inline const QString kUnreadableTitle = QStringLiteral("INCORRECT FILE FORMAT");
inline const QString kBadSheetText = QStringLiteral("INVALID SHEET NAME");
inline const QString kBadSheetTitle = QStringLiteral("INCORRECT FILE INFORMATION");
inline const QString kBadImportTypeText = QStringLiteral("INVALID IMPORT FILE TYPE");
inline const QString kBadImportTypeTitle = QStringLiteral("UNABLE TO IMPORT");
inline const QString kSheetPrompt = QStringLiteral("Please enter the Sheet name you wish to import");
inline const QString kSheetTitle = QStringLiteral("Import from XLS");
inline const QString kDefaultSheet = QStringLiteral("Sheet1$");

// File dialogs. The status prompt once a tools' dialog returned a file; the
// Version 6.0 titles that make its dialog a save dialog or the handset grid's.
inline const QString kOpeningFilePrompt = QStringLiteral("Opening File ");
inline const QString kExportLocationTitle = QStringLiteral("EXPORT LOCATION");
inline const QString kExportGridTitle = QStringLiteral("EXPORT GRID");

// Exports.
inline const QString kExportedText = QStringLiteral("File Exported Successfully!");
inline const QString kUpdatedText = QStringLiteral("File Updated Successfully!");
inline const QString kInformationTitle = QStringLiteral("For Your Information");
inline const QString kExportedToText = QStringLiteral("Exported to ");
// The title of the closing question about changes made since the last export.
inline const QString kLossTitle = QStringLiteral("LOSS OF DATA!");
// Why a writer wrote nothing: no writer handles the file's type.
inline const QString kUnwritableTypeReason = QStringLiteral("Files of this type cannot be written.");

// The file types the writers take, as a list for messages. withNes as KindOfExt.
QString WritableEndings(bool withNes = true);
// A file type that no writer handles: nothing was written. withNes as KindOfExt.
inline const QString kNothingWrittenTitle = QStringLiteral("NOTHING WRITTEN");
QString NothingWrittenText(const QString &path, bool withNes = true);
// A write that failed; the old file, if any, is unchanged.
inline const QString kWriteFailedTitle = QStringLiteral("UNABLE TO WRITE FILE");
QString WriteFailedText(const QString &path, const Outcome &outcome);

// A workbook was written but cannot be opened afterwards.
QString WrittenButUnreadableText(const QString &path);

// A text export wrote "?" for characters windows-1252 cannot hold: how many
// cells, and the first (line and field of the file, from 1, and its text).
inline const QString kCharactersReplacedTitle = QStringLiteral("CHARACTERS REPLACED");
QString CharactersReplacedText(int cells, int line, int field, const QString &text);

void ShowNothingWritten(Prompter &prompter, const QString &path, bool withNes = true);
void ShowWriteFailed(Prompter &prompter, const QString &path, const Outcome &outcome);
} // namespace FileMessages

// The file dialogs' filters, "Description|pattern|..." as the tools write them.
namespace FileFilters {
// The two workbook formats added after each dialog's own entries, so that the
// entries before them keep their numbers (a remembered filter index still
// selects the entry it did).
inline const QString kNewWorkbooks =
    QStringLiteral("Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods|");
// The tools' dialog; also the Version 6.0 "Open Script File" dialog.
inline const QString kTools =
    QStringLiteral("Excel CSV|*.csv|Excel Workbook (*.xls)|*.xls|Notepad (*.txt)|*.txt|All Files (*.*)|*.*|")
    + kNewWorkbooks;
// The number of entries of kTools.
constexpr int kToolsEntries = 6;
// Version 6.0 "EXPORT LOCATION".
inline const QString kExportLocation =
    QStringLiteral("Excel CSV|*.csv|HVN Format (*.nev)|*.nev|Excel Workbook (*.xls)|*.xls|Notepad (*.txt)|*.txt|"
                   "HVN Script (*.nes)|*.nes|All Files (*.*)|*.*|")
    + kNewWorkbooks;
// Version 6.0 "EXPORT GRID".
inline const QString kExportGrid = QStringLiteral("Excell (*.xls)|*.xls|") + kNewWorkbooks;
} // namespace FileFilters
