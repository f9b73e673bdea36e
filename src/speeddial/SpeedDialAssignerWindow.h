#pragma once

#include "assigner/AssignerWindow.h"
#include "speeddial/SpeedDialAssigner.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

// The Speed Dial Assigner's window, "Speed Dial Assigner": the twin of the Name
// Assigner's (without a row menu) with the location box Text6 under the caption
// "Start MEM Location", the leading-zero option Check1 and the hidden
// used-location list List1. The box's focus and changes, the option and clicks
// on the input table go to the tool.
class SpeedDialAssignerWindow : public AssignerWindow {
    Q_OBJECT
public:
    // With the desktop's message boxes and default printer.
    explicit SpeedDialAssignerWindow(QWidget *parent = nullptr);
    // With prompts and printing of the caller's.
    SpeedDialAssignerWindow(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer,
                            QWidget *parent = nullptr);

    SpeedDialAssigner &tool() { return *m_tool; }

protected:
    void showToolState() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildExtras();

    SpeedDialAssigner *m_tool = nullptr; // owned by the shared window
    QLineEdit *m_locationBox = nullptr;
    QCheckBox *m_leadingZero = nullptr;
    QListWidget *m_usedList = nullptr;
    QStringList m_shownUsed;
};
