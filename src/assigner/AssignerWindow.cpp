#include "assigner/AssignerWindow.h"

#include "assigner/AssignerForm.h"
#include "assigner/AssignerTexts.h"
#include "assigner/AssignerTool.h"
#include "check/CheckResultsWindow.h"
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
#include <QSignalBlocker>
#include <QTabWidget>
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
    connect(m_form->checkButton(), &QPushButton::clicked, this, &AssignerWindow::showCheck);
    connect(m_form->helpButton(), &QPushButton::clicked, this, [helpCaption] { ShowHelpWindow(helpCaption); });

    connect(m_form->inputView(), &GridTableView::editRequested, this, &AssignerWindow::startEdit);
    connect(m_form->editor(), &GridCellEditor::keyCommand, this, &AssignerWindow::editorKey);
    connect(m_form->editor(), &GridCellEditor::focusLost, this, &AssignerWindow::editorFocusLost);
    connect(m_form->editor(), &GridCellEditor::blockPasted, this, &AssignerWindow::editorBlockPasted);

    GridTableView *inputView = m_form->inputView();
    inputView->setEditable(true);
    connect(inputView, &GridTableView::pasteRequested, this, [this](const CellBlock &target, const QString &text) {
        commitOpenEdit();
        m_tool->paste(target, text);
        afterBlock();
    });
    connect(inputView, &GridTableView::clearRequested, this, [this](const CellBlock &block) {
        commitOpenEdit();
        m_tool->clearBlock(block);
        afterBlock();
    });
    connect(inputView, &GridTableView::undoRequested, this, [this] { undoOrRedo(true); });
    connect(inputView, &GridTableView::redoRequested, this, [this] { undoOrRedo(false); });
    m_form->outputView()->useBlockMenu();
    m_form->scriptView()->useBlockMenu();
    connect(m_form->inputView(), &GridTableView::contentsScrolled, this, &AssignerWindow::inputScrolled);

    const Outcome loaded = m_tool->load();
    if (!loaded)
        m_prompter->message(AssignerTexts::DefaultScriptUnreadableText(loaded.reason()), caption,
                            Prompter::Icon::Exclamation);
    m_tool->setStateListener([this] { showToolState(); });
}

CheckResultsWindow *AssignerWindow::showCheck()
{
    return CheckResultsWindow::Open(
        m_check, [this] { return m_tool->check(); }, [this](const CheckFinding &finding) { showFinding(finding); },
        this);
}

void AssignerWindow::showFinding(const CheckFinding &finding)
{
    m_form->tabs()->setCurrentIndex(m_form->tabs()->indexOf(m_form->inputView()->parentWidget()));
    m_tool->input().setCurrent(finding.row, std::max(finding.column, 0));
    m_form->inputView()->showGridCurrent();
    activateWindow();
    m_form->inputView()->setFocus(Qt::OtherFocusReason);
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

void AssignerWindow::editorBlockPasted(const QString &text)
{
    if (!m_tool->editorOpen())
        return;
    {
        // The edit and the block are one step: hiding must not commit on its own.
        const QSignalBlocker quiet(m_form->editor());
        m_form->editor()->hide();
    }
    m_tool->pasteInEditor(m_form->editor()->text(), text);
    m_form->editor()->finish();
    afterBlock();
}

void AssignerWindow::commitOpenEdit()
{
    // An edit whose loss of focus went unreported (the window was not active)
    // is committed before a block action changes the grid.
    if (m_tool->editorOpen())
        editorFocusLost(m_form->editor()->text());
}

void AssignerWindow::undoOrRedo(bool undo)
{
    commitOpenEdit();
    if (undo)
        m_tool->undo();
    else
        m_tool->redo();
    afterBlock();
}

void AssignerWindow::afterBlock()
{
    m_form->inputView()->showGridCurrent();
    showToolState();
}

void AssignerWindow::inputScrolled()
{
    // Opening scrolls to the cell before the editor shows: that is no scroll away.
    GridCellEditor *editor = m_form->editor();
    if (!m_tool->editorOpen() || !editor->isVisible())
        return;
    const QString text = editor->text();
    {
        // The view takes the keys back; that loss of focus is this commit.
        const QSignalBlocker quiet(editor);
        editor->finish();
    }
    m_tool->commitEdit(text);
    // The view stays where the user scrolled it unless the commit moved the cell.
    GridTableView *view = m_form->inputView();
    const GridTable &grid = m_tool->input();
    if (view->currentIndex() != view->indexOfCell(grid.row(), grid.col()))
        view->showGridCurrent();
    showToolState();
}

void AssignerWindow::closeEvent(QCloseEvent *event)
{
    if (m_tool->editorOpen())
        editorFocusLost(m_form->editor()->text());
    m_tool->close();
    event->accept();
}
