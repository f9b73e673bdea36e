#include "shell/Autostart.h"

#include "files/AtomicFile.h"
#include "platform/PlatformTexts.h"
#include "shell/ShellTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Autostart {

QString entryPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/org.halvoran.Halvoran.desktop"));
}

bool enabled()
{
    return QFileInfo::exists(entryPath());
}

QByteArray entry(const QString &program)
{
    // The desktop entry's Exec quoting: a path with blanks or quotes stays one argument.
    QString exec = program;
    exec.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=%2\n"
                          "Exec=\"%3\"\n"
                          "Icon=org.halvoran.Halvoran\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(PlatformTexts::kProgramTitle, ShellTexts::kAutostartComment, exec)
        .toUtf8();
}

Outcome setEnabled(bool on, const QString &program)
{
    const QString path = entryPath();
    if (!on) {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            return Outcome::failure(QStringLiteral("Cannot remove %1.").arg(path));
        return Outcome::success();
    }
    if (!QDir().mkpath(QFileInfo(path).path()))
        return Outcome::failure(QStringLiteral("Cannot create the folder %1.").arg(QFileInfo(path).path()));
    return WriteFileAtomically(path, entry(program));
}

} // namespace Autostart
