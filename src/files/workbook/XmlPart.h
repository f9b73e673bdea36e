#pragma once

#include "files/Outcome.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

#include <optional>

class ZipMember;

// One XML part of a zip workbook, read as it is inflated. The XML is refused
// rather than read when it declares a document type (so no entity is ever
// expanded), nests deeper than any workbook does, or packs more attributes into
// a tag or more namespace declarations into the part than a workbook ever has
// (the XML reader would take quadratic time over them).
class XmlPart {
public:
    static constexpr int kMaxDepth = 100;
    static constexpr int kMaxAttributes = 1000;
    static constexpr int kMaxNamespaces = 256;

    // partName names the part in reasons.
    XmlPart(ZipMember &member, QString partName);

    // The next start element, end element or text; false at the end of the part,
    // or when it cannot be read (failure() then says why).
    bool next();
    bool isStart() const { return m_xml.tokenType() == QXmlStreamReader::StartElement; }
    bool isEnd() const { return m_xml.tokenType() == QXmlStreamReader::EndElement; }
    bool isText() const { return m_xml.tokenType() == QXmlStreamReader::Characters; }
    // The local name and namespace of the element, whatever its prefix.
    QStringView name() const { return m_xml.name(); }
    QStringView namespaceUri() const { return m_xml.namespaceUri(); }
    QStringView text() const { return m_xml.text(); }
    QXmlStreamAttributes attributes() const { return m_xml.attributes(); }
    // The depth of the current element (the root element is 1).
    int depth() const { return m_depth; }

    // Reads to the end of the current element; its text, children's included.
    QString readText();
    // The same into text, whose memory is kept from one call to the next.
    void readText(QString &text);
    // Skips to the end of the current element.
    bool skip();

    // Ends reading (the rest of the part is not parsed) and makes the checks of
    // its zip member; the first failure, if any.
    Outcome finish();
    const QString &failure() const { return m_failure; }
    // Marks the part as not what a workbook holds; next() returns false from here.
    void fail(const QString &why);

private:
    bool feed();
    bool guard(const char *data, qsizetype size);

    ZipMember &m_member;
    QString m_partName;
    QXmlStreamReader m_xml;
    QString m_failure;
    int m_depth = 0;
    bool m_fed = false; // every byte of the member was given to the reader

    // What the guard knows of the bytes so far.
    enum class Scan { Text, Open, Bang, Tag, Quoted, Comment, CData, Instruction };
    Scan m_scan = Scan::Text;
    char m_quote = 0;
    quint64 m_window = 0; // the last bytes seen, to find "<!--", "-->", "]]>" and "?>"
    int m_bang = 0;       // bytes seen after "<!"
    int m_attributes = 0;
    int m_namespaces = 0;
    bool m_done = false; // the root element has ended
};

// A number as the .xls reader gives it: its shortest decimal form (2001, 1.5);
// a text that is not a number stays as it is.
QString NumberText(QStringView number);

// The serial number of a date and time in ISO 8601 form ("2024-01-15",
// "2024-01-15T12:30:00"): days since epoch and the fraction of the day. With
// lotusLeapDay, dates before 1 March 1900 count one day less, as the 1900 date
// system does. nullopt when the text is not such a date.
std::optional<double> DateSerial(QStringView iso, QDate epoch, bool lotusLeapDay);
// The days of an ISO 8601 duration ("PT12H30M00S", "P1DT2H"); nullopt when it is none.
std::optional<double> DurationDays(QStringView iso);

// Whether a character can stand in an XML document.
inline bool IsXmlChar(char32_t c)
{
    return c == 0x09 || c == 0x0A || c == 0x0D || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

// Appends text as XML character data (attribute: quotes escaped too), UTF-8.
void AppendXmlEscaped(QByteArray &out, QStringView text, bool attribute = false);
