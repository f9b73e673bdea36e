#pragma once

#include <QHash>
#include <QList>
#include <QString>

// Rows grouped by a value, in the order the values first appear: how many rows
// have each value and the first few of them. One hash look-up a row, so a check
// over many thousand rows stays linear.
class RowGroups {
public:
    static constexpr int kRowsKept = 5;

    struct Group {
        QString value;
        QList<int> rows; // the first kRowsKept rows
        int total = 0;
    };

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
        if (group.rows.size() < kRowsKept)
            group.rows.append(row);
        ++group.total;
    }

    const QList<Group> &groups() const { return m_groups; }

private:
    QHash<QString, int> m_index;
    QList<Group> m_groups;
};
