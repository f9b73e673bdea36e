#include "check/ListCheck.h"

#include "check/CheckTexts.h"
#include "check/RowGroups.h"
#include "files/Codec.h"
#include "grid/GridTable.h"
#include "nameassign/NameRows.h"
#include "speeddial/DialPairs.h"
#include "speeddial/MemoryLocation.h"

#include <QSet>

namespace ListCheck {

namespace {

CheckFinding finding(const GridTable &input, CheckFinding::Severity severity, int row, int column, const char *code,
                     const QString &message)
{
    CheckFinding f;
    f.severity = severity;
    f.row = row;
    f.column = column;
    f.columnName = input.textAt(0, column).trimmed();
    f.code = QString::fromLatin1(code);
    f.message = message;
    return f;
}

// A name as the handset shows it: cut to 16 characters, each becoming "?" when
// windows-1252 cannot hold it.
void checkName(CheckReport &report, const GridTable &input, int row, int column)
{
    const QString name = input.textAt(row, column);
    if (name.size() > NameRows::kNameLength)
        report.add(finding(input, CheckFinding::Severity::Warning, row, column, "name-cut",
                           CheckTexts::NameCut(name, int(name.size()), name.left(NameRows::kNameLength))));
    const QString outside = CharactersOutsideCodePage(name);
    if (!outside.isEmpty())
        report.add(finding(input, CheckFinding::Severity::Warning, row, column, "not-windows-1252",
                           CheckTexts::NotInCodePage(name, outside)));
}

int lastEntryRow(const GridTable &input)
{
    int last = input.rows() - 1;
    while (last >= 1 && input.isRowEmpty(last))
        --last;
    return last;
}

QString undialable(const QString &text)
{
    QString found;
    QSet<QChar> seen;
    for (const QChar ch : text) {
        const bool dialable = (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('*')
            || ch == QLatin1Char('#') || ch == QLatin1Char(',');
        if (!dialable && !seen.contains(ch)) {
            seen.insert(ch);
            found += (found.isEmpty() ? QString() : QStringLiteral(", ")) + QLatin1Char('"') + ch + QLatin1Char('"');
        }
    }
    return found;
}

} // namespace

QString CharactersOutsideCodePage(const QString &text)
{
    QString found;
    QSet<uint> seen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character beyond the basic plane is two halves; both become "?".
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString character = pair ? text.mid(i, 2) : text.mid(i, 1);
        const bool fits = !pair && (text[i] == QLatin1Char('?') || Codec::ansiCode(text[i]) != '?');
        if (pair)
            ++i;
        if (fits)
            continue;
        const uint code = character.toUcs4().value(0);
        if (seen.contains(code))
            continue;
        seen.insert(code);
        found += (found.isEmpty() ? QString() : QStringLiteral(", ")) + QLatin1Char('"') + character + QLatin1Char('"');
    }
    return found;
}

CheckReport CheckNames(const GridTable &input)
{
    CheckReport report;
    RowGroups extensions;
    for (int row = 1; row < input.rows(); ++row) {
        const QString extension = input.textAt(row, 0);
        const QString name = input.textAt(row, 1);
        extensions.add(extension, row);
        if (extension.isEmpty() && !name.isEmpty())
            report.add(finding(input, CheckFinding::Severity::Error, row, 0, "name-without-extension",
                               CheckTexts::NameWithoutExtension(name)));
        checkName(report, input, row, 1);
    }
    for (const RowGroups::Group &used : extensions.groups())
        if (used.total > 1)
            report.add(finding(input, CheckFinding::Severity::Error, used.row(1), 0, "duplicate-extension",
                               CheckTexts::DuplicateExtension(used.value, used.rows(), used.total)));
    report.sort();
    return report;
}

int LocationsFrom(const QString &start)
{
    // As the location box advances: a location past 299 is set back to 299,
    // which is then the last.
    QString location = MemoryLocation::BeyondLast(start) ? MemoryLocation::kLastText : start;
    int locations = 1;
    for (std::optional<QString> next = MemoryLocation::Next(location); next; next = MemoryLocation::Next(location)) {
        location = MemoryLocation::BeyondLast(*next) ? MemoryLocation::kLastText : *next;
        ++locations;
    }
    return locations;
}

CheckReport CheckSpeedDials(const GridTable &input, const QString &start)
{
    CheckReport report;
    // Every row up to the last entry takes a location, an empty one too.
    const int last = lastEntryRow(input);
    const int locations = LocationsFrom(start);
    if (last > locations)
        report.add(finding(input, CheckFinding::Severity::Error, locations + 1, DialPairs::Name, "no-location-left",
                           CheckTexts::NoLocationLeft(start, locations, last - locations)));
    for (int row = 1; row <= last; ++row) {
        checkName(report, input, row, DialPairs::Name);
        const QString accessCode = input.textAt(row, DialPairs::AccessCode);
        const QString badAccess = undialable(accessCode);
        if (!badAccess.isEmpty())
            report.add(finding(input, CheckFinding::Severity::Error, row, DialPairs::AccessCode, "not-dialable",
                               CheckTexts::NotDialable(CheckTexts::kAccessCodeWord, accessCode, badAccess)));
        const QString number = input.textAt(row, DialPairs::Number);
        const QString badNumber = undialable(number);
        if (!badNumber.isEmpty())
            report.add(finding(input, CheckFinding::Severity::Error, row, DialPairs::Number, "not-dialable",
                               CheckTexts::NotDialable(CheckTexts::kNumberWord, number, badNumber)));
    }
    report.sort();
    return report;
}

} // namespace ListCheck
