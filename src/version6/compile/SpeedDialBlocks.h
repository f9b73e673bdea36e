#pragma once

#include <QString>

// The four-digit counter of personal speed-dial memory: the first four
// characters of the start field as digits d1 d2 d3 d4 (d4 "0" when missing).
// Counting raises d4 and carries a digit above 9 into the one on its left; d1
// grows without carry. A digit that counting never reached keeps its character.
// d1 d2 d3 is the block (ten locations), d4 the location inside it.
class BlockCounter {
public:
    explicit BlockCounter(const QString &start);

    QString prefix() const { return m_text[0] + m_text[1] + m_text[2]; }
    // The counter as a number of locations: d1 * 1000 + d2 * 100 + d3 * 10 + d4.
    qint64 value() const { return ((m_value[0] * 10 + m_value[1]) * 10 + m_value[2]) * 10 + m_value[3]; }

    // Counts n locations at once; the same digits as counting them one by one.
    void count(qint64 n);

private:
    QString m_text[4];
    qint64 m_value[4] = {};
};

namespace SpeedDialBlocks {
// A speed-dial count beyond this is no site's; it keeps the counter in range.
constexpr qint64 kMaxSpeedDials = 1000000000000000LL;

// The locations a SPEED DIALS cell asks for: its value, whole, 0 below 1.
qint64 LocationsOf(const QString &speedDials);

// The number of ten-location blocks as written after the start block: the count
// in decimal, "0" put in front of a two-digit count, then "0" and its first two
// characters (10 gives 001, 100 gives 010).
QString BlockCount(qint64 locations);
} // namespace SpeedDialBlocks
