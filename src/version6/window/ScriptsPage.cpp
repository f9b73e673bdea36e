#include "version6/window/ScriptsPage.h"

#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "grid/GridTexts.h"
#include "version6/tool/Version6Texts.h"
#include "version6/tool/Version6Tool.h"

#include <QAction>
#include <QCursor>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Version6Form;

namespace {

QString indexed(const char *name, int tab)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(tab);
}

} // namespace

ScriptsPage::ScriptsPage(Version6Tool &tool, RunAction run, QWidget *parent)
    : QWidget(parent),
      m_tool(tool),
      m_run(std::move(run))
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab2"));
    m_tabs->setUsesScrollButtons(true);
    for (int tab = 0; tab < TemplateSet::kCount; ++tab)
        buildTab(tab);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_tabs);

    m_rowMenu = new QMenu(this);
    m_rowMenu->setObjectName(QStringLiteral("mnu1"));
    QAction *addRow = m_rowMenu->addAction(Version6Texts::kAddRowCaption);
    addRow->setObjectName(QStringLiteral("adr"));
    QAction *removeRow = m_rowMenu->addAction(Version6Texts::kRemoveRowCaption);
    removeRow->setObjectName(QStringLiteral("RMVR"));
    connect(addRow, &QAction::triggered, this, [this] { m_run([this] { m_tool.addTemplateRow(m_menuTab); }); });
    connect(removeRow, &QAction::triggered, this, [this] { m_run([this] { m_tool.removeTemplateRow(m_menuTab); }); });
    // The block entries act on the grid the menu was opened on.
    m_rowMenu->addSeparator();
    const auto blockEntry = [this](const char *name, const QString &caption, auto action) {
        QAction *entry = m_rowMenu->addAction(caption);
        entry->setObjectName(QLatin1String(name));
        connect(entry, &QAction::triggered, this, [this, action] { action(grid(m_menuTab)); });
    };
    blockEntry("BlockCopy", GridTexts::kCopyCaption, [](GridTableView *view) { view->copySelection(); });
    blockEntry("BlockPaste", GridTexts::kPasteCaption, [](GridTableView *view) { view->requestPaste(); });
    blockEntry("BlockDelete", GridTexts::kDeleteCaption, [](GridTableView *view) { view->requestClear(); });
    blockEntry("BlockUndo", GridTexts::kUndoCaption, [](GridTableView *view) { emit view->undoRequested(); });
    blockEntry("BlockRedo", GridTexts::kRedoCaption, [](GridTableView *view) { emit view->redoRequested(); });

    m_tabMenu = new QMenu(this);
    m_tabMenu->setObjectName(QStringLiteral("mnu2"));
    QAction *rename = m_tabMenu->addAction(Version6Texts::kRenameCaption);
    rename->setObjectName(QStringLiteral("RNM"));
    connect(rename, &QAction::triggered, this, [this] { m_run([this] { m_tool.renameTab(m_menuTab); }); });
    connect(m_tabs, &QTabWidget::tabBarDoubleClicked, this, [this](int tab) {
        if (tab < 0)
            return;
        m_menuTab = tab;
        m_tabMenu->exec(QCursor::pos());
    });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab >= 0 && tab < TemplateSet::kCount)
            grid(tab)->setFocus(Qt::TabFocusReason);
    });
    showState();
}

void ScriptsPage::buildTab(int tab)
{
    auto *page = new QWidget(m_tabs);
    auto *view = new GridTableView(&m_tool.templates().grid(tab), page);
    view->setObjectName(indexed("MSFlexGrid3", tab));
    WidenEngineersText(view);
    view->setStartsEditing(true);
    view->setEditable(true);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *editor = new GridCellEditor(view);
    editor->setObjectName(QStringLiteral("Text3"));
    QPushButton *import = Button(indexed("Command5", tab), Version6Texts::kImportScriptCaption, page);
    QPushButton *exportScript = Button(indexed("Command6", tab), Version6Texts::kExportScriptCaption, page);
    QPushButton *save = Button(indexed("Command7", tab), Version6Texts::kSaveCaption, page);
    import->setToolTip(Version6Texts::kImportScriptTip);
    exportScript->setToolTip(Version6Texts::kExportScriptTip);
    save->setToolTip(Version6Texts::kSaveTip);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(import);
    buttons->addWidget(exportScript);
    buttons->addWidget(save);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
    m_tabs->addTab(page, m_tool.templates().caption(tab));

    m_grids[size_t(tab)] = view;
    m_editors[size_t(tab)] = editor;
    m_imports[size_t(tab)] = import;
    m_exports[size_t(tab)] = exportScript;
    m_saves[size_t(tab)] = save;

    connect(view, &GridTableView::editRequested, this, [this, tab](char32_t code) { startEdit(tab, code); });
    connect(view, &GridTableView::contentsScrolled, this, [this, tab] { scrolled(tab); });
    connect(view, &QWidget::customContextMenuRequested, this, [this, tab, view](const QPoint &at) {
        m_menuTab = tab;
        m_rowMenu->exec(view->viewport()->mapToGlobal(at));
    });
    connect(editor, &GridCellEditor::keyCommand, this,
            [this, tab](EditorKey key, const QString &text) { editorKey(tab, key, text); });
    connect(editor, &GridCellEditor::focusLost, this, [this, tab](const QString &text) { editorFocusLost(tab, text); });
    connect(editor, &GridCellEditor::blockPasted, this, [this, tab](const QString &text) { blockPasted(tab, text); });
    connect(view, &GridTableView::pasteRequested, this, [this, tab](const CellBlock &target, const QString &text) {
        commitOpenEdit();
        m_run([this, tab, target, text] { m_tool.pasteTemplate(tab, target, text); });
    });
    connect(view, &GridTableView::clearRequested, this, [this, tab](const CellBlock &block) {
        commitOpenEdit();
        m_run([this, tab, block] { m_tool.clearTemplate(tab, block); });
    });
    connect(view, &GridTableView::undoRequested, this, [this, tab] { undoOrRedo(tab, true); });
    connect(view, &GridTableView::redoRequested, this, [this, tab] { undoOrRedo(tab, false); });
    connect(import, &QPushButton::clicked, this, [this, tab] { m_run([this, tab] { m_tool.importScript(tab); }); });
    connect(exportScript, &QPushButton::clicked, this,
            [this, tab] { m_run([this, tab] { m_tool.exportScript(tab); }); });
    connect(save, &QPushButton::clicked, this, [this, tab] { m_run([this, tab] { m_tool.saveScript(tab); }); });
}

void ScriptsPage::showState()
{
    const TemplateEditor &open = m_tool.templateEditor();
    for (int tab = 0; tab < TemplateSet::kCount; ++tab) {
        if (m_tabs->tabText(tab) != m_tool.templates().caption(tab))
            m_tabs->setTabText(tab, m_tool.templates().caption(tab));
        GridCellEditor *editor = m_editors[size_t(tab)];
        if (editor->isVisible() && !(open.isOpen() && open.tab() == tab))
            editor->finish();
    }
}

void ScriptsPage::commitOpenEdit()
{
    const TemplateEditor &open = m_tool.templateEditor();
    if (open.isOpen())
        editorFocusLost(open.tab(), editor(open.tab())->text());
}

void ScriptsPage::startEdit(int tab, char32_t keyCode)
{
    if (keyCode == 27) // Escape opens nothing
        return;
    commitOpenEdit(); // as on the handset grid
    m_run([this, tab] {
        const QString text = m_tool.startTemplateEdit(tab);
        const TemplateEditor &open = m_tool.templateEditor();
        editor(tab)->openSelected(grid(tab)->indexOfCell(open.editRow(), open.editCol()), text);
    });
}

void ScriptsPage::editorKey(int tab, EditorKey key, const QString &text)
{
    m_run([this, tab, key, text] {
        m_tool.templateEditorKey(key, text);
        if (m_tool.templateEditor().isOpen())
            return;
        editor(tab)->finish();
        grid(tab)->showGridCurrent();
    });
}

void ScriptsPage::editorFocusLost(int tab, const QString &text)
{
    m_run([this, tab, text] {
        if (m_tool.commitTemplateEdit(text))
            editor(tab)->hide();
    });
}

void ScriptsPage::blockPasted(int tab, const QString &text)
{
    const TemplateEditor &open = m_tool.templateEditor();
    if (!open.isOpen() || open.tab() != tab)
        return;
    {
        // The edit and the block are one step: hiding must not commit on its own.
        const QSignalBlocker quiet(editor(tab));
        editor(tab)->hide();
    }
    m_run([this, tab, text] {
        m_tool.pasteInTemplateEditor(editor(tab)->text(), text);
        editor(tab)->finish();
        grid(tab)->showGridCurrent();
    });
}

void ScriptsPage::undoOrRedo(int tab, bool undo)
{
    commitOpenEdit();
    m_run([this, tab, undo] {
        if (undo)
            m_tool.undo();
        else
            m_tool.redo();
        grid(tab)->showGridCurrent();
    });
}

void ScriptsPage::scrolled(int tab)
{
    // The text typed so far is dropped with the editor.
    if (!editor(tab)->isVisible())
        return;
    m_run([this, tab] {
        m_tool.templateScrolled();
        editor(tab)->finish();
    });
}
