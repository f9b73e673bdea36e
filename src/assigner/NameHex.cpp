#include "assigner/NameHex.h"

#include "files/Codec.h"

QString NameToHex(const QString &text)
{
    QString hex;
    hex.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        // A character outside the basic plane is one character, as files write it.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        const QChar roundTrip = Codec::ansiChar(Codec::ansiCode(ch));
        hex += QString::number(roundTrip.unicode(), 16).toUpper();
    }
    return hex;
}
