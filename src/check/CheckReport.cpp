#include "check/CheckReport.h"

#include "check/CheckTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <tuple>

void CheckReport::sort()
{
    std::stable_sort(m_findings.begin(), m_findings.end(), [](const CheckFinding &a, const CheckFinding &b) {
        return std::make_tuple(a.grid, a.row, a.column, int(a.severity))
            < std::make_tuple(b.grid, b.row, b.column, int(b.severity));
    });
}

int CheckReport::count(CheckFinding::Severity severity) const
{
    return int(std::count_if(m_findings.cbegin(), m_findings.cend(),
                             [severity](const CheckFinding &finding) { return finding.severity == severity; }));
}

QString CheckReport::textLine(const CheckFinding &finding)
{
    QStringList place;
    if (!finding.place.isEmpty())
        place.append(finding.place);
    const QString cell = CheckTexts::RowPlace(finding.row, finding.columnName);
    if (!cell.isEmpty())
        place.append(cell);
    return place.join(QStringLiteral(", ")) + QStringLiteral(": ") + CheckTexts::SeverityWord(finding.severity)
        + QStringLiteral(": ") + finding.message;
}

QStringList CheckReport::textLines() const
{
    QStringList lines;
    lines.reserve(m_findings.size());
    for (const CheckFinding &finding : m_findings)
        lines.append(textLine(finding));
    return lines;
}

QByteArray CheckReport::json() const
{
    QJsonArray array;
    for (const CheckFinding &finding : m_findings) {
        QJsonObject object{{QStringLiteral("severity"), CheckTexts::SeverityWord(finding.severity)},
                           {QStringLiteral("row"), finding.row},
                           {QStringLiteral("column"), finding.columnName},
                           {QStringLiteral("code"), finding.code},
                           {QStringLiteral("message"), finding.message}};
        if (finding.grid >= CheckFinding::kTemplateGrid)
            object.insert(QStringLiteral("template"), finding.grid - CheckFinding::kTemplateGrid);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}
