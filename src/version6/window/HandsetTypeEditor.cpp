#include "version6/window/HandsetTypeEditor.h"

#include "grid/CellOverlay.h"
#include "grid/ClipboardTable.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

HandsetTypeEditor::HandsetTypeEditor(QTableView *view) : QComboBox(view->viewport()), m_view(view)
{
    setObjectName(QStringLiteral("Combo5"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    hide();
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, &HandsetTypeEditor::place);
}

void HandsetTypeEditor::open(const QModelIndex &cell, const QString &text)
{
    m_cell = cell;
    setEditText(text);
    m_view->scrollTo(cell);
    place();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void HandsetTypeEditor::finish()
{
    CellOverlay::Finish(this, m_view);
}

void HandsetTypeEditor::place()
{
    if (!m_cell.isValid())
        return;
    const QRect cell = m_view->visualRect(m_cell);
    setGeometry(cell.x(), cell.y(), cell.width(), std::max(cell.height(), sizeHint().height()));
}

void HandsetTypeEditor::keyPressEvent(QKeyEvent *event)
{
    // A type is one line: a pasted block goes to the grid, as from the text editor.
    if (event->matches(QKeySequence::Paste) && lineEdit()) {
        event->accept();
        const QString text = QApplication::clipboard()->text();
        if (ClipboardTable::IsBlock(text))
            emit blockPasted(text);
        else
            lineEdit()->insert(ClipboardTable::CellText(text));
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit keyCommand(EditorKey::Return, currentText());
        return;
    case Qt::Key_Left:
        emit keyCommand(EditorKey::Left, currentText());
        return;
    case Qt::Key_Right:
        emit keyCommand(EditorKey::Right, currentText());
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

void HandsetTypeEditor::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (isVisible() && CellOverlay::CommitsOn(event))
        emit focusLost(currentText());
}
