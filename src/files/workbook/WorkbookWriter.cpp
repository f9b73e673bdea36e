#include "files/workbook/WorkbookWriter.h"

#include "files/workbook/BiffRecords.h"

#include <QHash>
#include <QList>
#include <QLocale>

#include <algorithm>

using namespace Biff;

namespace {

constexpr quint16 kBiff8Version = 0x0600;
constexpr quint16 kGlobalsSubstream = 0x0005;
constexpr quint16 kWorksheetSubstream = 0x0010;
constexpr quint16 kUtf16CodePage = 1200;
// Cell formats: 0 to 14 are the built-in styles, 15 the default cell format, and
// 16 the one every written cell uses: the Text number format "@" (built-in 49),
// so that what the user types into such a cell later stays text as well.
constexpr int kStyleFormats = 15;
constexpr quint16 kTextCellFormat = 16;
constexpr quint16 kTextNumberFormat = 49;
// Compound documents keep streams below 4096 bytes in a "mini stream" that some
// readers of workbooks mishandle; a shorter workbook stream is padded after its end.
constexpr qsizetype kMinStreamSize = 4096;

QString Grouped(qsizetype number)
{
    return QLocale(QLocale::English).toString(qlonglong(number));
}

void WriteBof(BiffWriter &w, quint16 substream)
{
    w.begin(Bof);
    w.u16(kBiff8Version);
    w.u16(substream);
    w.u16(0x0DBB); // build
    w.u16(0x07CC); // year
    w.u32(0);      // file history flags
    w.u32(0x06);   // lowest BIFF version that can read the file: BIFF8
    w.end();
}

// Distinct texts in the order of first use, and how often cells use them.
class SharedStrings {
public:
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
    quint32 uses() const { return m_uses; }

private:
    QList<QString> m_strings;
    QHash<QString, quint32> m_index;
    quint32 m_uses = 0;
};

// The used area of the sheet, for the DIMENSIONS record.
struct UsedArea {
    int firstRow = -1, lastRow = -1, firstColumn = -1, lastColumn = -1;
    void add(int row, int column)
    {
        if (firstRow < 0) {
            firstRow = lastRow = row;
            firstColumn = lastColumn = column;
            return;
        }
        lastRow = row; // rows come in order
        firstColumn = std::min(firstColumn, column);
        lastColumn = std::max(lastColumn, column);
    }
};

struct CollectedCells {
    BiffWriter records;
    SharedStrings strings;
    UsedArea area;
};

Expected<CollectedCells> CollectCells(const SheetTexts &sheet)
{
    const qsizetype expected = qsizetype(sheet.rows) * sheet.columns * 14;
    CollectedCells cells{BiffWriter(std::min<qsizetype>(expected, 16 << 20)), {}, {}};
    for (int row = 0; row < sheet.rows; ++row) {
        for (int column = 0; column < sheet.columns; ++column) {
            const QString text = sheet.text(row, column);
            if (text.size() > kMaxCellChars)
                return Expected<CollectedCells>::failure(
                    QStringLiteral("the text for sheet row %1, column %2 has %3 characters; a cell of an "
                                   "Excel 97-2003 workbook holds at most 32,767")
                        .arg(Grouped(row + 1), Grouped(column + 1), Grouped(text.size())));
            BiffWriter &w = cells.records;
            w.begin(LabelSst);
            w.u16(quint16(row));
            w.u16(quint16(column));
            w.u16(kTextCellFormat);
            w.u32(cells.strings.add(text));
            w.end();
            cells.area.add(row, column);
        }
    }
    return cells;
}

void WriteFont(BiffWriter &w)
{
    w.begin(Font);
    w.u16(200);    // height in twentieths of a point: 10 pt
    w.u16(0);      // not italic, not struck out
    w.u16(0x7FFF); // automatic colour
    w.u16(400);    // normal weight
    w.u16(0);      // no superscript or subscript
    w.u8(0);       // not underlined
    w.u8(0);       // font family
    w.u8(0);       // ANSI character set
    w.u8(0);
    w.shortString(QStringLiteral("Arial"));
    w.end();
}

// The currency and accounting formats every workbook lists.
void WriteFormats(BiffWriter &w)
{
    static const std::pair<quint16, const char *> kFormats[] = {
        {5, R"("$"#,##0_);\("$"#,##0\))"},
        {6, R"("$"#,##0_);[Red]\("$"#,##0\))"},
        {7, R"("$"#,##0.00_);\("$"#,##0.00\))"},
        {8, R"("$"#,##0.00_);[Red]\("$"#,##0.00\))"},
        {42, R"(_("$"* #,##0_);_("$"* \(#,##0\);_("$"* "-"_);_(@_))"},
        {41, R"(_(* #,##0_);_(* \(#,##0\);_(* "-"_);_(@_))"},
        {44, R"(_("$"* #,##0.00_);_("$"* \(#,##0.00\);_("$"* "-"??_);_(@_))"},
        {43, R"(_(* #,##0.00_);_(* \(#,##0.00\);_(* "-"??_);_(@_))"},
    };
    for (const auto &[index, code] : kFormats) {
        w.begin(Format);
        w.u16(index);
        w.string(QString::fromLatin1(code));
        w.end();
    }
}

void WriteXf(BiffWriter &w, quint16 numberFormat, bool style, quint8 usedAttributes)
{
    w.begin(Xf);
    w.u16(0); // font
    w.u16(numberFormat);
    w.u16(style ? 0xFFF5 : 0x0001); // locked; a style has no parent, a cell format has style 0
    w.u8(0x20);                     // bottom aligned
    w.u8(0);                        // no rotation
    w.u8(0);                        // no indent
    w.u8(usedAttributes);
    w.u32(0); // no borders
    w.u32(0);
    w.u16(0x20C0); // automatic pattern colours
    w.end();
}

void WriteCellFormats(BiffWriter &w)
{
    for (int i = 0; i < kStyleFormats; ++i)
        WriteXf(w, 0, true, i == 0 ? 0x00 : 0xF4);
    WriteXf(w, 0, false, 0x00);
    WriteXf(w, kTextNumberFormat, false, 0x04); // its number format differs from the style's
    w.begin(Style);
    w.u16(0x8000); // built-in style on format 0
    w.u8(0);       // "Normal"
    w.u8(0xFF);
    w.end();
}

// The shared-string table. A record holds at most 8,224 data bytes, so the table
// goes on in CONTINUE records: a string's header is never split; when its
// characters are, the CONTINUE record starts with the option byte again.
// Returns where every dsst-th string starts, for the EXTSST record.
struct SstBucket {
    quint32 streamPosition;
    quint16 recordOffset;
};

QList<SstBucket> WriteSharedStrings(BiffWriter &w, const SharedStrings &shared, int perBucket)
{
    QList<SstBucket> buckets;
    const QList<QString> &strings = shared.strings();
    w.begin(Sst);
    w.u32(shared.uses());
    w.u32(quint32(strings.size()));
    for (qsizetype i = 0; i < strings.size(); ++i) {
        const QString &text = strings[i];
        const bool wide = NeedsWideChars(text);
        const int charBytes = wide ? 2 : 1;
        if (w.room() < 3 + charBytes) {
            w.end();
            w.begin(Continue);
        }
        if (i % perBucket == 0)
            buckets.append({quint32(w.size()), quint16(w.size() - w.recordStart())});
        w.u16(quint16(text.size()));
        w.u8(wide ? 1 : 0);
        qsizetype done = 0;
        for (;;) {
            const qsizetype n = std::min<qsizetype>(text.size() - done, w.room() / charBytes);
            w.chars(text, done, n, wide);
            done += n;
            if (done == text.size())
                break;
            w.end();
            w.begin(Continue);
            w.u8(wide ? 1 : 0);
        }
    }
    w.end();
    return buckets;
}

void WriteExtSst(BiffWriter &w, const QList<SstBucket> &buckets, int perBucket)
{
    w.begin(ExtSst);
    w.u16(quint16(perBucket));
    for (const SstBucket &bucket : buckets) {
        w.u32(bucket.streamPosition);
        w.u16(bucket.recordOffset);
        w.u16(0);
    }
    w.end();
}

struct Setting {
    quint16 id;
    quint16 value;
};

void WriteSettings(BiffWriter &w, std::initializer_list<Setting> settings)
{
    for (const Setting &setting : settings)
        w.recordU16(setting.id, setting.value);
}

void WriteWorkbookSettings(BiffWriter &w)
{
    WriteSettings(w, {{InterfaceHdr, kUtf16CodePage}, {Mms, 0}});
    w.record(InterfaceEnd);
    w.begin(WriteAccess); // the user name, blank-padded to 112 bytes
    const qsizetype start = w.size();
    w.string(QStringLiteral("Halvoran"));
    w.append(QByteArray(112 - (w.size() - start), ' '));
    w.end();
    WriteSettings(w,
                  {{CodePage, kUtf16CodePage},
                   {Dsf, 0},
                   {TabId, 1},
                   {FnGroupCount, 14},
                   {WindowProtect, 0},
                   {Protect, 0},
                   {Password, 0},
                   {Prot4Rev, 0},
                   {Prot4RevPass, 0}});
    w.begin(Window1);
    for (const quint16 value : {0x01E0, 0x005A, 0x3FCF, 0x2A4E, 0x0038, 0, 0, 1, 0x0258})
        w.u16(value);
    w.end();
    WriteSettings(w, {{Backup, 0}, {HideObj, 0}, {Date1904, 0}, {CalcPrecision, 1}, {RefreshAll, 0}, {BookBool, 0}});
    for (int i = 0; i < 4; ++i)
        WriteFont(w);
    WriteFormats(w);
    WriteCellFormats(w);
    w.recordU16(UsesElfs, 0);
}

void WriteSheetSettings(BiffWriter &w)
{
    WriteSettings(w, {{CalcMode, 1}, {CalcCount, 100}, {RefMode, 1}, {Iteration, 0}});
    w.begin(Delta);
    w.f64(0.001);
    w.end();
    WriteSettings(w, {{SaveRecalc, 1}, {PrintHeaders, 0}, {PrintGridlines, 0}, {GridSet, 1}});
    w.begin(Guts);
    w.zeros(8);
    w.end();
    w.begin(DefaultRowHeight);
    w.u16(0);
    w.u16(0x00FF);
    w.end();
    WriteSettings(w, {{WsBool, 0x04C1}, {DefColWidth, 8}});
}

void WriteDimensions(BiffWriter &w, const UsedArea &area)
{
    w.begin(Dimensions);
    if (area.firstRow < 0) {
        w.zeros(12);
    } else {
        w.u32(quint32(area.firstRow));
        w.u32(quint32(area.lastRow + 1));
        w.u16(quint16(area.firstColumn));
        w.u16(quint16(area.lastColumn + 1));
        w.u16(0);
    }
    w.end();
}

void WriteWindow2(BiffWriter &w)
{
    w.begin(Window2);
    w.u16(0x06B6); // gridlines, headers, zeros, outline symbols; selected and shown
    w.u16(0);      // top row
    w.u16(0);      // left column
    w.u32(64);     // automatic gridline colour
    w.u16(0);
    w.u16(0);
    w.u32(0);
    w.end();
}

} // namespace

Expected<QByteArray> BuildWorkbookStream(const SheetTexts &sheet)
{
    if (sheet.rows < 0 || sheet.columns < 0)
        return Expected<QByteArray>::failure(QStringLiteral("the sheet would have a negative size"));
    if (sheet.rows > kMaxSheetRows)
        return Expected<QByteArray>::failure(
            QStringLiteral("the sheet would have %1 rows; a sheet of an Excel 97-2003 workbook holds at most 65,536")
                .arg(Grouped(sheet.rows)));
    if (sheet.columns > kMaxSheetColumns)
        return Expected<QByteArray>::failure(
            QStringLiteral("the sheet would have %1 columns; a sheet of an Excel 97-2003 workbook holds at most 256")
                .arg(Grouped(sheet.columns)));

    Expected<CollectedCells> cells = CollectCells(sheet);
    if (!cells)
        return Expected<QByteArray>::failure(cells.reason());
    const QList<QString> &strings = cells->strings.strings();

    qsizetype stringBytes = 0;
    for (const QString &text : strings)
        stringBytes += 3 + text.size() * 2;
    BiffWriter w(cells->records.size() + stringBytes + stringBytes / kMaxRecordData * 5 + 8192);

    WriteBof(w, kGlobalsSubstream);
    WriteWorkbookSettings(w);
    w.begin(BoundSheet);
    const qsizetype sheetOffsetAt = w.size();
    w.u32(0); // where the sheet's BOF is, filled in below
    w.u8(0);  // visible
    w.u8(0);  // worksheet
    w.shortString(QStringLiteral("Sheet1"));
    w.end();
    w.begin(Country);
    w.u16(1);
    w.u16(1);
    w.end();
    const int perBucket = std::max<int>(8, int((strings.size() + 127) / 128));
    const QList<SstBucket> buckets = WriteSharedStrings(w, cells->strings, perBucket);
    WriteExtSst(w, buckets, perBucket);
    w.record(Eof);

    w.patchU32(sheetOffsetAt, quint32(w.size()));
    WriteBof(w, kWorksheetSubstream);
    WriteSheetSettings(w);
    WriteDimensions(w, cells->area);
    w.append(cells->records.take());
    WriteWindow2(w);
    w.record(Eof);
    if (w.size() < kMinStreamSize)
        w.zeros(kMinStreamSize - w.size());
    return w.take();
}
