#include "version6/entry/HandsetColumns.h"

#include "grid/TextValue.h"
#include "platform/Prompter.h"

namespace HandsetColumns {

QStringList NewRow(const QString &len, const QString &ext, const QString &handsetType)
{
    return {len,
            ext,
            handsetType,
            QStringLiteral("20"),
            QStringLiteral("1"),
            QStringLiteral("1"),
            QStringLiteral("15"),
            QStringLiteral("15"),
            QString(),
            QStringLiteral("00")};
}

} // namespace HandsetColumns

namespace {

const QString kInputError = QStringLiteral("User Input Error");
const QString kSpeedDialError = QStringLiteral("User input Error"); // this column's own spelling
const QString kBreak = QStringLiteral("\r\n");

CellCheck passed(const QString &typed)
{
    return {typed, QString(), QString()};
}

CellCheck replaced(const QString &text, const QString &message, const QString &title = kInputError)
{
    return {text, message, title};
}

// Classes and locations: two characters at least, value 0 to maximum.
CellCheck checkTwoDigits(const QString &typed, double maximum, const QString &what, const QString &range)
{
    const double value = TextValue(typed);
    if (typed.size() >= 2 && (value < 0 || value > maximum))
        return replaced(QStringLiteral("00"), what + kBreak + range);
    if (typed.size() < 2)
        return replaced(QStringLiteral("00"), what + kBreak + QStringLiteral("Number must be of 2 digits i.e. 00"));
    return passed(typed);
}

CellCheck checkSpeedDials(const QString &typed)
{
    if (typed.isEmpty())
        return passed(typed);
    const double value = TextValue(typed);
    const QString invalid = QStringLiteral("Invalid Speed Dial Number!!!");
    const QString validRange = QStringLiteral("Valid Number range is 10 to 100 with increments of 10");
    if (value > 100)
        return replaced(QStringLiteral("100"), invalid + kBreak + validRange, kSpeedDialError);
    if (value >= 10) {
        for (int multiple = 10; multiple <= 100; multiple += 10)
            if (multiple - 10 < value && value < multiple)
                return replaced(QString::number(multiple), QStringLiteral("Number can only be in increments of 10!!!"),
                                kSpeedDialError);
        return passed(typed);
    }
    return replaced(QStringLiteral("10"), invalid + validRange, kSpeedDialError);
}

} // namespace

CellCheck CheckRange(int column, const QString &typed)
{
    using namespace HandsetColumns;
    switch (column) {
    case Ext:
        if (typed.size() > 5)
            return replaced(typed.left(5), QStringLiteral("INVALID EXTENSION NUMBER!!!") + kBreak +
                                               QStringLiteral("Number can be no more than 5 Digits"));
        return passed(typed);
    case SpeedDials:
        return checkSpeedDials(typed);
    case Drd:
    case Drn: {
        const double value = TextValue(typed);
        if (!typed.isEmpty() && (value < 1 || value > 8))
            return replaced(QStringLiteral("1"), QStringLiteral("Invalid Dialing Restriction Number!!!") + kBreak +
                                                     QStringLiteral("Valid Number range is 1-8 or Nothing"));
        return passed(typed);
    }
    case ClassDay:
    case ClassNight:
        return checkTwoDigits(typed, 15, QStringLiteral("INVALID CLASS NUMBER!!!"),
                              QStringLiteral("Number range is 00 to 15"));
    case PickupVip: {
        const double value = TextValue(typed);
        if (!typed.isEmpty() && (value < 1 || value > 99))
            return replaced(QStringLiteral("00"), QStringLiteral("INVALID PICKUP GROUP NUMBER!!!") + kBreak +
                                                      QStringLiteral("Number range is 1 to 99 or Nothing"));
        return passed(typed);
    }
    case Loc:
        return checkTwoDigits(typed, 31, QStringLiteral("INVALID LOCATION NUMBER!!!"),
                              QStringLiteral("Number range is 00 to 31"));
    default:
        return passed(typed);
    }
}

QString CheckRange(Prompter &prompter, int column, const QString &typed)
{
    const CellCheck check = CheckRange(column, typed);
    if (!check.message.isEmpty())
        prompter.message(check.message, check.title, Prompter::Icon::Information);
    return check.text;
}
