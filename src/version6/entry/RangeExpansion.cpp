#include "version6/entry/RangeExpansion.h"

#include "grid/TextValue.h"

#include <cmath>
#include <vector>

namespace RangeExpansion {

namespace {

// Digit slots of a number being counted. A slot holds one character of the start
// text until counting raises it; from then on it holds the decimal text of its
// value (the first slot may grow past 9).
class DigitSlots {
public:
    DigitSlots(const QString &text, int count) : m_slots(size_t(count))
    {
        for (int i = 0; i < count && i < text.size(); ++i)
            m_slots[size_t(i)] = text.mid(i, 1);
    }

    QString joined() const
    {
        QString text;
        for (const QString &slot : m_slots)
            text += slot;
        return text;
    }

    bool allEmpty() const
    {
        for (const QString &slot : m_slots)
            if (!slot.isEmpty())
                return false;
        return true;
    }

    // Raises the last non-empty slot by one (all-empty slots stay as they are).
    void raiseLast()
    {
        for (size_t i = m_slots.size(); i-- > 0;)
            if (!m_slots[i].isEmpty()) {
                raise(i);
                return;
            }
    }

    // Raises the last slot by one, empty or not.
    void raiseFinal() { raise(m_slots.size() - 1); }

    // Carries every slot above 9 into the slot on its left, right to left; the
    // first slot keeps what it holds.
    void carry()
    {
        for (size_t i = m_slots.size() - 1; i > 0; --i)
            if (TextValue(m_slots[i]) > 9) {
                raise(i - 1);
                m_slots[i] = QStringLiteral("0");
            }
    }

private:
    void raise(size_t i) { m_slots[i] = ShortestDecimal(TextValue(m_slots[i]) + 1); }

    std::vector<QString> m_slots;
};

} // namespace

qsizetype Size(const QString &startLen, const QString &stopLen)
{
    const double span = TextValue(stopLen) - TextValue(startLen);
    if (span < 0)
        return 0;
    if (span >= double(kMaxRangeSize))
        return kMaxRangeSize + 1;
    return qsizetype(std::floor(span)) + 1;
}

QStringList Extensions(const QString &startExt, qsizetype count)
{
    QStringList extensions;
    extensions.reserve(count);
    DigitSlots digits(startExt, 5);
    const bool empty = digits.allEmpty();
    for (qsizetype i = 0; i < count; ++i) {
        extensions.append(digits.joined());
        if (empty)
            continue;
        digits.raiseLast();
        digits.carry();
    }
    return extensions;
}

QString NextExtension(const QString &ext)
{
    DigitSlots digits(ext, 5);
    if (digits.allEmpty())
        return QString();
    digits.raiseLast();
    digits.carry();
    return digits.joined();
}

QStringList Lens(const QString &fp, const QString &startLen, qsizetype count)
{
    QStringList lens;
    lens.reserve(count);
    DigitSlots circuit(startLen, 3);
    for (qsizetype i = 0; i < count; ++i) {
        lens.append(fp + circuit.joined());
        circuit.raiseFinal();
        circuit.carry();
    }
    return lens;
}

QStringList Circuits(const QString &fp)
{
    const int count = TextValue(fp) < 0 ? 64 : 128;
    QStringList circuits;
    circuits.reserve(count);
    for (int i = 0; i < count; ++i)
        circuits.append(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')));
    return circuits;
}

QStringList FpChoices()
{
    QStringList fps;
    for (int i = 0; i <= 31; ++i)
        fps.append(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    return fps;
}

} // namespace RangeExpansion
