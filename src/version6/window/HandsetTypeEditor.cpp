#include "version6/window/HandsetTypeEditor.h"

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
    lineEdit()->installEventFilter(this);
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
    const bool hadFocus = lineEdit()->hasFocus();
    hide();
    if (hadFocus || !m_view->hasFocus())
        m_view->setFocus(Qt::OtherFocusReason);
}

void HandsetTypeEditor::place()
{
    if (!m_cell.isValid())
        return;
    const QRect cell = m_view->visualRect(m_cell);
    setGeometry(cell.x(), cell.y(), cell.width(), std::max(cell.height(), sizeHint().height()));
}

bool HandsetTypeEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lineEdit())
        return QComboBox::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit keyCommand(EditorKey::Return, currentText());
            return true;
        case Qt::Key_Left:
            emit keyCommand(EditorKey::Left, currentText());
            return true;
        case Qt::Key_Right:
            emit keyCommand(EditorKey::Right, currentText());
            return true;
        default:
            break;
        }
    } else if (event->type() == QEvent::FocusOut && isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            emit focusLost(currentText());
    }
    return QComboBox::eventFilter(watched, event);
}
