#pragma once

#include "check/CheckReport.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class CheckResultsModel;
class QLabel;
class QPushButton;
class QTableView;

// The results list of a tool's check: one line per finding, sorted by row. It
// stays open beside the tool while the user fixes cells; "Check again" runs the
// check anew, and a double click on a finding shows its cell in the tool.
class CheckResultsWindow : public QWidget {
    Q_OBJECT
public:
    using CheckFn = std::function<CheckReport()>;
    using ShowFn = std::function<void(const CheckFinding &)>;

    CheckResultsWindow(CheckFn check, ShowFn show, QWidget *parent);

    // CHECK in a tool window: the tool's list, opened on first use (and deleted
    // when closed), or checked again and raised when it is open already.
    static CheckResultsWindow *Open(QPointer<CheckResultsWindow> &window, CheckFn check, ShowFn show, QWidget *parent);

    // Runs the check and shows what it found.
    void checkAgain();
    // The finding of a line of the list, shown in the tool.
    void showFinding(int line);

    QTableView *list() const { return m_list; }
    CheckResultsModel *model() const { return m_model; }
    QLabel *summary() const { return m_summary; }
    QPushButton *checkAgainButton() const { return m_checkAgain; }

private:
    CheckFn m_check;
    ShowFn m_show;
    CheckResultsModel *m_model;
    QTableView *m_list;
    QLabel *m_summary;
    QPushButton *m_checkAgain;
};
