#include "PeerSheets.h"
#include "support/TestHome.h"

#include "files/workbook/BiffRecords.h"
#include "files/workbook/OleContainer.h"
#include "files/workbook/Workbook.h"
#include "files/workbook/WorkbookReader.h"
#include "grid/GridTable.h"

#include <QDir>
#include <QSet>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>

Q_DECLARE_METATYPE(WorkbookLayout)
Q_DECLARE_METATYPE(WorkbookFormat)

namespace {

GridTable MakeGrid(const QString &format, const Records &rows)
{
    GridTable grid(format);
    for (const QStringList &row : rows)
        grid.appendRow(row);
    return grid;
}

// Every row of the written sheet, the first included.
Records ReadBack(const QString &path)
{
    const WorkbookRecords read = ReadWorkbookRecords(path, QStringLiteral("Sheet1$"), HeadingRow::Keep);
    if (!read.ok())
        qWarning() << read.reason;
    return Trimmed(read.records);
}

const QList<std::pair<WorkbookFormat, QString>> kFormats{
    {WorkbookFormat::Xls, ".xls"}, {WorkbookFormat::Xlsx, ".xlsx"}, {WorkbookFormat::Ods, ".ods"}};

QString Repeat(const QString &pattern, int count)
{
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i)
        text += pattern.at(i % pattern.size());
    return text;
}

// Texts a spreadsheet likes to turn into something else, and texts in other scripts.
Records AwkwardRows()
{
    static const QStringList kScripts{"Ελληνικά", "Кириллица", "日本語のテキスト", "中文",
                                      "한국어",   "עברית",     "العربية",          "हिन्दी",
                                      "ไทย",      "Łódź ŻÓŁW", "Ærø Øst",          "😀 smile"};
    Records rows;
    for (int i = 1; i <= 300; ++i) {
        rows.append({QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("Smith, John %1").arg(i),
                     QStringLiteral("say \"hi\" %1").arg(i),
                     i % 3 == 0       ? QStringLiteral("=1+1")
                         : i % 3 == 1 ? QStringLiteral("0123")
                                      : QStringLiteral("=A1&\"x\""),
                     kScripts[i % kScripts.size()] + QString::number(i),
                     i % 4 == 0 ? QString() : QStringLiteral("TRUE"),
                     i % 5 == 0 ? QStringLiteral("1e5") : QStringLiteral("-0.50"),
                     i % 50 == 0 ? Repeat(QStringLiteral("abcΔεζ "), 3000 + i) : QStringLiteral("&%1").arg(i)});
    }
    return rows;
}

quint16 U16At(const QByteArray &bytes, qsizetype at)
{
    return at >= 0 && at + 2 <= bytes.size() ? qFromLittleEndian<quint16>(bytes.constData() + at) : 0;
}
quint32 U32At(const QByteArray &bytes, qsizetype at)
{
    return at >= 0 && at + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + at) : 0;
}

} // namespace

class TestWorkbookWriter : public QObject {
    Q_OBJECT

private slots:
    void layouts_data();
    void layouts();
    void peersReadEveryCell_data();
    void peersReadEveryCell();
    void sharedStringTableStructure();
    void textsRoundTrip_data();
    void textsRoundTrip();
    void limits_data();
    void limits();
    void replacesAnExistingFile();
    void reportsFailedWrites();
};

void TestWorkbookWriter::layouts_data()
{
    QTest::addColumn<Records>("gridRows");
    QTest::addColumn<QStringList>("spareRow"); // what the caller left in the grid's last row
    QTest::addColumn<WorkbookLayout>("layout");
    QTest::addColumn<Records>("sheet");

    const Records two{{"2001", "Smith"}, {"2002", "Jones"}};
    const Records twoRows{{"2001", "Smith"}, {"2002", "Jones"}};
    QTest::newRow("header row, then grid row k in sheet row k + 1")
        << two << QStringList() << WorkbookLayout{0, -1, 3, {}}
        << Records{{"Extension", "Name"}, {"2001", "Smith"}, {"2002", "Jones"}};
    QTest::newRow("no header row") << two << QStringList() << WorkbookLayout{1, -1, 3, {}} << twoRows;
    QTest::newRow("header written instead of grid row 0")
        << two << QStringList() << WorkbookLayout{0, -1, 3, {"NAME", "ACCESS CODE", "NUBER"}}
        << Records{{"NAME", "ACCESS CODE", "NUBER"}, {"2001", "Smith"}, {"2002", "Jones"}};
    QTest::newRow("header shorter than the columns") << two << QStringList() << WorkbookLayout{0, -1, 3, {"ONLY"}}
                                                     << Records{{"ONLY"}, {"2001", "Smith"}, {"2002", "Jones"}};
    QTest::newRow("header ignored without a header row")
        << two << QStringList() << WorkbookLayout{1, -1, 3, {"NAME"}} << twoRows;
    QTest::newRow("spare row included") << two << QStringList{"spare", "row", "x"} << WorkbookLayout{1, -1, 3, {}}
                                        << Records{{"2001", "Smith"}, {"2002", "Jones"}, {"spare", "row", "x"}};
    QTest::newRow("last row given") << two << QStringList{"left", "out"} << WorkbookLayout{1, 2, 3, {}} << twoRows;
    QTest::newRow("last row beyond the grid") << two << QStringList() << WorkbookLayout{1, 99, 3, {}} << twoRows;
    QTest::newRow("fewer columns") << two << QStringList() << WorkbookLayout{0, -1, 1, {}}
                                   << Records{{"Extension"}, {"2001"}, {"2002"}};
    QTest::newRow("more columns than the grid")
        << Records{{"a", "b", "c"}} << QStringList{"d", "e", "f"} << WorkbookLayout{1, -1, 6, {}}
        << Records{{"a", "b", "c"}, {"d", "e", "f"}};
    QTest::newRow("empty texts read back empty") << Records{{"", "b"}, {}, {"c", ""}} << QStringList()
                                                 << WorkbookLayout{1, -1, 3, {}} << Records{{"", "b"}, {}, {"c"}};
}

void TestWorkbookWriter::layouts()
{
    QFETCH(Records, gridRows);
    QFETCH(QStringList, spareRow);
    QFETCH(WorkbookLayout, layout);
    QFETCH(Records, sheet);
    TestHome home;
    GridTable grid = MakeGrid(QStringLiteral("Extension|Name|"), gridRows);
    for (int column = 0; column < spareRow.size(); ++column)
        grid.setTextAt(grid.rows() - 1, column, spareRow[column]);
    for (const auto &[format, suffix] : kFormats) {
        const QString path = home.file("layout" + suffix);
        const Outcome written = WriteWorkbook(grid, path, layout, format);
        QVERIFY2(written.ok(), qPrintable(written.reason()));
        QCOMPARE(ReadBack(path), sheet);
    }
}

void TestWorkbookWriter::peersReadEveryCell_data()
{
    QTest::addColumn<WorkbookFormat>("format");
    QTest::addColumn<QString>("peer");
    QTest::addColumn<QString>("program");
    for (const auto &[format, suffix] : kFormats) {
        const QString own = format == WorkbookFormat::Xls ? "xlrd"
            : format == WorkbookFormat::Xlsx              ? "openpyxl"
                                                          : "odf";
        QTest::addRow("%s, %s", qPrintable(suffix), qPrintable(own)) << format << own << HALVORAN_SYSTEM_PYTHON;
        QTest::addRow("%s, LibreOffice", qPrintable(suffix)) << format << "libreoffice"
                                                             << "soffice";
        QTest::addRow("%s, Gnumeric", qPrintable(suffix)) << format << "gnumeric"
                                                          << "ssconvert";
    }
}

// Another program reads every cell of an awkward table as the text we wrote.
void TestWorkbookWriter::peersReadEveryCell()
{
    QFETCH(WorkbookFormat, format);
    QFETCH(QString, peer);
    QFETCH(QString, program);
    if (QStandardPaths::findExecutable(program).isEmpty() && !QFileInfo::exists(program))
        QSKIP(qPrintable(program + " is not installed"));

    TestHome home;
    const Records rows = AwkwardRows();
    GridTable grid = MakeGrid(QStringLiteral("Extension|Name|Quote|Formula|Script|Flag|Number|Long|"), rows);
    const QString path = home.file("awkward" + kFormats[int(format)].second);
    const Outcome written = WriteWorkbook(grid, path, WorkbookLayout{0, -1, 8, {}}, format);
    QVERIFY2(written.ok(), qPrintable(written.reason()));

    const auto sheets = ReadWithPeer(peer, path);
    QVERIFY2(sheets && sheets->size() == 1, "the peer could not read the workbook");
    const PeerRows &cells = sheets->first();
    Records expected{grid.header().mid(0, 8)};
    expected += rows;
    expected.append(QStringList(8, QString())); // the spare row
    // Every cell of the rectangle is a text cell, the empty ones and the spare row
    // included, with the Text number format: nothing is turned into a number.
    if (program == HALVORAN_SYSTEM_PYTHON) {
        QCOMPARE(cells.size(), expected.size());
        for (const QList<PeerCell> &row : cells) {
            QCOMPARE(row.size(), 8);
            for (const PeerCell &cell : row) {
                QVERIFY2(cell.kind == "text", qPrintable(cell.text));
                if (format != WorkbookFormat::Ods)
                    QVERIFY2(cell.format == "@", qPrintable(cell.text));
            }
        }
    }
    expected = Trimmed(expected);
    const Records got = Trimmed(TextsOf(cells));
    QCOMPARE(got.size(), expected.size());
    for (qsizetype i = 0; i < got.size(); ++i)
        QCOMPARE(got[i], expected[i]);
    QCOMPARE(ReadBack(path), expected);
}

// The shared-string table spans CONTINUE records, never beyond a record's limit,
// and EXTSST points at the start of every bucket's first string.
void TestWorkbookWriter::sharedStringTableStructure()
{
    TestHome home;
    Records rows;
    for (int i = 0; i < 3000; ++i)
        rows.append({QStringLiteral("distinct text %1").arg(i), i % 2 ? QStringLiteral("Δ%1").arg(i) : QString(),
                     i % 700 == 0 ? Repeat(i % 1400 ? "Ωx" : "xy", 9000 + i) : QString()});
    GridTable grid = MakeGrid(QStringLiteral("A|B|C"), rows);
    const QString path = home.file("strings.xls");
    QVERIFY(WriteWorkbook(grid, path, WorkbookLayout{1, -1, 3, {}}).ok());
    QCOMPARE(ReadBack(path), Trimmed(rows));

    const Expected<OleWorkbookStream> stream = ReadOleWorkbookStream(ReadBytes(path));
    QVERIFY(stream.ok());
    const QByteArray &bytes = stream->bytes;
    QList<qsizetype> sstRecords; // where the SST record and its CONTINUE records start
    qsizetype sstStart = -1, extSst = -1, sheetOffset = -1;
    for (qsizetype at = 0; at + 4 <= bytes.size();) {
        const quint16 id = U16At(bytes, at), length = U16At(bytes, at + 2);
        QVERIFY2(length <= Biff::kMaxRecordData, qPrintable(QString::number(id, 16)));
        if (id == Biff::Sst)
            sstStart = at;
        if (id == Biff::Sst || (id == Biff::Continue && sstStart >= 0 && extSst < 0))
            sstRecords.append(at);
        if (id == Biff::ExtSst)
            extSst = at;
        if (id == Biff::BoundSheet)
            sheetOffset = U32At(bytes, at + 4);
        if (id == Biff::Eof)
            break;
        at += 4 + length;
    }
    QVERIFY(sstRecords.size() > 10);
    QVERIFY(extSst > 0);
    QCOMPARE(U16At(bytes, sheetOffset), quint16(Biff::Bof));
    QCOMPARE(U16At(bytes, sheetOffset + 6), quint16(0x0010));

    // The distinct texts in order of first use, row by row, the empty one included.
    QStringList distinct;
    QSet<QString> seen;
    for (const QStringList &row : rows)
        for (const QString &text : row)
            if (!seen.contains(text)) {
                seen.insert(text);
                distinct.append(text);
            }
    QCOMPARE(U32At(bytes, sstStart + 8), quint32(distinct.size()));
    const int perBucket = U16At(bytes, extSst + 4);
    const int buckets = (U16At(bytes, extSst + 2) - 2) / 8;
    QCOMPARE(buckets, int((distinct.size() + perBucket - 1) / perBucket));
    QVERIFY(buckets <= 128);
    for (int k = 0; k < buckets; ++k) {
        const quint32 position = U32At(bytes, extSst + 6 + 8 * k);
        const quint16 offset = U16At(bytes, extSst + 10 + 8 * k);
        QVERIFY(sstRecords.contains(position - offset));
        QCOMPARE(U16At(bytes, position), quint16(distinct[k * perBucket].size()));
    }
}

void TestWorkbookWriter::textsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("spaces at the ends and in runs") << "  two  inner   spaces ";
    QTest::newRow("only spaces") << "   ";
    QTest::newRow("tabs and line feeds") << "a\tb\n\nc\t";
    QTest::newRow("carriage returns") << "first\r\nsecond\rthird";
    QTest::newRow("texts that read like escapes") << "_x0041_ _x005F_ _xZZZZ_ _x00_";
    QTest::newRow("markup") << "<b>&amp;</b> \"q\" 'a'";
    QTest::newRow("characters beyond the first plane") << "😀 𝄞";
}

// What the .xlsx and .ods writers do to keep a text as it is comes back whole.
void TestWorkbookWriter::textsRoundTrip()
{
    QFETCH(QString, text);
    TestHome home;
    for (const auto &[format, suffix] : kFormats) {
        const QString path = home.file("texts" + suffix);
        QVERIFY(WriteWorkbook(MakeGrid("A|B", {{text, "x"}}), path, WorkbookLayout{1, 1, 2, {}}, format).ok());
        QCOMPARE(ReadBack(path), (Records{{text, "x"}}));
    }
    // Characters XML cannot hold stay in an .xlsx as escapes.
    const QString control = text + QChar(0x01) + QChar(0x1F);
    const QString path = home.file("control.xlsx");
    QVERIFY(WriteWorkbook(MakeGrid("A", {{control}}), path, WorkbookLayout{1, 1, 1, {}}, WorkbookFormat::Xlsx).ok());
    QCOMPARE(ReadBack(path), Records{{control}});
}

void TestWorkbookWriter::limits_data()
{
    QTest::addColumn<WorkbookFormat>("format");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("text");    // in the last cell
    QTest::addColumn<QString>("refusal"); // empty: written

    const WorkbookFormat xls = WorkbookFormat::Xls, xlsx = WorkbookFormat::Xlsx, ods = WorkbookFormat::Ods;
    const QString x(5, u'x');
    QTest::newRow(".xls 65,536 rows") << xls << 65536 << 1 << x << "";
    QTest::newRow(".xls 65,537 rows") << xls << 65537 << 1 << x << "at most 65,536";
    QTest::newRow(".xls 256 columns") << xls << 2 << 256 << x << "";
    QTest::newRow(".xls 257 columns") << xls << 2 << 257 << x << "at most 256";
    QTest::newRow(".xls 32,767 characters") << xls << 2 << 1 << QString(32767, u'x') << "";
    QTest::newRow(".xls 32,768 characters") << xls << 2 << 1 << QString(32768, u'x') << "at most 32,767";
    for (const auto &[format, name] : {std::pair{xlsx, ".xlsx"}, std::pair{ods, ".ods"}}) {
        QTest::addRow("%s 1,048,576 rows", name) << format << 1048576 << 1 << x << "";
        QTest::addRow("%s 1,048,577 rows", name) << format << 1048577 << 1 << x << "at most 1,048,576";
        QTest::addRow("%s 16,384 columns", name) << format << 2 << 16384 << x << "";
        QTest::addRow("%s 16,385 columns", name) << format << 2 << 16385 << x << "at most 16,384";
    }
    QTest::newRow(".xlsx 32,767 characters") << xlsx << 2 << 1 << QString(32767, u'x') << "";
    QTest::newRow(".xlsx 32,768 characters") << xlsx << 2 << 1 << QString(32768, u'x') << "at most 32,767";
    QTest::newRow(".ods 100,000 characters") << ods << 2 << 1 << QString(100000, u'x') << "";
    QTest::newRow(".ods control character")
        << ods << 2 << 1 << QStringLiteral("a") + QChar(0x01) + QStringLiteral("b") << "U+0001";
}

// A grid larger than a sheet is refused, and the file already there stays.
void TestWorkbookWriter::limits()
{
    QFETCH(WorkbookFormat, format);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    TestHome home;
    QString header;
    for (int i = 0; i < columns; ++i)
        header += QStringLiteral("c%1|").arg(i);
    header.chop(1);
    GridTable grid(header);
    grid.setRows(rows);
    grid.setTextAt(rows - 1, columns - 1, text);
    const QString path = home.file("limits" + kFormats[int(format)].second);
    QVERIFY(WriteBytes(path, "old"));
    const Outcome written = WriteWorkbook(grid, path, WorkbookLayout{0, -1, columns, {}}, format);
    if (refusal.isEmpty()) {
        QVERIFY2(written.ok(), qPrintable(written.reason()));
        const Records back = ReadBack(path);
        QCOMPARE(back.size(), rows);
        QCOMPARE(back.last().size(), columns);
        QCOMPARE(back.last().last(), text);
    } else {
        QVERIFY(!written.ok());
        QVERIFY2(written.reason().contains(refusal), qPrintable(written.reason()));
        QCOMPARE(ReadBytes(path), QByteArray("old"));
    }
}

void TestWorkbookWriter::replacesAnExistingFile()
{
    TestHome home;
    const QString path = home.file("replace.xls");
    QVERIFY(WriteWorkbook(MakeGrid("A", {{"first"}}), path, WorkbookLayout{1, -1, 1, {}}).ok());
    QVERIFY(WriteWorkbook(MakeGrid("A", {{"second"}, {"more"}}), path, WorkbookLayout{1, -1, 1, {}}).ok());
    QCOMPARE(ReadBack(path), (Records{{"second"}, {"more"}}));
    QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"replace.xls"});
}

void TestWorkbookWriter::reportsFailedWrites()
{
    TestHome home;
    const GridTable grid = MakeGrid("A", {{"x"}});
    const Outcome toFolder = WriteWorkbook(grid, home.path(), WorkbookLayout{1, -1, 1, {}});
    QVERIFY(!toFolder.ok());
    QVERIFY(!toFolder.reason().isEmpty());
    const Outcome noFolder = WriteWorkbook(grid, home.file("missing/x.xls"), WorkbookLayout{1, -1, 1, {}});
    QVERIFY(!noFolder.ok());
    QVERIFY(!QFileInfo::exists(home.file("missing")));
    const Outcome noType = WriteWorkbook(grid, home.file("x.xlsm"), WorkbookLayout{1, -1, 1, {}});
    QVERIFY(!noType.ok());
    QVERIFY2(noType.reason().contains("no workbook type"), qPrintable(noType.reason()));
}

QTEST_GUILESS_MAIN(TestWorkbookWriter)
#include "test_workbook_writer.moc"
