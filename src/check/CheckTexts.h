#pragma once

#include "check/CheckFinding.h"

#include <QList>
#include <QString>
#include <QStringList>

// The texts of the checks that every tool shares: the results list, the status
// line after a compile, and what the checks of the two assigner lists say.
namespace CheckTexts {

// ---- The results list ----
inline const QString kCheckCaption = QStringLiteral("CHECK");
inline const QString kCheckTip = QStringLiteral("Looks for what will go wrong at the switch; changes nothing");
inline const QString kWindowTitle = QStringLiteral("Check");
inline const QString kCheckAgainCaption = QStringLiteral("Check again");
inline const QString kCloseCaption = QStringLiteral("Close");
inline const QStringList kColumnCaptions{QStringLiteral("Severity"), QStringLiteral("Row"), QStringLiteral("Column"),
                                         QStringLiteral("Message")};
inline const QString kNothingFound = QStringLiteral("Nothing found: no errors and no warnings.");

inline QString SeverityWord(CheckFinding::Severity severity)
{
    switch (severity) {
    case CheckFinding::Severity::Error:
        return QStringLiteral("error");
    case CheckFinding::Severity::Warning:
        return QStringLiteral("warning");
    case CheckFinding::Severity::Information:
        break;
    }
    return QStringLiteral("information");
}

inline QString Counted(int n, const QString &one, const QString &many)
{
    return QString::number(n) + QLatin1Char(' ') + (n == 1 ? one : many);
}

// Under the results list: "2 errors, 5 warnings, 1 information".
inline QString Summary(int errors, int warnings, int information)
{
    return Counted(errors, QStringLiteral("error"), QStringLiteral("errors")) + QStringLiteral(", ")
        + Counted(warnings, QStringLiteral("warning"), QStringLiteral("warnings")) + QStringLiteral(", ")
        + QString::number(information) + QStringLiteral(" information");
}

// The first status panel after a compile whose site has errors.
inline QString SiteErrorsStatus(int errors)
{
    return Counted(errors, QStringLiteral("site error"), QStringLiteral("site errors"))
        + QStringLiteral(" - press CHECK");
}

// "row 12, EXT"; a finding about a whole grid names no row.
inline QString RowPlace(int row, const QString &column)
{
    QStringList parts;
    if (row > 0)
        parts.append(QStringLiteral("row ") + QString::number(row));
    if (!column.isEmpty())
        parts.append(column);
    return parts.join(QStringLiteral(", "));
}

// Rows that share something: "3 and 12", "3, 12 and 40", and from six rows on
// the first five and how many more.
inline QString RowList(const QList<int> &rows, int total = -1)
{
    constexpr int kShown = 5;
    if (total < 0)
        total = int(rows.size());
    QStringList shown;
    for (int i = 0; i < rows.size() && i < kShown; ++i)
        shown.append(QString::number(rows[i]));
    if (total > kShown)
        return shown.join(QStringLiteral(", ")) + QStringLiteral(" and ") + QString::number(total - kShown)
            + QStringLiteral(" more");
    if (shown.size() < 2)
        return shown.join(QString());
    const QString last = shown.takeLast();
    return shown.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

inline QString UsedByRows(const QString &what, const QList<int> &rows, int total)
{
    return what + QStringLiteral(" is used by rows ") + RowList(rows, total);
}

// ---- The Name Assigner's list ----
inline QString DuplicateExtension(const QString &extension, const QList<int> &rows, int total)
{
    return UsedByRows(QStringLiteral("extension ") + extension, rows, total);
}
inline QString NameWithoutExtension(const QString &name)
{
    return QStringLiteral("the name \"%1\" has no extension: its \"770\" line names no handset").arg(name);
}
// %1 the name, %2 its length, %3 what the handset shows.
inline QString NameCut(const QString &name, int length, const QString &shown)
{
    return QStringLiteral("the name \"%1\" has %2 characters: only \"%3\" is sent").arg(name).arg(length).arg(shown);
}
inline QString NotInCodePage(const QString &text, const QString &characters)
{
    return QStringLiteral("\"%1\" holds %2, which windows-1252 cannot hold: it becomes \"?\"").arg(text, characters);
}

// ---- The Speed Dial Assigner's list ----
// %1 the start location, %2 how many locations it leaves, %3 how many entries
// get none.
inline QString NoLocationLeft(const QString &start, int locations, int without)
{
    return QStringLiteral("no memory location is left for this entry: from %1 there are %2 locations, and %3 "
                          "left without one")
        .arg(start)
        .arg(locations)
        .arg(without == 1 ? QStringLiteral("this entry is")
                          : QString::number(without) + QStringLiteral(" entries are"));
}
// %1 what ("number", "access code"), %2 the text, %3 the characters.
inline QString NotDialable(const QString &what, const QString &text, const QString &characters)
{
    return QStringLiteral("the %1 \"%2\" holds %3: only digits, \"*\", \"#\" and \",\" can be dialled")
        .arg(what, text, characters);
}
inline const QString kNumberWord = QStringLiteral("number");
inline const QString kAccessCodeWord = QStringLiteral("access code");

} // namespace CheckTexts
