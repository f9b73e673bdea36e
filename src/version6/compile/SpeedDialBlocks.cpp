#include "version6/compile/SpeedDialBlocks.h"

#include "grid/TextValue.h"

#include <algorithm>
#include <cmath>

BlockCounter::BlockCounter(const QString &start)
{
    for (int i = 0; i < 4; ++i) {
        m_text[i] = start.mid(i, 1);
        m_value[i] = qint64(TextValue(m_text[i]));
    }
    if (m_text[3].isEmpty())
        m_text[3] = QStringLiteral("0");
}

void BlockCounter::count(qint64 n)
{
    qint64 carry = n;
    for (int i = 3; i >= 0 && carry > 0; --i) {
        const qint64 sum = m_value[i] + carry;
        m_value[i] = i == 0 ? sum : sum % 10;
        carry = i == 0 ? 0 : sum / 10;
        m_text[i] = QString::number(m_value[i]);
    }
}

namespace SpeedDialBlocks {

qint64 LocationsOf(const QString &speedDials)
{
    const double wanted = TextValue(speedDials);
    return wanted < 1 ? 0 : qint64(std::floor(std::min(wanted, double(kMaxSpeedDials))));
}

QString BlockCount(qint64 locations)
{
    QString text = QString::number(locations);
    if (text.size() == 2)
        text.prepend(QLatin1Char('0'));
    return QLatin1Char('0') + text.left(2);
}

} // namespace SpeedDialBlocks
