#include "files/workbook/CodePage.h"

#include "files/Codec.h"

#include <QStringDecoder>

// The encoding name Qt (with ICU) knows a Windows code page by; empty for
// windows-1252 and for code pages without a decoder, which are read as 1252.
static QByteArray EncodingOf(int codePage)
{
    switch (codePage) {
    case 437:
    case 737:
    case 775:
    case 850:
    case 852:
    case 855:
    case 857:
    case 860:
    case 861:
    case 862:
    case 863:
    case 864:
    case 865:
    case 866:
    case 869:
        return "IBM" + QByteArray::number(codePage);
    case 874:
        return "windows-874";
    case 932:
        return "windows-31j";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1250:
    case 1251:
    case 1253:
    case 1254:
    case 1255:
    case 1256:
    case 1257:
    case 1258:
        return "windows-" + QByteArray::number(codePage);
    case 10000:
    case 32768: // Apple Roman, the second as Excel 5 for the Macintosh writes it
        return "macintosh";
    default: // 1252, 367 (ASCII), 32769 (windows-1252 as BIFF writes it) and unknown ones
        return QByteArray();
    }
}

CodePageDecoder::CodePageDecoder(int codePage) : m_codePage(codePage), m_encoding(EncodingOf(codePage))
{
    if (!m_encoding.isEmpty() && !QStringDecoder(m_encoding.constData()).isValid())
        m_encoding.clear();
}

QString CodePageDecoder::decode(QByteArrayView bytes) const
{
    if (m_encoding.isEmpty())
        return Codec::fromAnsi(bytes.toByteArray());
    QStringDecoder decoder(m_encoding.constData(), QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}
