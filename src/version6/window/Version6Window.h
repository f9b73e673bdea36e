#pragma once

#include "version6/tool/Version6Tool.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class CheckResultsWindow;
struct CheckFinding;
class DataPage;
class OutputPage;
class Printer;
class Prompter;
class QLabel;
class QProgressBar;
class QStackedWidget;
class QTabWidget;
class RangePage;
class ScriptsPage;

// The Version 6.0 window, "Version 8.1": the range screen, and over it the work
// area with the tabs "DATA", "SCRIPTS" and "OUTPUT"; the status bar with the
// progress bar, and the compile's progress panel. Every event goes to one method
// of the tool; the window then shows the tool's state. Long actions report
// progress often: the window repaints at most every few tens of milliseconds
// and takes no user input meanwhile. It deletes itself when closed, once the
// tool's close question lets it.
class Version6Window : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRepaintIntervalMs = 40;

    // With the desktop's message boxes and default printer.
    explicit Version6Window(QWidget *parent = nullptr);
    // With prompts and printing of the caller's.
    Version6Window(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer, QWidget *parent = nullptr);
    ~Version6Window() override;

    Version6Tool &tool() { return *m_tool; }
    RangePage *rangePage() const { return m_rangePage; }
    QTabWidget *workArea() const { return m_workArea; } // SSTab1
    DataPage *dataPage() const { return m_dataPage; }
    ScriptsPage *scriptsPage() const { return m_scriptsPage; }
    OutputPage *outputPage() const { return m_outputPage; }
    QLabel *statusPanel() const { return m_statusPanel; }
    // "CHECK": the results list of the site check, opened (or checked again).
    CheckResultsWindow *showCheck();
    // A finding's cell, selected in its grid on its tab.
    void showFinding(const CheckFinding &finding);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void build();
    QWidget *buildProgressPanel();
    void run(const std::function<void()> &action);
    void showToolState();
    void showProgress();
    void progressed();
    void placeProgressPanel();

    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<Printer> m_printer;
    std::unique_ptr<Version6Tool> m_tool;
    QStackedWidget *m_screens = nullptr;
    RangePage *m_rangePage = nullptr;
    QTabWidget *m_workArea = nullptr;
    DataPage *m_dataPage = nullptr;
    ScriptsPage *m_scriptsPage = nullptr;
    OutputPage *m_outputPage = nullptr;
    QLabel *m_statusPanel = nullptr;
    QProgressBar *m_progress = nullptr;        // ProgressBar1
    QWidget *m_panel = nullptr;                // Frame3
    QLabel *m_panelLabel = nullptr;            // Label3
    QProgressBar *m_totalProgress = nullptr;   // ProgressBar3
    QProgressBar *m_currentProgress = nullptr; // ProgressBar2
    QElapsedTimer m_sinceRepaint;
    QPointer<CheckResultsWindow> m_check;
    int m_running = 0; // actions under way (a long one lets the window repaint)
};
