#include "version6/entry/HandsetColumns.h"

#include "grid/TextValue.h"
#include "platform/Prompter.h"
#include "version6/entry/EntryTexts.h"

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

const QString kBreak = QStringLiteral("\r\n");

CellCheck passed(const QString &typed)
{
    return {typed, QString(), QString()};
}

CellCheck replaced(const QString &text, const QString &message, const QString &title = EntryTexts::kInputErrorTitle)
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
        return replaced(QStringLiteral("00"), what + kBreak + EntryTexts::kTwoDigitsText);
    return passed(typed);
}

CellCheck checkSpeedDials(const QString &typed)
{
    if (typed.isEmpty())
        return passed(typed);
    const double value = TextValue(typed);
    const QString &invalid = EntryTexts::kInvalidSpeedDialsText;
    const QString &validRange = EntryTexts::kSpeedDialsRangeText;
    if (value > 100)
        return replaced(QStringLiteral("100"), invalid + kBreak + validRange, EntryTexts::kSpeedDialErrorTitle);
    if (value >= 10) {
        for (int multiple = 10; multiple <= 100; multiple += 10)
            if (multiple - 10 < value && value < multiple)
                return replaced(QString::number(multiple), EntryTexts::kSpeedDialsStepText,
                                EntryTexts::kSpeedDialErrorTitle);
        return passed(typed);
    }
    return replaced(QStringLiteral("10"), invalid + validRange, EntryTexts::kSpeedDialErrorTitle);
}

} // namespace

CellCheck CheckRange(int column, const QString &typed)
{
    using namespace HandsetColumns;
    switch (column) {
    case Ext:
        if (typed.size() > 5)
            return replaced(typed.left(5),
                            EntryTexts::kInvalidExtensionText + kBreak + EntryTexts::kExtensionLengthText);
        return passed(typed);
    case SpeedDials:
        return checkSpeedDials(typed);
    case Drd:
    case Drn: {
        const double value = TextValue(typed);
        if (!typed.isEmpty() && (value < 1 || value > 8))
            return replaced(QStringLiteral("1"),
                            EntryTexts::kInvalidRestrictionText + kBreak + EntryTexts::kRestrictionRangeText);
        return passed(typed);
    }
    case ClassDay:
    case ClassNight:
        return checkTwoDigits(typed, 15, EntryTexts::kInvalidClassText, EntryTexts::kClassRangeText);
    case PickupVip: {
        const double value = TextValue(typed);
        if (!typed.isEmpty() && (value < 1 || value > 99))
            return replaced(QStringLiteral("00"),
                            EntryTexts::kInvalidPickupText + kBreak + EntryTexts::kPickupRangeText);
        return passed(typed);
    }
    case Loc:
        return checkTwoDigits(typed, 31, EntryTexts::kInvalidLocationText, EntryTexts::kLocationRangeText);
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
