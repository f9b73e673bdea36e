#include "nameassign/NameAssignerWindow.h"
#include "platform/AppInfo.h"
#include "platform/QtPrompter.h"
#include "platform/QtTray.h"
#include "shell/LauncherState.h"
#include "shell/Shell.h"
#include "shell/ShellArt.h"
#include "shell/ToolWindows.h"
#include "speeddial/SpeedDialAssignerWindow.h"
#include "store/ScriptStore.h"
#include "version6/window/Version6Window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::fullVersion());
    QApplication::setWindowIcon(ShellArt::appIcon());
    // The program lives in the notification area; closing its windows does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    ScriptStore::standard().removeStaleTemporaries();
    ScriptStore::standard().ensureExists();

    QtPrompter prompter;
    QtTray tray(ShellArt::appIcon());
    // The tools register their windows here; an entry without one stays disabled.
    ToolWindows tools;
    tools.setFactory(int(LauncherEntry::NameAssigner), [] { return new NameAssignerWindow; });
    tools.setFactory(int(LauncherEntry::SpeedDialer), [] { return new SpeedDialAssignerWindow; });
    tools.setFactory(int(LauncherEntry::VersionSix), [] { return new Version6Window; });
    Shell shell(tray, prompter, tools, [] { QCoreApplication::exit(0); });
    shell.start();
    return app.exec();
}
