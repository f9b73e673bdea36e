#pragma once

#include "assigner/AssignerTexts.h"
#include "check/CheckReport.h"
#include "files/FileDialog.h"
#include "files/Outcome.h"
#include "files/workbook/Workbook.h"
#include "grid/CellBlock.h"
#include "grid/GridEditor.h"
#include "grid/GridTable.h"
#include "grid/UndoHistory.h"
#include "store/ScriptStore.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class Printer;
class Prompter;

// What the Name Assigner and its twin, the Speed Dial Assigner, share without
// their windows: the input, output and script grids, the change flag
// (HASCHANGED), the status prompt, the path fields and the buttons the window
// shows, the file dialog state, the in-place editor, the load from the store, the
// printed list and the closing sequence. Each tool adds its import, its two
// writes and what a commit of an edit does. It reaches the desktop only through a
// Prompter and a Printer.
class AssignerTool {
public:
    enum class ImportResult { Imported, Cancelled, Failed };

    // The SCRIPT grid of both tools.
    static inline const QString kScriptFormat =
        QStringLiteral("COMMAND   | FIRST  DATA   |  SECOND DATA             | BLANK |  TEXT"
                       "                                                      |");

    // Where a tool keeps its default script and its dialog settings in the store.
    struct StoreNames {
        QString script;
        QList<int> nullWordColumns; // columns where the word "NULL" stands for an empty cell
        QString settings;
        bool emptyCellMarker = false; // "XTX" stands for an empty cell (a table Version 6.0 shares)
    };

    virtual ~AssignerTool() = default;
    AssignerTool(const AssignerTool &) = delete;
    AssignerTool &operator=(const AssignerTool &) = delete;

    // Window load: the script grid from the tool's template and the dialog settings.
    // A failure to read the template is returned for the window to report; the tool
    // works without it (the script grid is not used).
    Outcome load();

    GridTable &input() { return m_input; }
    GridTable &output() { return m_output; }
    GridTable &script() { return m_script; }
    const GridTable &input() const { return m_input; }
    const GridTable &output() const { return m_output; }

    // HASCHANGED: the grids changed since the last export.
    bool hasChanged() const { return m_hasChanged; }
    const QString &statusPrompt() const { return m_statusPrompt; }
    const QString &importPath() const { return m_importPath; }         // "Import From :"
    const QString &exportPath() const { return m_exportPath; }         // "Export to :"
    bool exportEnabled() const { return m_exportEnabled; }             // "EXPORT NOW"
    bool updateButtonVisible() const { return m_updateButtonVisible; } // "UPDATE INPUT DATA"
    const FileDialogState &dialog() const { return m_dialog; }

    // Told when the state shown by the window changes while an action is still
    // running (the status prompt empties while a file dialog is open).
    void setStateListener(std::function<void()> listener) { m_listener = std::move(listener); }

    // "..." beside "Import From :": choose a file and import it.
    ImportResult chooseImport();
    // The import of a chosen file: its records are read whole (text records, or the
    // rows of a workbook sheet the user names) and appended; a file that cannot be
    // read changes nothing and the user is told why.
    ImportResult importFrom(const QString &path);
    // "..." beside "Export to :".
    void chooseExportTarget();
    // An export target given by name, as the dialog would have given it.
    void setExportTarget(const QString &path);
    // "EXPORT NOW": writes the output grid; true when a file was written.
    virtual bool exportNow() = 0;
    // "UPDATE INPUT DATA": writes the input grid back to its source file; true when
    // a file was written.
    virtual bool updateInput() = 0;
    // "RESET": both grids back to the header and one empty row.
    virtual void reset();
    // "CHECK": what will go wrong with the input list at the switch; changes nothing.
    virtual CheckReport check() const = 0;
    // "PRINT": false (after the printer message) when printing failed.
    bool print();
    // "PDF..." beside it: the printed list as a PDF file chosen in a save dialog;
    // false when cancelled or not written.
    bool savePdf();
    // Shift with "PRINT": the printed list in a print preview.
    void preview();
    // The printed list as a PDF file at path (the command line's --pdf).
    bool writePdf(const QString &path);
    // Closing the window: the LOSS OF DATA question, then the settings save.
    void close();

    // The in-place editor. startEdit: a double click (keyCode 0) or a key typed on
    // the input grid; returns the editor's text and caret. commitEdit: the editor
    // lost the focus; false when it was not open. editorKey: Return, Escape and the
    // arrows, which commit and then move.
    virtual EditorStart startEdit(char32_t keyCode);
    virtual bool commitEdit(const QString &text) = 0;
    void editorKey(EditorKey key, const QString &text);
    bool editorOpen() const { return m_editor.isOpen(); }
    int editRow() const { return m_editor.editRow(); }
    int editCol() const { return m_editor.editCol(); }

    // Clipboard text (tab- or comma-separated rows) into the input grid from the
    // target's top left cell, or one value into every cell of the target; the
    // grid grows as needed and keeps its spare row. Each cell is committed as a
    // typed value would be. One undo step.
    void paste(const CellBlock &target, const QString &text);
    // Text pasted into the open editor that holds tabs or line breaks: the edit is
    // committed and the text pasted as a block from the edited cell, one step.
    void pasteInEditor(const QString &editorText, const QString &clipboard);
    // Delete: every cell of the block that holds text is committed empty.
    void clearBlock(const CellBlock &block);
    // Undo and redo of the last user action, its derived rows and state included.
    bool undo();
    bool redo();
    bool canUndo() const { return m_history && m_history->canUndo(); }
    bool canRedo() const { return m_history && m_history->canRedo(); }

protected:
    AssignerTool(Prompter &prompter, Printer &printer, ScriptStore store, const QString &inputFormat,
                 const QString &outputFormat, StoreNames storeNames);

    QString chooseFile(const QString &title);
    void notify() const;
    // The fields of an import record, and their appending to the grids; returns
    // how many records were taken (the Speed Dial Assigner stops at its last
    // location).
    virtual int importFields() const = 0;
    // Whether the printed list is in bold (the Name Assigner's is).
    virtual bool printsBold() const { return false; }
    virtual int appendImported(const QList<QStringList> &records) = 0;
    // A text file cut short inside a record: whether the complete records before
    // the cut are enough to import (by default never; the file is refused).
    virtual bool takesCutShortFile(const QList<QStringList> &complete) const { return false; }
    // Down in the editor on the last input row: the rows the tool appends.
    virtual void appendRowForEditor() = 0;
    // The commit of one value into an input cell, as an edit commits it.
    virtual void commitCell(int row, int col, const QString &text) = 0;
    // A paste or Delete: the input grid (and what follows it) gets rows up to
    // row; afterwards the spare row is put back at the end when it was written.
    virtual void growInput(int rows) = 0;
    virtual void keepSpareRow() = 0;
    virtual void beginBlockCommit() {}
    virtual void endBlockCommit() {}
    // The flags and prompt a manual edit sets.
    virtual void markEdited();
    // The tool's state beside its grids that an undo puts back.
    virtual UndoHistory::State undoState() { return {}; }

    // Writes the output grid to the export path by its type and announces it;
    // withNes as KindOfExt. Returns true when written; otherwise the user was told
    // why and the change flag is set again, as nothing was exported.
    bool writeExport(int textColumns, const WorkbookLayout &workbook, bool withNes);

    enum class WriteBack { Cancelled, Text, Workbook, Nothing };
    // Writes the input grid back to the import path (asking for one when there is
    // none) by its type; hides "UPDATE INPUT DATA" once written. Nothing: the user
    // was told why.
    WriteBack writeInputBack(int textColumns, const WorkbookLayout &workbook);

    Prompter &m_prompter;
    Printer &m_printer;
    ScriptStore m_store;
    StoreNames m_storeNames;

    GridTable m_input;
    GridTable m_output;
    GridTable m_script;
    GridEditor m_editor{m_input};
    FileDialogState m_dialog;
    // Made on first use, so that a tool's undoState() is its own.
    UndoHistory &history();

    bool m_hasChanged = false;
    QString m_statusPrompt = AssignerTexts::kStartPrompt;
    QString m_importPath;
    QString m_exportPath;
    bool m_exportEnabled = false;
    bool m_updateButtonVisible = false;

private:
    std::function<void()> m_listener;
    std::unique_ptr<UndoHistory> m_history;
};
