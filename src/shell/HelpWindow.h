#pragma once

#include <QLabel>
#include <QWidget>

// The help window of the Name Assigner and the Speed Dial Assigner (Form8): a
// picture of the tool and two texts explaining its buttons and file boxes. A
// click on the close image Image3 closes it.
class HelpWindow : public QWidget {
public:
    static QString nameAssignerCaption() { return QStringLiteral("NAME ASSIGNER - HELP"); }
    static QString speedDialerCaption() { return QStringLiteral("SPEED DIALER - HELP"); }

    explicit HelpWindow(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Shows the single help window, modeless, under `caption`: creates it when it is
// not open, otherwise brings it forward with the new caption.
HelpWindow *ShowHelpWindow(const QString &caption = HelpWindow::nameAssignerCaption());
// The open help window, or nullptr.
HelpWindow *OpenHelpWindow();
