#include "grid/GridTableView.h"

#include "grid/ClipboardTable.h"
#include "grid/GridTable.h"
#include "grid/GridTableModel.h"
#include "grid/GridTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QToolTip>

#include <climits>

GridTableView::GridTableView(GridTable *grid, QWidget *parent)
    : QTableView(parent),
      m_model(new GridTableModel(grid, this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    // A bulk change resets the model and with it the view's current cell.
    connect(m_model, &QAbstractItemModel::modelReset, this, &GridTableView::showGridCurrent);
    fitColumnsToCaptions();
    showGridCurrent();
}

GridTable *GridTableView::grid() const
{
    return m_model->grid();
}

QModelIndex GridTableView::indexOfCell(int row, int col) const
{
    return m_model->indexOfCell(row, col);
}

void GridTableView::showGridCurrent()
{
    const GridTable *shown = grid();
    if (!shown)
        return;
    const QModelIndex index = indexOfCell(shown->row(), shown->col());
    if (!index.isValid())
        return;
    if (index != currentIndex())
        setCurrentIndex(index);
    scrollTo(index);
}

void GridTableView::fitColumnsToCaptions()
{
    // Captions are padded with blanks to the width their column should have, so
    // every character counts as an average one, blanks included.
    const QFontMetrics metrics = horizontalHeader()->fontMetrics();
    const int minimum = 4 * metrics.averageCharWidth();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const QString caption = m_model->headerData(c, Qt::Horizontal).toString();
        setColumnWidth(c, std::max(int(caption.size() + 2) * metrics.averageCharWidth(), minimum));
    }
}

void GridTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (GridTable *shown = grid(); shown && current.isValid())
        shown->setCurrent(GridTableModel::gridRowOf(current), current.column());
}

void GridTableView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    emit contentsScrolled();
}

void GridTableView::keyPressEvent(QKeyEvent *event)
{
    const bool onBlock = !selectedBlock().isCell();
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        copySelection();
        return;
    }
    if (m_editable) {
        if (event->matches(QKeySequence::Paste)) {
            event->accept();
            requestPaste();
            return;
        }
        // Backspace on one cell keeps opening the editor.
        const bool plain = event->modifiers() == Qt::NoModifier;
        if ((event->key() == Qt::Key_Delete && plain) || (event->key() == Qt::Key_Backspace && plain && onBlock)) {
            event->accept();
            requestClear();
            return;
        }
    }
    if (m_editable || m_undoable) {
        if (event->matches(QKeySequence::Redo)
            || (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier)) {
            event->accept();
            emit redoRequested();
            return;
        }
        if (event->matches(QKeySequence::Undo)) {
            event->accept();
            emit undoRequested();
            return;
        }
    }
    const char32_t code = m_startsEditing ? TypedKeyCode(*event) : 0;
    if (code != 0 && currentIndex().isValid()) {
        event->accept();
        emit editRequested(code);
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridTableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (m_startsEditing && event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit editRequested(0);
}

char32_t TypedKeyCode(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QList<uint> text = event.text().toUcs4();
    if (text.size() != 1 || !QChar::isPrint(char32_t(text.first())))
        return 0;
    return char32_t(text.first());
}

CellBlock GridTableView::selectedBlock() const
{
    const GridTable *shown = grid();
    const QItemSelection ranges = selectionModel() ? selectionModel()->selection() : QItemSelection();
    if (ranges.isEmpty()) {
        const int row = shown ? shown->row() : 1;
        const int col = shown ? shown->col() : 0;
        return CellBlock::Cell(std::max(row, 1), col);
    }
    // The selection is one block: its ranges span it.
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QItemSelectionRange &range : ranges) {
        top = std::min(top, range.top());
        left = std::min(left, range.left());
        bottom = std::max(bottom, range.bottom());
        right = std::max(right, range.right());
    }
    return {GridTableModel::gridRowOf(m_model->index(top, 0)), left, bottom + 1, right};
}

void GridTableView::copySelection()
{
    const GridTable *shown = grid();
    if (!shown || shown->rows() < 2)
        return;
    const CellBlock block = selectedBlock();
    auto *data = new QMimeData;
    data->setText(ClipboardTable::ToTabbed(*shown, block));
    data->setHtml(ClipboardTable::ToHtml(*shown, block));
    QApplication::clipboard()->setMimeData(data);
}

void GridTableView::requestPaste()
{
    const QString text = QApplication::clipboard()->text();
    if (m_editable && !text.isEmpty())
        emit pasteRequested(selectedBlock(), text);
}

void GridTableView::requestClear()
{
    if (m_editable)
        emit clearRequested(selectedBlock());
}

void GridTableView::addBlockActions(QMenu *menu)
{
    if (!menu->isEmpty())
        menu->addSeparator();
    const auto entry = [this, menu](const char *name, const QString &caption, auto action) {
        QAction *added = menu->addAction(caption);
        added->setObjectName(QLatin1String(name));
        connect(added, &QAction::triggered, this, action);
    };
    entry("BlockCopy", GridTexts::kCopyCaption, [this] { copySelection(); });
    if (m_editable) {
        entry("BlockPaste", GridTexts::kPasteCaption, [this] { requestPaste(); });
        entry("BlockDelete", GridTexts::kDeleteCaption, [this] { requestClear(); });
    }
    if (!m_editable && !m_undoable)
        return;
    entry("BlockUndo", GridTexts::kUndoCaption, [this] { emit undoRequested(); });
    entry("BlockRedo", GridTexts::kRedoCaption, [this] { emit redoRequested(); });
}

QMenu *GridTableView::useBlockMenu()
{
    auto *menu = new QMenu(this);
    addBlockActions(menu);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint &at) { menu->exec(viewport()->mapToGlobal(at)); });
    return menu;
}

bool GridTableView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString text = index.isValid() ? index.data().toString() : QString();
        // Only a text the cell cuts off needs showing again.
        const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
        if (!text.isEmpty() && fontMetrics().horizontalAdvance(text) + margin > visualRect(index).width())
            QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QTableView::viewportEvent(event);
}
