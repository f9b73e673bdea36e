#include "grid/CellOverlay.h"

#include <QFocusEvent>
#include <QTableView>

namespace CellOverlay {

bool CommitsOn(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

void Finish(QWidget *editor, QTableView *view)
{
    const bool hadFocus = editor->hasFocus();
    editor->hide();
    if (hadFocus || !view->hasFocus())
        view->setFocus(Qt::OtherFocusReason);
}

} // namespace CellOverlay
