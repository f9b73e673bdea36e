#pragma once

#include <QString>
#include <QStringList>

// The Speed Dial Assigner's tables and the pair of output rows of one entry.
// Input: name, access code, number and an unnamed column that builds nothing.
// Output: COMMAND, MEM LOCATE, NAME / ACCESS & NO., BLANK, TEXT and an unnamed
// sixth column. Entry k (input row k) owns output rows 2k - 1, its "720" row with
// the access code and number, and 2k, its "721" row with the name in hex and the
// name itself; both carry the entry's memory location.
namespace DialPairs {
inline const QString kInputFormat =
    QStringLiteral("Name                               | Aceess Code | Number                        |");
inline const QString kOutputFormat =
    QStringLiteral("COMMAND   | MEM LOCATE  |  NAME / ACCESS & NO.      | BLANK |  TEXT"
                   "                                                |");

inline const QString kNumberCommand = QStringLiteral("720");
inline const QString kNameCommand = QStringLiteral("721");
// The switch shows 16 characters of a name.
constexpr int kNameLength = 16;
// With the option ticked, imported numbers longer than this get a leading "0"
// (outside lines are dialled with a "0" in front).
constexpr int kLeadingZeroAbove = 5;

enum InputColumn { Name = 0, AccessCode = 1, Number = 2, Unnamed = 3 };
enum OutputColumn { Command = 0, Location = 1, Dialled = 2, Blank = 3, Text = 4 };

inline int NumberRowOf(int entry)
{
    return 2 * entry - 1;
}
inline int NameRowOf(int entry)
{
    return 2 * entry;
}

// The first 16 characters of a name.
QString ShownName(const QString &name);
// "access,number", or the number alone when there is no access code.
QString AccessNumber(const QString &accessCode, const QString &number);
// The number of an imported entry under the leading-zero option.
QString WithLeadingZero(const QString &number);

// The "720" and "721" rows of an entry at a location.
QStringList NumberRow(const QString &location, const QString &accessCode, const QString &number);
QStringList NameRow(const QString &location, const QString &name);
} // namespace DialPairs
