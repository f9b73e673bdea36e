#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <algorithm>

// Rows grouped by a value, in the order the values first appear: how many rows
// have each value and the first few of them. One hash look-up a row, so a check
// over many thousand rows stays linear.
class RowGroups {
public:
    static constexpr int kRowsKept = 5;

    struct Group {
        QString value;
        int first[kRowsKept] = {};
        int total = 0;
        // The first kRowsKept rows.
        QList<int> rows() const { return QList<int>(first, first + std::min(total, kRowsKept)); }
        int row(int i) const { return first[i]; }
    };

    explicit RowGroups(qsizetype expected = 0) { m_index.reserve(expected); }

    // Empty values are no group.
    void add(const QString &value, int row)
    {
        if (value.isEmpty())
            return;
        auto found = m_index.constFind(value);
        if (found == m_index.constEnd()) {
            found = m_index.insert(value, int(m_groups.size()));
            m_groups.append(Group{value, {}, 0});
        }
        Group &group = m_groups[*found];
        if (group.total < kRowsKept)
            group.first[group.total] = row;
        ++group.total;
    }

    const QList<Group> &groups() const { return m_groups; }

private:
    QHash<QString, int> m_index;
    QList<Group> m_groups;
};
