#include "BiffBytes.h"
#include "PeerSheets.h"
#include "support/TestHome.h"

#include "files/workbook/OleContainer.h"
#include "files/workbook/Workbook.h"
#include "files/workbook/WorkbookReader.h"

#include <QtTest>

using namespace BiffBytes;

Q_DECLARE_METATYPE(WorkbookFailure)

namespace {

QString Fixture(const QString &name)
{
    return TestData(QStringLiteral("workbooks/") + name);
}

// The characters of make_xlwt.py's two long strings.
QString LongLatin()
{
    QString text;
    for (int i = 0; i < 10000; ++i)
        text += QChar(u'a' + i % 26);
    return text;
}
QString LongGreek()
{
    QString text;
    for (int i = 0; i < 6000; ++i)
        text += QChar(char16_t(0x3B1 + i % 24));
    return text;
}

WorkbookRecords ReadStream(const QByteArray &stream, const QString &sheet = QStringLiteral("Sheet1$"))
{
    return ReadWorkbookStream(stream, sheet, QStringLiteral("test.xls"));
}

QByteArray Heading()
{
    return Cell(kLabel, 0, 0, Str16(QStringLiteral("Heading")));
}

} // namespace

class TestWorkbookReader : public QObject {
    Q_OBJECT

private slots:
    void fixtures_data();
    void fixtures();
    void fixturesAgreeWithPeers_data();
    void fixturesAgreeWithPeers();
    void cellKinds_data();
    void cellKinds();
    void sharedStrings_data();
    void sharedStrings();
    void biff5CodePages_data();
    void biff5CodePages();
    void sheetNames_data();
    void sheetNames();
    void failures_data();
    void failures();
    void fileFailures();
};

void TestWorkbookReader::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<Records>("expected");

    QTest::newRow("xlwt: every cell kind") << "xlwt-mixed.xls"
                                           << "Sites$"
                                           << Records{{"2001", "Smith, John", "1.5", "TRUE", "", "0123"},
                                                      {"05012", "Quote \"q\"", "-0.25", "FALSE"},
                                                      {},
                                                      {"123456789012", "Ünïcödé €", "3.14159", "", "", "x"},
                                                      {"1e-07", "Ελληνικά 日本語", "2001", "", "", "", "", "far"},
                                                      {"1", "2", "3", "4", "5", "6"},
                                                      {"", "", "", "", "tail"}};

    Records second;
    for (int i = 1; i <= 600; ++i)
        second.append({QStringLiteral("k%1").arg(i, 4, 10, QLatin1Char('0')),
                       QStringLiteral("Text number %1 with some padding to fill the table").arg(i)});
    second.append({"long latin", LongLatin()});
    second.append({"long greek", LongGreek()});
    QTest::newRow("xlwt: shared strings over CONTINUE records") << "xlwt-mixed.xls"
                                                                << "second" << second;

    QTest::newRow("LibreOffice: from a CSV")
        << "libreoffice-csv.xls"
        << "SITES$"
        << Records{{"2001", "Smith, John", "123"}, {"2002", "Müller", "1.5"}, {"2003", "", "-7"}, {"", "Quote \"q\""}};
    // LibreOffice stores no results for formulas with text results, only 0.
    QTest::newRow("LibreOffice: formulas") << "libreoffice-formulas.xls"
                                           << "Formulas$"
                                           << Records{{"0", "2", "0", "TRUE", "Café €", "1.5"},
                                                      {"0", "2001", "", "FALSE", "Ñandú", "2001"},
                                                      {"0", "2.5", "", "", "Smith, John", "-0.25"}};
    const Records formulas{{"0123", "2", "AB", "TRUE", "Café €", "1.5"},
                           {"007", "2001", "", "FALSE", "Ñandú", "2001"},
                           {"=1+1", "2.5", "", "", "Smith, John", "-0.25"}};
    QTest::newRow("Gnumeric: formulas, BIFF8") << "gnumeric-formulas.xls"
                                               << "Formulas$" << formulas;
    QTest::newRow("Gnumeric: formulas, BIFF5") << "gnumeric-biff5.xls"
                                               << "formulas" << formulas;

    // .xlsx and .ods
    QTest::newRow("openpyxl: every cell kind") << "openpyxl-mixed.xlsx"
                                               << "Sites$"
                                               << Records{{"05012", "Smith, John", "1.5", "TRUE", "45306", "0123"},
                                                          {"2001", "Quote \"q\"", "-0.25", "FALSE", "", "=1+1"},
                                                          {},
                                                          {"123456789012", "Ünïcödé € 日本語", "3.14159", "", "", "x"},
                                                          {"", "", "", "", "", "", "", "", "far"}};
    Records keys;
    for (int i = 2; i <= 300; ++i)
        keys.append({QStringLiteral("k%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("Text number %1").arg(i)});
    QTest::newRow("openpyxl: the second sheet") << "openpyxl-mixed.xlsx"
                                                << "second" << keys;
    QTest::newRow("strict, prefixed, inline, rich and phonetic strings")
        << "inline-strict.xlsx"
        << "[Data Sheet$]"
        << Records{{"rich text ", "inline", "12"},
                   {},
                   {"", "line\r\nbreak _x0041_ tab\t", "日本"},
                   {"0123", "2", "TRUE", "", "", "43844.5", "43845"}};
    for (const char *file : {"libreoffice-formulas.xlsx", "gnumeric-formulas.xlsx", "libreoffice-formulas.ods",
                             "gnumeric-formulas.ods", "formulas.ods"})
        QTest::addRow("%s", file) << QString::fromLatin1(file) << "Formulas$" << formulas;
}

void TestWorkbookReader::fixtures()
{
    QFETCH(QString, file);
    QFETCH(QString, sheet);
    QFETCH(Records, expected);
    const WorkbookRecords read = ReadWorkbookRecords(Fixture(file), sheet);
    QVERIFY2(read.ok(), qPrintable(read.reason));
    const Records got = Trimmed(read.records);
    QCOMPARE(got.size(), expected.size());
    for (qsizetype i = 0; i < got.size(); ++i)
        QCOMPARE(got[i], expected[i]);
}

void TestWorkbookReader::fixturesAgreeWithPeers_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("peer");
    for (const char *file : {"xlwt-mixed.xls", "libreoffice-csv.xls", "libreoffice-formulas.xls",
                             "gnumeric-formulas.xls", "gnumeric-biff5.xls"})
        QTest::newRow(file) << QString::fromLatin1(file) << "xlrd";
    for (const char *file : {"openpyxl-mixed.xlsx", "libreoffice-formulas.xlsx", "gnumeric-formulas.xlsx"})
        QTest::newRow(file) << QString::fromLatin1(file) << "openpyxl";
    for (const char *file : {"libreoffice-formulas.ods", "gnumeric-formulas.ods", "formulas.ods"})
        QTest::newRow(file) << QString::fromLatin1(file) << "odf";
}

// Another reader's view of every sheet, cell by cell, against ours (the heading
// row included).
void TestWorkbookReader::fixturesAgreeWithPeers()
{
    QFETCH(QString, file);
    QFETCH(QString, peer);
    const auto sheets = ReadWithPeer(peer, Fixture(file));
    QVERIFY(sheets && !sheets->isEmpty());
    for (auto sheet = sheets->begin(); sheet != sheets->end(); ++sheet) {
        const WorkbookRecords read = ReadWorkbookRecords(Fixture(file), sheet.key(), HeadingRow::Keep);
        QVERIFY2(read.ok(), qPrintable(read.reason));
        QCOMPARE(Trimmed(read.records), Trimmed(TextsOf(sheet.value())));
    }
}

void TestWorkbookReader::cellKinds_data()
{
    QTest::addColumn<QByteArray>("cells");
    QTest::addColumn<Records>("expected");

    const auto number = [](double value) { return Cell(kNumber, 1, 0, F64(value)); };
    QTest::newRow("NUMBER integral") << number(2001) << Records{{"2001"}};
    QTest::newRow("NUMBER fraction") << number(1.5) << Records{{"1.5"}};
    QTest::newRow("NUMBER negative") << number(-0.25) << Records{{"-0.25"}};
    QTest::newRow("NUMBER large, plain digits") << number(100000) << Records{{"100000"}};
    QTest::newRow("NUMBER phone number") << number(5551234000.0) << Records{{"5551234000"}};
    QTest::newRow("NUMBER very large") << number(1e16) << Records{{"1e+16"}};
    QTest::newRow("NUMBER very small") << number(1e-7) << Records{{"1e-07"}};
    QTest::newRow("NUMBER not a number") << number(qQNaN()) + Cell(kLabel, 1, 1, Str16("x")) << Records{{"", "x"}};

    const auto rk = [](quint32 value) { return Cell(kRk, 1, 0, U32(value)); };
    QTest::newRow("RK integer") << rk(2 | (2001u << 2)) << Records{{"2001"}};
    QTest::newRow("RK negative integer") << rk(2 | quint32(-5 << 2)) << Records{{"-5"}};
    QTest::newRow("RK integer / 100") << rk(3 | (150u << 2)) << Records{{"1.5"}};
    QTest::newRow("RK double") << rk(0x3FF80000) << Records{{"1.5"}};
    QTest::newRow("RK double / 100") << rk(0x40590000 | 1) << Records{{"1"}};
    QTest::newRow("MULRK") << Rec(kMulRk,
                                  U16(1) + U16(1) + U16(15) + U32(2 | (7u << 2)) + U16(15) + U32(0x3FF80000) + U16(2))
                           << Records{{"", "7", "1.5"}};

    const auto boolErr = [](int value, int isError) { return Cell(kBoolErr, 1, 0, U8(value) + U8(isError)); };
    QTest::newRow("BOOLERR true") << boolErr(1, 0) << Records{{"TRUE"}};
    QTest::newRow("BOOLERR false") << boolErr(0, 0) << Records{{"FALSE"}};
    QTest::newRow("BOOLERR error #DIV/0!") << boolErr(0x07, 1) + Cell(kLabel, 1, 1, Str16("x")) << Records{{"", "x"}};

    const auto formula = [](const QByteArray &result) {
        return Cell(kFormula, 1, 0, result + U16(0) + U32(0) + U16(3) + QByteArray("\x1E\x01\x00", 3));
    };
    const auto special = [](int kind, int value) {
        return U8(kind) + U8(0) + U8(value) + U8(0) + U8(0) + U8(0) + U16(0xFFFF);
    };
    QTest::newRow("FORMULA number") << formula(F64(2)) << Records{{"2"}};
    QTest::newRow("FORMULA text from STRING")
        << formula(special(0, 0)) + Rec(kString, Str16("0123")) << Records{{"0123"}};
    QTest::newRow("FORMULA text, shared formula between")
        << formula(special(0, 0)) + Rec(kShrFmla, QByteArray(10, '\0')) + Rec(kString, Str16("=1+1"))
        << Records{{"=1+1"}};
    QTest::newRow("FORMULA text over CONTINUE") << formula(special(0, 0)) + Rec(kString, U16(6) + U8(0) + "abc")
            + Rec(kContinue, U8(1) + Wide(QStringLiteral("Δεζ")))
                                                << Records{{"abcΔεζ"}};
    QTest::newRow("FORMULA true") << formula(special(1, 1)) << Records{{"TRUE"}};
    QTest::newRow("FORMULA false") << formula(special(1, 0)) << Records{{"FALSE"}};
    QTest::newRow("FORMULA error") << formula(special(2, 0x2A)) + Cell(kLabel, 1, 1, Str16("x")) << Records{{"", "x"}};
    QTest::newRow("FORMULA empty text") << formula(special(3, 0)) + Cell(kLabel, 1, 1, Str16("x"))
                                        << Records{{"", "x"}};
    QTest::newRow("STRING without a formula is ignored")
        << Rec(kString, Str16("stray")) + Cell(kLabel, 1, 1, Str16("x")) << Records{{"", "x"}};

    QTest::newRow("LABEL 8-bit") << Cell(kLabel, 1, 0, Str16("Café")) << Records{{"Café"}};
    QTest::newRow("LABEL UTF-16") << Cell(kLabel, 1, 0, Str16("日本語 😀")) << Records{{"日本語 😀"}};
    QTest::newRow("BLANK and MULBLANK give no row") << Cell(kLabel, 1, 0, Str16("a")) + Cell(kBlank, 2, 0, {})
            + Rec(kMulBlank, U16(3) + U16(0) + U16(15) + U16(15) + U16(1))
                                                    << Records{{"a"}};
    QTest::newRow("empty rows between") << Cell(kLabel, 1, 0, Str16("a")) + Cell(kLabel, 4, 1, Str16("b"))
                                        << Records{{"a"}, {}, {}, {"", "b"}};
    QTest::newRow("cells out of order") << Cell(kLabel, 2, 1, Str16("b")) + Cell(kLabel, 1, 0, Str16("a"))
                                        << Records{{"a"}, {"", "b"}};
    QTest::newRow("last column IV, beyond it ignored") << Cell(kLabel, 1, 255, Str16("iv"))
            + Cell(kLabel, 1, 256, Str16("no")) << Records{QStringList(255, QString()) << "iv"};
    QTest::newRow("embedded chart ignored") << Cell(kLabel, 1, 0, Str16("a")) + Bof(0x0600, 0x0020)
            + Cell(kLabel, 2, 0, Str16("chart")) + Rec(kEof, {})
            + Cell(kLabel, 3, 0, Str16("c")) << Records{{"a"}, {}, {"c"}};
    QTest::newRow("shared string index beyond the table")
        << Cell(kLabelSst, 1, 0, U32(99)) + Cell(kLabel, 1, 1, Str16("x")) << Records{{"", "x"}};
}

void TestWorkbookReader::cellKinds()
{
    QFETCH(QByteArray, cells);
    QFETCH(Records, expected);
    const WorkbookRecords read = ReadStream(Biff8Sheet(Heading() + cells));
    QVERIFY2(read.ok(), qPrintable(read.reason));
    QCOMPARE(Trimmed(read.records), expected);
}

void TestWorkbookReader::sharedStrings_data()
{
    QTest::addColumn<QByteArray>("sst");
    QTest::addColumn<QStringList>("expected");

    const auto sst = [](int count, const QByteArray &strings) {
        return Rec(kSst, U32(quint32(count)) + U32(quint32(count)) + strings);
    };
    const auto cont = [](const QByteArray &data) { return Rec(kContinue, data); };

    QTest::newRow("8-bit and UTF-16") << sst(2, Str16("Café") + Str16("Δέλτα")) << QStringList{"Café", "Δέλτα"};
    QTest::newRow("rich-text runs skipped")
        << sst(2, U16(3) + U8(0x08) + U16(2) + "abc" + QByteArray(8, '\x01') + Str16("next"))
        << QStringList{"abc", "next"};
    QTest::newRow("phonetic data skipped")
        << sst(2, U16(2) + U8(0x05) + U32(6) + Wide("日本") + QByteArray(6, '\x02') + Str16("next"))
        << QStringList{"日本", "next"};
    QTest::newRow("runs and phonetic data")
        << sst(2, U16(1) + U8(0x0C) + U16(1) + U32(3) + "a" + QByteArray(7, '\x03') + Str16("next"))
        << QStringList{"a", "next"};
    QTest::newRow("characters continue 8-bit to UTF-16")
        << sst(2, U16(5) + U8(0) + "ab") + cont(U8(1) + Wide("Δεζ") + Str16("next")) << QStringList{"abΔεζ", "next"};
    QTest::newRow("characters continue UTF-16 to 8-bit")
        << sst(1, U16(4) + U8(1) + Wide("Δε")) + cont(U8(0) + "ab") << QStringList{"Δεab"};
    QTest::newRow("header ends a record, characters in the next")
        << sst(1, U16(3) + U8(0)) + cont(U8(0) + "xyz") << QStringList{"xyz"};
    QTest::newRow("a string starts a CONTINUE record")
        << sst(2, Str16("one")) + cont(Str16("two")) << QStringList{"one", "two"};
    QTest::newRow("runs continue without an option byte")
        << sst(2, U16(2) + U8(0x08) + U16(2) + "ab" + QByteArray(3, '\x01'))
            + cont(QByteArray(5, '\x01') + Str16("next"))
        << QStringList{"ab", "next"};
    QTest::newRow("split over three records")
        << sst(1, U16(9) + U8(0) + "abc") + cont(U8(0) + "def") + cont(U8(1) + Wide("ghi")) << QStringList{"abcdefghi"};
}

// Each shared string is read through a LABELSST cell of its own row.
void TestWorkbookReader::sharedStrings()
{
    QFETCH(QByteArray, sst);
    QFETCH(QStringList, expected);
    QByteArray cells = Heading();
    for (int i = 0; i < expected.size(); ++i)
        cells += Cell(kLabelSst, i + 1, 0, U32(quint32(i)));
    const WorkbookRecords read = ReadStream(Biff8Sheet(cells, sst));
    QVERIFY2(read.ok(), qPrintable(read.reason));
    QStringList got;
    for (const QStringList &record : read.records)
        got.append(record.value(0));
    QCOMPARE(got, expected);
}

void TestWorkbookReader::biff5CodePages_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no CODEPAGE: windows-1252") << 0 << QByteArray("\x80 caf\xE9") << "€ café";
    QTest::newRow("1252") << 1252 << QByteArray("\x80 caf\xE9") << "€ café";
    QTest::newRow("1251 Cyrillic") << 1251 << QByteArray("\xCC\xEE\xF1\xEA\xE2\xE0") << "Москва";
    QTest::newRow("1253 Greek") << 1253 << QByteArray("\xC1\xE8\xDE\xED\xE1") << "Αθήνα";
    QTest::newRow("850 DOS Latin") << 850 << QByteArray("Z\x81rich") << "Zürich";
    QTest::newRow("932 Japanese") << 932 << QByteArray("\x93\xFA\x96\x7B") << "日本";
    QTest::newRow("32768 Macintosh") << 32768 << QByteArray("caf\x8E") << "café";
}

void TestWorkbookReader::biff5CodePages()
{
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QByteArray globals = codePage ? Rec(kCodePage, U16(codePage)) : QByteArray();
    const auto label = [](int row, const QByteArray &text) {
        return Cell(kLabel, row, 0, U16(int(text.size())) + text);
    };
    // The sheet is named by the same bytes, and a formula's text result uses them too.
    const QByteArray cells = label(0, "Heading") + label(1, bytes)
        + Cell(kFormula, 2, 0, U8(0) + QByteArray(5, '\0') + U16(0xFFFF) + U16(0) + U32(0) + U16(0))
        + Rec(kString, U16(int(bytes.size())) + bytes);
    const QByteArray stream = Workbook(0x0500, {{U8(int(bytes.size())) + bytes, cells}}, {}, globals);
    const WorkbookRecords read = ReadStream(stream, expected + "$");
    QVERIFY2(read.ok(), qPrintable(read.reason));
    QCOMPARE(read.records, (Records{{expected}, {expected}}));
}

void TestWorkbookReader::sheetNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found"); // the first cell of the sheet's first record, or "" for no sheet

    QTest::newRow("with $") << "Sheet1$"
                            << "one";
    QTest::newRow("without $") << "Sheet1"
                               << "one";
    QTest::newRow("other case") << "SHEET1$"
                                << "one";
    QTest::newRow("second sheet") << "data sheet$"
                                  << "two";
    QTest::newRow("in brackets") << "[Data Sheet$]"
                                 << "two";
    QTest::newRow("in quotes") << "'Data Sheet$'"
                               << "two";
    QTest::newRow("non-Latin, other case") << "ΦΎΛΛΟ$"
                                           << "three";
    QTest::newRow("a name ending in $ itself") << "Cost$"
                                               << "four";
    QTest::newRow("no such sheet") << "Sheet2$"
                                   << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only $") << "$"
                            << "";
    QTest::newRow("a chart sheet is no worksheet") << "Chart1"
                                                   << "";
}

void TestWorkbookReader::sheetNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, found);
    const auto sheet = [](const QString &name, const QString &text, int type = 0) {
        return Sheet{Str8(name), Heading() + Cell(kLabel, 1, 0, Str16(text)), type};
    };
    const QByteArray stream = Biff8({sheet("Sheet1", "one"), sheet("Data Sheet", "two"), sheet("φύλλο", "three"),
                                     sheet("Cost$", "four"), sheet("Chart1", "chart", 2)});
    const WorkbookRecords read = ReadStream(stream, typed);
    if (found.isEmpty()) {
        QCOMPARE(read.failure, WorkbookFailure::NoSuchSheet);
        QVERIFY2(read.reason.endsWith("(its sheets: Sheet1, Data Sheet, φύλλο, Cost$)."), qPrintable(read.reason));
    } else {
        QVERIFY2(read.ok(), qPrintable(read.reason));
        QCOMPARE(read.records.value(0).value(0), found);
    }
}

void TestWorkbookReader::failures_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<WorkbookFailure>("failure");
    QTest::addColumn<QString>("reason");

    const auto ole = [](const QByteArray &stream) { return BuildOleWorkbookFile(stream).value(); };
    const QByteArray good = Biff8Sheet(Heading() + Cell(kLabel, 1, 0, Str16("a")));

    QTest::newRow("empty file") << QByteArray() << WorkbookFailure::Unreadable << "it is empty";
    QTest::newRow("a text file") << QByteArray("Extension,Name\r\n2001,Smith\r\n") << WorkbookFailure::Unreadable
                                 << "not an Excel 97-2003 workbook";
    QTest::newRow("an .xlsx") << QByteArray("PK\x03\x04rest of a zip") << WorkbookFailure::Unreadable
                              << "Excel 2007 or later";
    QByteArray renamed = ole(good);
    renamed.replace(Wide("Workbook"), Wide("Workbonk"));
    QTest::newRow("no workbook stream") << renamed << WorkbookFailure::Unreadable << "without a Workbook stream";
    QTest::newRow("stream without BOF") << ole(QByteArray(600, 'x')) << WorkbookFailure::Unreadable
                                        << "does not start as one";
    QTest::newRow("BIFF4") << ole(Rec(kBof, U16(0x0400) + U16(5) + U32(0))) << WorkbookFailure::Unreadable
                           << "BIFF version 0400";
    QTest::newRow("password") << ole(
        Biff8({{Str8("Sheet1"), Heading()}}, {}, Rec(kFilePass, U16(1) + QByteArray(52, '\0'))))
                              << WorkbookFailure::Unreadable << "protected with a password";
    QByteArray cut = good;
    cut.chop(4); // the sheet's EOF, replaced by a record claiming more bytes than are left
    cut += U16(kLabel) + U16(100) + "ab";
    QTest::newRow("record length past the stream") << ole(cut) << WorkbookFailure::Unreadable << "runs past the end";
    QTest::newRow("shared strings cut short")
        << ole(Biff8Sheet(Heading(), Rec(kSst, U32(3) + U32(3) + Str16("one") + Str16("two"))))
        << WorkbookFailure::Unreadable << "shared-string table is cut short";
    QTest::newRow("cell record too short")
        << ole(Biff8Sheet(Heading() + Rec(kNumber, U16(1) + U16(0)))) << WorkbookFailure::Unreadable << "is cut short";
    QByteArray far;
    for (int row = 1; row < 65536; ++row)
        far += Cell(kRk, row, 255, U32(2 | (1u << 2)));
    QTest::newRow("far-away cells beyond the budget")
        << ole(Biff8Sheet(Heading() + far)) << WorkbookFailure::Unreadable << "too many cells";
    QTest::newRow("only a heading row") << ole(Biff8Sheet(Heading())) << WorkbookFailure::NoDataRows
                                        << "has no rows after its heading row";
    QTest::newRow("an empty sheet") << ole(Biff8Sheet({})) << WorkbookFailure::NoDataRows
                                    << "has no rows after its heading row";
    QTest::newRow("rows of empty texts only")
        << ole(Biff8Sheet(Heading() + Cell(kLabel, 1, 0, Str16("")) + Cell(kBlank, 2, 0, {})))
        << WorkbookFailure::NoDataRows << "has no rows after its heading row";
}

void TestWorkbookReader::failures()
{
    QFETCH(QByteArray, file);
    QFETCH(WorkbookFailure, failure);
    QFETCH(QString, reason);
    const WorkbookRecords read = ReadWorkbookBytes(file, QStringLiteral("Sheet1$"), QStringLiteral("site.xls"));
    QCOMPARE(read.failure, failure);
    QVERIFY2(read.reason.contains(reason), qPrintable(read.reason));
    QVERIFY2(read.reason.contains("site.xls"), qPrintable(read.reason));
    QVERIFY(read.records.isEmpty());
}

void TestWorkbookReader::fileFailures()
{
    TestHome home;
    const WorkbookRecords missing = ReadWorkbookRecords(home.file("missing.xls"), QStringLiteral("Sheet1$"));
    QCOMPARE(missing.failure, WorkbookFailure::Unreadable);
    QVERIFY2(missing.reason.contains("missing.xls"), qPrintable(missing.reason));

    const WorkbookRecords folder = ReadWorkbookRecords(home.path(), QStringLiteral("Sheet1$"));
    QCOMPARE(folder.failure, WorkbookFailure::Unreadable);

    // A sparse file: refused by its size before anything is read.
    QFile huge(home.file("huge.xls"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(kMaxWorkbookFileBytes + 1));
    huge.close();
    QElapsedTimer timer;
    timer.start();
    const WorkbookRecords tooLarge = ReadWorkbookRecords(huge.fileName(), QStringLiteral("Sheet1$"));
    QCOMPARE(tooLarge.failure, WorkbookFailure::Unreadable);
    QVERIFY2(tooLarge.reason.contains("too large"), qPrintable(tooLarge.reason));
    QVERIFY(timer.elapsed() < 2000);
}

QTEST_GUILESS_MAIN(TestWorkbookReader)
#include "test_workbook_reader.moc"
