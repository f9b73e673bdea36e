#pragma once

#include <QString>

class Outcome;
class Prompter;

// The messages of the tools' imports and exports, shown alike by every tool.
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

// Exports.
inline const QString kExportedText = QStringLiteral("File Exported Successfully!");
inline const QString kUpdatedText = QStringLiteral("File Updated Successfully!");
inline const QString kInformationTitle = QStringLiteral("For Your Information");
inline const QString kExportedToText = QStringLiteral("Exported to ");

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

void ShowNothingWritten(Prompter &prompter, const QString &path, bool withNes = true);
void ShowWriteFailed(Prompter &prompter, const QString &path, const Outcome &outcome);
} // namespace FileMessages
