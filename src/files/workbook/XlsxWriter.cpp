#include "files/workbook/XlsxWriter.h"

#include "files/workbook/XmlPart.h"
#include "files/workbook/ZipContainer.h"

#include <QHash>
#include <QLocale>

#include <cctype>

namespace {

constexpr int kMaxRows = 1'048'576;
constexpr int kMaxColumns = 16'384;
constexpr int kMaxCellChars = 32'767;
constexpr qsizetype kFlushBytes = 256 * 1024;

QString Grouped(qint64 number)
{
    return QLocale(QLocale::English).toString(qlonglong(number));
}

// A, B, ..., Z, AA, ...
QByteArray ColumnName(int column)
{
    QByteArray name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(char('A' + (c - 1) % 26));
    return name;
}

const char kContentTypes[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/xl/workbook.xml" )"
    R"(ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
    R"(<Override PartName="/xl/worksheets/sheet1.xml" )"
    R"(ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
    R"(<Override PartName="/xl/styles.xml" )"
    R"(ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
    R"(<Override PartName="/xl/sharedStrings.xml" )"
    R"(ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>)"
    R"(</Types>)";

const char kPackageRelationships[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" )"
    R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" )"
    R"(Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";

const char kWorkbook[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                         "\n"
                         R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
                         R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
                         R"(<bookViews><workbookView/></bookViews>)"
                         R"(<sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets>)"
                         R"(</workbook>)";

const char kWorkbookRelationships[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" )"
    R"(Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" )"
    R"(Target="styles.xml"/>)"
    R"(<Relationship Id="rId3" )"
    R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" )"
    R"(Target="sharedStrings.xml"/>)"
    R"(</Relationships>)";

// Cell format 1 is the Text number format (built-in 49, "@"), so that what the
// user types into such a cell later stays text as well.
const char kStyles[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<fonts count="1"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill>)"
    R"(<fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="2"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>)"
    R"(<xf numFmtId="49" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/></cellXfs>)"
    R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)"
    R"(</styleSheet>)";

const char kSheetStart[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                           "\n"
                           R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";

bool IsHex(QChar c)
{
    return c.unicode() < 0x80 && std::isxdigit(c.unicode());
}

bool AddPart(ZipWriter &zip, const QString &name, const char *content)
{
    return zip.begin(name) && zip.write(QByteArrayView(content)) && zip.end();
}

// Distinct texts in the order of first use.
class SharedStrings {
public:
    // Room for the texts of that many cells, so that the table is not rebuilt as
    // it grows (a sheet of many cells is reserved for its first million).
    explicit SharedStrings(qint64 cells) { m_index.reserve(qsizetype(qMin<qint64>(cells, 1 << 20))); }
    quint32 add(const QString &text)
    {
        ++m_uses;
        const auto found = m_index.constFind(text);
        if (found != m_index.cend())
            return *found;
        const quint32 index = quint32(m_strings.size());
        m_index.insert(text, index);
        m_strings.append(text);
        return index;
    }
    const QList<QString> &strings() const { return m_strings; }
    quint64 uses() const { return m_uses; }

private:
    QList<QString> m_strings;
    QHash<QString, quint32> m_index;
    quint64 m_uses = 0;
};

} // namespace

namespace {

// Whether text[i] must be written as _xHHHH_; a surrogate pair stands for one
// character and is never escaped.
bool NeedsEscape(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c.unicode() >= 0x20 && c.unicode() < 0xD800 && c != u'_')
        return false;
    if (c == u'_')
        return i + 6 < text.size() && text[i + 1] == u'x' && IsHex(text[i + 2]) && IsHex(text[i + 3])
            && IsHex(text[i + 4]) && IsHex(text[i + 5]) && text[i + 6] == u'_';
    if (c.isHighSurrogate())
        return !(i + 1 < text.size() && text[i + 1].isLowSurrogate());
    if (c.isLowSurrogate())
        return !(i > 0 && text[i - 1].isHighSurrogate());
    return c == u'\r' || !IsXmlChar(c.unicode());
}

} // namespace

QString EncodeXmlEscapes(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && !NeedsEscape(text, first))
        ++first;
    if (first == text.size())
        return text;
    QString out = text.left(first);
    for (qsizetype i = first; i < text.size(); ++i) {
        if (NeedsEscape(text, i))
            out += QStringLiteral("_x") + QStringLiteral("%1").arg(text[i].unicode(), 4, 16, QLatin1Char('0')).toUpper()
                + QLatin1Char('_');
        else
            out += text[i];
    }
    return out;
}

Expected<QByteArray> BuildXlsxFile(const SheetTexts &sheet)
{
    using Result = Expected<QByteArray>;
    if (sheet.rows < 0 || sheet.columns < 0)
        return Result::failure(QStringLiteral("the sheet would have a negative size"));
    if (sheet.rows > kMaxRows)
        return Result::failure(QStringLiteral("the sheet would have %1 rows; a sheet of an Excel workbook (.xlsx) "
                                              "holds at most 1,048,576")
                                   .arg(Grouped(sheet.rows)));
    if (sheet.columns > kMaxColumns)
        return Result::failure(QStringLiteral("the sheet would have %1 columns; a sheet of an Excel workbook (.xlsx) "
                                              "holds at most 16,384")
                                   .arg(Grouped(sheet.columns)));

    ZipWriter zip;
    bool ok = AddPart(zip, QStringLiteral("[Content_Types].xml"), kContentTypes)
        && AddPart(zip, QStringLiteral("_rels/.rels"), kPackageRelationships)
        && AddPart(zip, QStringLiteral("xl/workbook.xml"), kWorkbook)
        && AddPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), kWorkbookRelationships)
        && AddPart(zip, QStringLiteral("xl/styles.xml"), kStyles);

    QList<QByteArray> columns;
    for (int c = 0; c < sheet.columns; ++c)
        columns.append(ColumnName(c));
    SharedStrings strings(qint64(sheet.rows) * sheet.columns);
    QByteArray out(kSheetStart);
    out.reserve(kFlushBytes + 64 * 1024);
    if (sheet.rows > 0 && sheet.columns > 0)
        out += "<dimension ref=\"A1:" + columns.last() + QByteArray::number(sheet.rows) + "\"/>";
    out += "<sheetData>";
    ok = ok && zip.begin(QStringLiteral("xl/worksheets/sheet1.xml"));
    for (int row = 0; ok && row < sheet.rows && sheet.columns > 0; ++row) {
        const QByteArray number = QByteArray::number(row + 1);
        out += "<row r=\"" + number + "\">";
        for (int column = 0; column < sheet.columns; ++column) {
            const QString text = sheet.text(row, column);
            if (text.size() > kMaxCellChars)
                return Result::failure(QStringLiteral("the text for sheet row %1, column %2 has %3 characters; a cell "
                                                      "of an Excel workbook holds at most 32,767")
                                           .arg(Grouped(row + 1), Grouped(column + 1), Grouped(text.size())));
            out += "<c r=\"";
            out += columns[column];
            out += number;
            out += "\" s=\"1\" t=\"s\"><v>";
            out += QByteArray::number(strings.add(text));
            out += "</v></c>";
        }
        out += "</row>";
        if (out.size() >= kFlushBytes) {
            ok = zip.write(out);
            out.resize(0); // the memory reserved stays
        }
    }
    out += "</sheetData></worksheet>";
    ok = ok && zip.write(out) && zip.end();

    out.resize(0);
    out += R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           "\n"
           R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count=")";
    out +=
        QByteArray::number(strings.uses()) + "\" uniqueCount=\"" + QByteArray::number(strings.strings().size()) + "\">";
    ok = ok && zip.begin(QStringLiteral("xl/sharedStrings.xml"));
    for (const QString &text : strings.strings()) {
        const bool spaced = !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
        out += spaced ? "<si><t xml:space=\"preserve\">" : "<si><t>";
        AppendXmlEscaped(out, EncodeXmlEscapes(text));
        out += "</t></si>";
        if (out.size() >= kFlushBytes) {
            ok = ok && zip.write(out);
            out.resize(0);
        }
    }
    out += "</sst>";
    ok = ok && zip.write(out) && zip.end();
    if (!ok)
        return Result::failure(QStringLiteral("the workbook could not be put together"));
    return zip.finish();
}
