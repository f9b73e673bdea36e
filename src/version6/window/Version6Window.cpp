#include "version6/window/Version6Window.h"

#include "check/CheckResultsWindow.h"
#include "grid/GridTableView.h"
#include "platform/ButtonKeys.h"
#include "platform/PlatformTexts.h"
#include "platform/QtPrinter.h"
#include "platform/QtPrompter.h"
#include "platform/QtStatusBar.h"
#include "shell/WindowPlacement.h"
#include "version6/compile/CompileTexts.h"
#include "version6/tool/Version6Texts.h"
#include "version6/window/DataPage.h"
#include "version6/window/OutputPage.h"
#include "version6/window/RangePage.h"
#include "version6/window/ScriptsPage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

void showBar(QProgressBar *bar, int value, int maximum)
{
    // A range of 0 .. 0 would show the busy animation instead of the value.
    const int top = std::max(maximum, 1);
    bar->setRange(0, top);
    bar->setValue(std::clamp(value, 0, top));
}

} // namespace

Version6Window::Version6Window(QWidget *parent)
    : Version6Window(std::make_unique<QtPrompter>(), std::make_unique<QtPrinter>(), parent)
{
}

Version6Window::Version6Window(std::unique_ptr<Prompter> prompter, std::unique_ptr<Printer> printer, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_prompter(std::move(prompter)),
      m_printer(std::move(printer)),
      m_tool(std::make_unique<Version6Tool>(*m_prompter))
{
    if (auto *qtPrompter = dynamic_cast<QtPrompter *>(m_prompter.get()))
        qtPrompter->setParent(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Version6"));
    setWindowTitle(PlatformTexts::kVersionCaption);
    m_tool->open();
    build();
    m_tool->setProgressListener([this] { progressed(); });
    m_tool->setStateListener([this] { showToolState(); });
    showToolState();
    GiveButtonsKeys(this);
}

Version6Window::~Version6Window()
{
    m_tool->setProgressListener({});
    m_tool->setStateListener({});
    // The views watch the tool's grids: they go first.
    delete m_screens;
    delete m_panel;
}

void Version6Window::build()
{
    const auto run = [this](const std::function<void()> &action) { this->run(action); };
    m_screens = new QStackedWidget(this);
    m_rangePage = new RangePage(*m_tool, run, m_screens);
    m_workArea = new QTabWidget(m_screens);
    m_workArea->setObjectName(QStringLiteral("SSTab1"));
    m_dataPage = new DataPage(*m_tool, *m_printer, run, m_workArea);
    m_scriptsPage = new ScriptsPage(*m_tool, run, m_workArea);
    m_outputPage = new OutputPage(*m_tool, run, m_workArea);
    m_workArea->addTab(m_dataPage, Version6Texts::kDataTab);
    m_workArea->addTab(m_scriptsPage, Version6Texts::kScriptsTab);
    m_workArea->addTab(m_outputPage, Version6Texts::kOutputTab);
    connect(m_dataPage, &DataPage::checkRequested, this, &Version6Window::showCheck);
    connect(m_outputPage, &OutputPage::checkRequested, this, &Version6Window::showCheck);
    m_screens->addWidget(m_rangePage);
    m_screens->addWidget(m_workArea);
    connect(m_workArea, &QTabWidget::currentChanged, this, [this](int tab) {
        const QString caption = m_workArea->tabText(tab);
        this->run([this, caption] { m_tool->mainTabChosen(caption); });
    });

    QStatusBar *status = NewToolStatusBar(this, m_statusPanel);
    m_progress = new QProgressBar(status);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setFixedWidth(260);
    m_progress->setTextVisible(false);
    m_progress->hide();
    status->addPermanentWidget(m_progress);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(m_screens, 1);
    layout->addWidget(status);
    m_panel = buildProgressPanel();
    FitToScreen(this, QSize(1180, 760));
}

// Frame3: shown over the work area while a compile runs.
QWidget *Version6Window::buildProgressPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Frame3"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setFixedSize(440, 190);
    m_panelLabel = new QLabel(CompileTexts::kStartingLabel, panel);
    m_panelLabel->setObjectName(QStringLiteral("Label3"));
    m_panelLabel->setAlignment(Qt::AlignCenter);
    QFont bold = m_panelLabel->font();
    bold.setBold(true);
    m_panelLabel->setFont(bold);
    m_totalProgress = new QProgressBar(panel);
    m_totalProgress->setObjectName(QStringLiteral("ProgressBar3"));
    m_currentProgress = new QProgressBar(panel);
    m_currentProgress->setObjectName(QStringLiteral("ProgressBar2"));
    auto *layout = new QGridLayout(panel);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(m_panelLabel, 0, 0, 1, 2);
    layout->addWidget(new QLabel(Version6Texts::kTotalProgressCaption, panel), 1, 0);
    layout->addWidget(m_totalProgress, 1, 1);
    layout->addWidget(new QLabel(Version6Texts::kCurrentProgressCaption, panel), 2, 0);
    layout->addWidget(m_currentProgress, 2, 1);
    layout->setRowStretch(0, 1);
    panel->hide();
    return panel;
}

CheckResultsWindow *Version6Window::showCheck()
{
    m_dataPage->commitOpenEdit();
    m_scriptsPage->commitOpenEdit();
    return CheckResultsWindow::Open(
        m_check, [this] { return m_tool->check(); }, [this](const CheckFinding &finding) { showFinding(finding); },
        this);
}

void Version6Window::showFinding(const CheckFinding &finding)
{
    m_dataPage->commitOpenEdit();
    m_scriptsPage->commitOpenEdit();
    const int column = std::max(finding.column, 0);
    GridTableView *view = nullptr;
    if (finding.grid == CheckFinding::kInputGrid) {
        m_workArea->setCurrentWidget(m_dataPage);
        m_tool->handsets().grid().setCurrent(finding.row, column);
        view = m_dataPage->handsetView();
    } else {
        const int tab = finding.grid - CheckFinding::kTemplateGrid;
        m_workArea->setCurrentWidget(m_scriptsPage);
        m_scriptsPage->tabs()->setCurrentIndex(tab);
        m_tool->templates().grid(tab).setCurrent(std::max(finding.row, 1), column);
        view = m_scriptsPage->grid(tab);
    }
    view->showGridCurrent();
    activateWindow();
    view->setFocus(Qt::OtherFocusReason);
}

void Version6Window::run(const std::function<void()> &action)
{
    ++m_running;
    action();
    --m_running;
    showToolState();
}

void Version6Window::showToolState()
{
    const bool wasRangeScreen = m_screens->currentWidget() == m_rangePage;
    m_screens->setCurrentWidget(m_tool->workAreaVisible() ? static_cast<QWidget *>(m_workArea) : m_rangePage);
    m_rangePage->showHandsetTypes();
    m_rangePage->showState();
    m_dataPage->showHandsetTypes();
    m_dataPage->showState();
    m_scriptsPage->showState();
    m_outputPage->showState();
    showProgress();
    if (wasRangeScreen && m_tool->workAreaVisible()) {
        // "NEXT": the handsets are shown with the keys in their grid.
        m_workArea->setCurrentWidget(m_dataPage);
        m_dataPage->handsetView()->setFocus(Qt::OtherFocusReason);
    }
}

void Version6Window::showProgress()
{
    m_statusPanel->setText(m_tool->status());
    const Version6Tool::Progress &progress = m_tool->progress();
    m_progress->setVisible(progress.visible);
    if (progress.visible)
        showBar(m_progress, progress.value, progress.maximum);

    const bool compiling = m_tool->compilePanelVisible();
    if (compiling) {
        const CompileProgress &compile = m_tool->compileProgress();
        m_panelLabel->setText(compile.label3().replace(QLatin1String("\r\n"), QLatin1String("\n")));
        showBar(m_totalProgress, compile.total, compile.totalMaximum);
        showBar(m_currentProgress, compile.current, compile.currentMaximum);
        placeProgressPanel();
        m_panel->raise();
    }
    m_panel->setVisible(compiling);
}

void Version6Window::progressed()
{
    if (m_sinceRepaint.isValid() && m_sinceRepaint.elapsed() < kRepaintIntervalMs)
        return;
    showProgress();
    // Repaints and window-system events only: what the user does meanwhile waits
    // until the action is done, so nothing can change the grids under it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sinceRepaint.restart();
}

void Version6Window::placeProgressPanel()
{
    m_panel->move((width() - m_panel->width()) / 2, (height() - m_panel->height()) / 2);
}

void Version6Window::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_panel)
        placeProgressPanel();
}

void Version6Window::closeEvent(QCloseEvent *event)
{
    // A long action is still running further up this call stack.
    if (m_running > 0) {
        event->ignore();
        return;
    }
    m_dataPage->commitOpenEdit();
    m_scriptsPage->commitOpenEdit();
    bool mayClose = true;
    run([this, &mayClose] { mayClose = m_tool->closeRequested(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}
