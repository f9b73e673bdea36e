#pragma once

#include "nameassign/NameAssigner.h"

#include <QWidget>

#include <memory>

class AssignerForm;
class QAction;
class QMenu;

// The Name Assigner's window, "Dterm Name Assigner": the shared assigner form and
// the input grid's popup menu, each event forwarded to one method of the tool and
// the tool's state shown after it. It deletes itself when closed, after the
// tool's close sequence.
class NameAssignerWindow : public QWidget {
    Q_OBJECT
public:
    // With the desktop's message boxes and default printer.
    explicit NameAssignerWindow(QWidget *parent = nullptr);
    // With prompts and printing of the caller's.
    NameAssignerWindow(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer,
                       QWidget *parent = nullptr);
    ~NameAssignerWindow() override;

    NameAssigner &tool() { return *m_tool; }
    AssignerForm *form() const { return m_form; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void showToolState();
    void startEdit(char32_t keyCode);
    void editorKey(EditorKey key, const QString &text);
    void editorFocusLost(const QString &text);
    void commitOpenEdit();

    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<Printer> m_printer;
    std::unique_ptr<NameAssigner> m_tool;
    AssignerForm *m_form = nullptr;
    QMenu *m_rowMenu = nullptr;
    QAction *m_updateAction = nullptr;
};
