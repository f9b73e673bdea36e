#pragma once

#include "shell/LauncherState.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class AboutWindow;
class LauncherWindow;
class Prompter;
class QSessionManager;
class SplashWindow;
class ToolWindows;
class Tray;

// The resident program (the hidden tray window, Form1): shows the splash, puts the
// icon into the notification area, and answers the icon and the launcher's
// entries. It owns the launcher's state for the whole run.
class Shell : public QObject {
    Q_OBJECT
public:
    // `endProgram` ends the program at once (the event loop's exit in the program).
    Shell(Tray &tray, Prompter &prompter, ToolWindows &tools, std::function<void()> endProgram,
          QObject *parent = nullptr);
    ~Shell() override;

    // Shows the splash; when its time is up the tray window loads.
    void start();
    // Adds the tray icon, or docks the launcher where there is no notification area,
    // and creates the Scripts folder.
    void loadTrayWindow();
    // Any contact with the tray icon.
    void trayContact();
    // The program was started again: its launcher shows (once the tray window is
    // loaded, when the splash is still up).
    void secondStart();
    // A click on a launcher entry.
    void chooseEntry(int entry);
    // The desktop session is ending: whether the user lets the program go.
    bool confirmSessionEnd();
    void commitData(QSessionManager &manager);

    LauncherState &launcherState() { return m_state; }
    bool docked() const { return m_state.docked(); }
    SplashWindow *splash() const;
    LauncherWindow *launcher() const { return m_launcher.get(); }
    AboutWindow *about() const;

private:
    void showLauncher();
    void showAbout();
    void askToQuit();
    void watchForTray();

    Tray &m_tray;
    Prompter &m_prompter;
    ToolWindows &m_tools;
    std::function<void()> m_endProgram;
    LauncherState m_state;
    QPointer<SplashWindow> m_splash;
    std::unique_ptr<LauncherWindow> m_launcher;
    QPointer<AboutWindow> m_about;
    QTimer m_trayWatch; // while docked: whether a notification area has appeared
    bool m_trayWindowLoaded = false;
    bool m_launcherWanted = false;
};
