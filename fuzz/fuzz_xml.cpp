// libFuzzer harness: the XML tokenizer of workbook parts over arbitrary bytes.
// The first byte says the size of the pieces the rest is given in; read whole
// and in pieces, the tokens and the failure must be the same.
#include "files/workbook/XmlTokenizer.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The tokens, texts joined; a text cut short by a failure is left out.
QString Tokens(const char *data, qsizetype size, qsizetype piece, XmlTokenizer::Failure &failure)
{
    XmlTokenizer tokenizer;
    QString tokens, text;
    qsizetype given = 0;
    for (;;) {
        switch (tokenizer.next()) {
        case XmlTokenizer::Token::NeedData: {
            const qsizetype n = qMin(piece, size - given);
            if (n == 0)
                tokenizer.endOfData();
            else
                tokenizer.addData(data + given, n);
            given += n;
            break;
        }
        case XmlTokenizer::Token::Text:
            text += tokenizer.text();
            break;
        case XmlTokenizer::Token::Start:
            tokens += text + u'<' + tokenizer.namespaceUri().toString() + u'|' + tokenizer.name().toString();
            text.clear();
            for (const XmlAttribute &attribute : tokenizer.attributes())
                tokens += u' ' + attribute.namespaceUri.toString() + u'|' + attribute.qualifiedName.toString() + u'='
                    + attribute.value.toString();
            tokens += u'>';
            break;
        case XmlTokenizer::Token::End:
            tokens += text + QStringLiteral("</") + tokenizer.name().toString() + u'>';
            text.clear();
            break;
        case XmlTokenizer::Token::EndOfDocument:
            failure = XmlTokenizer::Failure::None;
            return tokens + text;
        case XmlTokenizer::Token::Failed:
            failure = tokenizer.failure();
            return tokens;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const qsizetype piece = qsizetype(data[0]) + 1;
    const char *xml = reinterpret_cast<const char *>(data + 1);
    const qsizetype length = qsizetype(size - 1);
    XmlTokenizer::Failure whole = XmlTokenizer::Failure::None, pieces = XmlTokenizer::Failure::None;
    if (Tokens(xml, length, length + 1, whole) != Tokens(xml, length, piece, pieces) || whole != pieces)
        std::abort();
    return 0;
}
