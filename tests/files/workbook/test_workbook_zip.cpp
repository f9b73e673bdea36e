// .xlsx and .ods read from their zip archives: the cell kinds of each format, and
// damaged or hostile files, which give a reason and never a crash or a hang.
#include "PeerSheets.h"
#include "support/TestHome.h"

#include "files/workbook/OdsReader.h"
#include "files/workbook/Workbook.h"
#include "files/workbook/XlsxReader.h"
#include "files/workbook/ZipContainer.h"
#include "grid/GridTable.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <QtTest>

namespace {

const QByteArray kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

QByteArray Zip(const QList<std::pair<QString, QByteArray>> &members)
{
    ZipWriter zip;
    for (const auto &[name, bytes] : members)
        if (!zip.begin(name, name == "mimetype") || !zip.write(bytes) || !zip.end())
            return QByteArray();
    return zip.finish().value();
}

// An .xlsx whose only sheet, Sheet1, is the sheet data given.
QByteArray Xlsx(const QByteArray &sheetData, const QByteArray &strings = QByteArray(),
                const QByteArray &sheetPart = QByteArray())
{
    QList<std::pair<QString, QByteArray>> members{
        {"_rels/.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"r\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
         "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml",
         "<workbook xmlns=\"" + kMain
             + "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
               "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"s\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"s\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
         "worksheet\" Target=\"worksheets/sheet1.xml\"/>"
         "<Relationship Id=\"t\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
         "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml",
         sheetPart.isNull() ? "<worksheet xmlns=\"" + kMain + "\"><sheetData>" + sheetData + "</sheetData></worksheet>"
                            : sheetPart}};
    if (!strings.isNull())
        members.append({"xl/sharedStrings.xml", "<sst xmlns=\"" + kMain + "\">" + strings + "</sst>"});
    return Zip(members);
}

// An .ods whose content.xml holds the tables given.
QByteArray Ods(const QByteArray &tables, const QByteArray &content = QByteArray())
{
    return Zip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                {"content.xml",
                 content.isNull() ? "<office:document-content "
                                    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                                    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                                    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
                                    "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:"
                                    "calcext:1.0\"><office:body><office:spreadsheet>"
                         + tables + "</office:spreadsheet></office:body></office:document-content>"
                                  : content}});
}

QByteArray Table(const QByteArray &rows, const QByteArray &name = "Sheet1")
{
    return "<table:table table:name=\"" + name + "\">" + rows + "</table:table>";
}

// Rows of cells holding texts: Row("a", "b") is <table:table-row> of two string cells.
QByteArray Cell(const QByteArray &text)
{
    return "<table:table-cell office:value-type=\"string\"><text:p>" + text + "</text:p></table:table-cell>";
}

WorkbookRecords Read(const QByteArray &file, const QString &sheet = QStringLiteral("Sheet1$"),
                     HeadingRow heading = HeadingRow::Keep)
{
    Expected<std::unique_ptr<ZipArchive>> zip = ZipArchive::fromBytes(file);
    if (!zip) {
        WorkbookRecords failed;
        failed.failure = WorkbookFailure::Unreadable;
        failed.reason = zip.reason();
        return failed;
    }
    if (!(*zip)->find("content.xml").isEmpty())
        return ReadOdsRecords(**zip, sheet, "test.ods", heading);
    return ReadXlsxRecords(**zip, sheet, "test.xlsx", heading);
}

// The members of an archive written by ZipWriter: where each local header and
// central directory entry is.
struct Layout {
    qsizetype localHeader = -1;
    qsizetype centralEntry = -1;
};
Layout Find(const QByteArray &zip, const QByteArray &name)
{
    Layout layout;
    for (qsizetype at = 0; (at = zip.indexOf(name, at)) >= 0; ++at) {
        if (at >= 30 && zip.mid(at - 30, 4) == "PK\x03\x04")
            layout.localHeader = at - 30;
        if (at >= 46 && zip.mid(at - 46, 4) == "PK\x01\x02")
            layout.centralEntry = at - 46;
    }
    return layout;
}

void SetU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

} // namespace

class TestWorkbookZip : public QObject {
    Q_OBJECT

private slots:
    void xlsxCells_data();
    void xlsxCells();
    void odsCells_data();
    void odsCells();
    void hostile_data();
    void hostile();
    void cutAtEveryLength_data();
    void cutAtEveryLength();
    void byteFlips();
    void utf16Part();
    void contentDecidesTheFormat();
};

void TestWorkbookZip::xlsxCells_data()
{
    QTest::addColumn<QByteArray>("sheetData");
    QTest::addColumn<QByteArray>("strings");
    QTest::addColumn<Records>("expected");

    const QByteArray none;
    QTest::newRow("shared, inline and formula strings")
        << QByteArray("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c><c r=\"B1\" t=\"inlineStr\"><is><t>in</t></is></c>"
                      "<c r=\"C1\" t=\"str\"><f>\"0\"&amp;\"1\"</f><v>01</v></c></row>")
        << QByteArray("<si><t>zero</t></si><si><t>one</t></si>") << Records{{"one", "in", "01"}};
    QTest::newRow("rich-text runs, phonetic runs left out")
        << QByteArray("<row><c t=\"s\"><v>0</v></c></row>")
        << QByteArray("<si><r><rPr><b/></rPr><t>ri</t></r><r><t>ch</t></r><rPh sb=\"0\" eb=\"1\"><t>X</t></rPh></si>")
        << Records{{"rich"}};
    QTest::newRow("numbers in their shortest form")
        << QByteArray("<row><c><v>2001</v></c><c><v>1.50</v></c><c><v>1E-7</v></c><c t=\"n\"><v>0123</v></c></row>")
        << none << Records{{"2001", "1.5", "1e-07", "123"}};
    QTest::newRow("booleans, errors, formulas without results")
        << QByteArray("<row><c t=\"b\"><v>1</v></c><c t=\"b\"><f>1=2</f><v>0</v></c><c t=\"e\"><v>#N/A</v></c>"
                      "<c><f>NOW()</f></c><c t=\"inlineStr\"><is><t>x</t></is></c></row>")
        << none << Records{{"TRUE", "FALSE", "", "", "x"}};
    QTest::newRow("ISO dates as serial numbers")
        << QByteArray("<row><c t=\"d\"><v>2024-01-15</v></c><c t=\"d\"><v>1900-01-01T12:00:00</v></c></row>") << none
        << Records{{"45306", "1.5"}};
    QTest::newRow("rows and cells without references")
        << QByteArray("<row><c><v>1</v></c><c><v>2</v></c></row><row><c><v>3</v></c></row>"
                      "<row r=\"5\"><c r=\"C5\"><v>4</v></c><c><v>5</v></c></row>")
        << none << Records{{"1", "2"}, {"3"}, {}, {}, {"", "", "4", "5"}};
    QTest::newRow("_xHHHH_ escapes") << QByteArray("<row><c t=\"s\"><v>0</v></c></row>")
                                     << QByteArray("<si><t>a_x000D_b_x005F_x0041_c_x00_</t></si>")
                                     << Records{{"a\rb_x0041_c_x00_"}};
}

void TestWorkbookZip::xlsxCells()
{
    QFETCH(QByteArray, sheetData);
    QFETCH(QByteArray, strings);
    QFETCH(Records, expected);
    const WorkbookRecords read = Read(Xlsx(sheetData, strings));
    QVERIFY2(read.ok(), qPrintable(read.reason));
    QCOMPARE(Trimmed(read.records), expected);
}

void TestWorkbookZip::odsCells_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<Records>("expected");

    QTest::newRow("text:s, text:tab, text:line-break, spans, collapsed white space")
        << QByteArray("<table:table-row>" + Cell("<text:s/>a <text:s text:c=\"2\"/>b<text:tab/>c<text:line-break/>d")
                      + Cell("  x \n  <text:span>y</text:span>  ") + "</table:table-row>")
        << Records{{" a   b\tc\nd", "x y"}};
    QTest::newRow("paragraphs are lines; notes are no part of the text")
        << QByteArray("<table:table-row><table:table-cell office:value-type=\"string\"><text:p>one</text:p>"
                      "<office:annotation><text:p>note</text:p></office:annotation><text:p>two</text:p>"
                      "</table:table-cell></table:table-row>")
        << Records{{"one\ntwo"}};
    QTest::newRow("values of every type")
        << QByteArray("<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"1.50\"><text:p>"
                      "1.5 EUR</text:p></table:table-cell><table:table-cell office:value-type=\"boolean\" "
                      "office:boolean-value=\"true\"/><table:table-cell office:value-type=\"date\" "
                      "office:date-value=\"2024-01-15T12:00:00\"/><table:table-cell office:value-type=\"time\" "
                      "office:time-value=\"PT06H00M00S\"/><table:table-cell table:formula=\"of:=1/0\" "
                      "office:value-type=\"float\" office:value=\"0\" calcext:value-type=\"error\"><text:p>#DIV/0!"
                      "</text:p></table:table-cell><table:table-cell table:formula=\"of:=&quot;007&quot;\" "
                      "office:value-type=\"string\" office:string-value=\"007\"><text:p>007</text:p>"
                      "</table:table-cell></table:table-row>")
        << Records{{"1.5", "TRUE", "45306.5", "0.25", "", "007"}};
    QTest::newRow("repeated and covered cells, repeated rows, row groups")
        << QByteArray("<table:table-column table:number-columns-repeated=\"1024\"/>"
                      "<table:table-header-rows><table:table-row>"
                      + Cell("h") + "<table:covered-table-cell/>" + Cell("x")
                      + "</table:table-row></table:table-header-rows><table:table-row-group>"
                        "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell "
                        "table:number-columns-repeated=\"2\"/><table:table-cell office:value-type=\"string\" "
                        "table:number-columns-repeated=\"2\"><text:p>r</text:p></table:table-cell>"
                        "</table:table-row></table:table-row-group>")
        << Records{{"h", "", "x"}, {"", "", "r", "r"}, {"", "", "r", "r"}};
    QTest::newRow("a million repeated empty columns and rows cost nothing")
        << QByteArray("<table:table-row>" + Cell("a")
                      + "<table:table-cell table:number-columns-repeated=\"1000000\"/></table:table-row>"
                        "<table:table-row table:number-rows-repeated=\"1000000\"><table:table-cell "
                        "table:number-columns-repeated=\"1000000\"/></table:table-row>")
        << Records{{"a"}};
}

void TestWorkbookZip::odsCells()
{
    QFETCH(QByteArray, rows);
    QFETCH(Records, expected);
    const QByteArray file =
        Ods(Table("<table:table-row>" + Cell("other") + "</table:table-row>", "Other") + Table(rows));
    const WorkbookRecords read = Read(file);
    QVERIFY2(read.ok(), qPrintable(read.reason));
    QCOMPARE(Trimmed(read.records), expected);
    const WorkbookRecords missing = Read(file, "Sheet2$");
    QCOMPARE(missing.failure, WorkbookFailure::NoSuchSheet);
    QVERIFY2(missing.reason.endsWith("(its sheets: Other, Sheet1)."), qPrintable(missing.reason));
}

void TestWorkbookZip::hostile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");

    const QByteArray row = "<row><c t=\"s\"><v>0</v></c></row>";
    const QByteArray strings = "<si><t>text</t></si>";
    QTest::newRow("a shared string that does not exist")
        << Xlsx("<row><c t=\"s\"><v>7</v></c></row>", strings) << "names shared string \"7\" in cell";
    QTest::newRow("a cell reference no sheet has")
        << Xlsx("<row><c r=\"XFE1\"><v>1</v></c></row>") << "has a cell \"XFE1\"";
    QTest::newRow("malformed XML") << Xlsx("<row><c><v>1</c></row>") << "not well-formed XML";
    QTest::newRow("XML cut short") << Xlsx(QByteArray(), QByteArray(), "<worksheet xmlns=\"" + kMain + "\"><sheetData>")
                                   << "ends in the middle of its XML";
    QTest::newRow("entities declared in a document type")
        << Xlsx(QByteArray(), strings,
                "<!DOCTYPE worksheet [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
                "<worksheet xmlns=\""
                    + kMain
                    + "\"><sheetData><row><c t=\"inlineStr\"><is><t>&b;</t></is></c></row>"
                      "</sheetData></worksheet>")
        << "declares a document type";
    QTest::newRow("an entity never declared")
        << Xlsx("<row><c t=\"inlineStr\"><is><t>&lol;</t></is></c></row>") << "not well-formed XML";
    QTest::newRow("nested deeper than a workbook")
        << Xlsx("<row><c t=\"inlineStr\"><is>" + QByteArray("<r>").repeated(200) + QByteArray("</r>").repeated(200)
                + "</is></c></row>")
        << "deeper than 100 levels";
    QByteArray attributes;
    for (int i = 0; i < 20000; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"1\"";
    QTest::newRow("a tag of twenty thousand attributes")
        << Xlsx("<row" + attributes + "/>") << "more than 1000 attributes";
    QByteArray namespaces;
    for (int i = 0; i < 300; ++i)
        namespaces += "<p" + QByteArray::number(i) + ":x xmlns:p" + QByteArray::number(i)
            + "=\"urn:" + QByteArray::number(i) + "\"/>";
    QTest::newRow("three hundred namespaces") << Xlsx(row + namespaces, strings) << "more than 256 namespaces";
    QTest::newRow("spaces repeated past the sheet") << Ods(
        Table(QByteArray("<table:table-row>" + Cell("<text:s text:c=\"30000\"/>") + "</table:table-row>").repeated(60)))
                                                    << "repeats more spaces";
    QTest::newRow("a million rows of a full row of text")
        << Ods(Table("<table:table-row table:number-rows-repeated=\"1000000\"><table:table-cell "
                     "office:value-type=\"string\" table:number-columns-repeated=\"16384\"><text:p>x</text:p>"
                     "</table:table-cell></table:table-row>"))
        << "too many cells to read";
    QTest::newRow("an OpenDocument text")
        << Zip({{"mimetype", "application/vnd.oasis.opendocument.text"}, {"content.xml", "<x/>"}})
        << "not an OpenDocument spreadsheet";
    QTest::newRow("a zip of no workbook") << Zip({{"readme.txt", "hello"}}) << "no workbook part";
    QTest::newRow("not a zip") << QByteArray("PK\x03\x04 and then nothing of a zip") << "not a complete zip";

    // The sizes an archive records.
    const QByteArray good = Xlsx(row, strings);
    const Layout sheet = Find(good, "xl/worksheets/sheet1.xml");
    QByteArray bomb = good;
    SetU32(bomb, sheet.centralEntry + 24, 2000000000u);
    QTest::newRow("a zip bomb by its size") << bomb << "would inflate to 1,908 MB";
    bomb = good;
    SetU32(bomb, sheet.centralEntry + 24, 500000000u);
    QTest::newRow("a zip bomb by its ratio") << bomb << "as only a zip bomb does";
    QByteArray smaller = good;
    SetU32(smaller, sheet.centralEntry + 24,
           qFromLittleEndian<quint32>(good.constData() + sheet.centralEntry + 24) - 9);
    QTest::newRow("smaller than its data") << smaller << "fails its CRC-32 check";
    QByteArray larger = good;
    SetU32(larger, sheet.centralEntry + 24, qFromLittleEndian<quint32>(good.constData() + sheet.centralEntry + 24) + 9);
    QTest::newRow("larger than its data") << larger << "fails its CRC-32 check";
    QByteArray crc = good;
    SetU32(crc, sheet.centralEntry + 16, qFromLittleEndian<quint32>(good.constData() + sheet.centralEntry + 16) ^ 1);
    QTest::newRow("a wrong CRC-32") << crc << "fails its CRC-32 check";
    QByteArray stored = Ods(Table(QByteArray()));
    stored[Find(stored, "mimetype").localHeader + 30 + 8 + 5] = 'X';
    QTest::newRow("a stored member changed") << stored << "mimetype fails its CRC-32 check";
    QByteArray encrypted = good;
    encrypted[sheet.centralEntry + 8] = 1;
    QTest::newRow("encrypted") << encrypted << "protected with a password";
    QByteArray method = good;
    method[sheet.centralEntry + 10] = 14;
    QTest::newRow("compressed by another method") << method << "method 14";
    QByteArray moved = good;
    SetU32(moved, sheet.centralEntry + 42, quint32(good.size() - 40));
    QTest::newRow("a member not where the directory says") << moved << "not where its directory says";
}

void TestWorkbookZip::hostile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    QElapsedTimer timer;
    timer.start();
    const WorkbookRecords read = Read(file);
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(!read.ok());
    QVERIFY2(read.reason.contains(reason), qPrintable(read.reason));
    QVERIFY(read.records.isEmpty());
}

void TestWorkbookZip::cutAtEveryLength_data()
{
    QTest::addColumn<QByteArray>("file");
    GridTable grid(QStringLiteral("A|B|C"));
    for (int i = 0; i < 20; ++i)
        grid.appendRow({QString::number(i), QStringLiteral("Name %1 Ωμέγα").arg(i), QString(i % 3, u' ')});
    TestHome home;
    for (const auto &[format, name] :
         {std::pair{WorkbookFormat::Xlsx, "site.xlsx"}, std::pair{WorkbookFormat::Ods, "site.ods"}}) {
        QVERIFY(WriteWorkbook(grid, home.file(name), {0, -1, 3, {}}, format).ok());
        QTest::newRow(name) << ReadBytes(home.file(name));
    }
}

// Every shorter file is refused with a reason: the directory at the end is gone.
void TestWorkbookZip::cutAtEveryLength()
{
    QFETCH(QByteArray, file);
    QVERIFY(Read(file).ok());
    for (qsizetype length = 0; length < file.size(); ++length) {
        const WorkbookRecords read = Read(file.left(length));
        QVERIFY2(!read.ok() && !read.reason.isEmpty(), qPrintable(QString::number(length)));
    }
}

// Any changed byte gives records or a reason, never a crash.
void TestWorkbookZip::byteFlips()
{
    TestHome home;
    GridTable grid(QStringLiteral("A|B"));
    grid.appendRow({"0123", "Smith"});
    for (const char *name : {"f.xlsx", "f.ods"}) {
        QVERIFY(WriteWorkbook(grid, home.file(name), {0, -1, 2, {}}).ok());
        const QByteArray file = ReadBytes(home.file(name));
        for (qsizetype at = 0; at < file.size(); ++at) {
            QByteArray damaged = file;
            damaged[at] = char(damaged[at] ^ 0x5A);
            const WorkbookRecords read = Read(damaged);
            QVERIFY(read.ok() || !read.reason.isEmpty());
        }
    }
}

// A part in UTF-16 (with its byte order mark) reads as one in UTF-8; a part that
// only says it is UTF-16 is refused.
void TestWorkbookZip::utf16Part()
{
    const QString sheet = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<worksheet xmlns=\"" + kMain
        + "\"><sheetData><row><c t=\"inlineStr\"><is><t>\u03A9 \U0001F600</t></is></c></row></sheetData></worksheet>";
    for (const QStringConverter::Encoding encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encode(encoding, QStringConverter::Flag::WriteBom);
        const WorkbookRecords read = Read(Xlsx(QByteArray(), QByteArray(), encode(sheet)));
        QVERIFY2(read.ok(), qPrintable(read.reason));
        QCOMPARE(read.records, Records{{QString::fromUtf8("\u03A9 \U0001F600")}});
    }
    const WorkbookRecords read = Read(Xlsx(QByteArray(), QByteArray(), sheet.toUtf8()));
    QVERIFY2(read.reason.contains("encoding \"UTF-16\" is not UTF-8 or UTF-16 (with a byte order mark), line 1"),
             qPrintable(read.reason));
}

// What a file holds decides how it is read, whatever its name says.
void TestWorkbookZip::contentDecidesTheFormat()
{
    TestHome home;
    GridTable grid(QStringLiteral("A"));
    grid.appendRow({"0123"});
    for (const WorkbookFormat format : {WorkbookFormat::Xls, WorkbookFormat::Xlsx, WorkbookFormat::Ods}) {
        for (const char *name : {"as.xls", "as.xlsx", "as.xlsm", "as.ods"}) {
            QVERIFY(WriteWorkbook(grid, home.file(name), {0, -1, 1, {}}, format).ok());
            const WorkbookRecords read = ReadWorkbookRecords(home.file(name), "Sheet1$");
            QVERIFY2(read.ok(), qPrintable(read.reason));
            QCOMPARE(read.records, Records{{"0123"}});
        }
    }
    QVERIFY(WriteBytes(home.file("text.xlsx"), "Extension,Name\r\n"));
    QVERIFY(ReadWorkbookRecords(home.file("text.xlsx"), "Sheet1$").reason.contains("not an Excel 2007 or later"));
    QVERIFY(WriteBytes(home.file("text.ods"), "Extension,Name\r\n"));
    QVERIFY(ReadWorkbookRecords(home.file("text.ods"), "Sheet1$").reason.contains("not an OpenDocument"));
}

QTEST_GUILESS_MAIN(TestWorkbookZip)
#include "test_workbook_zip.moc"
