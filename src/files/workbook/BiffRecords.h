#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The record layer of Excel's binary interchange file format (BIFF5 and BIFF8):
// a workbook stream is a sequence of records, each a 16-bit id, a 16-bit length
// and that many bytes of data. Long data goes on in CONTINUE records.
namespace Biff {

enum RecordId : quint16 {
    Formula = 0x0006,
    Eof = 0x000A,
    CalcCount = 0x000C,
    CalcMode = 0x000D,
    CalcPrecision = 0x000E,
    RefMode = 0x000F,
    Delta = 0x0010,
    Iteration = 0x0011,
    Protect = 0x0012,
    Password = 0x0013,
    WindowProtect = 0x0019,
    Date1904 = 0x0022,
    PrintHeaders = 0x002A,
    PrintGridlines = 0x002B,
    FilePass = 0x002F,
    Font = 0x0031,
    Continue = 0x003C,
    Window1 = 0x003D,
    Backup = 0x0040,
    CodePage = 0x0042,
    DefColWidth = 0x0055,
    WriteAccess = 0x005C,
    SaveRecalc = 0x005F,
    Guts = 0x0080,
    WsBool = 0x0081,
    GridSet = 0x0082,
    Country = 0x008C,
    HideObj = 0x008D,
    BoundSheet = 0x0085,
    FnGroupCount = 0x009C,
    MulRk = 0x00BD,
    MulBlank = 0x00BE,
    Mms = 0x00C1,
    RString = 0x00D6,
    BookBool = 0x00DA,
    Xf = 0x00E0,
    InterfaceHdr = 0x00E1,
    InterfaceEnd = 0x00E2,
    Sst = 0x00FC,
    LabelSst = 0x00FD,
    ExtSst = 0x00FF,
    TabId = 0x013D,
    UsesElfs = 0x0160,
    Dsf = 0x0161,
    Prot4Rev = 0x01AF,
    RefreshAll = 0x01B7,
    Prot4RevPass = 0x01BC,
    Dimensions = 0x0200,
    Blank = 0x0201,
    Number = 0x0203,
    Label = 0x0204,
    BoolErr = 0x0205,
    String = 0x0207,
    DefaultRowHeight = 0x0225,
    Window2 = 0x023E,
    Rk = 0x027E,
    Style = 0x0293,
    Format = 0x041E,
    Bof = 0x0809,
};

// BIFF8 limits: data bytes of one record, and the extent of a worksheet.
constexpr int kMaxRecordData = 8224;
constexpr int kMaxSheetRows = 65536;
constexpr int kMaxSheetColumns = 256;
constexpr int kMaxCellChars = 32767;

// One record: its id, where its header starts in the stream, and its data.
struct Record {
    quint16 id = 0;
    qsizetype offset = 0;
    QByteArrayView data;
};

// Walks the records of a stream. Every step moves at least one header forward,
// so a walk is linear in the stream's size whatever the bytes hold.
class RecordReader {
public:
    RecordReader(QByteArrayView stream, qsizetype start);

    // The next record; false at the end of the stream, or when a header or a
    // length runs past the end (then damaged() is true).
    bool next(Record &record);
    // The data of the CONTINUE records that follow, consumed.
    void takeContinues(QList<QByteArrayView> &pieces);
    bool damaged() const { return m_damaged; }

private:
    bool peek(Record &record) const;

    QByteArrayView m_stream;
    qsizetype m_pos;
    bool m_damaged = false;
};

// Reads the data of a record and its CONTINUE records as one sequence of fields.
// Every read checks its bounds and fails instead of reading past the end.
class PieceCursor {
public:
    explicit PieceCursor(QList<QByteArrayView> pieces);
    explicit PieceCursor(QByteArrayView data) : PieceCursor(QList<QByteArrayView>{data}) {}

    bool u8(quint8 &value);
    bool u16(quint16 &value);
    bool u32(quint32 &value);
    bool f64(double &value);
    bool skip(qint64 bytes);
    bool atEnd();
    qint64 remaining() const;

    // A BIFF8 string: a character count of lengthBytes (1 or 2) bytes, an option
    // byte (8-bit or UTF-16 characters, rich-text runs, phonetic data), the
    // characters, then the runs and phonetic data, which are skipped. When the
    // characters go on in the next piece, that piece starts with a new option
    // byte (only its UTF-16 bit counts).
    bool unicodeString(QString &text, int lengthBytes);
    // A BIFF5 string: a length of lengthBytes bytes, then that many bytes in the
    // workbook's code page.
    bool byteString(QByteArray &bytes, int lengthBytes);

private:
    template <typename T>
    bool little(T &value);
    bool length(int lengthBytes, quint16 &count);
    void stepToNextPiece();
    bool nextPieceIfDone();
    bool readRaw(char *out, qsizetype count);

    QList<QByteArrayView> m_pieces;
    qsizetype m_piece = 0;
    qsizetype m_pos = 0; // in the current piece
    qint64 m_before = 0; // bytes of the pieces before the current one
    qint64 m_total = 0;
};

// Builds a stream of records. begin() opens a record, end() fills in its length.
class BiffWriter {
public:
    explicit BiffWriter(qsizetype reserve = 0);

    void begin(quint16 id);
    void end();
    // An empty record, or one with a single value.
    void record(quint16 id);
    void recordU16(quint16 id, quint16 value);

    // Data bytes still free in the open record.
    qsizetype room() const { return kMaxRecordData - (m_bytes.size() - m_recordStart - 4); }
    qsizetype size() const { return m_bytes.size(); }
    // Where the open record's header starts.
    qsizetype recordStart() const { return m_recordStart; }

    void u8(quint8 value) { m_bytes.append(char(value)); }
    void u16(quint16 value);
    void u32(quint32 value);
    void f64(double value);
    void zeros(qsizetype count) { m_bytes.append(count, '\0'); }
    void patchU32(qsizetype at, quint32 value);
    // count characters of text from index from, one byte each (wide false; every
    // character must be below 256) or UTF-16.
    void chars(const QString &text, qsizetype from, qsizetype count, bool wide);
    // A whole string with its 8-bit (names) or 16-bit character count.
    void shortString(const QString &text);
    void string(const QString &text);
    void append(const QByteArray &bytes) { m_bytes.append(bytes); }

    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
    qsizetype m_recordStart = -1;
};

// True when some character of text is 256 or above, so it needs UTF-16.
bool NeedsWideChars(const QString &text);

} // namespace Biff
