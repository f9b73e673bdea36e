#include "grid/GridTableView.h"

#include "grid/GridTable.h"
#include "grid/GridTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>

GridTableView::GridTableView(GridTable *grid, QWidget *parent)
    : QTableView(parent),
      m_model(new GridTableModel(grid, this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
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
