#pragma once

#include "platform/PlatformTexts.h"

#include <QString>

// The program's version, 8.1.8: major.minor and the service-pack revision.
namespace AppInfo {
constexpr int Major = HALVORAN_VERSION_MAJOR;
constexpr int Minor = HALVORAN_VERSION_MINOR;
constexpr int Revision = HALVORAN_VERSION_PATCH;

inline QString majorMinor()
{
    return QString::number(Major) + QLatin1Char('.') + QString::number(Minor);
}
inline QString fullVersion()
{
    return majorMinor() + QLatin1Char('.') + QString::number(Revision);
}
inline QString title()
{
    return PlatformTexts::kProgramTitle;
}
} // namespace AppInfo
