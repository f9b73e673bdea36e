#include "shell/ShellTexts.h"

#include "platform/AppInfo.h"

#include <QStringList>

#include <iterator>

namespace ShellTexts {

QString quitQuestion()
{
    return QStringList{QStringLiteral("You are about to QUIT H.V.N?"),
                       QStringLiteral("If you quit the menu icon will be removed from your taskbar!"),
                       QStringLiteral("Are you sure you want to continue?")}
        .join(kCrLf);
}

QString entryCaption(int entry)
{
    static const char *const captions[] = {"NAME ASSIGNER", "SPEED DIALER", "VERSION 8.1", "ABOUT", "EXIT"};
    if (entry < 0 || entry >= int(std::size(captions)))
        return QString();
    return QString::fromLatin1(captions[entry]);
}

QString splashLabel()
{
    return QStringLiteral("Version : ") + AppInfo::majorMinor() + kCrLf
        + QStringLiteral("Switch programming tools for telephone engineers");
}

QString buildSuffix()
{
    return AppInfo::majorMinor() + QStringLiteral(" (SP ") + QString::number(AppInfo::Revision) + QLatin1Char(')');
}

QString aboutNotice()
{
    return QStringLiteral("Check every generated script before it is loaded into a switch.");
}

} // namespace ShellTexts
