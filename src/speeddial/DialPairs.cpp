#include "speeddial/DialPairs.h"

#include "assigner/NameHex.h"

namespace DialPairs {

QString ShownName(const QString &name)
{
    return name.left(kNameLength);
}

QString AccessNumber(const QString &accessCode, const QString &number)
{
    return accessCode.isEmpty() ? number : accessCode + QLatin1Char(',') + number;
}

QString WithLeadingZero(const QString &number)
{
    return number.size() > kLeadingZeroAbove ? QLatin1Char('0') + number : number;
}

QStringList NumberRow(const QString &location, const QString &accessCode, const QString &number)
{
    return {kNumberCommand, location, AccessNumber(accessCode, number), QString(), QString()};
}

QStringList NameRow(const QString &location, const QString &name)
{
    const QString shown = ShownName(name);
    return {kNameCommand, location, NameToHex(shown), QString(), shown};
}

} // namespace DialPairs
