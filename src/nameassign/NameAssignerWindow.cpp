#include "nameassign/NameAssignerWindow.h"

#include "assigner/AssignerForm.h"
#include "grid/GridTableView.h"
#include "nameassign/NameAssignerTexts.h"
#include "platform/QtPrinter.h"
#include "platform/QtPrompter.h"
#include "shell/HelpWindow.h"
#include "shell/ShellTexts.h"

#include <QMenu>

NameAssignerWindow::NameAssignerWindow(QWidget *parent)
    : NameAssignerWindow(std::make_unique<QtPrompter>(), std::make_unique<QtPrinter>(), parent)
{
}

NameAssignerWindow::NameAssignerWindow(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer,
                                       QWidget *parent)
    : AssignerWindow(std::move(prompter), std::move(printer), parent)
{
    auto tool = std::make_unique<NameAssigner>(this->prompter(), this->printer());
    m_tool = tool.get();
    attach(std::move(tool), QStringLiteral("NameAssigner"), NameAssignerTexts::kWindowTitle,
           ShellTexts::kNameAssignerHelpCaption);
    buildRowMenu();
    showToolState();
}

void NameAssignerWindow::buildRowMenu()
{
    m_rowMenu = new QMenu(this);
    const auto menuEntry = [this](const QString &name, const QString &caption, auto action) {
        QAction *entry = m_rowMenu->addAction(caption);
        entry->setObjectName(name);
        connect(entry, &QAction::triggered, this, forward(action));
        return entry;
    };
    menuEntry(QStringLiteral("Addrow"), NameAssignerTexts::kAddRowCaption, [this] { m_tool->addRow(); });
    menuEntry(QStringLiteral("Remrow"), NameAssignerTexts::kRemoveRowCaption, [this] { m_tool->removeRow(); });
    m_updateAction = menuEntry(QStringLiteral("Svedata"), NameAssignerTexts::kUpdateInputFileCaption,
                               [this] { m_tool->updateInput(); });
    menuEntry(QStringLiteral("resetgrd"), NameAssignerTexts::kResetGridsCaption, [this] { m_tool->reset(); });
    GridTableView *inputView = form()->inputView();
    inputView->addBlockActions(m_rowMenu);
    inputView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(inputView, &QWidget::customContextMenuRequested, this,
            [this, inputView](const QPoint &at) { m_rowMenu->exec(inputView->viewport()->mapToGlobal(at)); });
}

void NameAssignerWindow::showToolState()
{
    AssignerWindow::showToolState();
    if (m_updateAction)
        m_updateAction->setEnabled(m_tool->updateMenuEnabled());
}
