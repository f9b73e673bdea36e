#pragma once

#include "files/FileMessages.h" // FileFilters

#include <QString>

class Prompter;

// What a window remembers of its file dialog.
struct FileDialogState {
    QString fileChosen;        // the path the last dialog returned, "" after a cancel
    QString folder;            // remembered folder; ends with "/" once a file was chosen
    int filterIndex = 0;       // remembered filter index (1-based; others pick entry 1)
    QString fileExt;           // upper-cased type of the last file worked on
    bool folderChosen = false; // Version 6.0: a file was chosen in this window
};

// The tools' file dialog: a save dialog for the title "Export Location" (any case),
// an open dialog preset to the remembered filter otherwise. Returns the chosen path
// or "" and keeps the state and the status prompt as the user sees them.
QString ChooseFile(FileDialogState &state, Prompter &prompter, const QString &title, QString &statusPrompt);

// The Version 6.0 window's dialog: "EXPORT LOCATION" saves, "EXPORT GRID" and any
// other title open, each with its filter; until a file was chosen it starts in
// scriptsFolder.
QString ChooseFileV6(FileDialogState &state, Prompter &prompter, const QString &title, const QString &scriptsFolder,
                     QString &statusPrompt);

// The file type of a path: the upper-cased text after the last "." of the file
// name. A name without a dot keeps the previous type.
void FileExtOf(FileDialogState &state, const QString &path);
QString FileTypeOf(const QString &path); // "" for a name without a dot

// The folder part of a path, up to and including its last "/".
QString FolderOf(const QString &path);

// Which writer or reader a type selects: CSV, TXT, NEV and NES text; XLS, XLSX
// and ODS a workbook of that format (WorkbookFormatOf); XLSM a workbook to read
// only.
enum class FileKind { Text, Workbook, Unsupported };
enum class FileUse { Read, Write };
// withNes: whether ".nes" counts as text for this operation (imports, the tools'
// exports) or is refused (the Speed Dial and Version 6.0 exports).
FileKind KindOfExt(const QString &ext, bool withNes = true, FileUse use = FileUse::Read);
