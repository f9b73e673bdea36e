#include "grid/GridCellEditor.h"

#include "grid/CellOverlay.h"
#include "grid/ClipboardTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTableView>

GridCellEditor::GridCellEditor(QTableView *view) : QLineEdit(view->viewport()), m_view(view)
{
    setObjectName(QStringLiteral("txtTst"));
    setFrame(false);
    hide();
    // The box follows its cell when columns or rows change size.
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, &GridCellEditor::place);
    connect(view->verticalHeader(), &QHeaderView::sectionResized, this, &GridCellEditor::place);
}

void GridCellEditor::open(const QModelIndex &cell, const QString &text, int caret)
{
    m_cell = cell;
    setFont(m_view->font());
    setText(text);
    setCursorPosition(std::min(caret, int(text.size())));
    m_view->scrollTo(cell);
    place();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void GridCellEditor::openSelected(const QModelIndex &cell, const QString &text)
{
    open(cell, text, int(text.size()));
    selectAll();
}

void GridCellEditor::finish()
{
    CellOverlay::Finish(this, m_view);
}

void GridCellEditor::place()
{
    if (!m_cell.isValid())
        return;
    setGeometry(m_view->visualRect(m_cell));
}

void GridCellEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteText(QApplication::clipboard()->text());
        return;
    }
    EditorKey key;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = EditorKey::Return;
        break;
    case Qt::Key_Escape:
        key = EditorKey::Escape;
        break;
    case Qt::Key_Down:
        key = EditorKey::Down;
        break;
    case Qt::Key_Up:
        key = EditorKey::Up;
        break;
    case Qt::Key_Left:
        key = EditorKey::Left;
        break;
    case Qt::Key_Right:
        key = EditorKey::Right;
        break;
    default:
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    emit keyCommand(key, text());
}

void GridCellEditor::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (CellOverlay::CommitsOn(event))
        emit focusLost(text());
}

void GridCellEditor::pasteText(const QString &text)
{
    if (ClipboardTable::IsBlock(text))
        emit blockPasted(text);
    else if (!text.isEmpty())
        insert(ClipboardTable::CellText(text));
}

void GridCellEditor::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    // The menu's Paste goes the way of Ctrl+V.
    if (auto *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { pasteText(QApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void GridCellEditor::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection clipboard.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        event->accept();
        pasteText(QApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void GridCellEditor::dropEvent(QDropEvent *event)
{
    // Dropped text is pasted text.
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    pasteText(event->mimeData()->text());
}
