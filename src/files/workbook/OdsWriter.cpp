#include "files/workbook/OdsWriter.h"

#include "files/workbook/XmlPart.h"
#include "files/workbook/ZipContainer.h"

#include <QLocale>

namespace {

constexpr int kMaxRows = 1'048'576;
constexpr int kMaxColumns = 16'384;
constexpr qsizetype kFlushBytes = 256 * 1024;

QString Grouped(qint64 number)
{
    return QLocale(QLocale::English).toString(qlonglong(number));
}

const char kMimeType[] = "application/vnd.oasis.opendocument.spreadsheet";

const char kManifest[] = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                         "\n"
                         R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" )"
                         R"(manifest:version="1.2">)"
                         R"(<manifest:file-entry manifest:full-path="/" manifest:version="1.2" )"
                         R"(manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>)"
                         R"(<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>)"
                         R"(</manifest:manifest>)";

const char kContentStart[] =
    R"(<?xml version="1.0" encoding="UTF-8"?>)"
    "\n"
    R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
    R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2">)"
    R"(<office:body><office:spreadsheet><table:table table:name="Sheet1">)";

const char kContentEnd[] = "</table:table></office:spreadsheet></office:body></office:document-content>";

// The first character of text that XML cannot hold, or 0.
char32_t BadCharacter(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate() || !IsXmlChar(c.unicode()))
            return c.unicode();
    }
    return 0;
}

void AppendSpaces(QByteArray &out, qsizetype count)
{
    if (count == 1)
        out += "<text:s/>";
    else if (count > 1)
        out += "<text:s text:c=\"" + QByteArray::number(count) + "\"/>";
}

// One line of a text as a paragraph: a space stands as it is only alone between
// two other characters; other spaces, tabs and carriage returns are elements,
// since a reader collapses white space in character data.
void AppendParagraph(QByteArray &out, QStringView line)
{
    out += "<text:p>";
    qsizetype plain = 0;
    for (qsizetype i = 0; i < line.size();) {
        const QChar c = line[i];
        if (c != u' ' && c != u'\t' && c != u'\r') {
            ++i;
            continue;
        }
        AppendXmlEscaped(out, line.mid(plain, i - plain));
        if (c == u' ') {
            qsizetype end = i;
            while (end < line.size() && line[end] == u' ')
                ++end;
            if (i > 0 && end < line.size()) {
                out += ' ';
                AppendSpaces(out, end - i - 1);
            } else {
                AppendSpaces(out, end - i);
            }
            i = end;
        } else {
            out += c == u'\t' ? "<text:tab/>" : "<text:line-break/>";
            ++i;
        }
        plain = i;
    }
    AppendXmlEscaped(out, line.mid(plain));
    out += "</text:p>";
}

} // namespace

Expected<QByteArray> BuildOdsFile(const SheetTexts &sheet)
{
    using Result = Expected<QByteArray>;
    if (sheet.rows < 0 || sheet.columns < 0)
        return Result::failure(QStringLiteral("the sheet would have a negative size"));
    if (sheet.rows > kMaxRows)
        return Result::failure(QStringLiteral("the sheet would have %1 rows; an OpenDocument spreadsheet (.ods) "
                                              "holds at most 1,048,576")
                                   .arg(Grouped(sheet.rows)));
    if (sheet.columns > kMaxColumns)
        return Result::failure(QStringLiteral("the sheet would have %1 columns; an OpenDocument spreadsheet (.ods) "
                                              "holds at most 16,384")
                                   .arg(Grouped(sheet.columns)));

    ZipWriter zip;
    bool ok = zip.begin(QStringLiteral("mimetype"), true) && zip.write(QByteArrayView(kMimeType)) && zip.end()
        && zip.begin(QStringLiteral("META-INF/manifest.xml")) && zip.write(QByteArrayView(kManifest)) && zip.end()
        && zip.begin(QStringLiteral("content.xml"));

    QByteArray out(kContentStart);
    out.reserve(kFlushBytes + 64 * 1024);
    out += "<table:table-column table:number-columns-repeated=\"" + QByteArray::number(qMax(1, sheet.columns)) + "\"/>";
    for (int row = 0; ok && row < sheet.rows; ++row) {
        out += "<table:table-row>";
        for (int column = 0; column < sheet.columns; ++column) {
            const QString text = sheet.text(row, column);
            if (const char32_t bad = BadCharacter(text))
                return Result::failure(QStringLiteral("the text for sheet row %1, column %2 holds the character "
                                                      "U+%3, which an OpenDocument spreadsheet cannot hold")
                                           .arg(Grouped(row + 1), Grouped(column + 1),
                                                QString::number(uint(bad), 16).toUpper().rightJustified(4, u'0')));
            out += "<table:table-cell office:value-type=\"string\"";
            if (text.contains(u'\r')) {
                out += " office:string-value=\"";
                AppendXmlEscaped(out, text, true);
                out += '"';
            }
            out += '>';
            for (const QStringView line : QStringView(text).split(u'\n'))
                AppendParagraph(out, line);
            out += "</table:table-cell>";
        }
        if (sheet.columns == 0)
            out += "<table:table-cell/>";
        out += "</table:table-row>";
        if (out.size() >= kFlushBytes) {
            ok = zip.write(out);
            out.resize(0); // the memory reserved stays
        }
    }
    if (sheet.rows == 0)
        out += "<table:table-row><table:table-cell/></table:table-row>";
    out += kContentEnd;
    ok = ok && zip.write(out) && zip.end();
    if (!ok)
        return Result::failure(QStringLiteral("the spreadsheet could not be put together"));
    return zip.finish();
}
