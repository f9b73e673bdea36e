#include "files/workbook/WorkbookReader.h"

#include "files/workbook/BiffRecords.h"
#include "files/workbook/CodePage.h"
#include "files/workbook/OleContainer.h"
#include "files/workbook/SheetCells.h"
#include "grid/TextValue.h"

#include <QLocale>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <optional>

using namespace Biff;

namespace {

enum class Version { Biff5, Biff8 };

constexpr quint16 kGlobalsSubstream = 0x0005;
constexpr quint8 kWorksheetType = 0x00;

// Damage found in more than one place.
const QString kRecordPastEnd = QStringLiteral("a record runs past the end of the workbook stream");
const QString kSharedStringsCutShort = QStringLiteral("its shared-string table is cut short");

WorkbookRecords Failed(WorkbookFailure failure, QString reason)
{
    WorkbookRecords result;
    result.failure = failure;
    result.reason = std::move(reason);
    return result;
}

WorkbookRecords Unreadable(const QString &fileName, const QString &why)
{
    return Failed(WorkbookFailure::Unreadable, QStringLiteral("Cannot read %1: %2.").arg(fileName, why));
}

QString NumberText(double value)
{
    return std::isfinite(value) ? ShortestDecimal(value) : QString();
}

// A logical cell reads as Excel shows it.
QString BooleanText(bool value)
{
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// An RK value: a 30-bit integer or the top 30 bits of a double, maybe times 100.
double RkValue(quint32 rk)
{
    double value;
    if (rk & 0x02) {
        value = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01) ? value / 100.0 : value;
}

struct SheetEntry {
    QString name;
    QByteArray byteName; // BIFF5: decoded once the code page is known
    quint32 offset = 0;
    quint8 type = 0;
};

struct Globals {
    Version version = Version::Biff8;
    CodePageDecoder codePage;
    QList<SheetEntry> sheets;
    QList<QString> sharedStrings;
};

class WorkbookParser {
public:
    WorkbookParser(const QByteArray &stream, const QString &fileName, HeadingRow heading)
        : m_stream(stream),
          m_fileName(fileName),
          m_heading(heading)
    {
    }

    WorkbookRecords read(const QString &sheetName);

private:
    std::optional<WorkbookRecords> readGlobals();
    std::optional<WorkbookRecords> readSharedStrings(const Record &sst, RecordReader &reader);
    QStringList worksheetNames() const;
    const SheetEntry *findSheet(const QString &typed) const;
    WorkbookRecords readSheet(const SheetEntry &sheet);
    // Reads one cell record into cells; false when the record is malformed.
    bool readCell(const Record &record, RecordReader &reader, SheetCells &cells);
    bool readString(PieceCursor &cursor, QString &text) const;
    WorkbookRecords damaged(const QString &what) const
    {
        return Unreadable(m_fileName, "it is damaged (" + what + ")");
    }

    const QByteArray &m_stream;
    QString m_fileName;
    HeadingRow m_heading;
    Globals m_globals;
    // A formula cell whose text result follows in a STRING record.
    std::optional<std::pair<int, int>> m_pendingString;
    bool m_overBudget = false;
};

std::optional<WorkbookRecords> WorkbookParser::readGlobals()
{
    RecordReader reader(m_stream, 0);
    Record record;
    if (!reader.next(record) || record.id != Bof || record.data.size() < 4)
        return Unreadable(m_fileName,
                          QStringLiteral("it is not an Excel 97-2003 workbook (its workbook stream "
                                         "does not start as one)"));
    const quint16 version = qFromLittleEndian<quint16>(record.data.data());
    const quint16 substream = qFromLittleEndian<quint16>(record.data.data() + 2);
    if (version == 0x0600)
        m_globals.version = Version::Biff8;
    else if (version == 0x0500)
        m_globals.version = Version::Biff5;
    else
        return Unreadable(m_fileName,
                          QStringLiteral("its workbook format (BIFF version %1) is not Excel 5.0 "
                                         "to 2003")
                              .arg(version, 4, 16, QLatin1Char('0')));
    if (substream != kGlobalsSubstream)
        return damaged(QStringLiteral("its workbook stream does not start with the workbook's settings"));

    while (reader.next(record)) {
        if (record.id == Eof)
            break;
        PieceCursor cursor(record.data);
        switch (record.id) {
        case FilePass:
            return Unreadable(m_fileName, QStringLiteral("it is protected with a password"));
        case CodePage: {
            quint16 codePage;
            if (cursor.u16(codePage))
                m_globals.codePage = CodePageDecoder(codePage);
            break;
        }
        case BoundSheet: {
            SheetEntry sheet;
            quint8 visibility;
            const bool ok = cursor.u32(sheet.offset) && cursor.u8(visibility) && cursor.u8(sheet.type)
                && (m_globals.version == Version::Biff8 ? cursor.unicodeString(sheet.name, 1)
                                                        : cursor.byteString(sheet.byteName, 1));
            if (!ok)
                return damaged(QStringLiteral("a sheet entry is cut short"));
            m_globals.sheets.append(sheet);
            break;
        }
        case Sst:
            if (m_globals.version == Version::Biff8)
                if (auto failure = readSharedStrings(record, reader))
                    return failure;
            break;
        default:
            break;
        }
    }
    if (reader.damaged())
        return damaged(kRecordPastEnd);
    for (SheetEntry &sheet : m_globals.sheets)
        if (m_globals.version == Version::Biff5)
            sheet.name = m_globals.codePage.decode(sheet.byteName);
    return std::nullopt;
}

std::optional<WorkbookRecords> WorkbookParser::readSharedStrings(const Record &sst, RecordReader &reader)
{
    QList<QByteArrayView> pieces{sst.data};
    reader.takeContinues(pieces);
    PieceCursor cursor(pieces);
    quint32 total, unique;
    if (!cursor.u32(total) || !cursor.u32(unique))
        return damaged(kSharedStringsCutShort);
    // Every string takes at least three bytes, whatever count the table claims.
    m_globals.sharedStrings.reserve(qsizetype(qMin<qint64>(unique, cursor.remaining() / 3)));
    for (quint32 i = 0; i < unique; ++i) {
        QString text;
        if (!cursor.unicodeString(text, 2))
            return damaged(kSharedStringsCutShort);
        m_globals.sharedStrings.append(text);
    }
    return std::nullopt;
}

QStringList WorkbookParser::worksheetNames() const
{
    QStringList names;
    for (const SheetEntry &entry : m_globals.sheets)
        if (entry.type == kWorksheetType)
            names.append(entry.name);
    return names;
}

const SheetEntry *WorkbookParser::findSheet(const QString &typed) const
{
    qsizetype index = FindSheet(worksheetNames(), typed);
    for (const SheetEntry &entry : m_globals.sheets)
        if (entry.type == kWorksheetType && index-- == 0)
            return &entry;
    return nullptr;
}

WorkbookRecords WorkbookParser::read(const QString &sheetName)
{
    if (auto failure = readGlobals())
        return *failure;
    const SheetEntry *sheet = findSheet(sheetName);
    if (!sheet)
        return Failed(WorkbookFailure::NoSuchSheet, NoSuchSheetReason(m_fileName, sheetName, worksheetNames()));
    return readSheet(*sheet);
}

WorkbookRecords WorkbookParser::readSheet(const SheetEntry &sheet)
{
    RecordReader reader(m_stream, qsizetype(qMin<quint32>(sheet.offset, quint32(m_stream.size()))));
    Record record;
    if (!reader.next(record) || record.id != Bof)
        return damaged(QStringLiteral("the sheet \"%1\" is not where the workbook says").arg(sheet.name));

    // Far more than any real sheet of that size needs, and never more than a
    // sheet can hold.
    SheetCells cells(qMin<qint64>(qint64(kMaxSheetRows) * kMaxSheetColumns, CellBudget(m_stream.size())));
    int depth = 1; // charts inside a sheet are substreams of their own
    while (reader.next(record)) {
        if (record.id == Bof) {
            ++depth;
            continue;
        }
        if (record.id == Eof) {
            if (--depth == 0)
                break;
            continue;
        }
        if (depth > 1)
            continue;
        if (!readCell(record, reader, cells)) {
            if (m_overBudget)
                return Unreadable(m_fileName,
                                  QStringLiteral("the sheet \"%1\" has too many cells to read (more "
                                                 "than %2 including the empty ones)")
                                      .arg(sheet.name, QLocale(QLocale::English).toString(cells.budget())));
            return damaged(QStringLiteral("a cell of the sheet \"%1\" is cut short").arg(sheet.name));
        }
    }
    if (reader.damaged())
        return damaged(kRecordPastEnd);

    WorkbookRecords result;
    result.records = cells.takeRows(m_heading == HeadingRow::Skip ? 1 : 0);
    if (result.records.isEmpty())
        return Failed(
            WorkbookFailure::NoDataRows,
            QStringLiteral("The sheet \"%1\" in %2 has no rows after its heading row.").arg(sheet.name, m_fileName));
    return result;
}

bool WorkbookParser::readString(PieceCursor &cursor, QString &text) const
{
    if (m_globals.version == Version::Biff8)
        return cursor.unicodeString(text, 2);
    QByteArray bytes;
    if (!cursor.byteString(bytes, 2))
        return false;
    text = m_globals.codePage.decode(bytes);
    return true;
}

bool WorkbookParser::readCell(const Record &record, RecordReader &reader, SheetCells &cells)
{
    const auto put = [&](quint16 row, quint16 column, const QString &text) {
        if (column >= kMaxSheetColumns)
            return true; // beyond the last column a sheet can have
        if (!cells.set(row, column, text)) {
            m_overBudget = true;
            return false;
        }
        return true;
    };

    if (record.id == String) {
        // The text result of the formula cell just before.
        QList<QByteArrayView> pieces{record.data};
        reader.takeContinues(pieces);
        PieceCursor cursor(pieces);
        QString text;
        if (!readString(cursor, text))
            return false;
        if (!m_pendingString)
            return true;
        const auto [row, column] = *m_pendingString;
        m_pendingString.reset();
        return put(quint16(row), quint16(column), text);
    }

    PieceCursor cursor(record.data);
    quint16 row, column, format;
    switch (record.id) {
    case LabelSst: {
        quint32 index;
        if (!cursor.u16(row) || !cursor.u16(column) || !cursor.u16(format) || !cursor.u32(index))
            return false;
        return put(row, column, m_globals.sharedStrings.value(qsizetype(index)));
    }
    case Label:
    case RString: {
        QList<QByteArrayView> pieces{record.data};
        reader.takeContinues(pieces);
        PieceCursor text(pieces);
        QString value;
        if (!text.u16(row) || !text.u16(column) || !text.u16(format) || !readString(text, value))
            return false;
        return put(row, column, value);
    }
    case Number: {
        double value;
        if (!cursor.u16(row) || !cursor.u16(column) || !cursor.u16(format) || !cursor.f64(value))
            return false;
        return put(row, column, NumberText(value));
    }
    case Rk: {
        quint32 rk;
        if (!cursor.u16(row) || !cursor.u16(column) || !cursor.u16(format) || !cursor.u32(rk))
            return false;
        return put(row, column, NumberText(RkValue(rk)));
    }
    case MulRk: {
        if (!cursor.u16(row) || !cursor.u16(column) || record.data.size() < 6)
            return false;
        const qsizetype count = (record.data.size() - 6) / 6;
        for (qsizetype i = 0; i < count; ++i) {
            quint32 rk;
            if (!cursor.u16(format) || !cursor.u32(rk))
                return false;
            if (!put(row, quint16(qMin<qsizetype>(column + i, kMaxSheetColumns)), NumberText(RkValue(rk))))
                return false;
        }
        return true;
    }
    case BoolErr: {
        quint8 value, isError;
        if (!cursor.u16(row) || !cursor.u16(column) || !cursor.u16(format) || !cursor.u8(value) || !cursor.u8(isError))
            return false;
        if (isError)
            return put(row, column, QString());
        return put(row, column, BooleanText(value));
    }
    case Formula: {
        // The cached result: a double, or a kind of value marked by 0xFFFF at its end.
        double value;
        if (!cursor.u16(row) || !cursor.u16(column) || !cursor.u16(format) || !cursor.f64(value))
            return false;
        const auto *result = reinterpret_cast<const uchar *>(record.data.data() + 6);
        m_pendingString.reset();
        if (result[6] != 0xFF || result[7] != 0xFF)
            return put(row, column, NumberText(value));
        switch (result[0]) {
        case 0: // a text, in the STRING record that follows
            m_pendingString = std::make_pair(int(row), int(column));
            return true;
        case 1:
            return put(row, column, BooleanText(result[2]));
        default: // an error value or the empty text
            return put(row, column, QString());
        }
    }
    default:
        return true;
    }
}

} // namespace

WorkbookRecords ReadWorkbookStream(const QByteArray &stream, const QString &sheetName, const QString &fileName,
                                   HeadingRow heading)
{
    return WorkbookParser(stream, fileName, heading).read(sheetName);
}

WorkbookRecords ReadWorkbookBytes(QByteArray file, const QString &sheetName, const QString &fileName,
                                  HeadingRow heading)
{
    if (file.isEmpty())
        return Unreadable(fileName, QStringLiteral("it is empty"));
    if (file.startsWith("PK\x03\x04"))
        return Unreadable(fileName,
                          QStringLiteral("it is a zip archive such as an Excel 2007 or later workbook (.xlsx), "
                                         "not an Excel 97-2003 workbook"));
    Expected<OleWorkbookStream> stream = ReadOleWorkbookStream(file);
    file = QByteArray(); // only the stream is needed from here on
    if (!stream)
        return Unreadable(fileName, stream.reason());
    return ReadWorkbookStream(stream->bytes, sheetName, fileName, heading);
}
