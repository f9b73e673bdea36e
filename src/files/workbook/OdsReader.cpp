#include "files/workbook/OdsReader.h"

#include "files/workbook/XmlPart.h"
#include "files/workbook/ZipContainer.h"
#include "grid/TextValue.h"

#include <QLocale>

namespace {

constexpr int kMaxRows = 1'048'576;
constexpr int kMaxColumns = 16'384;
constexpr qint64 kMaxSmallPart = 1024 * 1024;

const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kCalcExt = QStringLiteral("urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0");

QString Grouped(qint64 number)
{
    return QLocale(QLocale::English).toString(qlonglong(number));
}

// A repeat count: at least 1; counts past the sheet are cut to it.
qint64 RepeatCount(QStringView text, qint64 limit)
{
    bool ok = false;
    const qint64 count = text.toLongLong(&ok);
    return ok && count > 1 ? qMin(count, limit) : 1;
}

class OdsParser {
public:
    OdsParser(ZipArchive &zip, const QString &fileName, HeadingRow heading)
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
    std::optional<QString> checkPackage();
    // Reads the table the parser stands at into cells; false when it cannot be.
    bool readTable(XmlPart &xml, SheetCells &cells, const QString &name);
    bool readRow(XmlPart &xml, SheetCells &cells, const QString &name);
    // The text of the cell the parser stands at, as the .xls reader gives it.
    QString cellText(XmlPart &xml);
    // The text of a cell that its value gives (a number, a date, ...); nullopt
    // when its paragraphs give it.
    std::optional<QString> valueText(const XmlAttributes &attributes) const;
    // The text of a paragraph, white space collapsed as OpenDocument does.
    QString paragraph(XmlPart &xml);

    ZipArchive &m_zip;
    QString m_fileName;
    HeadingRow m_heading;
    QDate m_nullDate{1899, 12, 30};
    qint64 m_row = 0;
    qint64 m_spaces = 0; // spaces that <text:s> may still make
    QString m_failure;
};

std::optional<QString> OdsParser::checkPackage()
{
    if (!m_zip.find(QStringLiteral("mimetype")).isEmpty()) {
        const Expected<QByteArray> type = m_zip.readAll(QStringLiteral("mimetype"), kMaxSmallPart);
        if (!type)
            return type.reason();
        if (!type->trimmed().startsWith("application/vnd.oasis.opendocument.spreadsheet"))
            return QStringLiteral("it is not an OpenDocument spreadsheet (it holds %1)")
                .arg(QString::fromUtf8(type->trimmed().left(80)));
    }
    if (!m_zip.find(QStringLiteral("META-INF/manifest.xml")).isEmpty()) {
        const Expected<QByteArray> manifest = m_zip.readAll(QStringLiteral("META-INF/manifest.xml"), kMaxSmallPart);
        if (manifest && manifest->contains("encryption-data"))
            return QStringLiteral("it is protected with a password");
    }
    if (m_zip.find(QStringLiteral("content.xml")).isEmpty())
        return QStringLiteral("it is not an OpenDocument spreadsheet (it has no content.xml)");
    return std::nullopt;
}

QString OdsParser::paragraph(XmlPart &xml)
{
    QString text;
    bool pendingSpace = false; // white space met after text, written once more text follows
    const auto put = [&](QStringView more) {
        if (pendingSpace && !text.isEmpty())
            text += u' ';
        pendingSpace = false;
        text += more;
    };
    const int depth = xml.depth();
    while (xml.next()) {
        if (xml.isEnd() && xml.depth() < depth)
            break;
        if (xml.isText()) {
            const QStringView chunk = xml.text();
            qsizetype plain = -1;
            for (qsizetype i = 0; i <= chunk.size(); ++i) {
                const bool space = i < chunk.size()
                    && (chunk[i] == u' ' || chunk[i] == u'\t' || chunk[i] == u'\n' || chunk[i] == u'\r');
                if (i < chunk.size() && !space) {
                    if (plain < 0)
                        plain = i;
                    continue;
                }
                if (plain >= 0)
                    put(chunk.mid(plain, i - plain));
                plain = -1;
                if (space)
                    pendingSpace = true;
            }
            continue;
        }
        if (!xml.isStart())
            continue;
        const bool inText = xml.namespaceUri() == kText;
        if (inText && xml.name() == u"s") {
            const qint64 count = RepeatCount(xml.attributes().value(kText, u"c"), kMaxColumns * 2LL);
            if ((m_spaces -= count) < 0) {
                xml.fail(QStringLiteral("its content repeats more spaces than a sheet of its size holds"));
                break;
            }
            put(QString(qsizetype(count), u' '));
        } else if (inText && xml.name() == u"tab") {
            put(u"\t");
        } else if (inText && xml.name() == u"line-break") {
            put(u"\n");
        } else if ((inText && (xml.name() == u"note" || xml.name() == u"ruby-text"))
                   || (xml.namespaceUri() == kOffice && xml.name() == u"annotation")) {
            xml.skip(); // not part of the paragraph's text
        }
        // text:span, text:a and the like: their text is the paragraph's
    }
    return text;
}

std::optional<QString> OdsParser::valueText(const XmlAttributes &attributes) const
{
    if (attributes.value(kCalcExt, u"value-type") == u"error")
        return QString();
    const QStringView type = attributes.value(kOffice, u"value-type");
    if (type == u"float" || type == u"percentage" || type == u"currency") {
        const QStringView value = attributes.value(kOffice, u"value");
        if (!value.isEmpty())
            return NumberText(value);
    } else if (type == u"date") {
        if (const std::optional<double> serial =
                DateSerial(attributes.value(kOffice, u"date-value"), m_nullDate, false))
            return ShortestDecimal(*serial);
    } else if (type == u"time") {
        if (const std::optional<double> days = DurationDays(attributes.value(kOffice, u"time-value")))
            return ShortestDecimal(*days);
    } else if (type == u"boolean") {
        const QStringView value = attributes.value(kOffice, u"boolean-value");
        return value == u"true" || value == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    } else if (const QStringView value = attributes.value(kOffice, u"string-value"); !value.isNull()) {
        return value.toString();
    }
    return std::nullopt;
}

QString OdsParser::cellText(XmlPart &xml)
{
    if (std::optional<QString> value = valueText(xml.attributes())) {
        xml.skip();
        return *std::move(value);
    }
    QString shown; // the paragraphs, one a line
    bool first = true;
    const int depth = xml.depth();
    while (xml.next()) {
        if (xml.isEnd() && xml.depth() < depth)
            break;
        if (!xml.isStart())
            continue;
        if (xml.namespaceUri() == kText && (xml.name() == u"p" || xml.name() == u"h")) {
            if (!first)
                shown += u'\n';
            shown += paragraph(xml);
            first = false;
        } else {
            xml.skip(); // annotations, drawings, ...
        }
    }
    return shown;
}

bool OdsParser::readRow(XmlPart &xml, SheetCells &cells, const QString &name)
{
    const qint64 repeat = RepeatCount(xml.attributes().value(kTable, u"number-rows-repeated"), kMaxRows);
    QList<std::pair<qint64, QString>> texts; // the columns that hold a text, and their texts
    qint64 column = 0;
    const int depth = xml.depth();
    while (xml.next()) {
        if (xml.isEnd() && xml.depth() < depth)
            break;
        if (!xml.isStart())
            continue;
        if (xml.namespaceUri() != kTable || (xml.name() != u"table-cell" && xml.name() != u"covered-table-cell")) {
            xml.skip();
            continue;
        }
        const qint64 columns = RepeatCount(xml.attributes().value(kTable, u"number-columns-repeated"), kMaxColumns);
        const QString text = cellText(xml); // the attributes are gone from here
        if (!text.isEmpty())
            for (qint64 c = column; c < qMin<qint64>(column + columns, kMaxColumns); ++c)
                texts.append({c, text});
        column = qMin<qint64>(column + columns, kMaxColumns);
    }
    if (!xml.failure().isEmpty())
        return false;
    const qint64 rows = qMin<qint64>(repeat, kMaxRows - m_row);
    for (qint64 r = 0; r < rows && !texts.isEmpty(); ++r)
        for (const auto &[c, text] : std::as_const(texts))
            if (!cells.set(int(m_row + r), int(c), text)) {
                m_failure = QStringLiteral("its sheet \"%1\" has too many cells to read (more than %2 including the "
                                           "empty ones)")
                                .arg(name, Grouped(cells.budget()));
                return false;
            }
    m_row = qMin<qint64>(m_row + repeat, kMaxRows);
    return true;
}

bool OdsParser::readTable(XmlPart &xml, SheetCells &cells, const QString &name)
{
    m_row = 0;
    const int depth = xml.depth();
    while (xml.next()) {
        if (xml.isEnd() && xml.depth() < depth)
            return true;
        if (!xml.isStart())
            continue;
        if (xml.namespaceUri() == kTable && xml.name() == u"table-row") {
            if (!readRow(xml, cells, name))
                return false;
        } else if (xml.namespaceUri() != kTable
                   || (xml.name() != u"table-header-rows" && xml.name() != u"table-row-group"
                       && xml.name() != u"table-rows")) {
            xml.skip(); // columns, shapes, forms, ...; groups of rows hold rows
        }
    }
    return false;
}

WorkbookRecords OdsParser::read(const QString &sheetName)
{
    if (const std::optional<QString> failure = checkPackage())
        return unreadable(*failure);
    const QString part = QStringLiteral("content.xml");
    Expected<std::unique_ptr<ZipMember>> member = m_zip.member(part);
    if (!member)
        return unreadable(member.reason());
    XmlPart xml(**member, part);
    const qint64 budget = CellBudget(m_zip.size(part));
    m_spaces = budget;

    // The tables come one after another; the best match of the typed name is kept.
    QStringList names;
    std::optional<SheetCells> best;
    QString bestName;
    int bestRank = -1;
    while (xml.next()) {
        if (!xml.isStart())
            continue;
        if (xml.namespaceUri() == kTable && xml.name() == u"null-date") {
            const QDate date =
                QDate::fromString(xml.attributes().value(kTable, u"date-value").left(10).toString(), Qt::ISODate);
            if (date.isValid())
                m_nullDate = date;
            continue;
        }
        if (xml.namespaceUri() != kTable || xml.name() != u"table")
            continue;
        const QString name = xml.attributes().value(kTable, u"name").toString();
        names.append(name);
        const int rank = SheetNameRank(name, sheetName);
        if (rank < 0 || (bestRank >= 0 && rank >= bestRank)) {
            xml.skip();
            continue;
        }
        SheetCells cells(budget);
        if (!readTable(xml, cells, name))
            break;
        best.emplace(std::move(cells));
        bestName = name;
        bestRank = rank;
        if (rank == 0)
            break;
    }
    if (!m_failure.isEmpty())
        return unreadable(m_failure);
    if (const Outcome read = xml.finish(); !read)
        return unreadable(read.reason());
    if (!best) {
        WorkbookRecords result;
        result.failure = WorkbookFailure::NoSuchSheet;
        result.reason = NoSuchSheetReason(m_fileName, sheetName, names);
        return result;
    }
    WorkbookRecords result;
    result.records = best->takeRows(m_heading == HeadingRow::Skip ? 1 : 0);
    if (result.records.isEmpty()) {
        result.failure = WorkbookFailure::NoDataRows;
        result.reason =
            QStringLiteral("The sheet \"%1\" in %2 has no rows after its heading row.").arg(bestName, m_fileName);
    }
    return result;
}

} // namespace

WorkbookRecords ReadOdsRecords(ZipArchive &zip, const QString &sheetName, const QString &fileName, HeadingRow heading)
{
    return OdsParser(zip, fileName, heading).read(sheetName);
}
