#include "nameassign/NameAssignerWindow.h"
#include "platform/AppInfo.h"
#include "platform/AppPaths.h"
#include "platform/QtPrompter.h"
#include "platform/QtTray.h"
#include "platform/SingleInstance.h"
#include "shell/Autostart.h"
#include "shell/LauncherState.h"
#include "shell/Shell.h"
#include "shell/ShellArt.h"
#include "shell/ShellTexts.h"
#include "shell/ToolWindows.h"
#include "speeddial/SpeedDialAssignerWindow.h"
#include "store/ScriptStore.h"
#include "version6/window/Version6Window.h"

#include <QApplication>

#include <cstdio>
#include <optional>

namespace {
// halvoran --autostart on|off (or --autostart=on): switches the login start and
// ends, without a desktop. nullopt when the option is not given.
std::optional<int> SwitchAutostart(int argc, char *argv[])
{
    QByteArray value;
    bool given = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--autostart") {
            given = true;
            value = i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray();
        } else if (arg.startsWith("--autostart=")) {
            given = true;
            value = arg.mid(12);
        }
    }
    if (!given)
        return std::nullopt;
    QCoreApplication app(argc, argv);
    if (value != "on" && value != "off") {
        std::fprintf(stderr, "%s\n", qPrintable(ShellTexts::kAutostartUsage.arg(QString::fromLocal8Bit(value))));
        return 2;
    }
    const bool on = value == "on";
    const Outcome changed = Autostart::setEnabled(on, QCoreApplication::applicationFilePath());
    if (!changed) {
        std::fprintf(stderr, "%s\n", qPrintable(ShellTexts::kAutostartFailed.arg(changed.reason())));
        return 1;
    }
    std::printf("%s\n",
                qPrintable(on ? ShellTexts::kAutostartOn.arg(Autostart::entryPath()) : ShellTexts::kAutostartOff));
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> code = SwitchAutostart(argc, argv))
        return *code;
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::fullVersion());
    QApplication::setWindowIcon(ShellArt::appIcon());
    // The program lives in the notification area; closing its windows does not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // One program per store: a second start shows the first one's launcher and ends.
    SingleInstance instance(AppPaths::appPath());
    switch (instance.claim()) {
    case SingleInstance::Role::HandedOver:
        return 0;
    case SingleInstance::Role::Unreachable:
        std::fprintf(stderr, "%s\n", qPrintable(ShellTexts::kAlreadyRunning));
        return 1;
    case SingleInstance::Role::First:
        break;
    }
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
    QObject::connect(&instance, &SingleInstance::showRequested, &shell, &Shell::secondStart);
    shell.start();
    return app.exec();
}
