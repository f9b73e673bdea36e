#include "shell/LauncherWindow.h"

#include "platform/PlatformTexts.h"
#include "shell/LauncherParts.h"
#include "shell/ShellArt.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {
// The panel's layout in twips. Entry images span the panel's full width and are a
// little wider than the side edge, so that the pointer leaving sideways crosses it.
constexpr int kPanelWidth = 3390;
constexpr int kHeaderHeight = 1140;
constexpr int kFirstEntryGap = 60;
constexpr int kEntryHeight = 600;
constexpr int kEntryGap = 45;
constexpr int kBottomMargin = 150;
constexpr int kIconSize = 420;

void setRunning(QTimer &timer, bool enabled)
{
    if (enabled && !timer.isActive())
        timer.start();
    else if (!enabled && timer.isActive())
        timer.stop();
}
} // namespace

// The panel places itself below the screen's edge and slides in; window managers
// would pull such a window on screen, so it bypasses them (as a menu does) and
// takes the focus itself when it appears.
LauncherWindow::LauncherWindow(LauncherState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(PlatformTexts::kProgramTitle);
    setFocusPolicy(Qt::StrongFocus);
    applyWindowKind();
    if (QScreen *screen = panelScreen()) {
        m_dpiX = screen->logicalDotsPerInchX();
        m_dpiY = screen->logicalDotsPerInchY();
    }

    const std::pair<QTimer *, const char *> timers[] = {
        {&m_slideUp, "Timer1"}, {&m_slideDown, "Timer2"}, {&m_inactivity, "Timer3"}};
    for (const auto &[timer, name] : timers) {
        timer->setParent(this);
        timer->setObjectName(QString::fromLatin1(name));
    }
    m_slideUp.setInterval(LauncherState::kSlideIntervalMs);
    m_slideUp.setTimerType(Qt::PreciseTimer);
    m_slideDown.setInterval(LauncherState::kSlideIntervalMs);
    m_slideDown.setTimerType(Qt::PreciseTimer);
    m_inactivity.setInterval(LauncherState::kInactivityIntervalMs);
    connect(&m_slideUp, &QTimer::timeout, this, &LauncherWindow::tickSlideUp);
    connect(&m_slideDown, &QTimer::timeout, this, &LauncherWindow::tickSlideDown);
    connect(&m_inactivity, &QTimer::timeout, this, &LauncherWindow::tickInactivity);

    m_header = new LauncherHeader(this);
    connect(m_header, &LauncherHeader::pointerMoved, this, [this] {
        m_state.pointerOverHeader();
        follow();
    });
    const int iconSize = Twips::toPixels(kIconSize, m_dpiY);
    for (int i = 0; i < LauncherState::kEntryCount; ++i) {
        auto *entry = new LauncherEntryImage(i, iconSize, this);
        connect(entry, &LauncherEntryImage::pointerMoved, this,
                [this, i](QPoint position) { pointerOverEntry(i, position); });
        connect(entry, &LauncherEntryImage::clicked, this, [this, i] { emit entryClicked(i); });
        m_entries[i] = entry;
    }
    layoutPanel();
}

void LauncherWindow::layoutPanel()
{
    const int width = Twips::toPixels(kPanelWidth, m_dpiX);
    int y = Twips::toPixels(kHeaderHeight, m_dpiY);
    m_header->setGeometry(0, 0, width, y);
    y += Twips::toPixels(kFirstEntryGap, m_dpiY);
    const int entryHeight = Twips::toPixels(kEntryHeight, m_dpiY);
    const int gap = Twips::toPixels(kEntryGap, m_dpiY);
    for (LauncherEntryImage *entry : m_entries) {
        entry->setGeometry(0, y, width, entryHeight);
        y += entryHeight + gap;
    }
    setFixedSize(width, y - gap + Twips::toPixels(kBottomMargin, m_dpiY));
}

QScreen *LauncherWindow::panelScreen() const
{
    return QGuiApplication::primaryScreen();
}

LauncherGeometry LauncherWindow::geometryInTwips() const
{
    const QRect screen = panelScreen() ? panelScreen()->geometry() : QRect(0, 0, 1024, 768);
    return {Twips::fromPixels(screen.width(), m_dpiX), Twips::fromPixels(screen.height(), m_dpiY),
            Twips::fromPixels(width(), m_dpiX), Twips::fromPixels(height(), m_dpiY)};
}

QPoint LauncherWindow::pixelsFor(int leftTwips, int topTwips) const
{
    const QPoint origin = panelScreen() ? panelScreen()->geometry().topLeft() : QPoint();
    return origin + QPoint(Twips::toPixels(leftTwips, m_dpiX), Twips::toPixels(topTwips, m_dpiY));
}

void LauncherWindow::touch()
{
    m_state.touch(geometryInTwips());
    follow();
}

void LauncherWindow::entryOpened()
{
    m_state.entryOpened();
    follow();
}

void LauncherWindow::setEntryAvailable(int entry, bool available)
{
    if (entry >= 0 && entry < LauncherState::kEntryCount)
        m_entries[entry]->setAvailable(available);
}

void LauncherWindow::applyWindowKind()
{
    const Qt::WindowFlags docked = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    const Qt::WindowFlags panel = Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint;
    setWindowFlags(m_state.docked() ? docked : panel);
}

void LauncherWindow::setDocked(bool docked)
{
    if (m_state.docked() == docked)
        return;
    m_state.setDocked(docked);
    if (!docked)
        m_state.unload();
    hide();
    applyWindowKind();
    m_placed = false;
    follow();
}

void LauncherWindow::bringForward()
{
    if (!isVisible())
        return;
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void LauncherWindow::tickSlideUp()
{
    m_state.tickSlideUp();
    follow();
}

void LauncherWindow::tickSlideDown()
{
    m_state.tickSlideDown();
    follow();
}

void LauncherWindow::tickInactivity()
{
    m_state.tickInactivity();
    follow();
}

void LauncherWindow::pointerOverEntry(int index, QPoint position)
{
    m_state.pointerOverEntry(index, Twips::fromPixels(position.x(), m_dpiX), Twips::fromPixels(position.y(), m_dpiY),
                             m_entries[index]->isAvailable());
    follow();
}

void LauncherWindow::follow()
{
    setRunning(m_slideUp, m_state.slideUpEnabled());
    setRunning(m_slideDown, m_state.slideDownEnabled());
    setRunning(m_inactivity, m_state.inactivityEnabled());
    if (!m_state.loaded()) {
        hide();
        return;
    }
    for (int i = 0; i < LauncherState::kEntryCount; ++i)
        m_entries[i]->bar()->setLit(m_state.litEntry() == i);
    if (!m_state.docked()) {
        move(pixelsFor(m_state.left(), m_state.top()));
        setTopmost(m_state.topmost());
    } else if (!m_placed) {
        // Where the panel rests, inside the desktop's work area; the user may move it.
        const QRect area = panelScreen() ? panelScreen()->availableGeometry() : QRect(0, 0, 1024, 768);
        move(area.right() - frameGeometry().width() - 16, area.bottom() - frameGeometry().height() - 48);
        m_placed = true;
    }
    if (!isVisible()) {
        show();
        raise();
        activateWindow();
    }
}

void LauncherWindow::setTopmost(bool topmost)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    if (!isVisible() || !windowHandle()) {
        setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
        return;
    }
    // A visible window changes its stacking without being hidden, moved or resized.
    overrideWindowFlags(windowFlags() ^ Qt::WindowStaysOnTopHint);
    windowHandle()->setFlags(windowFlags());
    if (topmost)
        raise();
}

void LauncherWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    const bool active = isActiveWindow();
    if (m_wasActive && !active && m_openQuestions == 0 && !QApplication::activeModalWidget()) {
        m_state.focusLost();
        follow();
    }
    m_wasActive = active;
}

void LauncherWindow::closeEvent(QCloseEvent *event)
{
    // The docked window is the program's only door: closing it is the EXIT entry.
    if (!m_state.docked()) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    emit entryClicked(int(LauncherEntry::Exit));
}

bool LauncherWindow::focusNextPrevChild(bool next)
{
    bool selectable[LauncherState::kEntryCount];
    for (int i = 0; i < LauncherState::kEntryCount; ++i)
        selectable[i] = m_entries[i]->isAvailable();
    m_state.stepHighlight(next ? 1 : -1, selectable);
    follow();
    return true;
}

void LauncherWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextPrevChild(true);
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusNextPrevChild(false);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_state.litEntry() >= 0)
            emit entryClicked(m_state.litEntry());
        break;
    case Qt::Key_Escape:
        if (m_state.docked()) {
            showMinimized();
        } else {
            m_state.escape();
            follow();
        }
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void LauncherWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, ShellArt::kPanel.lighter(112));
    fill.setColorAt(1, ShellArt::kPanel);
    painter.fillRect(rect(), fill);
    painter.setPen(ShellArt::kPanelBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

LauncherWindow::QuestionGuard::QuestionGuard(LauncherWindow *launcher) : m_launcher(launcher)
{
    if (m_launcher)
        ++m_launcher->m_openQuestions;
}

LauncherWindow::QuestionGuard::~QuestionGuard()
{
    if (m_launcher)
        --m_launcher->m_openQuestions;
}
