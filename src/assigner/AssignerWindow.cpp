#include "assigner/AssignerWindow.h"

#include "assigner/AssignerForm.h"
#include "assigner/AssignerTexts.h"
#include "assigner/AssignerTool.h"
#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "platform/ButtonKeys.h"
#include "platform/Printer.h"
#include "platform/QtPrompter.h"
#include "shell/HelpWindow.h"
#include "shell/WindowPlacement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AssignerWindow::AssignerWindow(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_prompter(std::move(prompter)),
      m_printer(std::move(printer))
{
    if (auto *qtPrompter = dynamic_cast<QtPrompter *>(m_prompter.get()))
        qtPrompter->setParent(this);
    setAttribute(Qt::WA_DeleteOnClose);
}

AssignerWindow::~AssignerWindow()
{
    if (m_tool)
        m_tool->setStateListener({});
    // The views watch the tool's grids: they go first.
    delete m_form;
    m_tool.reset();
}

void AssignerWindow::attach(std::unique_ptr<AssignerTool> tool, const QString &objectName, const QString &caption,
                            const QString &helpCaption)
{
    m_tool = std::move(tool);
    setObjectName(objectName);
    setWindowTitle(caption);

    m_form = new AssignerForm(&m_tool->input(), &m_tool->output(), &m_tool->script(), this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_form);
    FitToScreen(this, QSize(1120, 680));

    AssignerTool *t = m_tool.get();
    connect(m_form->importButton(), &QPushButton::clicked, this, forward([t] { t->chooseImport(); }));
    connect(m_form->exportTargetButton(), &QPushButton::clicked, this, forward([t] { t->chooseExportTarget(); }));
    connect(m_form->exportButton(), &QPushButton::clicked, this, forward([t] { t->exportNow(); }));
    connect(m_form->updateButton(), &QPushButton::clicked, this, forward([t] { t->updateInput(); }));
    connect(m_form->resetButton(), &QPushButton::clicked, this, forward([t] { t->reset(); }));
    // Shift with PRINT previews the printed list instead of printing it.
    connect(m_form->printButton(), &QPushButton::clicked, this, forward([t] {
                if (QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier))
                    t->preview();
                else
                    t->print();
            }));
    connect(m_form->pdfButton(), &QPushButton::clicked, this, forward([t] { t->savePdf(); }));
    connect(m_form->helpButton(), &QPushButton::clicked, this, [helpCaption] { ShowHelpWindow(helpCaption); });

    connect(m_form->inputView(), &GridTableView::editRequested, this, &AssignerWindow::startEdit);
    connect(m_form->editor(), &GridCellEditor::keyCommand, this, &AssignerWindow::editorKey);
    connect(m_form->editor(), &GridCellEditor::focusLost, this, &AssignerWindow::editorFocusLost);

    const Outcome loaded = m_tool->load();
    if (!loaded)
        m_prompter->message(AssignerTexts::DefaultScriptUnreadableText(loaded.reason()), caption,
                            Prompter::Icon::Exclamation);
    m_tool->setStateListener([this] { showToolState(); });
}

void AssignerWindow::showEvent(QShowEvent *event)
{
    // Once every control of the tool's own is in place.
    if (!m_keysGiven) {
        GiveButtonsKeys(this);
        m_keysGiven = true;
    }
    QWidget::showEvent(event);
}

void AssignerWindow::showToolState()
{
    AssignerForm::showPath(m_form->importPath(), m_tool->importPath());
    AssignerForm::showPath(m_form->exportPath(), m_tool->exportPath());
    m_form->exportButton()->setEnabled(m_tool->exportEnabled());
    m_form->updateButton()->setVisible(m_tool->updateButtonVisible());
    m_form->statusPanel()->setText(m_tool->statusPrompt());
}

void AssignerWindow::startEdit(char32_t keyCode)
{
    const EditorStart start = m_tool->startEdit(keyCode);
    m_form->editor()->open(m_form->inputView()->indexOfCell(m_tool->editRow(), m_tool->editCol()), start.text,
                           start.caret);
    showToolState();
}

void AssignerWindow::editorKey(EditorKey key, const QString &text)
{
    m_tool->editorKey(key, text);
    m_form->editor()->finish();
    m_form->inputView()->showGridCurrent();
    showToolState();
}

void AssignerWindow::editorFocusLost(const QString &text)
{
    if (!m_tool->editorOpen())
        return;
    // Hidden first: a commit may show a message box, which must not find the
    // editor still over its cell.
    m_form->editor()->hide();
    m_tool->commitEdit(text);
    m_form->inputView()->showGridCurrent();
    showToolState();
}

void AssignerWindow::closeEvent(QCloseEvent *event)
{
    if (m_tool->editorOpen())
        editorFocusLost(m_form->editor()->text());
    m_tool->close();
    event->accept();
}
