#include "files/workbook/BiffRecords.h"

#include <QtEndian>

#include <cstring>

namespace Biff {

RecordReader::RecordReader(QByteArrayView stream, qsizetype start)
    : m_stream(stream),
      m_pos(start < 0 || start > stream.size() ? stream.size() : start)
{
}

bool RecordReader::peek(Record &record) const
{
    if (m_stream.size() - m_pos < 4)
        return false;
    const uchar *header = reinterpret_cast<const uchar *>(m_stream.data() + m_pos);
    const quint16 length = qFromLittleEndian<quint16>(header + 2);
    if (m_stream.size() - m_pos - 4 < length)
        return false;
    record.id = qFromLittleEndian<quint16>(header);
    record.offset = m_pos;
    record.data = m_stream.sliced(m_pos + 4, length);
    return true;
}

bool RecordReader::next(Record &record)
{
    if (m_pos >= m_stream.size())
        return false;
    if (!peek(record)) {
        m_damaged = true;
        m_pos = m_stream.size();
        return false;
    }
    m_pos += 4 + record.data.size();
    return true;
}

void RecordReader::takeContinues(QList<QByteArrayView> &pieces)
{
    Record record;
    while (peek(record) && record.id == Continue) {
        pieces.append(record.data);
        m_pos += 4 + record.data.size();
    }
}

PieceCursor::PieceCursor(QList<QByteArrayView> pieces) : m_pieces(std::move(pieces))
{
    for (const QByteArrayView piece : m_pieces)
        m_total += piece.size();
}

void PieceCursor::stepToNextPiece()
{
    m_before += m_pieces[m_piece].size();
    ++m_piece;
    m_pos = 0;
}

bool PieceCursor::nextPieceIfDone()
{
    while (m_piece < m_pieces.size() && m_pos >= m_pieces[m_piece].size())
        stepToNextPiece();
    return m_piece < m_pieces.size();
}

bool PieceCursor::readRaw(char *out, qsizetype count)
{
    while (count > 0) {
        if (!nextPieceIfDone())
            return false;
        const QByteArrayView piece = m_pieces[m_piece];
        const qsizetype n = qMin(count, piece.size() - m_pos);
        std::memcpy(out, piece.data() + m_pos, size_t(n));
        out += n;
        m_pos += n;
        count -= n;
    }
    return true;
}

template <typename T>
bool PieceCursor::little(T &value)
{
    uchar b[sizeof(T)];
    if (!readRaw(reinterpret_cast<char *>(b), sizeof(T)))
        return false;
    value = qFromLittleEndian<T>(b);
    return true;
}

bool PieceCursor::u8(quint8 &value)
{
    return little(value);
}
bool PieceCursor::u16(quint16 &value)
{
    return little(value);
}
bool PieceCursor::u32(quint32 &value)
{
    return little(value);
}

bool PieceCursor::f64(double &value)
{
    quint64 bits;
    if (!little(bits))
        return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool PieceCursor::length(int lengthBytes, quint16 &count)
{
    if (lengthBytes == 2)
        return u16(count);
    quint8 shortCount;
    if (!u8(shortCount))
        return false;
    count = shortCount;
    return true;
}

bool PieceCursor::skip(qint64 bytes)
{
    if (bytes < 0 || bytes > remaining())
        return false;
    while (bytes > 0) {
        nextPieceIfDone();
        const qint64 n = qMin<qint64>(bytes, m_pieces[m_piece].size() - m_pos);
        m_pos += n;
        bytes -= n;
    }
    return true;
}

bool PieceCursor::atEnd()
{
    return !nextPieceIfDone();
}

qint64 PieceCursor::remaining() const
{
    return m_total - m_before - m_pos;
}

bool PieceCursor::unicodeString(QString &text, int lengthBytes)
{
    quint16 count;
    quint8 options;
    if (!length(lengthBytes, count) || !u8(options))
        return false;
    quint16 runs = 0;
    quint32 phoneticBytes = 0;
    if ((options & 0x08) && !u16(runs))
        return false;
    if ((options & 0x04) && !u32(phoneticBytes))
        return false;

    text.resize(count);
    QChar *out = text.data();
    bool wide = options & 0x01;
    qsizetype left = count;
    while (left > 0) {
        if (m_piece < m_pieces.size() && m_pos >= m_pieces[m_piece].size()) {
            // The characters go on in the next piece, behind a fresh option byte.
            stepToNextPiece();
            quint8 continued;
            if (m_piece >= m_pieces.size() || !u8(continued))
                return false;
            wide = continued & 0x01;
            continue;
        }
        if (m_piece >= m_pieces.size())
            return false;
        const QByteArrayView piece = m_pieces[m_piece];
        const uchar *bytes = reinterpret_cast<const uchar *>(piece.data()) + m_pos;
        const qsizetype available = (piece.size() - m_pos) / (wide ? 2 : 1);
        if (available == 0)
            return false; // half a UTF-16 character at the end of a piece
        const qsizetype n = qMin(left, available);
        if (wide) {
            for (qsizetype i = 0; i < n; ++i)
                out[i] = QChar(qFromLittleEndian<quint16>(bytes + 2 * i));
            m_pos += 2 * n;
        } else {
            for (qsizetype i = 0; i < n; ++i)
                out[i] = QChar(char16_t(bytes[i]));
            m_pos += n;
        }
        out += n;
        left -= n;
    }
    return skip(qint64(runs) * 4 + qint64(phoneticBytes));
}

bool PieceCursor::byteString(QByteArray &bytes, int lengthBytes)
{
    quint16 count;
    if (!length(lengthBytes, count) || count > remaining())
        return false;
    bytes.resize(count);
    return readRaw(bytes.data(), count);
}

BiffWriter::BiffWriter(qsizetype reserve)
{
    m_bytes.reserve(reserve);
}

void BiffWriter::begin(quint16 id)
{
    m_recordStart = m_bytes.size();
    u16(id);
    u16(0);
}

void BiffWriter::end()
{
    const qsizetype length = m_bytes.size() - m_recordStart - 4;
    Q_ASSERT(length >= 0 && length <= kMaxRecordData);
    qToLittleEndian<quint16>(quint16(length), m_bytes.data() + m_recordStart + 2);
}

void BiffWriter::record(quint16 id)
{
    begin(id);
    end();
}

void BiffWriter::recordU16(quint16 id, quint16 value)
{
    begin(id);
    u16(value);
    end();
}

void BiffWriter::u16(quint16 value)
{
    char b[2];
    qToLittleEndian(value, b);
    m_bytes.append(b, 2);
}

void BiffWriter::u32(quint32 value)
{
    char b[4];
    qToLittleEndian(value, b);
    m_bytes.append(b, 4);
}

void BiffWriter::f64(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char b[8];
    qToLittleEndian(bits, b);
    m_bytes.append(b, 8);
}

void BiffWriter::patchU32(qsizetype at, quint32 value)
{
    qToLittleEndian(value, m_bytes.data() + at);
}

void BiffWriter::chars(const QString &text, qsizetype from, qsizetype count, bool wide)
{
    const qsizetype at = m_bytes.size();
    m_bytes.resize(at + count * (wide ? 2 : 1));
    uchar *out = reinterpret_cast<uchar *>(m_bytes.data()) + at;
    const QChar *in = text.constData() + from;
    if (wide) {
        for (qsizetype i = 0; i < count; ++i)
            qToLittleEndian<quint16>(in[i].unicode(), out + 2 * i);
    } else {
        for (qsizetype i = 0; i < count; ++i)
            out[i] = uchar(in[i].unicode());
    }
}

void BiffWriter::shortString(const QString &text)
{
    const bool wide = NeedsWideChars(text);
    u8(quint8(text.size()));
    u8(wide ? 1 : 0);
    chars(text, 0, text.size(), wide);
}

void BiffWriter::string(const QString &text)
{
    const bool wide = NeedsWideChars(text);
    u16(quint16(text.size()));
    u8(wide ? 1 : 0);
    chars(text, 0, text.size(), wide);
}

bool NeedsWideChars(const QString &text)
{
    for (const QChar ch : text)
        if (ch.unicode() > 0xFF)
            return true;
    return false;
}

} // namespace Biff
