#pragma once

#include "check/CheckReport.h"
#include "files/FileDialog.h"
#include "grid/CellBlock.h"
#include "grid/UndoHistory.h"
#include "store/ScriptStore.h"
#include "version6/compile/Compiler.h"
#include "version6/compile/OutputExport.h"
#include "version6/compile/SpeedDialStart.h"
#include "version6/compile/TemplateEditor.h"
#include "version6/compile/TemplateSet.h"
#include "version6/entry/HandsetEditor.h"
#include "version6/entry/HandsetSheet.h"
#include "version6/entry/RangeScreen.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Printer;
class Prompter;

// The Version 6.0 tool without its window: the range screen, the handset grid,
// the thirteen script templates, the compiler's start field and the four output
// grids, with one method per user action. The window binds its controls to this
// object, forwards each event to one method and shows the state below; every
// question and message goes through the Prompter.
class Version6Tool {
public:
    explicit Version6Tool(Prompter &prompter, ScriptStore store = ScriptStore::standard());

    // Window Load: tab names, remembered dialog settings, the templates from the
    // store, the FP list showing "00", the handset-type lists. What cannot be read
    // is reported in one message and returned; the tool works without it.
    Outcome open();
    // Window Unload: true when the window may close. With changes since the window
    // opened, asks LOSS OF DATA!: No closes; Yes keeps the window open, runs
    // "EXPORT DATA" and stores the file dialog's folder and filter.
    bool closeRequested();

    // ---- Range screen ----
    RangeScreen &ranges() { return m_ranges; }
    const RangeScreen &ranges() const { return m_ranges; }
    void fpChanged(const QString &fp) { m_ranges.setFp(fp); }                           // Combo1 Change / Click
    void startLenChanged(const QString &text) { m_ranges.setStartLen(text); }           // Combo2
    void stopLenChanged(const QString &text) { m_ranges.setStopLen(text); }             // Combo3
    QString startExtChanged(const QString &text) { return m_ranges.setStartExt(text); } // Text2 Change
    void defaultHandsetChanged(const QString &type) { m_defaultHandset = type; }        // Combo4
    const QString &defaultHandset() const { return m_defaultHandset; }
    // Each of these, every committed edit of a handset or template cell, Space,
    // "&Apply To Colum", the template rows, a rename and the imports are changes of
    // the site: afterwards the close asks before anything is lost (hasChanged).
    RangeScreen::AddResult add(); // "ADD"
    void remove();                // "REMOVE"
    void next();                  // "NEXT", once enabled by an "ADD"
    void back();                  // "BACK", until a handset file was imported
    void reset();                 // "RESET"

    // ---- DATA tab ----
    HandsetSheet &handsets() { return m_handsets; }
    const HandsetSheet &handsets() const { return m_handsets; }
    // checkrange: a value typed into a cell of the column, checked (with its message).
    QString checkCell(int column, const QString &typed);
    void importData(); // "IMPORT DATA"
    void exportData(); // "EXPORT DATA"
    // The two without the file dialog; false when nothing was read or written.
    bool importDataFrom(const QString &path);
    bool exportDataTo(const QString &path);
    // "PRINT": the handset rows; false (after the printer message) when it failed.
    bool print(Printer &printer);
    // "PDF..." beside it: the same rows as a PDF file chosen in a save dialog.
    bool savePdf(Printer &printer);
    // Shift with "PRINT": the same rows in a print preview.
    void preview(Printer &printer);
    // The same rows as a PDF file at path (the command line's --pdf).
    bool writePdf(Printer &printer, const QString &path);

    // The editors of the handset grid (Text4, Combo5), Space, "&Apply To Colum" and
    // "Auto &Increase ON"; see HandsetEditor. The window forwards: Return, a typed
    // character or a double-click on the grid to startEdit; the loss of an
    // editor's focus to commitTextEdit / commitTypeEdit; an editor's keys to
    // textEditorKey / typeEditorKey.
    const HandsetEditor &handsetEditor() const { return m_editor; }
    HandsetEditor::Kind startEdit(HandsetEditor::Trigger trigger, const QString &typed = QString())
    {
        return m_editor.open(trigger, typed);
    }
    bool commitTextEdit(const QString &text);
    bool commitTypeEdit(const QString &text);
    void textEditorKey(EditorKey key, const QString &text);
    void typeEditorKey(EditorKey key, const QString &text);
    void repeat();                                               // Space on the grid
    void applyToColumn();                                        // "&Apply To Colum"
    void toggleAutoIncrease() { m_editor.toggleAutoIncrease(); } // "Auto &Increase ON"

    // ---- SCRIPTS tab ----
    TemplateSet &templates() { return m_templates; }
    const TemplateSet &templates() const { return m_templates; }
    // "&Rename" of a template tab: asks for the new caption, saves the tab names
    // and fills the handset-type lists again.
    void renameTab(int tab);
    // FillHandsetTypes: the lists of Combo4 and Combo5 from the tab captions; both
    // show their first entry.
    void fillHandsetTypes();
    const QStringList &handsetTypes() const { return m_handsetTypes; }
    // The entry the handset-type editor (Combo5) shows.
    const QString &typeEditorText() const { return m_editor.typeText(); }

    // The in-place editor of the template grids (Text3): startTemplateEdit opens
    // it on the current cell of a tab's grid and returns its text; the loss of its
    // focus commits; Return and the arrows commit (arrows then move); a scroll of
    // its grid drops it.
    const TemplateEditor &templateEditor() const { return m_templateEditor; }
    QString startTemplateEdit(int tab) { return m_templateEditor.open(tab); }
    bool commitTemplateEdit(const QString &text);
    void templateEditorKey(EditorKey key, const QString &text);
    void templateScrolled() { m_templateEditor.discard(); }
    // "&Add Row": an empty row at the end. "&Remove Row": the last row, whatever
    // is selected; the header row stays.
    void addTemplateRow(int tab);
    void removeTemplateRow(int tab);
    // "IMPORT SCRIPT", "EXPORT SCRIPT", "SAVE" of a tab; the first two also
    // without the file dialog (false when nothing was read or written).
    void importScript(int tab);
    bool importScriptFrom(int tab, const QString &path);
    void exportScript(int tab);
    bool exportScriptTo(int tab, const QString &path);
    // Asks, then makes the template the default script of its tab; false when not
    // asked for or not stored (which is reported).
    bool saveScript(int tab);

    // ---- Blocks of cells, undo and redo ----
    // Clipboard text into the handset grid from the target's top left cell (one
    // value fills the target); the grid grows and keeps its empty last row. Every
    // value passes the cell rules; the values replaced are reported in one box.
    void pasteHandsets(const CellBlock &target, const QString &text);
    // Delete: every cell of the block that holds text gets the empty text, checked.
    void clearHandsets(const CellBlock &block);
    // A block pasted into the open text or handset-type editor: the edit is
    // committed first, then the block goes into the grid from the edited cell.
    void pasteInEditor(const QString &editorText, const QString &clipboard);
    // The same for a template grid, which takes any text.
    void pasteTemplate(int tab, const CellBlock &target, const QString &text);
    void clearTemplate(int tab, const CellBlock &block);
    void pasteInTemplateEditor(const QString &editorText, const QString &clipboard);
    // One step per user action over the range table, the handset grid and the
    // templates; "NEXT" builds the handsets afresh and forgets the steps. False
    // while an editor is open or when there is nothing to take back.
    bool undo();
    bool redo();
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }

    // ---- OUTPUT tab ----
    OutputGrids &outputs() { return m_outputs; }
    const OutputGrids &outputs() const { return m_outputs; }
    // Text5 and Check4.
    const SpeedDialStart &startBlock() const { return m_start; }
    void startBlockChanged(const QString &text) { m_start.setText(text); } // Text5 Change
    // SSTab1 Click: choosing "OUTPUT" compiles while Handset Data holds no line.
    void mainTabChosen(const QString &caption);
    // "RE-COMPILE": empties the outputs and compiles.
    CompileResult recompile();
    // CompileOutput. Does nothing (started false) while a compile runs.
    CompileResult compile(const CompileOptions &options = {});
    // The same compile into lines of the caller's (files written as it goes),
    // leaving the output grids as they are.
    CompileResult compileInto(CompileLines &lines, const CompileOptions &options);
    bool compiling() const { return m_outputs.compiling(); }
    void exportOutput(int index); // "EXPORT THIS" under output tab index
    bool exportOutputTo(int index, const QString &path);

    // ---- Site check ("CHECK" on the DATA and OUTPUT tabs) ----
    // What will go wrong when the site is compiled from the current Speed Dial
    // Starting Block; changes nothing. After a compile the first status panel
    // counts the errors the check finds in what that compile read.
    CheckReport check() const;

    // ---- What the window shows ----
    const QString &status() const { return m_status; } // StatusBar1, panel 1
    bool workAreaVisible() const { return m_workAreaVisible; }
    bool nextEnabled() const { return m_nextEnabled; } // "NEXT"
    bool backEnabled() const { return m_backEnabled; } // "BACK"
    bool hasChanged() const { return m_hasChanged; }   // haschanged is "1"
    struct Progress {
        bool visible = false;
        int value = 0;
        int maximum = 0;
    };
    const Progress &progress() const { return m_progress; } // ProgressBar1
    // The compile's panel Frame3: Label3, ProgressBar3 (total), ProgressBar2 (current).
    const CompileProgress &compileProgress() const { return m_compileProgress; }
    bool compilePanelVisible() const { return compiling() && m_compileProgress.visible(); }
    // Called while a long action (NEXT, compile, export) changes the state above,
    // often; the window repaints when enough time has passed, and may let events
    // run then.
    void setProgressListener(std::function<void()> listener) { m_listener = std::move(listener); }
    // Called when the window is to show the whole state at once, in the middle of
    // an action: "NEXT" shows the handsets before it asks about the edits kept.
    void setStateListener(std::function<void()> listener) { m_stateListener = std::move(listener); }

    FileDialogState &dialogState() { return m_dialog; }
    const FileDialogState &dialogState() const { return m_dialog; }

private:
    // Every compile's progress goes to the window's panel and status bar.
    CompileProgressFn compileProgressListener();
    // The end of a compile: the status line counts the site's errors (unless the
    // options leave the check out).
    CompileResult compiled(const CompileResult &result, const CompileOptions &options);
    QString dialogFolder() const;
    QString chooseFile(const QString &title);
    using TextReader = Expected<QList<QStringList>> (*)(const QString &path);
    using WorkbookReader = Expected<QList<QStringList>> (*)(const QString &path, const QString &sheet);
    // The records of an import file by its type, with the import messages;
    // nullopt when nothing was read.
    std::optional<QList<QStringList>> readImport(const QString &path, TextReader text, WorkbookReader workbook);
    // A grid of script lines (an output grid or a template) as "EXPORT THIS" and
    // "EXPORT SCRIPT" write it, to a path or to a file the user chooses.
    bool exportScriptLines(const GridTable &grid, const QString &path,
                           Version6Export::SheetHeader header = Version6Export::SheetHeader::Left);
    void exportScriptLines(const GridTable &grid,
                           Version6Export::SheetHeader header = Version6Export::SheetHeader::Left);
    // A change of the site's data when done is true; returns done.
    bool changedIf(bool done)
    {
        m_hasChanged = m_hasChanged || done;
        return done;
    }
    // "NEXT" up to the handsets shown: the grid built from the ranges.
    void buildHandsets();
    void showProgress(int value, int maximum);
    std::vector<GridTable *> historyGrids();
    UndoHistory::State historyState();
    // A handset value through the cell rules into its cell; a replacement is
    // added to the report of the block.
    struct Replaced {
        QStringList shown;
        qsizetype total = 0;
    };
    void writeChecked(int row, int col, const QString &text, Replaced &replaced);
    void reportReplaced(const Replaced &replaced);
    void hideProgress();
    void notify()
    {
        if (m_listener)
            m_listener();
    }

    Prompter &m_prompter;
    ScriptStore m_store;
    RangeScreen m_ranges;
    HandsetSheet m_handsets;
    TemplateSet m_templates;
    SpeedDialStart m_start;
    OutputGrids m_outputs;
    FileDialogState m_dialog;

    QString m_defaultHandset;
    QStringList m_handsetTypes;
    QString m_status;
    bool m_workAreaVisible = false;
    bool m_nextEnabled = false;
    bool m_backEnabled = true;
    bool m_hasChanged = false;
    Progress m_progress;
    CompileProgress m_compileProgress;
    std::function<void()> m_listener;
    std::function<void()> m_stateListener;
    // After the grids and the status they write.
    HandsetEditor m_editor{m_handsets, m_prompter, m_status};
    TemplateEditor m_templateEditor{m_templates};
    UndoHistory m_history{historyGrids(), historyState()};
};
