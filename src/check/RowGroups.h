#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <numeric>
#include <vector>

// Rows grouped by a value, in the order the values first appear: how many rows
// have each value and the first few of them. The rows are gathered as they come
// and grouped once, by sorting, when the groups are first asked for: cheaper than
// a hash look-up per row when most values are distinct (extensions, LENs).
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

    // With keepEmpty, an empty value is a group of its own; otherwise it is none.
    explicit RowGroups(qsizetype expected = 0, bool keepEmpty = false) : m_keepEmpty(keepEmpty)
    {
        m_entries.reserve(size_t(std::max<qsizetype>(expected, 0)));
    }

    void add(const QString &value, int row)
    {
        if (value.isEmpty() && !m_keepEmpty)
            return;
        m_entries.push_back({value, row});
        m_grouped = false;
    }

    const QList<Group> &groups() const
    {
        if (!m_grouped)
            group();
        return m_groups;
    }

private:
    struct Entry {
        QString value;
        int row;
    };

    void group() const
    {
        // Entries of one value side by side, each value's in the order they came.
        std::vector<size_t> order(m_entries.size());
        std::iota(order.begin(), order.end(), size_t(0));
        std::stable_sort(order.begin(), order.end(),
                         [this](size_t a, size_t b) { return m_entries[a].value < m_entries[b].value; });
        std::vector<std::pair<size_t, Group>> found; // the first entry of each group, and the group
        for (size_t i = 0; i < order.size();) {
            Group group{m_entries[order[i]].value, {}, 0};
            const size_t firstEntry = order[i];
            for (; i < order.size() && m_entries[order[i]].value == group.value; ++i) {
                if (group.total < kRowsKept)
                    group.first[group.total] = m_entries[order[i]].row;
                ++group.total;
            }
            found.emplace_back(firstEntry, std::move(group));
        }
        std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        m_groups.clear();
        m_groups.reserve(qsizetype(found.size()));
        for (auto &[entry, group] : found)
            m_groups.append(std::move(group));
        m_grouped = true;
    }

    bool m_keepEmpty;
    std::vector<Entry> m_entries;
    mutable QList<Group> m_groups;
    mutable bool m_grouped = true;
};
