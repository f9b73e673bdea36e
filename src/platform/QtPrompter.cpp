#include "platform/QtPrompter.h"

#include "platform/FileFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>

void QtPrompter::setBusy(bool busy)
{
    if (busy) {
        if (m_busyDepth++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busyDepth > 0) {
        if (--m_busyDepth == 0)
            QApplication::restoreOverrideCursor();
    }
}

int QtPrompter::execWithArrow(QDialog &dialog) const
{
    // A busy pointer must not hide the dialog's buttons.
    const bool busy = m_busyDepth > 0;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = dialog.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    return result;
}

int QtPrompter::titleWidth(const QString &title)
{
    // The window manager draws the title in a bold face, beside its buttons; a
    // window narrower than that cuts the title short.
    constexpr int kTitleBarButtons = 140;
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarButtons;
}

void QtPrompter::widenForTitle(QMessageBox &box, const QString &title)
{
    const int width = titleWidth(title);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

Prompter::Answer QtPrompter::showMessage(const Message &message)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    switch (message.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (!message.detail.isEmpty()) {
        box.setDetailedText(message.detail);
        showOnStatusBar(message.detail);
    }
    widenForTitle(box, message.title);
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = execWithArrow(box);
    if (message.buttons == Buttons::YesNo)
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

void QtPrompter::showOnStatusBar(const QString &text) const
{
    if (!m_parent)
        return;
    // For a while, over the tool's prompt, which comes back after it.
    if (auto *bar = m_parent->window()->findChild<QStatusBar *>(QStringLiteral("StatusBar1")))
        bar->showMessage(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")), kStatusDetailMs);
}

std::optional<QString> QtPrompter::askInput(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // The dialog takes its width from its line, which is widened for the title.
    if (auto *line = dialog.findChild<QLineEdit *>())
        line->setMinimumWidth(titleWidth(title));
    if (execWithArrow(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

Prompter::FileAnswer QtPrompter::askFile(const FileRequest &request)
{
    const QStringList filters = QtFileFilters(request.filter);
    QFileDialog dialog(m_parent, request.title, request.folder);
    dialog.setNameFilters(filters);
    const int index = (request.filterIndex >= 1 && request.filterIndex <= filters.size()) ? request.filterIndex : 1;
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.value(index - 1));
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {QString(), index};
    const int chosen = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return {dialog.selectedFiles().constFirst(), chosen > 0 ? chosen : index};
}
