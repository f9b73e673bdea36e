#include "speeddial/MemoryLocation.h"

#include "grid/TextValue.h"

namespace MemoryLocation {

namespace {
int DigitValue(const QString &character)
{
    if (character.size() != 1 || character[0] < QLatin1Char('0') || character[0] > QLatin1Char('9'))
        return 0;
    return character[0].unicode() - u'0';
}
} // namespace

std::optional<QString> Next(const QString &location)
{
    QString first = location.mid(0, 1);
    QString second = location.mid(1, 1);
    QString third = location.mid(2, 1);
    const int units = DigitValue(third) + 1;
    if (units <= 9) {
        third = QString::number(units);
    } else {
        third = QStringLiteral("0");
        const int tens = DigitValue(second) + 1;
        if (tens <= 9) {
            second = QString::number(tens);
        } else {
            second = QStringLiteral("0");
            const int hundreds = DigitValue(first) + 1;
            if (hundreds > 2)
                return std::nullopt;
            first = QString::number(hundreds);
        }
    }
    return first + second + third;
}

bool BeyondLast(const QString &text)
{
    return TextValue(text) > kLast;
}

} // namespace MemoryLocation
