#pragma once

#include "files/Outcome.h"

#include "files/workbook/XmlTokenizer.h"

#include <QDate>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

#include <optional>

class ZipMember;

// One XML part of a zip workbook, read as it is inflated, never held whole. The
// XML is refused rather than read when it declares a document type (so no
// entity is ever expanded), nests deeper than any workbook does, or packs more
// attributes into a tag or more namespace declarations into the part than a
// workbook ever has. A part in UTF-16 (with its byte order mark) is read too.
class XmlPart {
public:
    static constexpr int kMaxDepth = XmlTokenizer::kMaxDepth;
    static constexpr int kMaxAttributes = XmlTokenizer::kMaxAttributes;
    static constexpr int kMaxNamespaces = XmlTokenizer::kMaxNamespaces;

    // partName names the part in reasons.
    XmlPart(ZipMember &member, QString partName);

    // The next start element, end element or text; false at the end of the part,
    // or when it cannot be read (failure() then says why).
    bool next();
    bool isStart() const { return m_token == XmlTokenizer::Token::Start; }
    bool isEnd() const { return m_token == XmlTokenizer::Token::End; }
    bool isText() const { return m_token == XmlTokenizer::Token::Text; }
    // The local name and namespace of the element, whatever its prefix. Like
    // text() and attributes(), valid until the next call of next().
    QStringView name() const { return m_xml.name(); }
    QStringView namespaceUri() const { return m_xml.namespaceUri(); }
    QStringView text() const { return m_xml.text(); }
    XmlAttributes attributes() const { return m_xml.attributes(); }
    // The depth of the current element (the root element is 1; after an end
    // element, the depth of its parent).
    int depth() const { return m_xml.depth(); }

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
    // Gives the tokenizer the next piece of the member; false at its end or when
    // it cannot be read.
    bool feed();
    QString reason() const;

    ZipMember &m_member;
    QString m_partName;
    XmlTokenizer m_xml;
    XmlTokenizer::Token m_token = XmlTokenizer::Token::NeedData;
    QByteArray m_piece;
    bool m_first = true;                   // no byte has been read yet
    std::optional<QStringDecoder> m_utf16; // a part in UTF-16, converted piece by piece
    QString m_failure;
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

// Appends text as XML character data (attribute: quotes escaped too), UTF-8.
void AppendXmlEscaped(QByteArray &out, QStringView text, bool attribute = false);
