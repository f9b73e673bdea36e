#pragma once

// Hand-made workbook streams for the reader tests: records byte by byte, so a
// test can say exactly which cells, strings and splits a stream holds.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtEndian>

#include <cstring>

namespace BiffBytes {

inline QByteArray U8(int value)
{
    return QByteArray(1, char(value));
}

inline QByteArray U16(int value)
{
    char b[2];
    qToLittleEndian<quint16>(quint16(value), b);
    return QByteArray(b, 2);
}

inline QByteArray U32(quint32 value)
{
    char b[4];
    qToLittleEndian<quint32>(value, b);
    return QByteArray(b, 4);
}

inline QByteArray F64(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char b[8];
    qToLittleEndian<quint64>(bits, b);
    return QByteArray(b, 8);
}

inline QByteArray Rec(quint16 id, const QByteArray &data)
{
    return U16(id) + U16(int(data.size())) + data;
}

// Characters of a BIFF8 string: one byte each, or UTF-16.
inline QByteArray Narrow(const QString &text)
{
    return text.toLatin1();
}
inline QByteArray Wide(const QString &text)
{
    QByteArray bytes;
    for (const QChar ch : text)
        bytes += U16(ch.unicode());
    return bytes;
}

inline bool IsWide(const QString &text)
{
    for (const QChar ch : text)
        if (ch.unicode() > 0xFF)
            return true;
    return false;
}

// A BIFF8 string with a 16-bit (Str16) or 8-bit (Str8) character count.
inline QByteArray Str16(const QString &text)
{
    const bool wide = IsWide(text);
    return U16(int(text.size())) + U8(wide) + (wide ? Wide(text) : Narrow(text));
}
inline QByteArray Str8(const QString &text)
{
    const bool wide = IsWide(text);
    return U8(int(text.size())) + U8(wide) + (wide ? Wide(text) : Narrow(text));
}

// Cell records (format index 15).
inline QByteArray Cell(quint16 id, int row, int column, const QByteArray &rest)
{
    return Rec(id, U16(row) + U16(column) + U16(15) + rest);
}

enum : quint16 {
    kFormula = 0x0006,
    kEof = 0x000A,
    kFilePass = 0x002F,
    kContinue = 0x003C,
    kCodePage = 0x0042,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kMulBlank = 0x00BE,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kBlank = 0x0201,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kRk = 0x027E,
    kShrFmla = 0x04BC,
    kBof = 0x0809,
};

inline QByteArray Bof(int version, int substream)
{
    QByteArray data = U16(version) + U16(substream) + U16(0x0DBB) + U16(0x07CC);
    if (version == 0x0600)
        data += U32(0) + U32(6);
    return Rec(kBof, data);
}

struct Sheet {
    QByteArray name;    // as stored: Str8() in BIFF8, U8(length) + bytes in BIFF5
    QByteArray records; // the cell records between the sheet's BOF and EOF
    int type = 0;       // 0 worksheet, 2 chart
};

// A workbook stream: BOF, the given global records, one BOUNDSHEET per sheet,
// the shared strings (SST and CONTINUE records), EOF, then every sheet.
inline QByteArray Workbook(int version, const QList<Sheet> &sheets, const QByteArray &sst = {},
                           const QByteArray &globals = {})
{
    const auto boundSheets = [&](quint32 firstOffset, const QList<qsizetype> &sizes) {
        QByteArray bytes;
        quint32 offset = firstOffset;
        for (qsizetype i = 0; i < sheets.size(); ++i) {
            bytes += Rec(kBoundSheet, U32(offset) + U8(0) + U8(sheets[i].type) + sheets[i].name);
            offset += quint32(sizes[i]);
        }
        return bytes;
    };
    QList<QByteArray> bodies;
    QList<qsizetype> sizes;
    for (const Sheet &sheet : sheets) {
        bodies.append(Bof(version, 0x0010) + sheet.records + Rec(kEof, {}));
        sizes.append(bodies.last().size());
    }
    const QByteArray head = Bof(version, 0x0005) + globals;
    const QByteArray tail = sst + Rec(kEof, {});
    const qsizetype globalsSize = head.size() + boundSheets(0, sizes).size() + tail.size();
    QByteArray stream = head + boundSheets(quint32(globalsSize), sizes) + tail;
    for (const QByteArray &body : bodies)
        stream += body;
    return stream;
}

inline QByteArray Biff8(const QList<Sheet> &sheets, const QByteArray &sst = {}, const QByteArray &globals = {})
{
    return Workbook(0x0600, sheets, sst, globals);
}

// A BIFF8 workbook with one sheet "Sheet1" holding the given cell records.
inline QByteArray Biff8Sheet(const QByteArray &cells, const QByteArray &sst = {})
{
    return Biff8({{Str8("Sheet1"), cells}}, sst);
}

} // namespace BiffBytes
