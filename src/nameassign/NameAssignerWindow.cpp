#include "nameassign/NameAssignerWindow.h"

#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "nameassign/AssignerForm.h"
#include "platform/QtPrinter.h"
#include "platform/QtPrompter.h"
#include "shell/HelpWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

NameAssignerWindow::NameAssignerWindow(QWidget *parent)
    : NameAssignerWindow(std::make_unique<QtPrompter>(), std::make_unique<QtPrinter>(), parent)
{
}

NameAssignerWindow::NameAssignerWindow(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer,
                                       QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_prompter(std::move(prompter)),
      m_printer(std::move(printer)),
      m_tool(std::make_unique<NameAssigner>(*m_prompter, *m_printer))
{
    if (auto *qtPrompter = dynamic_cast<QtPrompter *>(m_prompter.get()))
        qtPrompter->setParent(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("NameAssigner"));
    setWindowTitle(NameAssigner::kWindowTitle);
    build();

    const Outcome loaded = m_tool->load();
    if (!loaded)
        m_prompter->message(QStringLiteral("The default script could not be read, so the SCRIPT table stays empty. "
                                           "Everything else works as usual.\r\n") +
                                loaded.reason(),
                            NameAssigner::kWindowTitle, Prompter::Icon::Exclamation);
    m_tool->setStateListener([this] { showToolState(); });
    showToolState();
}

NameAssignerWindow::~NameAssignerWindow()
{
    m_tool->setStateListener({});
    // The views watch the tool's grids: they go first.
    delete m_form;
}

void NameAssignerWindow::build()
{
    m_form = new AssignerForm(&m_tool->input(), &m_tool->output(), &m_tool->script(), this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_form);
    resize(1120, 680);

    // Every event goes to one action of the tool; the window then shows its state.
    const auto forward = [this](auto action) {
        return [this, action] {
            action();
            showToolState();
        };
    };
    connect(m_form->importButton(), &QPushButton::clicked, this, forward([this] { m_tool->chooseImport(); }));
    connect(m_form->exportTargetButton(), &QPushButton::clicked, this,
            forward([this] { m_tool->chooseExportTarget(); }));
    connect(m_form->exportButton(), &QPushButton::clicked, this, forward([this] { m_tool->exportNow(); }));
    connect(m_form->updateButton(), &QPushButton::clicked, this, forward([this] { m_tool->updateInput(); }));
    connect(m_form->resetButton(), &QPushButton::clicked, this, forward([this] { m_tool->reset(); }));
    connect(m_form->printButton(), &QPushButton::clicked, this, forward([this] { m_tool->print(); }));
    connect(m_form->helpButton(), &QPushButton::clicked, this,
            [] { ShowHelpWindow(HelpWindow::nameAssignerCaption()); });

    GridTableView *inputView = m_form->inputView();
    connect(inputView, &GridTableView::editRequested, this, &NameAssignerWindow::startEdit);
    connect(m_form->editor(), &GridCellEditor::keyCommand, this, &NameAssignerWindow::editorKey);
    connect(m_form->editor(), &GridCellEditor::focusLost, this, &NameAssignerWindow::editorFocusLost);

    m_rowMenu = new QMenu(this);
    const auto menuEntry = [this, &forward](const QString &name, const QString &caption, auto action) {
        QAction *entry = m_rowMenu->addAction(caption);
        entry->setObjectName(name);
        connect(entry, &QAction::triggered, this, forward(action));
        return entry;
    };
    menuEntry(QStringLiteral("Addrow"), QStringLiteral("Add Row"), [this] { m_tool->addRow(); });
    menuEntry(QStringLiteral("Remrow"), QStringLiteral("Remove Row"), [this] { m_tool->removeRow(); });
    m_updateAction = menuEntry(QStringLiteral("Svedata"), QStringLiteral("Update Input File"),
                               [this] { m_tool->updateInput(); });
    menuEntry(QStringLiteral("resetgrd"), QStringLiteral("Reset Grids"), [this] { m_tool->reset(); });
    connect(inputView, &QWidget::customContextMenuRequested, this, [this, inputView](const QPoint &at) {
        m_rowMenu->exec(inputView->viewport()->mapToGlobal(at));
    });
}

void NameAssignerWindow::showToolState()
{
    AssignerForm::showPath(m_form->importPath(), m_tool->importPath());
    AssignerForm::showPath(m_form->exportPath(), m_tool->exportPath());
    m_form->exportButton()->setEnabled(m_tool->exportEnabled());
    m_form->updateButton()->setVisible(m_tool->updateButtonVisible());
    m_updateAction->setEnabled(m_tool->updateMenuEnabled());
    m_form->statusPanel()->setText(m_tool->statusPrompt());
}

void NameAssignerWindow::startEdit(char32_t keyCode)
{
    const EditorStart start = m_tool->startEdit(keyCode);
    m_form->editor()->open(m_form->inputView()->indexOfCell(m_tool->editRow(), m_tool->editCol()), start.text,
                           start.caret);
    showToolState();
}

void NameAssignerWindow::editorKey(EditorKey key, const QString &text)
{
    m_tool->editorKey(key, text);
    m_form->editor()->finish();
    m_form->inputView()->showGridCurrent();
    showToolState();
}

void NameAssignerWindow::editorFocusLost(const QString &text)
{
    if (!m_tool->commitEdit(text))
        return;
    m_form->editor()->hide();
    showToolState();
}

void NameAssignerWindow::commitOpenEdit()
{
    if (m_tool->editorOpen())
        editorFocusLost(m_form->editor()->text());
}

void NameAssignerWindow::closeEvent(QCloseEvent *event)
{
    commitOpenEdit();
    m_tool->close();
    event->accept();
}
