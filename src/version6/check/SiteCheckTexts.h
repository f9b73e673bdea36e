#pragma once

#include "check/CheckTexts.h"

#include <QList>
#include <QString>

// What the check of a Version 6.0 site says about its handsets and templates.
namespace SiteCheckTexts {

inline QString DuplicateExt(const QString &ext, const QList<int> &rows, int total)
{
    return CheckTexts::UsedByRows(QStringLiteral("extension ") + ext, rows, total);
}
inline QString DuplicateLen(const QString &len, const QList<int> &rows, int total)
{
    return CheckTexts::UsedByRows(QStringLiteral("LEN ") + len, rows, total);
}
inline QString BadLen(const QString &len)
{
    return QStringLiteral("LEN \"%1\" is not an FP 00 to 31 followed by a circuit 000 to 127").arg(len);
}

// %1 the type, the handsets that have it; closest a caption that differs only
// in case or blanks, or empty.
inline QString UnknownType(const QString &type, const QList<int> &rows, int total, const QString &closest)
{
    QString text = total == 1
        ? QStringLiteral("handset type \"%1\" matches no template tab: this handset gets no template lines").arg(type)
        : QStringLiteral("handset type \"%1\" matches no template tab: the %2 handsets of this type get no "
                         "template lines (rows %3)")
              .arg(type, QString::number(total), CheckTexts::RowList(rows, total));
    if (!closest.isEmpty())
        text += QStringLiteral("; the tab \"%1\" differs only in case or blanks").arg(closest);
    return text;
}

// The rows a grouped finding stands for, after its text.
inline QString OnRows(const QList<int> &rows, int total)
{
    if (total < 2)
        return QString();
    return QStringLiteral(" (%1 rows: %2)").arg(total).arg(CheckTexts::RowList(rows, total));
}

// %1 the column, %2 the value, %3 what checking the cell makes of it.
inline QString CellRule(const QString &column, const QString &value, const QString &checked, const QList<int> &rows,
                        int total)
{
    return QStringLiteral("%1 \"%2\" breaks the cell rule: checking the cell would make it \"%3\"")
               .arg(column, value, checked)
        + OnRows(rows, total);
}
inline QString NoPickupGroup(const QString &value, const QString &checked, const QList<int> &rows, int total)
{
    QString text =
        QStringLiteral("PICKUP VIP \"%1\" joins no pickup group (a group is a whole number 1 to 99)").arg(value);
    if (!checked.isEmpty())
        text += QStringLiteral("; checking the cell would make it \"%1\"").arg(checked);
    return text + OnRows(rows, total);
}
inline QString LonePickupMember(int group, const QString &ext)
{
    return QStringLiteral("pickup group %1 has one member, extension %2: its ring links the handset to itself")
        .arg(group)
        .arg(ext);
}

// ---- Personal speed dials, counted as the compile allocates them ----
// %1 the extension, %2 the last block it would need, %3 the block counted from.
inline QString BlocksPastCapacity(const QString &ext, qint64 lastBlock, const QString &start)
{
    return QStringLiteral("the speed dials of extension %1 need blocks up to %2, past the PABX's last block 999 "
                          "(counted from the Speed Dial Starting Block \"%3\")")
        .arg(ext)
        .arg(lastBlock)
        .arg(start);
}
inline QString HandsetsAfter(int handsets)
{
    return handsets == 1 ? QStringLiteral("1 handset") : QString::number(handsets) + QStringLiteral(" handsets");
}
// The first handset that asks for speed dials once the blocks have run out.
// refusedHere: the compile stops at this handset (it keeps its template lines);
// otherwise it stopped after stopRow and this handset gets no lines either.
inline QString NotAllocated(const QString &ext, const QString &start, int stopRow, const QString &stopExt,
                            bool refusedHere, int others)
{
    const QString head =
        QStringLiteral("extension %1 is the first handset that gets no speed-dial block: the blocks counted from the "
                       "Speed Dial Starting Block \"%2\" ")
            .arg(ext, start);
    if (refusedHere)
        return head + QStringLiteral("have run out, and the compile stops at this handset")
            + (others > 0 ? QStringLiteral("; the %1 after it get no template lines").arg(HandsetsAfter(others))
                          : QString());
    return head
        + QStringLiteral("run out at row %1 (extension %2), where the compile stops; this handset ")
              .arg(QString::number(stopRow), stopExt)
        + (others > 0 ? QStringLiteral("and %1 more get").arg(HandsetsAfter(others)) : QStringLiteral("gets"))
        + QStringLiteral(" no template lines");
}
// The compile stops after stopRow; no handset after it asks for speed dials.
inline QString StoppedBeforeHandset(const QString &ext, const QString &start, int stopRow, int lost)
{
    return QStringLiteral("the blocks counted from the Speed Dial Starting Block \"%1\" run out at row %2, where the "
                          "compile stops: extension %3 ")
               .arg(start, QString::number(stopRow), ext)
        + (lost > 1 ? QStringLiteral("and the %1 after it get").arg(HandsetsAfter(lost - 1)) : QStringLiteral("gets"))
        + QStringLiteral(" no template lines");
}
inline QString CapacityReachedExactly(const QString &start)
{
    return QStringLiteral("this handset takes the last speed-dial block counted from \"%1\": every handset is "
                          "compiled, but the compile shows the capacity message")
        .arg(start);
}

// ---- Templates ----
// How a finding names a template: "template 3 \"16D\"".
inline QString TemplatePlace(int tab, const QString &caption)
{
    return QStringLiteral("template %1 \"%2\"").arg(tab).arg(caption);
}
// The cells of a line that can never be complete: "Command", "First Data and Second Data".
inline QString NeverComplete(const QString &emptyCells, bool several)
{
    return QStringLiteral("this line is never written: its %1 %2 empty")
        .arg(emptyCells, several ? QStringLiteral("are") : QStringLiteral("is"));
}
inline QString NoPlaceholder(const QString &token)
{
    return QStringLiteral("\"%1\" looks like a placeholder but is none: it is written as it stands").arg(token);
}
inline QString RepeatedPlaceholder(const QString &token)
{
    return QStringLiteral("\"%1\" appears again in this cell: only its first appearance is replaced, this one is "
                          "written as it stands")
        .arg(token);
}
inline QString UnusedTemplate(const QString &caption)
{
    return QStringLiteral("no handset has the type \"%1\": the template is not used").arg(caption);
}
inline QString ShadowedTemplate(const QString &caption, int firstTab)
{
    return QStringLiteral("tab %1 has the same caption \"%2\" and comes first: this template is never used")
        .arg(firstTab)
        .arg(caption);
}

} // namespace SiteCheckTexts
