#pragma once

#include "files/FileDialog.h"
#include "files/Outcome.h"
#include "grid/GridEditor.h"
#include "grid/GridTable.h"
#include "store/ScriptStore.h"

#include <QString>

#include <functional>

class Printer;
class Prompter;

// The Name Assigner without its window: the input, output and script grids, the
// change flag, the status prompt, the state of the window's controls, the file
// dialog state and the in-place editor, with one method per user action. It
// reaches the desktop only through a Prompter and a Printer.
class NameAssigner {
public:
    enum class ImportResult { Imported, Cancelled, Failed };

    static inline const QString kWindowTitle = QStringLiteral("Dterm Name Assigner");
    static inline const QString kStartPrompt = QStringLiteral("OPEN A FILE FOR IMPORTATION TO BEGIN");
    static inline const QString kManualPrompt = QStringLiteral("MANUAL INPUT");
    static inline const QString kImportDialogTitle = QStringLiteral("Open file for Conversion");
    static inline const QString kExportDialogTitle = QStringLiteral("Export Location");
    static inline const QString kLossTitle = QStringLiteral("LOSS OF DATA!");
    static inline const QString kLossText =
        QStringLiteral("YOU HAVE CHANGED INFORMATION ON THIS SCREEN SINCE YOUR LAST EXPORT\r\n"
                       "WOULD YOU LIKE TO RE-EXPORT WITH THESE CHANGES?");

    NameAssigner(Prompter &prompter, Printer &printer, ScriptStore store = ScriptStore::standard());

    // Window load: the script grid from the "NameAssign" template and the dialog
    // settings from "NMESET". A failure to read the template is returned for the
    // window to report; the tool works without it (the script grid is not used).
    Outcome load();

    GridTable &input() { return m_input; }
    GridTable &output() { return m_output; }
    GridTable &script() { return m_script; }
    const GridTable &input() const { return m_input; }
    const GridTable &output() const { return m_output; }

    // HASCHANGED: the grids changed since the last export.
    bool hasChanged() const { return m_hasChanged; }
    const QString &statusPrompt() const { return m_statusPrompt; }
    const QString &importPath() const { return m_importPath; } // "Import From :"
    const QString &exportPath() const { return m_exportPath; } // "Export to :"
    bool exportEnabled() const { return m_exportEnabled; }     // "EXPORT NOW"
    bool updateButtonVisible() const { return m_updateButtonVisible; } // "UPDATE INPUT DATA"
    bool updateMenuEnabled() const { return m_updateMenuEnabled; }     // "Update Input File"
    const FileDialogState &dialog() const { return m_dialog; }

    // Told when the state shown by the window changes while an action is still
    // running (the status prompt empties while a file dialog is open).
    void setStateListener(std::function<void()> listener) { m_listener = std::move(listener); }

    // "..." beside "Import From :": choose a file and import it.
    ImportResult chooseImport();
    // The import of a chosen file: appends its records to both grids, or leaves
    // them as they were and says why.
    ImportResult importFrom(const QString &path);
    // "..." beside "Export to :".
    void chooseExportTarget();
    // An export target given by name, as the dialog would have given it.
    void setExportTarget(const QString &path);
    // "EXPORT NOW": writes the output grid; true when a file was written.
    bool exportNow();
    // "UPDATE INPUT DATA" and "Update Input File": writes the input grid back to
    // its source file; true when a file was written.
    bool updateInput();
    // "RESET" and "Reset Grids".
    void reset();
    // "PRINT": false (after the printer message) when printing failed.
    bool print();
    // Popup menu "Add Row" and "Remove Row" (the input grid's current row).
    void addRow();
    void removeRow();
    // Closing the window: the LOSS OF DATA question, then the settings save.
    void close();

    // The in-place editor. startEdit: a double click (keyCode 0) or a key typed on
    // the input grid; returns the editor's text and caret. commitEdit: the editor
    // lost the focus; false when it was not open. editorKey: Return, Escape and the
    // arrows, which commit and then move.
    EditorStart startEdit(char32_t keyCode);
    bool commitEdit(const QString &text);
    void editorKey(EditorKey key, const QString &text);
    bool editorOpen() const { return m_editor.isOpen(); }
    int editRow() const { return m_editor.editRow(); }
    int editCol() const { return m_editor.editCol(); }

private:
    QString chooseFile(const QString &title);
    void appendRecords(const QList<QStringList> &records);
    void appendEmptyRows();
    void notify() const;

    Prompter &m_prompter;
    Printer &m_printer;
    ScriptStore m_store;

    GridTable m_input;
    GridTable m_output;
    GridTable m_script;
    GridEditor m_editor{m_input};
    FileDialogState m_dialog;

    bool m_hasChanged = false;
    QString m_statusPrompt = kStartPrompt;
    QString m_importPath;
    QString m_exportPath;
    bool m_exportEnabled = false;
    bool m_updateButtonVisible = false;
    bool m_updateMenuEnabled = false;
    std::function<void()> m_listener;
};
