#pragma once

#include "platform/Prompter.h"

#include <QPointer>
#include <QWidget>

class QDialog;
class QMessageBox;

// Message boxes, input boxes and file dialogs of the desktop, modal to a window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    void setBusy(bool busy) override;
    // How long a message's detail stays on the window's status bar.
    static constexpr int kStatusDetailMs = 20000;

protected:
    Answer showMessage(const Message &message) override;
    std::optional<QString> askInput(const QString &prompt, const QString &title, const QString &defaultText) override;
    FileAnswer askFile(const FileRequest &request) override;

private:
    void showOnStatusBar(const QString &text) const;
    // dialog.exec() with the ordinary pointer over it while an action is busy.
    int execWithArrow(QDialog &dialog) const;
    // How wide a window must be to show its whole title.
    static int titleWidth(const QString &title);
    static void widenForTitle(QMessageBox &box, const QString &title);

    QPointer<QWidget> m_parent;
    int m_busyDepth = 0;
};
