// The XML tokenizer of workbook parts: what it reads and what it refuses, the
// same whether the bytes come whole or in pieces of any size.
#include "files/workbook/XmlTokenizer.h"

#include <QtTest>

namespace {

using Failure = XmlTokenizer::Failure;

struct Reading {
    QString tokens; // "<{uri}name attribute=value>", "[text]", "</name>"
    Failure failure = Failure::None;
    QString reason;
};

// "{uri}name", or "name" without a namespace.
QString Named(QStringView uri, QStringView name)
{
    QString named;
    if (!uri.isEmpty())
        named.append(u'{').append(uri).append(u'}');
    return named.append(name);
}

// The tokens of xml given in pieces of that size (0: whole); texts that follow
// one another are joined, and a text cut short by a failure is left out.
Reading Read(const QByteArray &xml, qsizetype piece)
{
    XmlTokenizer tokenizer;
    Reading reading;
    QString text;
    const auto endText = [&] {
        if (!text.isNull())
            reading.tokens += u'[' + text + u']';
        text = QString();
    };
    qsizetype given = 0;
    for (;;) {
        const XmlTokenizer::Token token = tokenizer.next();
        if (token == XmlTokenizer::Token::NeedData) {
            const qsizetype size = piece > 0 ? qMin(piece, xml.size() - given) : xml.size() - given;
            if (size == 0)
                tokenizer.endOfData();
            else
                tokenizer.addData(xml.constData() + given, size);
            given += size;
        } else if (token == XmlTokenizer::Token::Text) {
            text += tokenizer.text();
        } else if (token == XmlTokenizer::Token::Start) {
            endText();
            reading.tokens += u'<' + Named(tokenizer.namespaceUri(), tokenizer.name());
            const XmlAttributes attributes = tokenizer.attributes();
            for (const XmlAttribute &attribute : attributes) {
                // Both ways of finding an attribute find it, an empty value not null.
                const QStringView byName = attributes.value(attribute.qualifiedName);
                const QStringView byNamespace = attributes.value(attribute.namespaceUri, attribute.name);
                if (byName.isNull() || byName != attribute.value || byNamespace != attribute.value)
                    reading.tokens += u'?';
                reading.tokens.append(u' ').append(Named(attribute.namespaceUri, attribute.name)).append(u'=');
                reading.tokens.append(attribute.value);
            }
            reading.tokens += u'>';
        } else if (token == XmlTokenizer::Token::End) {
            endText();
            reading.tokens.append(u"</").append(tokenizer.name()).append(u'>');
        } else {
            if (token == XmlTokenizer::Token::Failed) {
                reading.failure = tokenizer.failure();
                reading.reason = tokenizer.reason();
            } else {
                endText();
            }
            return reading;
        }
    }
}

// The piece sizes a document is read in: whole, and pieces small enough to cut
// every token (one byte at a time only for small documents).
QList<qsizetype> Pieces(const QByteArray &xml)
{
    return xml.size() <= 4096 ? QList<qsizetype>{0, 1, 3} : QList<qsizetype>{0, 4093, 65543};
}

} // namespace

class TestWorkbookXml : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
};

void TestWorkbookXml::reads_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("tokens");

    QTest::newRow("namespaces: default, prefixed, redeclared, undeclared, strict")
        << QByteArray("<x:a xmlns:x=\"urn:x\" xmlns=\"urn:d\"><b p=\"1\" x:q=\"2\"/><x:c xmlns:x=\"urn:y\"/><x:d/>"
                      "<e xmlns=\"\"/><s:w xmlns:s=\"http://purl.oclc.org/ooxml/spreadsheetml/main\" xml:lang=\"en\"/>"
                      "</x:a>")
        << "<{urn:x}a><{urn:d}b p=1 {urn:x}q=2></b><{urn:y}c></c><{urn:x}d></d><e></e>"
           "<{http://purl.oclc.org/ooxml/spreadsheetml/main}w {http://www.w3.org/XML/1998/namespace}lang=en></w></a>";
    QTest::newRow("references: predefined, decimal, hexadecimal, beyond 16 bits")
        << QByteArray("<a t=\"&lt;&#65;&#x42;&apos;&quot;\" e=\"\">&amp;&gt;&#x1F600;&#128512;</a>")
        << QString::fromUtf8("<a t=<AB'\" e=>[&>\xF0\x9F\x98\x80\xF0\x9F\x98\x80]</a>");
    QTest::newRow("declaration, comments, processing instructions, CDATA") << QByteArray(
        "<?xml version=\"1.0\" encoding='utf-8' standalone=\"yes\"?>\n<!-- c --><?pi x?><a><![CDATA[<b>&amp;]]>"
        "<!-- <b> --><?pi <b>?>x</a>\n<!-- after -->\n") << "<a>[<b>&amp;x]</a>";
    QTest::newRow("single quotes, white space in attributes and line ends")
        << QByteArray("<a b='x\"y' c=\"1\t2\r\n3\" d = \"&#10;\" >l1\r\nl2\rl3\n</a >")
        << "<a b=x\"y c=1 2 3 d=\n>[l1\nl2\nl3\n]</a>";
    QTest::newRow("UTF-8 in names, values and text")
        << QByteArray(
               "<\xCE\xB1 \xCE\xB2=\"\xCE\xA9\xE2\x82\xAC\">\xCE\xA9\xCE\xBC\xC3\xA9 > \xF0\x90\x80\x80</\xCE\xB1>")
        << QString::fromUtf8(
               "<\xCE\xB1 \xCE\xB2=\xCE\xA9\xE2\x82\xAC>[\xCE\xA9\xCE\xBC\xC3\xA9 > \xF0\x90\x80\x80]</\xCE\xB1>");
    // Longer than the tokenizer holds before passing text on: cut between
    // pieces, never inside a character, a reference or a line end.
    const QByteArray unit = "\xCE\xA9&amp;\r\n\xF0\x9F\x98\x80&#x42;";
    QTest::newRow("text of half a megabyte") << "<a>" + unit.repeated(30000) + "</a>"
                                             << "<a>["
            + QString::fromUtf8("\xCE\xA9&\n\xF0\x9F\x98\x80"
                                "B")
                  .repeated(30000)
            + "]</a>";
}

void TestWorkbookXml::reads()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, tokens);
    for (const qsizetype piece : Pieces(xml)) {
        const Reading reading = Read(xml, piece);
        QVERIFY2(reading.failure == Failure::None, qPrintable(QString::number(piece) + u' ' + reading.reason));
        QCOMPARE(reading.tokens, tokens);
    }
}

void TestWorkbookXml::refuses_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("reason");

    QTest::newRow("an end tag that does not match")
        << QByteArray("<a><b></a>") << Failure::Malformed << "</a> where </b>";
    QTest::newRow("an end tag of no element") << QByteArray("<a/></a>") << Failure::Malformed << "</a> closes no";
    QTest::newRow("bytes not UTF-8") << QByteArray("<a>\xC3\x28</a>") << Failure::Malformed << "not UTF-8";
    QTest::newRow("an overlong UTF-8 sequence") << QByteArray("<a>\xC0\xAF</a>") << Failure::Malformed << "not UTF-8";
    QTest::newRow("a surrogate in UTF-8") << QByteArray("<a b=\"\xED\xA0\x80\"/>") << Failure::Malformed << "not UTF-8";
    QTest::newRow("UTF-8 cut short at the end") << QByteArray("<a>\xE2\x82") << Failure::Malformed << "not UTF-8";
    QTest::newRow("a control character") << QByteArray("<a>\x01</a>") << Failure::Malformed << "control character 1";
    QTest::newRow("a character XML does not allow")
        << QByteArray("<a>\xEF\xBF\xBE</a>") << Failure::Malformed << "U+FFFE";
    QTest::newRow("a reference to no character") << QByteArray("<a>&#0;</a>") << Failure::Malformed << "&#0;";
    QTest::newRow("a reference past Unicode") << QByteArray("<a>&#x110000;</a>") << Failure::Malformed << "&#x110000;";
    QTest::newRow("an entity never declared") << QByteArray("<a>&lol;</a>") << Failure::Malformed << "&lol;";
    QTest::newRow("a bare &") << QByteArray("<a>fish & chips</a>") << Failure::Malformed << "starts no reference";
    QTest::newRow("a prefix never declared") << QByteArray("<p:a/>") << Failure::Malformed << "\"p\" is bound to no";
    QTest::newRow("an attribute's prefix never declared")
        << QByteArray("<a p:b=\"1\"/>") << Failure::Malformed << "\"p\" is bound to no";
    QTest::newRow("a value without quotes") << QByteArray("<a b=1/>") << Failure::Malformed << "without quotes";
    QTest::newRow("an attribute without a value") << QByteArray("<a b/>") << Failure::Malformed << "without a value";
    QTest::newRow("attributes run together") << QByteArray("<a b=\"1\"c=\"2\"/>") << Failure::Malformed << "not parted";
    QTest::newRow("an attribute given twice") << QByteArray("<a b=\"1\" b=\"2\"/>") << Failure::Malformed << "twice";
    QTest::newRow("< in a value") << QByteArray("<a b=\"<\"/>") << Failure::Malformed << "in an attribute value";
    QTest::newRow("a tag without its >") << QByteArray("<a><b c=\"1\"<d/></a>") << Failure::Malformed << "without its";
    QTest::newRow("a name starting with a digit") << QByteArray("<1a/>") << Failure::Malformed << "starts no tag";
    QTest::newRow("text outside the root") << QByteArray("<a/>x") << Failure::Malformed << "outside the root";
    QTest::newRow("a second root") << QByteArray("<a/><b/>") << Failure::Malformed << "second root";
    QTest::newRow("a declaration after the start")
        << QByteArray(" <?xml version=\"1.0\"?><a/>") << Failure::Malformed << "after the start";
    QTest::newRow("an encoding other than UTF-8") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>")
                                                  << Failure::Malformed << "\"ISO-8859-1\" is not UTF-8";
    QTest::newRow("markup no workbook holds")
        << QByteArray("<a><!ELEMENT a ANY></a>") << Failure::Malformed << "markup no workbook";
    QTest::newRow("a document type") << QByteArray("<!DOCTYPE a><a/>") << Failure::DocumentType << "";
    QTest::newRow("an entity declaration") << QByteArray("<a><!ENTITY b \"c\"></a>") << Failure::DocumentType << "";
    QTest::newRow("nothing") << QByteArray() << Failure::Truncated << "";
    QTest::newRow("a comment only") << QByteArray("<!-- -->") << Failure::Truncated << "";
    QTest::newRow("an element never ended") << QByteArray("<a><b/>") << Failure::Truncated << "";
    QTest::newRow("a tag cut short") << QByteArray("<a b=\"1") << Failure::Truncated << "";
    QTest::newRow("a CDATA section cut short") << QByteArray("<a><![CDATA[x]]") << Failure::Truncated << "";
    QTest::newRow("a comment never ended")
        << "<a><!--" + QByteArray(XmlTokenizer::kMaxMarkupBytes + 1, '-') << Failure::MarkupTooLong << "";
}

void TestWorkbookXml::refuses()
{
    QFETCH(QByteArray, xml);
    QFETCH(Failure, failure);
    QFETCH(QString, reason);
    for (const qsizetype piece : Pieces(xml)) {
        const Reading reading = Read(xml, piece);
        QCOMPARE(reading.failure, failure);
        QVERIFY2(reading.reason.contains(reason), qPrintable(reading.reason));
    }
}

QTEST_GUILESS_MAIN(TestWorkbookXml)
#include "test_workbook_xml.moc"
