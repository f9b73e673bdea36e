#include "version6/window/DataPage.h"

#include "check/CheckTexts.h"
#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "platform/PlatformTexts.h"
#include "version6/tool/Version6Texts.h"
#include "version6/tool/Version6Tool.h"
#include "version6/window/HandsetTypeEditor.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Version6Form;

DataPage::DataPage(Version6Tool &tool, Printer &printer, RunAction run, QWidget *parent)
    : QWidget(parent),
      m_tool(tool),
      m_run(std::move(run))
{
    m_view = new GridTableView(&tool.handsets().grid(), this);
    m_view->setObjectName(QStringLiteral("MSFlexGrid2"));
    m_view->setStartsEditing(true);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_text = new GridCellEditor(m_view);
    m_text->setObjectName(QStringLiteral("Text4"));
    m_type = new HandsetTypeEditor(m_view);

    m_back = Button(QStringLiteral("Command4"), Version6Texts::kBackCaption, this);
    m_import = Button(QStringLiteral("Command11"), Version6Texts::kImportDataCaption, this);
    m_export = Button(QStringLiteral("Command10"), Version6Texts::kExportDataCaption, this);
    m_print = Button(QStringLiteral("Command13"), PlatformTexts::kPrintCaption, this);
    m_pdf = Button(QStringLiteral("PrintPdf"), PlatformTexts::kPdfCaption, this);
    m_pdf->setToolTip(PlatformTexts::kPdfTip);
    m_back->setToolTip(Version6Texts::kBackTip);
    m_import->setToolTip(Version6Texts::kImportDataTip);
    m_export->setToolTip(Version6Texts::kExportDataTip);
    m_print->setToolTip(Version6Texts::kPrintTip);
    m_check = Button(QStringLiteral("CheckButton"), CheckTexts::kCheckCaption, this);
    m_check->setToolTip(CheckTexts::kCheckTip);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addStretch(1);
    buttons->addWidget(m_import);
    buttons->addWidget(m_export);
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);
    buttons->addWidget(m_check);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    m_menu = new QMenu(this);
    m_apply = m_menu->addAction(Version6Texts::kApplyToColumnCaption);
    m_apply->setObjectName(QStringLiteral("ATA"));
    // Kept where users expect it; it has never done anything.
    QAction *resetColumn = m_menu->addAction(Version6Texts::kResetColumnCaption);
    resetColumn->setObjectName(QStringLiteral("RSTC"));
    resetColumn->setEnabled(false);
    m_menu->addSeparator();
    m_autoIncrease = m_menu->addAction(tool.handsetEditor().autoIncreaseCaption());
    m_autoIncrease->setObjectName(QStringLiteral("AITC"));
    m_view->setEditable(true);
    m_view->addBlockActions(m_menu);

    connect(m_view, &GridTableView::editRequested, this, &DataPage::keyOnGrid);
    connect(m_view, &GridTableView::contentsScrolled, this, &DataPage::scrolled);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->exec(m_view->viewport()->mapToGlobal(at)); });
    connect(m_text, &GridCellEditor::keyCommand, this, &DataPage::textKey);
    connect(m_text, &GridCellEditor::focusLost, this, &DataPage::textFocusLost);
    connect(m_text, &GridCellEditor::blockPasted, this, &DataPage::blockPasted);
    connect(m_view, &GridTableView::pasteRequested, this, [this](const CellBlock &target, const QString &text) {
        commitOpenEdit();
        m_run([this, target, text] { m_tool.pasteHandsets(target, text); });
    });
    connect(m_view, &GridTableView::clearRequested, this, [this](const CellBlock &block) {
        commitOpenEdit();
        m_run([this, block] { m_tool.clearHandsets(block); });
    });
    connect(m_view, &GridTableView::undoRequested, this, [this] { undoOrRedo(true); });
    connect(m_view, &GridTableView::redoRequested, this, [this] { undoOrRedo(false); });
    connect(m_type, &HandsetTypeEditor::keyCommand, this, &DataPage::typeKey);
    connect(m_type, &HandsetTypeEditor::focusLost, this, &DataPage::typeFocusLost);
    connect(m_type, &HandsetTypeEditor::blockPasted, this, &DataPage::blockPasted);
    connect(m_apply, &QAction::triggered, this, [this] { m_run([this] { m_tool.applyToColumn(); }); });
    connect(m_autoIncrease, &QAction::triggered, this, [this] { m_run([this] { m_tool.toggleAutoIncrease(); }); });
    connect(m_check, &QPushButton::clicked, this, &DataPage::checkRequested);
    connect(m_back, &QPushButton::clicked, this, [this] { m_run([this] { m_tool.back(); }); });
    connect(m_import, &QPushButton::clicked, this, [this] { m_run([this] { m_tool.importData(); }); });
    connect(m_export, &QPushButton::clicked, this, [this] { m_run([this] { m_tool.exportData(); }); });
    // Shift with PRINT previews the rows instead of printing them.
    connect(m_print, &QPushButton::clicked, this, [this, &printer] {
        const bool preview = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
        m_run([this, &printer, preview] {
            if (preview)
                m_tool.preview(printer);
            else
                m_tool.print(printer);
        });
    });
    connect(m_pdf, &QPushButton::clicked, this,
            [this, &printer] { m_run([this, &printer] { m_tool.savePdf(printer); }); });

    showHandsetTypes();
    showState();
}

void DataPage::showState()
{
    m_back->setEnabled(m_tool.backEnabled());
    m_autoIncrease->setText(m_tool.handsetEditor().autoIncreaseCaption());
}

void DataPage::showHandsetTypes()
{
    Refill(m_type, m_tool.handsetTypes(), m_tool.typeEditorText());
}

void DataPage::keyOnGrid(char32_t keyCode)
{
    using Trigger = HandsetEditor::Trigger;
    if (keyCode == U' ') {
        m_run([this] { m_tool.repeat(); });
        return;
    }
    if (keyCode == 8 || keyCode == 27) // Backspace and Escape change nothing
        return;
    // The grid has the keys, so no editor should be open; one whose loss of focus
    // went unreported (the window was not active) commits now.
    commitOpenEdit();
    const Trigger trigger = keyCode == 0 ? Trigger::DoubleClick : keyCode == 13 ? Trigger::Return : Trigger::Typed;
    const QString typed = trigger == Trigger::Typed ? QString::fromUcs4(&keyCode, 1) : QString();
    m_run([this, trigger, typed] {
        const HandsetEditor &editor = m_tool.handsetEditor();
        const HandsetEditor::Kind kind = m_tool.startEdit(trigger, typed);
        const QModelIndex cell = m_view->indexOfCell(editor.editRow(), editor.editCol());
        if (kind == HandsetEditor::Kind::Text)
            m_text->openSelected(cell, editor.text());
        else if (kind == HandsetEditor::Kind::Type)
            m_type->open(cell, editor.typeText());
    });
}

void DataPage::textKey(EditorKey key, const QString &text)
{
    m_run([this, key, text] {
        m_tool.textEditorKey(key, text);
        if (m_tool.handsetEditor().openEditor() != HandsetEditor::Kind::None)
            return;
        m_text->finish();
        followCurrent();
    });
}

void DataPage::typeKey(EditorKey key, const QString &text)
{
    m_run([this, key, text] {
        m_tool.typeEditorKey(key, text);
        if (m_tool.handsetEditor().openEditor() != HandsetEditor::Kind::None)
            return;
        m_type->finish();
        followCurrent();
    });
}

void DataPage::textFocusLost(const QString &text)
{
    m_run([this, text] {
        if (!m_tool.commitTextEdit(text))
            return;
        m_text->hide();
        followCurrent();
    });
}

void DataPage::typeFocusLost(const QString &text)
{
    m_run([this, text] {
        if (!m_tool.commitTypeEdit(text))
            return;
        m_type->hide();
        followCurrent();
    });
}

void DataPage::scrolled()
{
    // The editors belong to their cell: scrolling it away commits them, and the
    // grid keeps the keys.
    if (!m_text->isVisible() && !m_type->isVisible())
        return;
    m_run([this] {
        if (m_text->isVisible() && m_tool.commitTextEdit(m_text->text()))
            m_text->finish();
        if (m_type->isVisible() && m_tool.commitTypeEdit(m_type->currentText()))
            m_type->finish();
    });
}

void DataPage::blockPasted(const QString &text)
{
    const HandsetEditor::Kind open = m_tool.handsetEditor().openEditor();
    if (open != HandsetEditor::Kind::Text && open != HandsetEditor::Kind::Type)
        return;
    const bool typed = open == HandsetEditor::Kind::Type;
    const QString edited = typed ? m_type->currentText() : m_text->text();
    {
        // The edit and the block are one step: hiding must not commit on its own.
        const QSignalBlocker quietText(m_text);
        const QSignalBlocker quietType(m_type);
        (typed ? static_cast<QWidget *>(m_type) : m_text)->hide();
    }
    m_run([this, text, edited, typed] {
        m_tool.pasteInEditor(edited, text);
        if (typed)
            m_type->finish();
        else
            m_text->finish();
        followCurrent();
    });
}

void DataPage::undoOrRedo(bool undo)
{
    commitOpenEdit();
    m_run([this, undo] {
        if (undo)
            m_tool.undo();
        else
            m_tool.redo();
        followCurrent();
    });
}

void DataPage::commitOpenEdit()
{
    if (m_text->isVisible())
        textFocusLost(m_text->text());
    if (m_type->isVisible())
        typeFocusLost(m_type->currentText());
}

void DataPage::followCurrent()
{
    const GridTable *grid = m_view->grid();
    if (grid && m_view->currentIndex() != m_view->indexOfCell(grid->row(), grid->col()))
        m_view->showGridCurrent();
}
