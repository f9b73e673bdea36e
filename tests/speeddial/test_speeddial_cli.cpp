// halvoran-cli speeddial, run as a program: exit codes, messages and the bytes written.
#include "files/workbook/PeerSheets.h"
#include "files/workbook/Workbook.h"
#include "grid/GridTable.h"
#include "support/CliRun.h"
#include "support/TestHome.h"

#include <QtTest>

namespace {

const QByteArray kOld = "old contents\r\n";
const QByteArray kThreeDials = "Reception,9,0123456789\r\n\"Smith, John\",,2001\r\nNight,9,555\r\n";
const QByteArray kSpare = "\"\",\"\",\"\",\"\",\"\"\r\n";

} // namespace

class TestSpeedDialCli : public QObject {
    Q_OBJECT
private slots:
    void speeddial_data();
    void speeddial();
    void workbooks();
};

void TestSpeedDialCli::speeddial_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("inputBytes");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("written"); // the output file afterwards; it held kOld before
    QTest::addColumn<QString>("message");    // on standard error, or standard output for exit 0

    const QByteArray pairs = "\"720\",\"000\",\"9,0123456789\",\"\",\"\"\r\n"
                             "\"721\",\"000\",\"526563657074696F6E\",\"\",\"Reception\"\r\n"
                             "\"720\",\"001\",\"2001\",\"\",\"\"\r\n"
                             "\"721\",\"001\",\"536D6974682C204A6F686E\",\"\",\"Smith, John\"\r\n"
                             "\"720\",\"002\",\"9,555\",\"\",\"\"\r\n"
                             "\"721\",\"002\",\"4E69676874\",\"\",\"Night\"\r\n"
        + kSpare;
    QTest::newRow("from 000") << "in.csv" << kThreeDials << "out.txt" << QStringList() << 0 << pairs
                              << "next location: 003";
    QTest::newRow("leading zero, start given")
        << "in.nes" << QByteArray("Reception,9,0123456789\r\n") << "out.csv"
        << QStringList{"--leading-zero", "--start=120"} << 0
        << QByteArray("\"720\",\"120\",\"9,00123456789\",\"\",\"\"\r\n"
                      "\"721\",\"120\",\"526563657074696F6E\",\"\",\"Reception\"\r\n"
                      + kSpare)
        << "next location: 121";
    QTest::newRow("locations run out") << "in.csv" << kThreeDials << "out.nev" << QStringList{"--start", "298"} << 3
                                       << QByteArray(
                                              "\"720\",\"298\",\"9,0123456789\",\"\",\"\"\r\n"
                                              "\"721\",\"298\",\"526563657074696F6E\",\"\",\"Reception\"\r\n"
                                              "\"720\",\"299\",\"2001\",\"\",\"\"\r\n"
                                              "\"721\",\"299\",\"536D6974682C204A6F686E\",\"\",\"Smith, John\"\r\n"
                                              + kSpare)
                                       << "Unable to complete imprortation: You Have reached your maximum speed dial "
                                          "locations";
    QTest::newRow("cut short") << "in.csv" << QByteArray("A,9,1\r\nB,9\r\n") << "out.csv" << QStringList() << 1 << kOld
                               << "INCORRECT FILE FORMAT: UNABLE TO OPEN SPECIFIED FILE";
    QTest::newRow("input type") << "in.doc" << kThreeDials << "out.csv" << QStringList() << 1 << kOld
                                << "UNABLE TO IMPORT: INVALID IMPORT FILE TYPE";
    QTest::newRow(".nes output") << "in.csv" << kThreeDials << "out.nes" << QStringList() << 1 << kOld
                                 << "NOTHING WRITTEN: Nothing was written to";
}

void TestSpeedDialCli::speeddial()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, inputBytes);
    QFETCH(QString, output);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, written);
    QFETCH(QString, message);

    TestHome home;
    const QString inputPath = home.file(input);
    QVERIFY(WriteBytes(inputPath, inputBytes));
    const QString outputPath = home.file(output);
    QVERIFY(WriteBytes(outputPath, kOld));
    QStringList args{QStringLiteral("speeddial"), inputPath, outputPath};
    args.append(options);

    const CliRun run = RunCli(args);
    const QString shown = exitCode == 0 ? run.out : run.err;
    QVERIFY2(shown.contains(message), qPrintable(run.out + run.err));
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(ReadBytes(outputPath), written);
}

void TestSpeedDialCli::workbooks()
{
    TestHome home;
    GridTable sheet(QStringLiteral("NAME|ACCESS CODE|NUMBER"));
    sheet.appendRow({"Operator", "Null", "0123456"});
    sheet.appendRow({"Night", "9", "555"});
    const QString input = home.file(QStringLiteral("in.xls"));
    QVERIFY(WriteWorkbook(sheet, input, {0, sheet.rows() - 2, 3, {}}));
    const QString output = home.file(QStringLiteral("out.xls"));

    // A sheet that is not there: nothing written.
    CliRun run =
        RunCli({QStringLiteral("speeddial"), input, output, QStringLiteral("--sheet"), QStringLiteral("Dials$")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("INCORRECT FILE INFORMATION: INVALID SHEET NAME")), qPrintable(run.err));
    QVERIFY(!QFile::exists(output));

    run = RunCli({QStringLiteral("speeddial"), input, output, QStringLiteral("--sheet=sheet1"),
                  QStringLiteral("--leading-zero"), QStringLiteral("--start"), QStringLiteral("010")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(QStringLiteral("Halvoran: Exported to ") + output), qPrintable(run.err));
    QVERIFY(run.out.contains(QStringLiteral("next location: 012")));
    // From sheet row 1, no header row; empty texts are empty cells, which the sheet
    // does not store.
    const auto sheets = ReadWithPeer(QStringLiteral("xlrd"), output);
    QVERIFY(sheets);
    QCOMPARE(Trimmed(TextsOf(sheets->value(QStringLiteral("Sheet1")))),
             (Records{{"720", "010", "00123456"},
                      {"721", "010", "4F70657261746F72", "", "Operator"},
                      {"720", "011", "9,555"},
                      {"721", "011", "4E69676874", "", "Night"}}));
}

QTEST_GUILESS_MAIN(TestSpeedDialCli)
#include "test_speeddial_cli.moc"
