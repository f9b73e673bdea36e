#pragma once

#include "grid/GridEditor.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class AssignerForm;
class AssignerTool;
class CheckResultsWindow;
struct CheckFinding;
class Printer;
class Prompter;

// What the windows of the two assigner tools share: the assigner form over the
// tool's grids, the shared buttons and the in-place editor each forwarded to one
// method of the tool, the tool's state shown after every event, the load report
// and the closing sequence. A window deletes itself when closed, after the tool's
// close sequence. Each tool's window adds its own controls.
class AssignerWindow : public QWidget {
    Q_OBJECT
public:
    ~AssignerWindow() override;

    AssignerForm *form() const { return m_form; }
    // "CHECK": the results list of the input's check, opened (or checked again).
    CheckResultsWindow *showCheck();
    // A finding's cell, selected in the input grid.
    void showFinding(const CheckFinding &finding);

protected:
    AssignerWindow(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer, QWidget *parent);

    Prompter &prompter() { return *m_prompter; }
    Printer &printer() { return *m_printer; }

    // Takes the tool, builds the form over its grids under the caption, connects the
    // shared controls (HELP shows the help window under helpCaption) and loads the
    // tool from the store, reporting a template that cannot be read.
    void attach(std::unique_ptr<AssignerTool> tool, const QString &objectName, const QString &caption,
                const QString &helpCaption);

    // Shows the tool's state in the controls; a window adds its own controls' state.
    virtual void showToolState();

    // A slot that runs an action of the tool and then shows the tool's state.
    template <typename Action>
    auto forward(Action action)
    {
        return [this, action] {
            action();
            showToolState();
        };
    }

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void startEdit(char32_t keyCode);
    void editorKey(EditorKey key, const QString &text);
    void editorFocusLost(const QString &text);
    void editorBlockPasted(const QString &text);
    // Undo and redo, like the block actions, take the open edit in first.
    void commitOpenEdit();
    void undoOrRedo(bool undo);
    void afterBlock();
    // The input grid scrolled (wheel, page keys, scroll bar): an open editor
    // commits, so no text goes into a cell the user no longer sees.
    void inputScrolled();

    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<Printer> m_printer;
    std::unique_ptr<AssignerTool> m_tool;
    AssignerForm *m_form = nullptr;
    QPointer<CheckResultsWindow> m_check;
    bool m_keysGiven = false;
};
