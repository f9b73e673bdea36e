#include "files/workbook/XlsxReader.h"

#include "files/workbook/XmlPart.h"
#include "files/workbook/ZipContainer.h"
#include "grid/TextValue.h"

#include <QLocale>

#include <cctype>

namespace {

constexpr int kMaxRows = 1'048'576;
constexpr int kMaxColumns = 16'384;

bool IsMain(QStringView ns)
{
    return ns == u"http://schemas.openxmlformats.org/spreadsheetml/2006/main"
        || ns == u"http://purl.oclc.org/ooxml/spreadsheetml/main";
}

const QString kRelationships = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString kStrictRelationships = QStringLiteral("http://purl.oclc.org/ooxml/officeDocument/relationships");

QString Grouped(qint64 number)
{
    return QLocale(QLocale::English).toString(qlonglong(number));
}

// A relationship of a part: its id, its type (the last segment of the type's
// name, "worksheet", "sharedStrings", ...) and the part it names.
struct Relationship {
    QString id;
    QString type;
    QString target;
};

QString FolderOfPart(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash + 1);
}

// A relationship's target, relative to the part that names it, as a part name.
QString ResolvePart(const QString &from, const QString &target)
{
    const QString joined = target.startsWith(QLatin1Char('/')) ? target.mid(1) : FolderOfPart(from) + target;
    QStringList parts;
    for (const QString &segment : joined.split(QLatin1Char('/'))) {
        if (segment.isEmpty() || segment == QLatin1String("."))
            continue;
        if (segment == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts.append(segment);
    }
    return parts.join(QLatin1Char('/'));
}

QString RelationshipsPartOf(const QString &part)
{
    return FolderOfPart(part) + QStringLiteral("_rels/") + part.mid(part.lastIndexOf(QLatin1Char('/')) + 1)
        + QStringLiteral(".rels");
}

// "B3": column 1, row 2 (both from 0); false when the text is no cell reference.
bool ParseReference(QStringView ref, int &column, int &row)
{
    qsizetype at = 0;
    qint64 c = 0;
    while (at < ref.size() && at < 4 && ref[at].isLetter() && ref[at].toUpper().unicode() >= 'A'
           && ref[at].toUpper().unicode() <= 'Z')
        c = c * 26 + (ref[at++].toUpper().unicode() - 'A' + 1);
    if (at == 0 || at > 3)
        return false;
    qint64 r = 0;
    const qsizetype digits = at;
    while (at < ref.size() && at - digits < 8 && ref[at].unicode() >= '0' && ref[at].unicode() <= '9')
        r = r * 10 + (ref[at++].unicode() - '0');
    if (at == digits || at != ref.size() || r < 1 || r > kMaxRows || c > kMaxColumns)
        return false;
    column = int(c - 1);
    row = int(r - 1);
    return true;
}

class XlsxParser {
public:
    XlsxParser(ZipArchive &zip, const QString &fileName, HeadingRow heading)
        : m_zip(zip),
          m_fileName(fileName),
          m_heading(heading)
    {
    }
    WorkbookRecords read(const QString &sheetName);

private:
    WorkbookRecords unreadable(const QString &why) const
    {
        WorkbookRecords result;
        result.failure = WorkbookFailure::Unreadable;
        result.reason = QStringLiteral("Cannot read %1: %2.").arg(m_fileName, why);
        return result;
    }
    // The relationships of a part (none when it has no relationships part).
    Expected<QList<Relationship>> relationships(const QString &part);
    std::optional<QString> readWorkbook(const QString &part);
    std::optional<QString> readSharedStrings(const QString &part);
    WorkbookRecords readSheet(const QString &part, const QString &sheetName);
    // The text of an <si> or <is> element: its <t>, and those of its runs; the
    // phonetic runs are not part of it.
    QString richText(XmlPart &xml);

    ZipArchive &m_zip;
    QString m_fileName;
    HeadingRow m_heading;
    QStringList m_sheetNames; // the worksheets, in workbook order
    QStringList m_sheetParts;
    QString m_sharedStringsPart;
    QStringList m_sharedStrings;
    bool m_date1904 = false;
};

Expected<QList<Relationship>> XlsxParser::relationships(const QString &part)
{
    using Result = Expected<QList<Relationship>>;
    const QString relsPart = RelationshipsPartOf(part);
    QList<Relationship> found;
    if (m_zip.find(relsPart).isEmpty())
        return found;
    Expected<std::unique_ptr<ZipMember>> member = m_zip.member(relsPart);
    if (!member)
        return Result::failure(member.reason());
    XmlPart xml(**member, m_zip.find(relsPart));
    while (xml.next()) {
        if (!xml.isStart() || xml.name() != u"Relationship")
            continue;
        const XmlAttributes attributes = xml.attributes();
        if (attributes.value(u"TargetMode").compare(u"External", Qt::CaseInsensitive) == 0)
            continue;
        const QStringView type = attributes.value(u"Type");
        found.append({attributes.value(u"Id").toString(), type.mid(type.lastIndexOf(u'/') + 1).toString(),
                      ResolvePart(part, attributes.value(u"Target").toString())});
    }
    if (const Outcome read = xml.finish(); !read)
        return Result::failure(read.reason());
    return found;
}

std::optional<QString> XlsxParser::readWorkbook(const QString &part)
{
    Expected<QList<Relationship>> links = relationships(part);
    if (!links)
        return links.reason();
    Expected<std::unique_ptr<ZipMember>> member = m_zip.member(part);
    if (!member)
        return member.reason();
    XmlPart xml(**member, m_zip.find(part));
    while (xml.next()) {
        if (!xml.isStart() || !IsMain(xml.namespaceUri()))
            continue;
        const XmlAttributes attributes = xml.attributes();
        if (xml.name() == u"workbookPr") {
            const QStringView date1904 = attributes.value(u"date1904");
            m_date1904 = date1904 == u"1" || date1904 == u"true";
        } else if (xml.name() == u"sheet") {
            QStringView id = attributes.value(kRelationships, u"id");
            if (id.isEmpty())
                id = attributes.value(kStrictRelationships, u"id");
            for (const Relationship &link : *links)
                if (link.id == id && link.type == u"worksheet") {
                    m_sheetNames.append(attributes.value(u"name").toString());
                    m_sheetParts.append(link.target);
                }
        } else if (xml.name() == u"sheetData" || xml.name() == u"definedNames") {
            xml.skip();
        }
    }
    if (const Outcome read = xml.finish(); !read)
        return read.reason();
    for (const Relationship &link : *links)
        if (link.type == u"sharedStrings")
            m_sharedStringsPart = link.target;
    return std::nullopt;
}

QString XlsxParser::richText(XmlPart &xml)
{
    QString text;
    const int depth = xml.depth();
    while (xml.next()) {
        if (xml.isEnd() && xml.depth() < depth)
            break;
        if (!xml.isStart() || !IsMain(xml.namespaceUri()))
            continue;
        if (xml.name() == u"t" && text.isEmpty())
            text = xml.readText(); // the one <t> of most strings
        else if (xml.name() == u"t")
            text += xml.readText();
        else if (xml.name() == u"rPh" || xml.name() == u"rPr")
            xml.skip();
    }
    return DecodeXmlEscapes(text);
}

std::optional<QString> XlsxParser::readSharedStrings(const QString &part)
{
    if (part.isEmpty() || m_zip.find(part).isEmpty())
        return std::nullopt; // a workbook of numbers only needs none
    Expected<std::unique_ptr<ZipMember>> member = m_zip.member(part);
    if (!member)
        return member.reason();
    XmlPart xml(**member, m_zip.find(part));
    while (xml.next())
        if (xml.isStart() && xml.name() == u"si" && IsMain(xml.namespaceUri()))
            m_sharedStrings.append(richText(xml));
    if (const Outcome read = xml.finish(); !read)
        return read.reason();
    return std::nullopt;
}

WorkbookRecords XlsxParser::readSheet(const QString &part, const QString &sheetName)
{
    Expected<std::unique_ptr<ZipMember>> member = m_zip.member(part);
    if (!member)
        return unreadable(member.reason());
    XmlPart xml(**member, m_zip.find(part));
    SheetCells cells(CellBudget(m_zip.size(part)));
    const QDate epoch = m_date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    int row = -1, column = -1;
    // The <v> of the cell and its attributes (which last only until the next
    // token), their memory kept from cell to cell.
    QString value, ref, type;
    while (xml.next()) {
        if (xml.isEnd() && xml.name() == u"sheetData")
            break;
        if (!xml.isStart() || !IsMain(xml.namespaceUri()))
            continue;
        if (xml.name() == u"row") {
            const QStringView r = xml.attributes().value(u"r");
            bool ok = true;
            const int number = r.isEmpty() ? row + 2 : r.toInt(&ok);
            if (!ok || number < 1 || number > kMaxRows)
                return unreadable(QStringLiteral("its sheet \"%1\" has a row numbered \"%2\", which no sheet has")
                                      .arg(sheetName, r.toString()));
            row = number - 1;
            column = -1;
            continue;
        }
        if (xml.name() != u"c")
            continue;
        const XmlAttributes attributes = xml.attributes();
        ref.resize(0);
        ref.append(attributes.value(u"r"));
        type.resize(0);
        type.append(attributes.value(u"t"));
        if (ref.isEmpty()) {
            row = qMax(row, 0);
            if (++column >= kMaxColumns)
                return unreadable(QStringLiteral("its sheet \"%1\" has more than %2 cells in a row")
                                      .arg(sheetName, Grouped(kMaxColumns)));
        } else if (!ParseReference(ref, column, row)) {
            return unreadable(
                QStringLiteral("its sheet \"%1\" has a cell \"%2\", which no sheet has").arg(sheetName, ref));
        }
        bool hasValue = false;
        QString inlineText;
        const int depth = xml.depth();
        while (xml.next()) {
            if (xml.isEnd() && xml.depth() < depth)
                break;
            if (!xml.isStart())
                continue;
            if (xml.name() == u"v" && IsMain(xml.namespaceUri())) {
                xml.readText(value);
                hasValue = true;
            } else if (xml.name() == u"is" && IsMain(xml.namespaceUri())) {
                inlineText = richText(xml);
            } else {
                xml.skip();
            }
        }
        QString text;
        if (type == u"inlineStr") {
            text = inlineText;
        } else if (!hasValue) {
            // a formula without its result, or a cell of formatting only
        } else if (type == u"s") {
            bool ok = false;
            const qsizetype index = QStringView(value).trimmed().toLongLong(&ok);
            if (!ok || index < 0 || index >= m_sharedStrings.size())
                return unreadable(QStringLiteral("its sheet \"%1\" names shared string \"%2\" in cell %3, but the "
                                                 "table holds %4 strings")
                                      .arg(sheetName, value, ref, Grouped(m_sharedStrings.size())));
            text = m_sharedStrings[index];
        } else if (type == u"str") {
            text = DecodeXmlEscapes(value);
        } else if (type == u"b") {
            const QStringView flag = QStringView(value).trimmed();
            text = flag == u"1" || flag == u"true" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        } else if (type == u"e") {
            // an error value
        } else if (type == u"d") {
            const std::optional<double> serial = DateSerial(value, epoch, !m_date1904);
            text = serial ? ShortestDecimal(*serial) : value;
        } else {
            text = NumberText(value);
        }
        if (!cells.set(row, column, text))
            return unreadable(QStringLiteral("its sheet \"%1\" has too many cells to read (more than %2 including the "
                                             "empty ones)")
                                  .arg(sheetName, Grouped(cells.budget())));
    }
    if (const Outcome read = xml.finish(); !read)
        return unreadable(read.reason());

    WorkbookRecords result;
    result.records = cells.takeRows(m_heading == HeadingRow::Skip ? 1 : 0);
    if (result.records.isEmpty()) {
        result.failure = WorkbookFailure::NoDataRows;
        result.reason =
            QStringLiteral("The sheet \"%1\" in %2 has no rows after its heading row.").arg(sheetName, m_fileName);
    }
    return result;
}

WorkbookRecords XlsxParser::read(const QString &sheetName)
{
    Expected<QList<Relationship>> package = relationships(QString());
    if (!package)
        return unreadable(package.reason());
    QString workbookPart = QStringLiteral("xl/workbook.xml");
    for (const Relationship &link : *package)
        if (link.type == u"officeDocument")
            workbookPart = link.target;
    if (m_zip.find(workbookPart).isEmpty())
        return unreadable(QStringLiteral("it is not an Excel 2007 or later workbook (it has no workbook part)"));
    if (const std::optional<QString> failure = readWorkbook(workbookPart))
        return unreadable(*failure);

    const qsizetype index = FindSheet(m_sheetNames, sheetName);
    if (index < 0) {
        WorkbookRecords result;
        result.failure = WorkbookFailure::NoSuchSheet;
        result.reason = NoSuchSheetReason(m_fileName, sheetName, m_sheetNames);
        return result;
    }
    if (m_zip.find(m_sheetParts[index]).isEmpty())
        return unreadable(QStringLiteral("it is damaged (the part of its sheet \"%1\", %2, is missing)")
                              .arg(m_sheetNames[index], m_sheetParts[index]));
    if (const std::optional<QString> failure = readSharedStrings(m_sharedStringsPart))
        return unreadable(*failure);
    return readSheet(m_sheetParts[index], m_sheetNames[index]);
}

} // namespace

QString DecodeXmlEscapes(QString text)
{
    qsizetype at = text.indexOf(QLatin1String("_x"));
    if (at < 0)
        return text;
    QString decoded;
    decoded.reserve(text.size());
    qsizetype plain = 0;
    for (; at >= 0; at = text.indexOf(QLatin1String("_x"), at)) {
        bool ok = at + 7 <= text.size() && text[at + 6] == u'_';
        for (qsizetype i = at + 2; ok && i < at + 6; ++i)
            ok = text[i].unicode() < 0x80 && std::isxdigit(text[i].unicode());
        if (!ok) {
            at += 2;
            continue;
        }
        const ushort code = text.mid(at + 2, 4).toUShort(nullptr, 16);
        decoded += QStringView(text).mid(plain, at - plain);
        decoded += QChar(code);
        at += 7;
        plain = at;
    }
    decoded += QStringView(text).mid(plain);
    return decoded;
}

WorkbookRecords ReadXlsxRecords(ZipArchive &zip, const QString &sheetName, const QString &fileName, HeadingRow heading)
{
    return XlsxParser(zip, fileName, heading).read(sheetName);
}
