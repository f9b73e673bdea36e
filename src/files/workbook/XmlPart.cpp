#include "files/workbook/XmlPart.h"

#include "files/workbook/ZipContainer.h"
#include "grid/TextValue.h"

#include <cmath>
#include <cstring>

namespace {

constexpr qint64 kPiece = 64 * 1024;

constexpr quint64 Packed(const char *text)
{
    quint64 value = 0;
    for (; *text; ++text)
        value = (value << 8) | quint8(*text);
    return value;
}

constexpr quint64 Mask(int bytes)
{
    return bytes >= 8 ? ~quint64(0) : (quint64(1) << (8 * bytes)) - 1;
}

bool Ends(quint64 window, const char *text)
{
    return (window & Mask(int(std::strlen(text)))) == Packed(text);
}

} // namespace

XmlPart::XmlPart(ZipMember &member, QString partName) : m_member(member), m_partName(std::move(partName))
{
    m_xml.setNamespaceProcessing(true);
}

void XmlPart::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
}

bool XmlPart::feed()
{
    QByteArray piece(qsizetype(kPiece), Qt::Uninitialized);
    const qint64 n = m_member.read(piece.data(), kPiece);
    if (n < 0) {
        fail(m_member.failure().isEmpty() ? QStringLiteral("it is damaged (its part %1 cannot be read)").arg(m_partName)
                                          : m_member.failure());
        return false;
    }
    if (n == 0) {
        m_fed = true;
        return false;
    }
    piece.truncate(qsizetype(n));
    if (!guard(piece.constData(), piece.size()))
        return false;
    m_xml.addData(piece);
    return true;
}

bool XmlPart::next()
{
    while (m_failure.isEmpty() && !m_done) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > kMaxDepth) {
                fail(QStringLiteral("its part %1 nests elements deeper than %2 levels, as no workbook does")
                         .arg(m_partName)
                         .arg(kMaxDepth));
                return false;
            }
            // Each declaration costs the reader a look at every later prefix.
            if (!m_xml.namespaceDeclarations().isEmpty()
                && (m_namespaces += int(m_xml.namespaceDeclarations().size())) > kMaxNamespaces) {
                fail(QStringLiteral("its part %1 declares more than %2 namespaces, as no workbook does")
                         .arg(m_partName)
                         .arg(kMaxNamespaces));
                return false;
            }
            return true;
        case QXmlStreamReader::EndElement:
            if (--m_depth == 0)
                m_done = true;
            return true;
        case QXmlStreamReader::Characters:
            return true;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            fail(QStringLiteral("its part %1 declares a document type or entities, as no workbook does")
                     .arg(m_partName));
            return false;
        case QXmlStreamReader::EndDocument:
            m_done = true;
            return false;
        case QXmlStreamReader::Invalid:
            if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && !m_fed) {
                if (feed())
                    continue;
                if (!m_failure.isEmpty())
                    return false;
            }
            if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
                fail(QStringLiteral("it is damaged (its part %1 ends in the middle of its XML)").arg(m_partName));
            else
                fail(QStringLiteral("it is damaged (its part %1 is not well-formed XML: %2, line %3)")
                         .arg(m_partName, m_xml.errorString())
                         .arg(m_xml.lineNumber()));
            return false;
        default: // the XML declaration, comments, processing instructions
            break;
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
    const int depth = m_depth;
    while (next()) {
        if (isText())
            text += m_xml.text();
        else if (isEnd() && m_depth < depth)
            break;
    }
}

bool XmlPart::skip()
{
    const int depth = m_depth;
    while (next())
        if (isEnd() && m_depth < depth)
            return true;
    return false;
}

Outcome XmlPart::finish()
{
    if (!m_failure.isEmpty())
        return Outcome::failure(m_failure);
    return m_member.finish();
}

// Watches the bytes before the XML reader gets them: how many attributes (and
// namespace declarations) a tag has, outside quoted values, comments, CDATA
// sections and processing instructions.
bool XmlPart::guard(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        char c = data[i];
        switch (m_scan) {
        case Scan::Text: {
            const void *open = std::memchr(data + i, '<', size_t(size - i));
            if (!open)
                return true;
            i = static_cast<const char *>(open) - data;
            m_scan = Scan::Open;
            break;
        }
        case Scan::Open:
            m_window = 0;
            if (c == '!') {
                m_scan = Scan::Bang;
                m_bang = 0;
            } else if (c == '?') {
                m_scan = Scan::Instruction;
            } else {
                m_scan = Scan::Tag;
                m_attributes = 0;
                --i; // the first byte of the tag's name
            }
            break;
        case Scan::Bang:
            m_window = (m_window << 8) | quint8(c);
            ++m_bang;
            if (m_bang == 2 && Ends(m_window, "--")) {
                m_scan = Scan::Comment;
                m_window = 0;
            } else if (m_bang == 7 && Ends(m_window, "[CDATA[")) {
                m_scan = Scan::CData;
                m_window = 0;
            } else if (m_bang >= 7 || (m_bang == 2 && !Ends(m_window, "[C") && !Ends(m_window, "--"))
                       || (m_bang == 1 && c != '-' && c != '[')) {
                m_scan = Scan::Tag; // a declaration; the reader refuses a document type itself
                m_attributes = 0;
            }
            break;
        case Scan::Tag: {
            // Only quotes, the end of the tag and "=" matter here.
            while (c != '"' && c != '\'' && c != '>' && c != '=') {
                if (++i == size)
                    return true;
                c = data[i];
            }
            if (c == '"' || c == '\'') {
                m_quote = c;
                m_scan = Scan::Quoted;
            } else if (c == '>') {
                m_scan = Scan::Text;
            } else if (++m_attributes > kMaxAttributes) {
                fail(QStringLiteral("its part %1 has a tag of more than %2 attributes, as no workbook does")
                         .arg(m_partName)
                         .arg(kMaxAttributes));
                return false;
            }
            break;
        }
        case Scan::Quoted: {
            const void *end = std::memchr(data + i, m_quote, size_t(size - i));
            if (!end)
                return true;
            i = static_cast<const char *>(end) - data;
            m_scan = Scan::Tag;
            break;
        }
        case Scan::Comment:
        case Scan::CData:
        case Scan::Instruction:
            m_window = (m_window << 8) | quint8(c);
            if ((m_scan == Scan::Comment && Ends(m_window, "-->")) || (m_scan == Scan::CData && Ends(m_window, "]]>"))
                || (m_scan == Scan::Instruction && Ends(m_window, "?>")))
                m_scan = Scan::Text;
            break;
        }
    }
    return true;
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
