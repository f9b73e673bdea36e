#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>
#include <vector>

// Whether a character can stand in an XML document.
inline bool IsXmlChar(char32_t c)
{
    return c == 0x09 || c == 0x0A || c == 0x0D || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

// One attribute of the start tag just read. The views last until the next token.
struct XmlAttribute {
    QStringView qualifiedName; // "r:id"
    QStringView name;          // "id"
    QStringView namespaceUri;  // empty for an attribute without a prefix
    QStringView value;         // references decoded, white space made spaces
};

// The attributes of the start tag just read, namespace declarations left out.
// Valid until the next token.
class XmlAttributes {
public:
    XmlAttributes() = default;
    XmlAttributes(const XmlAttribute *begin, const XmlAttribute *end) : m_begin(begin), m_end(end) {}

    // The value of the attribute; a null view when the tag has no such attribute,
    // an empty one that is not null when its value is empty.
    QStringView value(QStringView qualifiedName) const;
    QStringView value(QStringView namespaceUri, QStringView name) const;

    const XmlAttribute *begin() const { return m_begin; }
    const XmlAttribute *end() const { return m_end; }
    qsizetype size() const { return m_end - m_begin; }

private:
    const XmlAttribute *m_begin = nullptr;
    const XmlAttribute *m_end = nullptr;
};

// A streaming XML reader over UTF-8 bytes given piece by piece: start tags, end
// tags and text, with namespaces resolved. It reads only what a workbook part
// holds and refuses the rest:
// - a document type or entity declaration (so no entity is ever expanded; the
//   five predefined entities and character references are decoded);
// - elements nested deeper, tags of more attributes, more namespace declarations
//   in the part, or a single tag longer than any workbook has;
// - XML that is not well-formed: end tags that do not match, text or a second
//   element outside the root, a bad attribute, an undeclared prefix, invalid
//   UTF-8 or a character XML does not allow.
// Comments, processing instructions and the XML declaration are passed over;
// CDATA sections are text. Text may come in more than one token.
class XmlTokenizer {
public:
    static constexpr int kMaxDepth = 100;
    static constexpr int kMaxAttributes = 1000;
    static constexpr int kMaxNamespaces = 256;
    static constexpr qsizetype kMaxMarkupBytes = 64 * 1024 * 1024;

    enum class Token { NeedData, Start, End, Text, EndOfDocument, Failed };
    enum class Failure {
        None,
        Malformed,         // reason() says how
        Truncated,         // the bytes end inside the document
        DocumentType,      // <!DOCTYPE or <!ENTITY
        TooDeep,           // more than kMaxDepth
        TooManyAttributes, // more than kMaxAttributes in one tag
        TooManyNamespaces, // more than kMaxNamespaces declarations
        MarkupTooLong,     // a tag, comment or CDATA section past kMaxMarkupBytes
    };

    XmlTokenizer();

    // The next bytes of the document, and that no more follow.
    void addData(const char *data, qsizetype size);
    void endOfData() { m_ended = true; }
    // The bytes were converted from UTF-16, which the XML declaration may then name.
    void setConvertedFromUtf16() { m_fromUtf16 = true; }

    // NeedData: give more bytes (or endOfData()) and call again.
    Token next();

    // Of the start or end tag just read: the local name and namespace.
    QStringView name() const;
    QStringView namespaceUri() const;
    // Of a start tag.
    XmlAttributes attributes() const;
    // Of a text token.
    QStringView text() const { return m_text.view(); }
    // The elements open: after a start tag, its own included; after an end tag,
    // its own left out.
    int depth() const { return m_depth; }

    Failure failure() const { return m_failure; }
    const QString &reason() const { return m_reason; }
    // The line (from 1) where reading failed.
    qint64 failureLine() const { return m_failureLine; }
    // Refuses the document as not well-formed where reading stands.
    void failMalformed(const QString &reason) { fail(Failure::Malformed, reason, m_at); }

private:
    // UTF-16 decoded into memory that is kept from token to token.
    struct Chars16 {
        QString chars; // its size is the memory; size says how much holds text
        qsizetype size = 0;
        // Room for more units after size.
        char16_t *room(qsizetype more);
        QStringView view() const { return QStringView(chars.constData(), size); }
    };
    // An element that is open: its name as written (to match its end tag), the
    // same decoded, where its local name starts in that, and the namespace
    // binding of its prefix (-1: none) as it was resolved when the bindings
    // were at that version.
    struct OpenElement {
        QByteArray qualifiedName;
        Chars16 decoded;
        qsizetype local = 0;
        int binding = -1;
        quint64 version = 0;
    };
    struct Binding {
        QString prefix; // "" for the default namespace
        QString uri;
        int depth = 0; // of the element that declares it
    };
    // An attribute as read, before its views are made: offsets into m_chars.
    struct RawAttribute {
        qsizetype name = 0, nameSize = 0, colon = -1, value = 0, valueSize = 0;
    };

    Token fail(Failure failure, const QString &reason, qsizetype at);
    Token malformed(const QString &reason, qsizetype at) { return fail(Failure::Malformed, reason, at); }
    Token needData();
    void consume(qsizetype bytes);
    void closeElement();

    // Each reads the token at m_at (NeedData when not all of it is here yet);
    // nullopt when it was consumed without giving a token (a comment, white
    // space outside the root). end: where its closing ">" is.
    std::optional<Token> readText();
    std::optional<Token> readMarkup();
    std::optional<Token> readStartTag(qsizetype end);
    std::optional<Token> readEndTag(qsizetype end);
    std::optional<Token> readInstruction(qsizetype end);

    // Where pattern starts, from the start of the token, or -1 when it is not here
    // yet (-2: refused as too long); the search resumes where it stopped.
    qsizetype find(std::string_view pattern, qsizetype from);
    // The ">" that ends the start tag, outside quoted values; -1: not here yet,
    // -2: refused.
    qsizetype findTagEnd();
    // Appends bytes to out as UTF-16: UTF-8 checked, line ends normalized; for
    // text and attributes references decoded, for attributes white space made
    // spaces. false (the failure set) when the bytes cannot stand there.
    enum class Chars { Text, Attribute, Raw };
    bool decode(const char *begin, const char *end, Chars16 &out, Chars kind);
    bool decodeReference(const char *&at, const char *end, char32_t &c);
    // The binding of a prefix, -1 for none; -2 (the failure set) when undeclared.
    int resolve(QStringView prefix, qsizetype at);

    QByteArray m_bytes; // the bytes not yet read, from m_at on
    qsizetype m_at = 0;
    qsizetype m_scanned = 0; // how far the end of the token at m_at was looked for
    char m_quote = 0;        // ... inside which quoted value that look stopped
    int m_equals = 0;        // ... and how many "=" it met
    qint64 m_lines = 0;      // lines in the bytes dropped from m_bytes
    bool m_ended = false;
    bool m_fromUtf16 = false;
    bool m_started = false;  // a token has been read (the XML declaration is no more allowed)
    bool m_rootDone = false; // the root element has ended

    Token m_token = Token::NeedData;
    bool m_selfClosing = false; // the start tag just read ends with "/>": its end tag comes next
    int m_depth = 0;
    std::vector<OpenElement> m_open; // by depth; kept, so that their memory serves again
    std::vector<Binding> m_bindings;
    quint64 m_version = 0; // changes whenever m_bindings does
    // The prefixes resolved since the bindings last changed.
    std::vector<std::pair<QString, int>> m_resolved;
    quint64 m_resolvedVersion = 0;
    int m_namespaces = 0;

    Chars16 m_chars; // the attributes of the start tag just read
    std::vector<RawAttribute> m_raw;
    std::vector<XmlAttribute> m_attributes;
    Chars16 m_text;

    Failure m_failure = Failure::None;
    QString m_reason;
    qint64 m_failureLine = 0;
};
