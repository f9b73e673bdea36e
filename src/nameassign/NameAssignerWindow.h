#pragma once

#include "assigner/AssignerWindow.h"
#include "nameassign/NameAssigner.h"

class QAction;
class QMenu;

// The Name Assigner's window, "Dterm Name Assigner": the shared assigner window
// and the input grid's popup menu.
class NameAssignerWindow : public AssignerWindow {
    Q_OBJECT
public:
    // With the desktop's message boxes and default printer.
    explicit NameAssignerWindow(QWidget *parent = nullptr);
    // With prompts and printing of the caller's.
    NameAssignerWindow(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer, QWidget *parent = nullptr);

    NameAssigner &tool() { return *m_tool; }

protected:
    void showToolState() override;

private:
    void buildRowMenu();

    NameAssigner *m_tool = nullptr; // owned by the shared window
    QMenu *m_rowMenu = nullptr;
    QAction *m_updateAction = nullptr;
};
