#include "shell/Shell.h"

#include "platform/AppInfo.h"
#include "platform/AppPaths.h"
#include "platform/PlatformTexts.h"
#include "platform/Prompter.h"
#include "platform/Tray.h"
#include "shell/AboutWindow.h"
#include "shell/LauncherWindow.h"
#include "shell/ShellTexts.h"
#include "shell/SplashWindow.h"
#include "shell/ToolWindows.h"

#include <QDir>
#include <QGuiApplication>
#include <QSessionManager>

namespace {
constexpr int kTrayWatchMs = 2000;
}

Shell::Shell(Tray &tray, Prompter &prompter, ToolWindows &tools, std::function<void()> endProgram, QObject *parent)
    : QObject(parent),
      m_tray(tray),
      m_prompter(prompter),
      m_tools(tools),
      m_endProgram(std::move(endProgram))
{
    setObjectName(QStringLiteral("Form1"));
    m_trayWatch.setInterval(kTrayWatchMs);
    connect(&m_trayWatch, &QTimer::timeout, this, &Shell::watchForTray);
    m_tray.setContactHandler([this] { trayContact(); });
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, &Shell::commitData, Qt::DirectConnection);
        // The icon goes with the program, however it ends.
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { m_tray.remove(); });
    }
}

Shell::~Shell()
{
    m_tray.setContactHandler(nullptr);
    delete m_about.data();
    delete m_splash.data();
}

SplashWindow *Shell::splash() const
{
    return m_splash.data();
}

AboutWindow *Shell::about() const
{
    return m_about.data();
}

void Shell::start()
{
    m_splash = new SplashWindow;
    connect(m_splash, &SplashWindow::timeUp, this, [this] {
        loadTrayWindow();
        if (m_splash)
            m_splash->close();
    });
    m_splash->show();
}

void Shell::loadTrayWindow()
{
    if (m_tray.available()) {
        m_tray.add(AppInfo::title());
    } else {
        // Without a notification area the launcher is the program's only door: an
        // ordinary window now, until a notification area appears.
        m_state.setDocked(true);
        showLauncher();
        m_trayWatch.start();
    }
    QDir().mkpath(AppPaths::scriptsPath()); // usually there already; a failure is of no consequence here
    m_trayWindowLoaded = true;
    if (m_launcherWanted && !m_state.docked())
        showLauncher();
    m_launcherWanted = false;
}

void Shell::watchForTray()
{
    if (!m_tray.available())
        return;
    m_trayWatch.stop();
    m_tray.add(AppInfo::title());
    if (m_launcher)
        m_launcher->setDocked(false);
    else
        m_state.setDocked(false);
}

void Shell::secondStart()
{
    if (!m_trayWindowLoaded) {
        m_launcherWanted = true;
        return;
    }
    showLauncher();
    if (m_launcher)
        m_launcher->bringForward();
}

void Shell::trayContact()
{
    showLauncher();
}

void Shell::showLauncher()
{
    if (!m_launcher) {
        m_launcher = std::make_unique<LauncherWindow>(m_state);
        connect(m_launcher.get(), &LauncherWindow::entryClicked, this, &Shell::chooseEntry);
    }
    if (!m_state.loaded()) {
        for (int entry = 0; entry < ToolWindows::kCount; ++entry)
            m_launcher->setEntryAvailable(entry, m_tools.has(entry));
    }
    m_launcher->touch();
}

void Shell::chooseEntry(int entry)
{
    switch (LauncherEntry(entry)) {
    case LauncherEntry::NameAssigner:
    case LauncherEntry::SpeedDialer:
    case LauncherEntry::VersionSix:
        if (!m_tools.open(entry))
            return;
        break;
    case LauncherEntry::About:
        showAbout();
        break;
    case LauncherEntry::Exit:
        askToQuit();
        return;
    default:
        return;
    }
    // The launcher slides away once a window is open.
    if (m_launcher)
        m_launcher->entryOpened();
}

void Shell::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow;
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Shell::askToQuit()
{
    bool quit = false;
    {
        LauncherWindow::QuestionGuard guard(m_launcher.get());
        quit = m_prompter.askYesNo(ShellTexts::quitQuestion(), PlatformTexts::kCheckUserAction);
    }
    if (!quit)
        return;
    // Nothing is thrown away unasked: each open tool asks about its own changes,
    // as its close does. One that stays open (Yes keeps the Version 6.0 window to
    // show its export) keeps the program.
    if (!m_tools.closeAll())
        return;
    m_tray.remove();
    m_endProgram();
}

bool Shell::confirmSessionEnd()
{
    return m_prompter.askYesNo(ShellTexts::kSessionEndQuestion, PlatformTexts::kCheckUserAction);
}

void Shell::commitData(QSessionManager &manager)
{
    // The icon is removed when the session manager actually ends the program, so a
    // logout that something else cancels does not leave the program without it.
    if (!manager.allowsInteraction())
        return;
    const bool letGo = confirmSessionEnd();
    manager.release();
    if (!letGo)
        manager.cancel();
}
