#pragma once

#include "shell/ShellTexts.h"

#include <QLabel>
#include <QWidget>

// The help window of the Name Assigner and the Speed Dial Assigner (Form8): a
// picture of the tool and two texts explaining its buttons and file boxes. A
// click on the close image Image3 closes it.
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// Shows the single help window, modeless, under `caption`: creates it when it is
// not open, otherwise brings it forward with the new caption.
HelpWindow *ShowHelpWindow(const QString &caption = ShellTexts::kNameAssignerHelpCaption);
// The open help window, or nullptr.
HelpWindow *OpenHelpWindow();
