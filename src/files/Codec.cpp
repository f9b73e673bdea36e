#include "files/Codec.h"

#include <type_traits>

#include <QStringDecoder>

namespace Codec {

// Characters of codes 0x80 to 0x9F; the unassigned codes map to themselves.
static const char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar ansiChar(unsigned char code)
{
    if (code >= 0x80 && code <= 0x9F)
        return QChar(kHighControls[code - 0x80]);
    return QChar(char16_t(code));
}

unsigned char ansiCode(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    return '?';
}

namespace {

char *writeUtf16(char *to, QStringView text, bool doubleQuotes, bool &lost)
{
    const QChar *from = text.data();
    const QChar *const end = from + text.size();
    for (; from < end; ++from) {
        const char16_t u = from->unicode();
        if (u < 0x80) {
            *to++ = char(u);
            if (u == u'"' && doubleQuotes)
                *to++ = '"';
            continue;
        }
        // A character outside the basic plane is one "?", not two.
        if (from->isHighSurrogate() && from + 1 < end && from[1].isLowSurrogate())
            ++from;
        const unsigned char code = ansiCode(QChar(u));
        lost = lost || code == '?';
        *to++ = char(code);
    }
    return to;
}

char *writeLatin1(char *to, QLatin1StringView text, bool doubleQuotes, bool &lost)
{
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            *to++ = c;
            if (c == '"' && doubleQuotes)
                *to++ = '"';
            continue;
        }
        const unsigned char code = ansiCode(QLatin1Char(c));
        lost = lost || code == '?';
        *to++ = char(code);
    }
    return to;
}

} // namespace

char *writeAnsi(char *to, QAnyStringView text, bool doubleQuotes, bool *lost)
{
    bool replaced = false;
    to = text.visit([&](auto view) {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QLatin1StringView>)
            return writeLatin1(to, view, doubleQuotes, replaced);
        else if constexpr (std::is_same_v<View, QStringView>)
            return writeUtf16(to, view, doubleQuotes, replaced);
        else
            return writeUtf16(to, QString::fromUtf8(view), doubleQuotes, replaced);
    });
    if (lost)
        *lost = replaced;
    return to;
}

void appendAnsi(QByteArray &out, QAnyStringView text, bool doubleQuotes)
{
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size()); // room for every quote doubled
    char *const end = writeAnsi(out.data() + start, text, doubleQuotes);
    out.resize(end - out.data());
}

QByteArray toAnsi(const QString &text)
{
    QByteArray bytes;
    appendAnsi(bytes, text);
    return bytes;
}

QString fromAnsi(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = ansiChar(static_cast<unsigned char>(bytes[i]));
    return text;
}

static bool hasNonAscii(const QByteArray &bytes)
{
    for (const char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80)
            return true;
    return false;
}

QString decodeFile(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    // What spreadsheet programs save as Unicode text: UTF-16 behind its mark.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return utf16.decode(QByteArrayView(bytes).sliced(2));
    }
    if (hasNonAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
        return fromAnsi(bytes);
    }
    return QString::fromLatin1(bytes);
}

} // namespace Codec
