#include "files/workbook/XmlTokenizer.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

namespace {

// Text longer than this that goes on past the bytes given is passed on in pieces.
constexpr qsizetype kTextPiece = 64 * 1024;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The bytes of names: ASCII letters, digits and "_:-." and every byte of a
// multi-byte UTF-8 character (checked when the name is decoded).
constexpr bool IsNameByteSlow(uchar u)
{
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == ':'
        || u == '-' || u == '.' || u >= 0x80;
}

struct NameBytes {
    bool is[256] = {};
    constexpr NameBytes()
    {
        for (int u = 0; u < 256; ++u)
            is[u] = IsNameByteSlow(uchar(u));
    }
};
constexpr NameBytes kNameBytes;

inline bool IsNameByte(char c)
{
    return kNameBytes.is[uchar(c)];
}

// A name may not start with a digit, "-" or ".".
bool IsNameStart(char c)
{
    return IsNameByte(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.';
}

bool Begins(const char *bytes, qsizetype size, std::string_view text)
{
    return size >= qsizetype(text.size()) && std::memcmp(bytes, text.data(), text.size()) == 0;
}

// Whether the bytes could still grow into text.
bool CouldBegin(const char *bytes, qsizetype size, std::string_view text)
{
    return size < qsizetype(text.size()) && std::memcmp(bytes, text.data(), size_t(size)) == 0;
}

// The first bytes of the markup at bytes, for messages.
QString Shown(const char *bytes, qsizetype size)
{
    return QString::fromUtf8(bytes, std::min<qsizetype>(size, 20));
}

QString Shown(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(std::min<size_t>(name.size(), 80)));
}

// Where text that goes on past the bytes here may be cut: not inside a UTF-8
// sequence, a reference or a "\r\n".
qsizetype TextCut(const char *text, qsizetype size)
{
    qsizetype cut = size;
    while (cut > 0 && (uchar(text[cut - 1]) & 0xC0) == 0x80)
        --cut; // continuation bytes ...
    if (cut > 0 && uchar(text[cut - 1]) >= 0xC0)
        --cut; // ... and their lead byte
    for (qsizetype at = cut - 1; at >= 0 && text[at] != ';'; --at)
        if (text[at] == '&') {
            cut = at;
            break;
        }
    if (cut > 0 && text[cut - 1] == '\r')
        --cut;
    return cut > 0 ? cut : size;
}

// Where the prefix of a qualified name ends: -1 when it has none, -2 when it is
// no qualified name ("a:", ":a", "a:b:c").
qsizetype Colon(QStringView name)
{
    const qsizetype colon = name.indexOf(u':');
    if (colon < 0)
        return -1;
    if (colon == 0 || colon == name.size() - 1 || name.indexOf(u':', colon + 1) >= 0)
        return -2;
    return colon;
}

// Names compared: most differ in their size or first character, which is
// cheaper to see than calling a comparison.
inline bool Same(QStringView a, QStringView b)
{
    return a.size() == b.size() && (a.isEmpty() || (a.front() == b.front() && a == b));
}

bool IsNamespaceDeclaration(QStringView name)
{
    return name.size() >= 5 && name.front() == u'x' && name.startsWith(u"xmlns")
        && (name.size() == 5 || name[5] == u':');
}

bool HasDuplicate(const std::vector<XmlAttribute> &attributes)
{
    if (attributes.size() <= 16) {
        for (size_t i = 1; i < attributes.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                if (Same(attributes[i].qualifiedName, attributes[j].qualifiedName))
                    return true;
        return false;
    }
    std::vector<QStringView> names;
    names.reserve(attributes.size());
    for (const XmlAttribute &attribute : attributes)
        names.push_back(attribute.qualifiedName);
    std::sort(names.begin(), names.end());
    return std::adjacent_find(names.begin(), names.end()) != names.end();
}

} // namespace

QStringView XmlAttributes::value(QStringView qualifiedName) const
{
    for (const XmlAttribute &attribute : *this)
        if (Same(attribute.qualifiedName, qualifiedName))
            return attribute.value;
    return {};
}

QStringView XmlAttributes::value(QStringView namespaceUri, QStringView name) const
{
    for (const XmlAttribute &attribute : *this)
        if (Same(attribute.name, name) && attribute.namespaceUri == namespaceUri)
            return attribute.value;
    return {};
}

XmlTokenizer::XmlTokenizer()
{
    m_bindings.push_back({QStringLiteral("xml"), QStringLiteral("http://www.w3.org/XML/1998/namespace"), 0});
}

// After a start tag its element is the last one open; after an end tag, the one
// just past them (it stays there until the next token).
QStringView XmlTokenizer::name() const
{
    if (m_token != Token::Start && m_token != Token::End)
        return {};
    const OpenElement &element = m_open[size_t(m_token == Token::Start ? m_depth - 1 : m_depth)];
    return element.decoded.view().mid(element.local);
}

QStringView XmlTokenizer::namespaceUri() const
{
    if (m_token != Token::Start && m_token != Token::End)
        return {};
    const int binding = m_open[size_t(m_token == Token::Start ? m_depth - 1 : m_depth)].binding;
    return binding < 0 ? QStringView() : QStringView(m_bindings[size_t(binding)].uri);
}

XmlAttributes XmlTokenizer::attributes() const
{
    if (m_token != Token::Start)
        return {};
    return {m_attributes.data(), m_attributes.data() + m_attributes.size()};
}

void XmlTokenizer::addData(const char *data, qsizetype size)
{
    if (m_at > 0) {
        // The bytes read go; the rest moves to the front, the memory stays.
        const char *read = m_bytes.constData();
        m_lines += std::count(read, read + m_at, '\n');
        const qsizetype rest = m_bytes.size() - m_at;
        std::memmove(m_bytes.data(), read + m_at, size_t(rest));
        m_bytes.resize(rest);
        m_at = 0;
    }
    m_bytes.append(data, size);
}

XmlTokenizer::Token XmlTokenizer::fail(Failure failure, const QString &reason, qsizetype at)
{
    m_failure = failure;
    m_reason = reason;
    m_failureLine =
        1 + m_lines + std::count(m_bytes.constData(), m_bytes.constData() + std::min(at, m_bytes.size()), '\n');
    return m_token = Token::Failed;
}

XmlTokenizer::Token XmlTokenizer::needData()
{
    return m_ended ? fail(Failure::Truncated, QString(), m_bytes.size()) : Token::NeedData;
}

void XmlTokenizer::consume(qsizetype bytes)
{
    m_at += bytes;
    m_scanned = 0;
    m_quote = 0;
    m_equals = 0;
    m_started = true;
}

// The namespaces the element just ended declared go out of scope.
void XmlTokenizer::closeElement()
{
    while (m_bindings.back().depth > m_depth) {
        m_bindings.pop_back();
        ++m_version;
    }
}

XmlTokenizer::Token XmlTokenizer::next()
{
    if (m_failure != Failure::None)
        return Token::Failed;
    if (m_token == Token::End)
        closeElement();
    if (m_selfClosing) {
        m_selfClosing = false;
        if (--m_depth == 0)
            m_rootDone = true;
        return m_token = Token::End;
    }
    for (;;) {
        if (m_at == m_bytes.size()) {
            if (!m_ended)
                return m_token = Token::NeedData;
            if (!m_rootDone)
                return fail(Failure::Truncated, QString(), m_at);
            return m_token = Token::EndOfDocument;
        }
        const std::optional<Token> token = m_bytes[m_at] == '<' ? readMarkup() : readText();
        if (token)
            return m_token = *token;
    }
}

std::optional<XmlTokenizer::Token> XmlTokenizer::readText()
{
    const char *text = m_bytes.constData() + m_at;
    const qsizetype available = m_bytes.size() - m_at;
    const void *open = std::memchr(text + m_scanned, '<', size_t(available - m_scanned));
    qsizetype size = open ? static_cast<const char *>(open) - text : available;
    if (!open && !m_ended) {
        if (available < kTextPiece) {
            m_scanned = available;
            return Token::NeedData;
        }
        size = TextCut(text, available);
    }
    if (m_depth == 0) {
        for (qsizetype i = 0; i < size; ++i)
            if (!IsSpace(text[i]))
                return malformed(QStringLiteral("text outside the root element"), m_at + i);
        consume(size);
        return std::nullopt;
    }
    m_text.size = 0;
    if (!decode(text, text + size, m_text, Chars::Text))
        return Token::Failed;
    consume(size);
    return Token::Text;
}

std::optional<XmlTokenizer::Token> XmlTokenizer::readMarkup()
{
    const char *markup = m_bytes.constData() + m_at;
    const qsizetype available = m_bytes.size() - m_at;
    if (available < 2)
        return needData();
    const auto incomplete = [this](qsizetype found) { return found == -2 ? Token::Failed : needData(); };
    if (markup[1] == '/') {
        const qsizetype end = find(">", 2);
        return end < 0 ? incomplete(end) : readEndTag(end);
    }
    if (markup[1] == '?') {
        const qsizetype end = find("?>", 2);
        return end < 0 ? incomplete(end) : readInstruction(end);
    }
    if (markup[1] != '!') {
        const qsizetype end = findTagEnd();
        return end < 0 ? incomplete(end) : readStartTag(end);
    }
    if (Begins(markup, available, "<!--")) {
        const qsizetype end = find("-->", 4);
        if (end < 0)
            return incomplete(end);
        consume(end + 3);
        return std::nullopt;
    }
    if (Begins(markup, available, "<![CDATA[")) {
        if (m_depth == 0)
            return malformed(QStringLiteral("a CDATA section outside the root element"), m_at);
        const qsizetype end = find("]]>", 9);
        if (end < 0)
            return incomplete(end);
        m_text.size = 0;
        if (!decode(markup + 9, markup + end, m_text, Chars::Raw))
            return Token::Failed;
        consume(end + 3);
        return Token::Text;
    }
    if (Begins(markup, available, "<!DOCTYPE") || Begins(markup, available, "<!ENTITY"))
        return fail(Failure::DocumentType, QString(), m_at);
    if (CouldBegin(markup, available, "<!--") || CouldBegin(markup, available, "<![CDATA[")
        || CouldBegin(markup, available, "<!DOCTYPE") || CouldBegin(markup, available, "<!ENTITY"))
        return needData();
    return malformed(QStringLiteral("markup no workbook holds (%1)").arg(Shown(markup, available)), m_at);
}

qsizetype XmlTokenizer::find(std::string_view pattern, qsizetype from)
{
    const qsizetype available = m_bytes.size() - m_at;
    const qsizetype start = std::max(from, m_scanned);
    const std::string_view rest(m_bytes.constData() + m_at + start, size_t(std::max<qsizetype>(available - start, 0)));
    const size_t found = rest.find(pattern);
    if (found != std::string_view::npos)
        return start + qsizetype(found);
    m_scanned = std::max(start, available - qsizetype(pattern.size()) + 1);
    if (m_scanned > kMaxMarkupBytes) {
        fail(Failure::MarkupTooLong, QString(), m_at);
        return -2;
    }
    return -1;
}

qsizetype XmlTokenizer::findTagEnd()
{
    const char *tag = m_bytes.constData() + m_at;
    const qsizetype available = m_bytes.size() - m_at;
    qsizetype at = std::max<qsizetype>(m_scanned, 1);
    while (at < available) {
        if (m_quote) {
            const void *close = std::memchr(tag + at, m_quote, size_t(available - at));
            if (!close) {
                at = available;
                break;
            }
            at = static_cast<const char *>(close) - tag + 1;
            m_quote = 0;
            continue;
        }
        const char c = tag[at];
        if (c == '>')
            return at;
        if (c == '"' || c == '\'') {
            m_quote = c;
        } else if (c == '=' && ++m_equals > kMaxAttributes) {
            fail(Failure::TooManyAttributes, QString(), m_at);
            return -2;
        } else if (c == '<') {
            malformed(QStringLiteral("a tag without its \">\""), m_at + at);
            return -2;
        }
        ++at;
    }
    m_scanned = at;
    if (m_scanned > kMaxMarkupBytes) {
        fail(Failure::MarkupTooLong, QString(), m_at);
        return -2;
    }
    return -1;
}

int XmlTokenizer::resolve(QStringView prefix, qsizetype at)
{
    if (m_resolvedVersion != m_version) {
        m_resolved.clear();
        m_resolvedVersion = m_version;
    }
    for (const auto &[known, binding] : m_resolved)
        if (known == prefix)
            return binding;
    int binding = -2;
    for (int i = int(m_bindings.size()) - 1; i >= 0 && binding == -2; --i)
        if (m_bindings[size_t(i)].prefix == prefix)
            binding = m_bindings[size_t(i)].uri.isEmpty() ? -1 : i;
    if (binding == -2) {
        if (!prefix.isEmpty()) {
            malformed(QStringLiteral("the prefix \"%1\" is bound to no namespace").arg(prefix), at);
            return -2;
        }
        binding = -1; // no default namespace
    }
    if (m_resolved.size() < 8)
        m_resolved.emplace_back(prefix.toString(), binding);
    return binding;
}

std::optional<XmlTokenizer::Token> XmlTokenizer::readStartTag(qsizetype end)
{
    const char *tag = m_bytes.constData() + m_at;
    if (m_rootDone)
        return malformed(QStringLiteral("a second root element"), m_at);
    if (m_depth >= kMaxDepth)
        return fail(Failure::TooDeep, QString(), m_at);
    qsizetype at = 1;
    while (at < end && IsNameByte(tag[at]))
        ++at;
    const qsizetype nameEnd = at;
    if (nameEnd == 1 || !IsNameStart(tag[1]))
        return malformed(QStringLiteral("a \"<\" that starts no tag"), m_at);

    // The attributes as written, into m_chars: no more units than the tag has bytes.
    m_chars.size = 0;
    m_chars.room(end);
    m_raw.clear();
    bool selfClosing = false;
    for (;;) {
        const qsizetype spaceAt = at;
        while (at < end && IsSpace(tag[at]))
            ++at;
        if (at == end)
            break;
        if (tag[at] == '/') {
            if (at + 1 != end)
                return malformed(QStringLiteral("a \"/\" inside a tag"), m_at + at);
            selfClosing = true;
            break;
        }
        if (at == spaceAt)
            return malformed(QStringLiteral("attributes not parted by white space"), m_at + at);
        RawAttribute raw;
        const qsizetype nameAt = at;
        while (at < end && IsNameByte(tag[at]))
            ++at;
        if (at == nameAt || !IsNameStart(tag[nameAt]))
            return malformed(QStringLiteral("\"%1\" where an attribute's name should be").arg(QLatin1Char(tag[nameAt])),
                             m_at + at);
        raw.name = m_chars.size;
        if (!decode(tag + nameAt, tag + at, m_chars, Chars::Raw))
            return Token::Failed;
        raw.nameSize = m_chars.size - raw.name;
        while (at < end && IsSpace(tag[at]))
            ++at;
        if (at == end || tag[at] != '=')
            return malformed(QStringLiteral("an attribute without a value"), m_at + at);
        ++at;
        while (at < end && IsSpace(tag[at]))
            ++at;
        if (at == end || (tag[at] != '"' && tag[at] != '\''))
            return malformed(QStringLiteral("an attribute value without quotes"), m_at + at);
        const char quote = tag[at++];
        // findTagEnd() saw every quoted value closed before the end of the tag.
        const char *close = static_cast<const char *>(std::memchr(tag + at, quote, size_t(end - at)));
        raw.value = m_chars.size;
        if (!decode(tag + at, close, m_chars, Chars::Attribute))
            return Token::Failed;
        raw.valueSize = m_chars.size - raw.value;
        at = close - tag + 1;
        m_raw.push_back(raw);
    }

    const int depth = m_depth + 1;
    // Namespace declarations first: they hold for the tag's own names.
    const QStringView chars = m_chars.view();
    for (RawAttribute &raw : m_raw) {
        const QStringView name = chars.mid(raw.name, raw.nameSize);
        if (!IsNamespaceDeclaration(name))
            continue;
        if (++m_namespaces > kMaxNamespaces)
            return fail(Failure::TooManyNamespaces, QString(), m_at);
        const QStringView prefix = name.mid(qMin<qsizetype>(6, name.size()));
        const QStringView uri = chars.mid(raw.value, raw.valueSize);
        if (name.size() > 5 && (Colon(name) != 5 || uri.isEmpty()))
            return malformed(QStringLiteral("a bad namespace declaration %1").arg(name), m_at);
        m_bindings.push_back({prefix.toString(), uri.toString(), depth});
        ++m_version;
        raw.colon = -2; // not an attribute
    }

    // The element's slot keeps the name of the one before it at its depth: a
    // sibling of the same name under the same bindings is resolved already.
    if (size_t(m_depth) == m_open.size())
        m_open.emplace_back();
    OpenElement &element = m_open[size_t(m_depth)];
    const std::string_view written(tag + 1, size_t(nameEnd - 1));
    if (element.version != m_version
        || written != std::string_view(element.qualifiedName.constData(), size_t(element.qualifiedName.size()))) {
        element.qualifiedName.resize(0);
        element.qualifiedName.append(written.data(), qsizetype(written.size()));
        element.decoded.size = 0;
        if (!decode(tag + 1, tag + nameEnd, element.decoded, Chars::Raw))
            return Token::Failed;
        const QStringView qualifiedName = element.decoded.view();
        const qsizetype colon = Colon(qualifiedName);
        if (colon == -2)
            return malformed(QStringLiteral("the element name %1").arg(qualifiedName), m_at);
        element.local = colon + 1;
        element.binding = resolve(qualifiedName.left(qMax<qsizetype>(colon, 0)), m_at);
        if (element.binding == -2)
            return Token::Failed;
        element.version = m_version;
    }

    m_attributes.clear();
    for (RawAttribute &raw : m_raw) {
        if (raw.colon == -2)
            continue;
        const QStringView name = chars.mid(raw.name, raw.nameSize);
        const qsizetype prefixEnd = Colon(name);
        if (prefixEnd == -2)
            return malformed(QStringLiteral("the attribute name %1").arg(name), m_at);
        QStringView uri;
        if (prefixEnd > 0) {
            const int binding = resolve(name.left(prefixEnd), m_at);
            if (binding == -2)
                return Token::Failed;
            if (binding >= 0)
                uri = m_bindings[size_t(binding)].uri;
        }
        m_attributes.push_back({name, name.mid(prefixEnd + 1), uri, chars.mid(raw.value, raw.valueSize)});
    }
    if (HasDuplicate(m_attributes))
        return malformed(QStringLiteral("an attribute given twice"), m_at);

    m_depth = depth;
    m_selfClosing = selfClosing;
    consume(end + 1);
    return Token::Start;
}

std::optional<XmlTokenizer::Token> XmlTokenizer::readEndTag(qsizetype end)
{
    const char *tag = m_bytes.constData() + m_at;
    qsizetype at = 2;
    while (at < end && IsNameByte(tag[at]))
        ++at;
    const qsizetype nameEnd = at;
    while (at < end && IsSpace(tag[at]))
        ++at;
    const std::string_view name(tag + 2, size_t(nameEnd - 2));
    if (name.empty() || at != end)
        return malformed(QStringLiteral("a bad end tag (%1)").arg(Shown(tag, end + 1)), m_at);
    if (m_depth == 0)
        return malformed(QStringLiteral("the end tag </%1> closes no element").arg(Shown(name)), m_at);
    const QByteArray &open = m_open[size_t(m_depth - 1)].qualifiedName;
    if (name != std::string_view(open.constData(), size_t(open.size())))
        return malformed(
            QStringLiteral("the end tag </%1> where </%2> should be").arg(Shown(name), QString::fromUtf8(open)), m_at);
    if (--m_depth == 0)
        m_rootDone = true;
    consume(end + 1);
    return Token::End;
}

// A processing instruction, passed over; or the XML declaration, whose encoding
// must be the one the bytes are in.
std::optional<XmlTokenizer::Token> XmlTokenizer::readInstruction(qsizetype end)
{
    const char *instruction = m_bytes.constData() + m_at;
    qsizetype at = 2;
    while (at < end && IsNameByte(instruction[at]))
        ++at;
    const std::string_view target(instruction + 2, size_t(at - 2));
    if (target.empty())
        return malformed(QStringLiteral("a processing instruction without a target"), m_at);
    if (target.size() == 3 && std::tolower(target[0]) == 'x' && std::tolower(target[1]) == 'm'
        && std::tolower(target[2]) == 'l') {
        if (m_started)
            return malformed(QStringLiteral("an XML declaration after the start of the part"), m_at);
        const QByteArray declaration =
            QByteArray(instruction + at, end - at).simplified().replace(" =", "=").replace("= ", "=");
        if (!declaration.startsWith("version"))
            return malformed(QStringLiteral("an XML declaration without its version"), m_at);
        if (const qsizetype named = declaration.indexOf("encoding="); named >= 0) {
            const QByteArray quoted = declaration.mid(named + 9);
            const qsizetype close = quoted.isEmpty() ? -1 : quoted.indexOf(quoted[0], 1);
            const QByteArray encoding = close < 0 ? QByteArray() : quoted.mid(1, close - 1).toUpper();
            const bool utf8 =
                encoding == "UTF-8" || encoding == "UTF8" || encoding == "US-ASCII" || encoding == "ASCII";
            const bool utf16 = encoding.startsWith("UTF-16") || encoding == "UTF16";
            if (!(utf8 || (utf16 && m_fromUtf16)))
                return malformed(QStringLiteral("its encoding %1 is not UTF-8 or UTF-16 (with a byte order mark)")
                                     .arg(QString::fromLatin1(quoted.left(40))),
                                 m_at);
        }
    }
    consume(end + 2);
    return std::nullopt;
}

bool XmlTokenizer::decodeReference(const char *&at, const char *end, char32_t &c)
{
    const char *semicolon = static_cast<const char *>(std::memchr(at + 1, ';', size_t(end - at - 1)));
    const qsizetype position = at - m_bytes.constData();
    if (!semicolon) {
        malformed(QStringLiteral("a \"&\" that starts no reference"), position);
        return false;
    }
    const std::string_view name(at + 1, size_t(semicolon - at - 1));
    at = semicolon + 1;
    if (name == "lt")
        c = '<';
    else if (name == "gt")
        c = '>';
    else if (name == "amp")
        c = '&';
    else if (name == "apos")
        c = '\'';
    else if (name == "quot")
        c = '"';
    else if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        c = 0;
        bool ok = !digits.empty();
        for (const char digit : digits) {
            const int value = digit >= '0' && digit <= '9' ? digit - '0'
                : hex && digit >= 'a' && digit <= 'f'      ? digit - 'a' + 10
                : hex && digit >= 'A' && digit <= 'F'      ? digit - 'A' + 10
                                                           : -1;
            if (value < 0 || c > 0x10FFFF) {
                ok = false;
                break;
            }
            c = c * (hex ? 16 : 10) + char32_t(value);
        }
        if (!ok || !IsXmlChar(c)) {
            malformed(QStringLiteral("the character reference &%1; names no character XML allows")
                          .arg(QString::fromLatin1(name.data(), qsizetype(name.size()))),
                      position);
            return false;
        }
    } else {
        malformed(QStringLiteral("the entity &%1; that no workbook declares")
                      .arg(QString::fromUtf8(name.data(), qsizetype(std::min<size_t>(name.size(), 40)))),
                  position);
        return false;
    }
    return true;
}

char16_t *XmlTokenizer::Chars16::room(qsizetype more)
{
    if (chars.size() < size + more)
        chars.resize(qMax(size + more, 2 * chars.size()));
    return reinterpret_cast<char16_t *>(chars.data()) + size;
}

bool XmlTokenizer::decode(const char *begin, const char *end, Chars16 &out, Chars kind)
{
    const qsizetype start = out.size;
    char16_t *write = out.room(end - begin); // UTF-16 takes no more units than UTF-8 takes bytes
    char16_t *const first = write - start;
    const auto put = [&write](char32_t c) {
        if (c >= 0x10000) {
            *write++ = char16_t(0xD800 + ((c - 0x10000) >> 10));
            *write++ = char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            *write++ = char16_t(c);
        }
    };
    const auto refuse = [this](const char *at, const QString &why) {
        malformed(why, at - m_bytes.constData());
        return false;
    };
    const char *at = begin;
    while (at < end) {
        const uchar c = uchar(*at);
        if (c >= 0x20 && c < 0x80) {
            if (kind != Chars::Raw && (c == '&' || c == '<')) {
                if (c == '<')
                    return refuse(at, QStringLiteral("a \"<\" in an attribute value"));
                char32_t referenced = 0;
                if (!decodeReference(at, end, referenced))
                    return false;
                put(referenced);
                continue;
            }
            *write++ = c;
            ++at;
        } else if (c == '\r') {
            // Line ends are "\n", whichever way they were written.
            *write++ = kind == Chars::Attribute ? u' ' : u'\n';
            if (++at < end && *at == '\n')
                ++at;
        } else if (c == '\n' || c == '\t') {
            *write++ = kind == Chars::Attribute ? u' ' : char16_t(c);
            ++at;
        } else if (c < 0x20) {
            return refuse(at, QStringLiteral("the control character %1, which XML does not allow").arg(int(c)));
        } else {
            // A multi-byte UTF-8 sequence: its lead byte says how long it is.
            const int extra = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : -1;
            bool ok = extra > 0 && end - at > extra;
            char32_t code = c & (0x3F >> qMax(extra, 0));
            for (int i = 1; ok && i <= extra; ++i) {
                ok = (uchar(at[i]) & 0xC0) == 0x80;
                code = (code << 6) | (uchar(at[i]) & 0x3F);
            }
            static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
            if (!ok || code < kLeast[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                return refuse(at, QStringLiteral("bytes that are not UTF-8"));
            if (!IsXmlChar(code))
                return refuse(at,
                              QStringLiteral("the character U+%1, which XML does not allow")
                                  .arg(QString::number(uint(code), 16).toUpper().rightJustified(4, u'0')));
            put(code);
            at += extra + 1;
        }
    }
    out.size = write - first;
    return true;
}
