#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppPaths {

static QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString appPath()
{
    const QString home = qEnvironmentVariable("HALVORAN_HOME");
    if (!home.isEmpty())
        return withoutTrailingSlash(QDir(home).absolutePath());

    // An installed program (in a bin folder: /usr/bin, ~/.local/bin) keeps its files
    // with the user's data, even where it could write beside itself (as root can).
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        if (QFileInfo(exeDir).isWritable() && QFileInfo(exeDir).fileName() != QLatin1String("bin"))
            return withoutTrailingSlash(exeDir);
    }

    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    const QString path = withoutTrailingSlash(data) + QStringLiteral("/halvoran");
    QDir().mkpath(path);
    return path;
}

QString join(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString storePath()
{
    return join(appPath(), QStringLiteral("HVN-Data/HVNdataX"));
}
QString tabNamesPath()
{
    return join(appPath(), QStringLiteral("TabNames.dta"));
}
QString scriptsPath()
{
    return join(appPath(), QStringLiteral("Scripts"));
}

} // namespace AppPaths
