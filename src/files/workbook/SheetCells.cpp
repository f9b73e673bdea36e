#include "files/workbook/SheetCells.h"

namespace {

bool IsEmptyRow(const QStringList &cells)
{
    for (const QString &text : cells)
        if (!text.isEmpty())
            return false;
    return true;
}

} // namespace

bool SheetCells::set(int row, int column, const QString &text)
{
    if (text.isEmpty()) {
        if (size_t(row) < m_rows.size() && column < m_rows[size_t(row)].size())
            m_rows[size_t(row)][column] = QString();
        return true;
    }
    if (size_t(row) >= m_rows.size()) {
        m_slots += qint64(row) + 1 - qint64(m_rows.size());
        if (m_slots > m_budget)
            return false;
        m_rows.resize(size_t(row) + 1);
    }
    QStringList &cells = m_rows[size_t(row)];
    if (column >= cells.size()) {
        m_slots += column + 1 - cells.size();
        if (m_slots > m_budget)
            return false;
        cells.resize(column + 1);
    }
    cells[column] = text;
    return true;
}

QList<QStringList> SheetCells::takeRows(qsizetype first)
{
    qsizetype last = qsizetype(m_rows.size()) - 1;
    while (last >= first && IsEmptyRow(m_rows[size_t(last)]))
        --last;
    QList<QStringList> records;
    records.reserve(qMax<qsizetype>(0, last - first + 1));
    for (qsizetype row = first; row <= last; ++row)
        records.append(std::move(m_rows[size_t(row)]));
    return records;
}

int SheetNameRank(const QString &name, const QString &typed)
{
    QStringList candidates{typed};
    QString bare = typed.trimmed();
    if (bare.size() >= 2
        && ((bare.startsWith(u'[') && bare.endsWith(u']')) || (bare.startsWith(u'\'') && bare.endsWith(u'\''))))
        bare = bare.mid(1, bare.size() - 2);
    candidates.append(bare);
    candidates.append(bare.endsWith(u'$') ? bare.chopped(1) : QString());
    for (int rank = 0; rank < int(candidates.size()); ++rank)
        if (!candidates[rank].isEmpty() && name.compare(candidates[rank], Qt::CaseInsensitive) == 0)
            return rank;
    return -1;
}

qsizetype FindSheet(const QStringList &names, const QString &typed)
{
    qsizetype best = -1;
    int bestRank = -1;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const int rank = SheetNameRank(names[i], typed);
        if (rank >= 0 && (bestRank < 0 || rank < bestRank)) {
            best = i;
            bestRank = rank;
        }
    }
    return best;
}

QString NoSuchSheetReason(const QString &fileName, const QString &typed, const QStringList &names)
{
    return QStringLiteral("%1 has no sheet named \"%2\" (its sheets: %3).")
        .arg(fileName, typed, names.isEmpty() ? QStringLiteral("none") : names.join(", "));
}
