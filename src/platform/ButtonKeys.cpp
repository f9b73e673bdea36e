#include "platform/ButtonKeys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSet>

namespace {

// Return and Enter on a button press it; outside dialogs Qt leaves them alone.
class ReturnPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter) || !button->isEnabled())
            return false;
        button->animateClick();
        return true;
    }
};

} // namespace

void GiveButtonsKeys(QWidget *window)
{
    auto *presses = new ReturnPresses(window);
    QSet<QChar> taken;
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        button->installEventFilter(presses);
        if (!button->shortcut().isEmpty())
            continue;
        for (const QChar c : button->text()) {
            const QChar key = c.toUpper();
            if (!key.isLetterOrNumber() || key.unicode() > 127 || taken.contains(key))
                continue;
            taken.insert(key);
            const QKeySequence shortcut(QStringLiteral("Alt+") + key);
            button->setShortcut(shortcut);
            const QString hint = shortcut.toString(QKeySequence::NativeText);
            button->setToolTip(button->toolTip().isEmpty() ? hint
                                                           : button->toolTip() + QStringLiteral(" (") + hint + u')');
            break;
        }
    }
}
