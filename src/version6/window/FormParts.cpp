#include "version6/window/FormParts.h"

#include "grid/GridTableView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace Version6Form {

QPushButton *Button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) + 40);
    return button;
}

QComboBox *Combo(const QString &name, bool editable, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    if (editable)
        box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(16);
    return box;
}

QLabel *Label(const QString &caption, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

void WidenEngineersText(GridTableView *view)
{
    constexpr int kEngineersText = 4;
    view->setColumnWidth(kEngineersText, view->columnWidth(kEngineersText) * 2);
}

void Refill(QComboBox *box, const QStringList &items, const QString &text)
{
    const QSignalBlocker quiet(box);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown.append(box->itemText(i));
    if (shown != items) {
        box->clear();
        box->addItems(items);
    }
    ShowText(box, text);
}

void ShowText(QComboBox *box, const QString &text)
{
    const QSignalBlocker quiet(box);
    if (box->isEditable()) {
        if (box->currentText() != text)
            box->setEditText(text);
        return;
    }
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly));
}

} // namespace Version6Form
