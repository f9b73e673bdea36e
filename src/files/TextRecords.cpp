#include "files/TextRecords.h"

#include "files/AtomicFile.h"
#include "files/Codec.h"
#include "grid/GridTable.h"

#include <QDir>
#include <QIODevice>
#include <QLocale>

Outcome WriteTextFile(const GridTable &grid, const QString &path, int columns, int lastRow,
                      const std::function<void(int)> &progress)
{
    const int last = lastRow < 0 ? grid.rows() - 1 : std::min(lastRow, grid.rows() - 1);
    return WriteFileAtomically(path, [&](QIODevice &out) {
        TextRecordWriter records(out);
        for (int r = 1; r <= last; ++r) {
            for (int c = 0; c < columns; ++c)
                records.field(grid.viewAt(r, c));
            records.endRecord();
            if (records.full() || r == last) {
                if (!records.flush())
                    return false;
                if (progress)
                    progress(r);
            }
        }
        return true;
    });
}

TextRecordWriter::TextRecordWriter(QIODevice &out) : m_out(out)
{
    m_block.reserve(kBlock + 4096);
}

void TextRecordWriter::field(QStringView text)
{
    if (m_recordStarted)
        m_block += ',';
    m_recordStarted = true;
    m_block += '"';
    Codec::appendAnsi(m_block, text, true);
    m_block += '"';
}

void TextRecordWriter::endRecord()
{
    m_block += "\r\n";
    m_recordStarted = false;
}

bool TextRecordWriter::flush()
{
    if (!m_failed && !m_block.isEmpty() && m_out.write(m_block) != m_block.size())
        m_failed = true;
    m_block.resize(0);
    return !m_failed;
}

TextFieldReader::TextFieldReader(QString text) : m_text(std::move(text)) {}

Expected<TextFieldReader> TextFieldReader::open(const QString &path)
{
    const Expected<QByteArray> bytes = ReadWholeFile(path, kMaxTextFileBytes);
    if (!bytes)
        return Expected<TextFieldReader>::failure(bytes.reason());
    return TextFieldReader(Codec::decodeFile(*bytes));
}

bool TextFieldReader::isLineEnd(qsizetype at) const
{
    const QChar ch = m_text.at(at);
    return ch == QLatin1Char('\n') || ch == QLatin1Char('\r');
}

void TextFieldReader::skipLineEnd()
{
    if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('\r'))
        ++m_pos;
    if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('\n'))
        ++m_pos;
}

void TextFieldReader::skipBlanks()
{
    while (m_pos < m_text.size() && (m_text.at(m_pos) == QLatin1Char(' ') || m_text.at(m_pos) == QLatin1Char('\t')))
        ++m_pos;
}

bool TextFieldReader::atEnd() const
{
    if (m_contentAt < m_pos) {
        m_contentAt = m_pos;
        while (m_contentAt < m_text.size()) {
            const QChar ch = m_text.at(m_contentAt);
            if (ch != QLatin1Char(' ') && ch != QLatin1Char('\t') && ch != QLatin1Char('\r') && ch != QLatin1Char('\n')
                && ch != QChar(0x1A)) // a DOS end-of-file mark
                break;
            ++m_contentAt;
        }
    }
    return m_contentAt >= m_text.size();
}

std::optional<QString> TextFieldReader::nextField()
{
    QString field;
    if (!scanField(&field))
        return std::nullopt;
    return field;
}

bool TextFieldReader::scanField(QString *field)
{
    skipBlanks();
    const qsizetype size = m_text.size();
    if (m_pos >= size)
        return false;

    const QStringView text(m_text);
    if (text[m_pos] == QLatin1Char('"')) {
        // Up to the closing quote, a doubled quote standing for one; a field left
        // open runs to the end of the text. Pieces are appended to a null string,
        // so an empty field allocates nothing.
        qsizetype from = ++m_pos;
        for (;;) {
            const qsizetype quote = text.indexOf(QLatin1Char('"'), from);
            if (quote < 0) {
                if (field)
                    field->append(text.mid(from));
                m_pos = size;
                break;
            }
            const bool doubled = quote + 1 < size && text[quote + 1] == QLatin1Char('"');
            if (field)
                field->append(text.mid(from, quote - from + (doubled ? 1 : 0)));
            if (!doubled) {
                m_pos = quote + 1;
                break;
            }
            from = quote + 2;
        }
        // Text between the closing quote and the delimiter belongs to the field.
        skipBlanks();
        const qsizetype tail = m_pos;
        while (m_pos < size && text[m_pos] != QLatin1Char(',') && !isLineEnd(m_pos))
            ++m_pos;
        if (field && m_pos > tail)
            field->append(text.mid(tail, m_pos - tail).trimmed());
    } else {
        const qsizetype start = m_pos;
        while (m_pos < size && text[m_pos] != QLatin1Char(',') && !isLineEnd(m_pos))
            ++m_pos;
        if (field) {
            const QStringView value = text.mid(start, m_pos - start).trimmed();
            if (!value.isEmpty())
                *field = value.toString();
        }
    }

    if (m_pos < size) {
        if (text[m_pos] == QLatin1Char(','))
            ++m_pos;
        else
            skipLineEnd();
    }
    return true;
}

Expected<QStringList> TextFieldReader::nextRecord(int fields)
{
    QStringList record;
    record.reserve(fields);
    for (int i = 0; i < fields; ++i) {
        std::optional<QString> field = nextField();
        if (!field)
            return Expected<QStringList>::failure(
                QStringLiteral("The file ends in the middle of a record: record %1 has %2 of its %3 fields.")
                    .arg(m_records + 1)
                    .arg(i)
                    .arg(fields));
        record.append(std::move(*field));
    }
    ++m_records;
    return record;
}

namespace {

QString Counted(qsizetype n)
{
    return QLocale(QLocale::English).toString(qlonglong(n));
}

// How many complete records the rest of the text holds, found without building a
// field; a failure once there are more than the limits allow.
Expected<qsizetype> CountRecords(TextFieldReader reader, int fieldsPerRecord, const QString &path)
{
    qsizetype records = 0;
    qsizetype fields = 0;
    while (!reader.atEnd()) {
        int i = 0;
        while (i < fieldsPerRecord && reader.skipField())
            ++i;
        fields += i;
        if (i < fieldsPerRecord)
            break; // cut short: the reading pass says where
        if (++records > kMaxTextRecords)
            return Expected<qsizetype>::failure(
                QStringLiteral("Cannot read %1: it holds more than %2 records (at most %2 are read).")
                    .arg(QDir::toNativeSeparators(path), Counted(kMaxTextRecords)));
        if (fields > kMaxTextFields)
            return Expected<qsizetype>::failure(
                QStringLiteral("Cannot read %1: it holds more than %2 fields (at most %2 are read).")
                    .arg(QDir::toNativeSeparators(path), Counted(kMaxTextFields)));
    }
    return records;
}

} // namespace

TextRecords ReadTextRecords(const QString &path, int fieldsPerRecord)
{
    TextRecords result;
    Expected<TextFieldReader> reader = TextFieldReader::open(path);
    if (!reader) {
        result.outcome = reader.outcome();
        return result;
    }
    const Expected<qsizetype> count = CountRecords(*reader, fieldsPerRecord, path);
    if (!count) {
        result.outcome = count.outcome();
        return result;
    }
    result.records.reserve(*count);
    while (!reader->atEnd()) {
        Expected<QStringList> record = reader->nextRecord(fieldsPerRecord);
        if (!record) {
            result.outcome = record.outcome();
            result.cutShort = true;
            return result;
        }
        result.records.append(std::move(*record));
    }
    return result;
}

Expected<QList<QStringList>> ReadAllTextRecords(const QString &path, int fieldsPerRecord)
{
    TextRecords read = ReadTextRecords(path, fieldsPerRecord);
    if (!read.outcome)
        return Expected<QList<QStringList>>::failure(read.outcome.reason());
    return std::move(read.records);
}
