#include "files/workbook/XmlPart.h"

#include "files/workbook/ZipContainer.h"
#include "grid/TextValue.h"

#include <cmath>
#include <cstring>

namespace {

constexpr qint64 kPiece = 64 * 1024;

} // namespace

XmlPart::XmlPart(ZipMember &member, QString partName) : m_member(member), m_partName(std::move(partName)) {}

void XmlPart::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
}

bool XmlPart::feed()
{
    if (m_piece.isEmpty())
        m_piece.resize(qsizetype(kPiece));
    const qint64 n = m_member.read(m_piece.data(), kPiece);
    if (n < 0) {
        fail(m_member.failure().isEmpty() ? QStringLiteral("it is damaged (its part %1 cannot be read)").arg(m_partName)
                                          : m_member.failure());
        return false;
    }
    if (n == 0) {
        m_xml.endOfData();
        return true;
    }
    const char *bytes = m_piece.constData();
    qsizetype size = qsizetype(n);
    if (m_first) {
        // The byte order mark: UTF-8's is passed over, UTF-16 is converted.
        m_first = false;
        if (size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
            bytes += 3;
            size -= 3;
        } else if (size >= 2 && (std::memcmp(bytes, "\xFF\xFE", 2) == 0 || std::memcmp(bytes, "\xFE\xFF", 2) == 0)) {
            m_utf16.emplace(bytes[0] == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
            m_xml.setConvertedFromUtf16();
        }
    }
    if (!m_utf16) {
        m_xml.addData(bytes, size);
        return true;
    }
    const QByteArray utf8 = QString(m_utf16->decode(QByteArrayView(bytes, size))).toUtf8();
    if (m_utf16->hasError())
        m_xml.failMalformed(QStringLiteral("bytes that are not UTF-16"));
    else
        m_xml.addData(utf8.constData(), utf8.size());
    return true;
}

QString XmlPart::reason() const
{
    switch (m_xml.failure()) {
    case XmlTokenizer::Failure::Truncated:
        return QStringLiteral("it is damaged (its part %1 ends in the middle of its XML)").arg(m_partName);
    case XmlTokenizer::Failure::DocumentType:
        return QStringLiteral("its part %1 declares a document type or entities, as no workbook does").arg(m_partName);
    case XmlTokenizer::Failure::TooDeep:
        return QStringLiteral("its part %1 nests elements deeper than %2 levels, as no workbook does")
            .arg(m_partName)
            .arg(kMaxDepth);
    case XmlTokenizer::Failure::TooManyAttributes:
        return QStringLiteral("its part %1 has a tag of more than %2 attributes, as no workbook does")
            .arg(m_partName)
            .arg(kMaxAttributes);
    case XmlTokenizer::Failure::TooManyNamespaces:
        return QStringLiteral("its part %1 declares more than %2 namespaces, as no workbook does")
            .arg(m_partName)
            .arg(kMaxNamespaces);
    case XmlTokenizer::Failure::MarkupTooLong:
        return QStringLiteral("its part %1 has a tag longer than %2 MB, as no workbook does")
            .arg(m_partName)
            .arg(XmlTokenizer::kMaxMarkupBytes / (1024 * 1024));
    case XmlTokenizer::Failure::Malformed:
    case XmlTokenizer::Failure::None:
        break;
    }
    return QStringLiteral("it is damaged (its part %1 is not well-formed XML: %2, line %3)")
        .arg(m_partName, m_xml.reason())
        .arg(m_xml.failureLine());
}

bool XmlPart::next()
{
    while (m_failure.isEmpty() && !m_done) {
        m_token = m_xml.next();
        switch (m_token) {
        case XmlTokenizer::Token::Start:
        case XmlTokenizer::Token::Text:
            return true;
        case XmlTokenizer::Token::End:
            if (m_xml.depth() == 0)
                m_done = true;
            return true;
        case XmlTokenizer::Token::NeedData:
            if (!feed())
                return false;
            break;
        case XmlTokenizer::Token::EndOfDocument:
            m_done = true;
            return false;
        case XmlTokenizer::Token::Failed:
            fail(reason());
            return false;
        }
    }
    return false;
}

QString XmlPart::readText()
{
    QString text;
    readText(text);
    return text;
}

void XmlPart::readText(QString &text)
{
    text.resize(0);
    const int level = m_xml.depth();
    while (next()) {
        if (isText())
            text += m_xml.text();
        else if (isEnd() && m_xml.depth() < level)
            break;
    }
}

bool XmlPart::skip()
{
    const int level = m_xml.depth();
    while (next())
        if (isEnd() && m_xml.depth() < level)
            return true;
    return false;
}

Outcome XmlPart::finish()
{
    if (!m_failure.isEmpty())
        return Outcome::failure(m_failure);
    return m_member.finish();
}

QString NumberText(QStringView number)
{
    bool ok = false;
    const double value = number.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return number.toString();
    return ShortestDecimal(value);
}

namespace {

// Digits at text[at..at+count), or -1.
int Digits(QStringView text, qsizetype at, int count)
{
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const QChar c = text[at + i];
        if (!c.isDigit() || c.unicode() > '9')
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

std::optional<double> DateSerial(QStringView iso, QDate epoch, bool lotusLeapDay)
{
    iso = iso.trimmed();
    const auto at = [&iso](qsizetype i) { return i < iso.size() ? iso[i] : QChar(); };
    const int year = Digits(iso, 0, 4), month = Digits(iso, 5, 2), day = Digits(iso, 8, 2);
    if (year < 0 || month < 0 || day < 0 || at(4) != u'-' || at(7) != u'-')
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    double seconds = 0;
    if (iso.size() > 10) {
        if (iso[10] != u'T' && iso[10] != u' ')
            return std::nullopt;
        const int hour = Digits(iso, 11, 2), minute = Digits(iso, 14, 2);
        if (hour < 0 || minute < 0 || hour > 24 || minute > 59 || at(13) != u':')
            return std::nullopt;
        seconds = hour * 3600.0 + minute * 60.0;
        if (at(16) == u':') {
            qsizetype end = 17;
            while (end < iso.size() && (iso[end].isDigit() || iso[end] == u'.'))
                ++end;
            bool ok = false;
            const double s = iso.mid(17, end - 17).toDouble(&ok);
            if (!ok)
                return std::nullopt;
            seconds += s;
        }
    }
    double days = double(epoch.daysTo(date));
    if (lotusLeapDay && date < QDate(1900, 3, 1))
        days -= 1;
    return days + seconds / 86400.0;
}

std::optional<double> DurationDays(QStringView iso)
{
    iso = iso.trimmed();
    double sign = 1;
    if (iso.startsWith(u'-')) {
        sign = -1;
        iso = iso.mid(1);
    }
    if (!iso.startsWith(u'P'))
        return std::nullopt;
    double days = 0;
    bool time = false, any = false;
    qsizetype at = 1;
    while (at < iso.size()) {
        if (iso[at] == u'T') {
            time = true;
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < iso.size() && (iso[end].isDigit() || iso[end] == u'.' || iso[end] == u','))
            ++end;
        if (end == at || end == iso.size())
            return std::nullopt;
        bool ok = false;
        const double value = iso.mid(at, end - at).toString().replace(u',', u'.').toDouble(&ok);
        if (!ok)
            return std::nullopt;
        const QChar unit = iso[end];
        if (!time && unit == u'D')
            days += value;
        else if (time && unit == u'H')
            days += value / 24;
        else if (time && unit == u'M')
            days += value / 1440;
        else if (time && unit == u'S')
            days += value / 86400;
        else
            return std::nullopt; // years and months have no fixed length
        any = true;
        at = end + 1;
    }
    if (!any)
        return std::nullopt;
    return sign * days;
}

void AppendXmlEscaped(QByteArray &out, QStringView text, bool attribute)
{
    const QByteArray utf8 = text.toUtf8();
    qsizetype plain = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const char *entity = nullptr;
        switch (c) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        case '\r':
            entity = "&#13;";
            break;
        case '"':
            entity = attribute ? "&quot;" : nullptr;
            break;
        case '\n':
            entity = attribute ? "&#10;" : nullptr;
            break;
        case '\t':
            entity = attribute ? "&#9;" : nullptr;
            break;
        default:
            break;
        }
        if (!entity)
            continue;
        out.append(utf8.constData() + plain, i - plain);
        out.append(entity);
        plain = i + 1;
    }
    out.append(utf8.constData() + plain, utf8.size() - plain);
}
