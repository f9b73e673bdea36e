#include "platform/FileFilter.h"

QStringList QtFileFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        // Qt reads the patterns from the last parentheses; keep a description that
        // already ends with them, as "Excel Workbook (*.xls)" does.
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('('))
            && description.mid(description.lastIndexOf(QLatin1Char('(')) + 1).chopped(1).trimmed() == patterns)
            entries.append(description);
        else
            entries.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return entries;
}
