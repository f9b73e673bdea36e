#pragma once

#include "files/FileDialog.h"
#include "store/ScriptStore.h"
#include "version6/compile/Compiler.h"
#include "version6/compile/SpeedDialStart.h"
#include "version6/compile/TemplateSet.h"
#include "version6/entry/HandsetSheet.h"
#include "version6/entry/RangeScreen.h"

#include <QString>
#include <QStringList>

#include <functional>

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
    // store, the FP list showing "00", the handset-type lists.
    void open();

    // ---- Range screen ----
    RangeScreen &ranges() { return m_ranges; }
    const RangeScreen &ranges() const { return m_ranges; }
    void fpChanged(const QString &fp) { m_ranges.setFp(fp); }                       // Combo1 Change / Click
    void startLenChanged(const QString &text) { m_ranges.setStartLen(text); }      // Combo2
    void stopLenChanged(const QString &text) { m_ranges.setStopLen(text); }        // Combo3
    QString startExtChanged(const QString &text) { return m_ranges.setStartExt(text); } // Text2 Change
    void defaultHandsetChanged(const QString &type) { m_defaultHandset = type; }    // Combo4
    const QString &defaultHandset() const { return m_defaultHandset; }
    RangeScreen::AddResult add();  // "ADD"
    void remove() { m_ranges.remove(); } // "REMOVE"
    void next();                   // "NEXT", once enabled by an "ADD"
    void back();                   // "BACK", until a handset file was imported
    void reset();                  // "RESET"

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
    const QString &typeEditorText() const { return m_typeEditorText; }
    void setTypeEditorText(const QString &type) { m_typeEditorText = type; }

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
    bool compiling() const { return m_outputs.compiling(); }
    void exportOutput(int index); // "EXPORT THIS" under output tab index
    bool exportOutputTo(int index, const QString &path);

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

    FileDialogState &dialogState() { return m_dialog; }
    const FileDialogState &dialogState() const { return m_dialog; }

private:
    QString chooseFile(const QString &title);
    void showProgress(int value, int maximum);
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
    QString m_typeEditorText;
    QStringList m_handsetTypes;
    QString m_status;
    bool m_workAreaVisible = false;
    bool m_nextEnabled = false;
    bool m_backEnabled = true;
    bool m_hasChanged = false;
    Progress m_progress;
    CompileProgress m_compileProgress;
    std::function<void()> m_listener;
};
