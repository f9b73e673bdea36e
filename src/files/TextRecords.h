#pragma once

#include "files/Outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class GridTable;
class QIODevice;

// Writes grid rows 1 .. lastRow (rows() - 1 when lastRow < 0, the spare row
// included) as text records: columns 0 .. columns - 1 of a row on one line, every
// field in double quotes (a quote inside written twice), commas between, CR LF at
// the end, in windows-1252. The header row is not written. progress, when given,
// hears the row number now and then.
Outcome WriteTextFile(const GridTable &grid, const QString &path, int columns, int lastRow = -1,
                      const std::function<void(int)> &progress = {});

// Text records as WriteTextFile writes them, given field by field and written to
// a device in large blocks, each field converted as it is appended.
class TextRecordWriter {
public:
    explicit TextRecordWriter(QIODevice &out);
    void field(QStringView text);
    void endRecord();
    // Whether the block is large enough to write.
    bool full() const { return m_block.size() >= kBlock; }
    // Writes the block; false when the device failed (now or before).
    bool flush();

private:
    static constexpr qsizetype kBlock = 1 << 20;
    QIODevice &m_out;
    QByteArray m_block;
    bool m_recordStarted = false;
    bool m_failed = false;
};

// The largest text file read: several times the largest site, while the records
// of a file of tiny fields still fit in memory many times over.
constexpr qint64 kMaxTextFileBytes = 16LL * 1024 * 1024;
// The most records and fields read from one text file: as many records as a
// worksheet has rows, ten times more than any switch has extensions. A file of
// a few bytes per field (a run of commas) reaches these long before the byte
// limit; it is refused, with the reason, before any record is built.
constexpr qsizetype kMaxTextRecords = 1'048'576;
constexpr qsizetype kMaxTextFields = 10'000'000;

// The fields of a text file in order: a comma or a line end ends a field, so
// records may be spread over lines in any way. A field in double quotes is taken
// verbatim (commas inside kept, a doubled quote read as one); an unquoted field is
// trimmed and kept as text.
class TextFieldReader {
public:
    explicit TextFieldReader(QString text);
    // Reads and decodes a file (windows-1252, or UTF-8 when it is UTF-8).
    static Expected<TextFieldReader> open(const QString &path);

    // True when only blanks and line ends are left.
    bool atEnd() const;
    // The next field, or nullopt at the end of the text. An empty field is a null
    // QString and costs no allocation.
    std::optional<QString> nextField();
    // Passes over the next field without building its text; false at the end.
    bool skipField() { return scanField(nullptr); }
    // The next record of n fields; a failure when the text ends inside it.
    Expected<QStringList> nextRecord(int fields);

    int recordsRead() const { return m_records; }

private:
    // Passes over the next field, building its text into *field when given.
    bool scanField(QString *field);
    bool isLineEnd(qsizetype at) const;
    void skipLineEnd();
    void skipBlanks();

    QString m_text;
    qsizetype m_pos = 0;
    // Where the next character that is not a blank or line end stands, once looked
    // for: asking atEnd() before every record stays linear over long blank runs.
    mutable qsizetype m_contentAt = -1;
    int m_records = 0;
};

// Every record of a text file, read from one snapshot of it (the whole file is
// read before it is parsed, so a file changed meanwhile never gives a record torn
// between two versions). On failure, records holds the complete records read
// before it and outcome says why reading stopped; cutShort when the file ended
// inside a record (rather than being unreadable or holding too many records).
struct TextRecords {
    QList<QStringList> records;
    Outcome outcome = Outcome::success();
    bool cutShort = false;
};
TextRecords ReadTextRecords(const QString &path, int fieldsPerRecord);
// Every record of a text file, or why reading failed (nothing of the file then).
Expected<QList<QStringList>> ReadAllTextRecords(const QString &path, int fieldsPerRecord);
