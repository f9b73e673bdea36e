// halvoran-cli names, run as a program: exit codes, messages and the bytes written.
#include "files/workbook/Workbook.h"
#include "grid/GridTable.h"
#include "support/CliRun.h"
#include "support/TestHome.h"

#include <QtTest>

namespace {

const QByteArray kOld = "old contents\r\n";

} // namespace

class TestNamesCli : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void workbookInput_data();
    void workbookInput();
    void workbookOutput_data();
    void workbookOutput();
};

void TestNamesCli::names_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("inputBytes");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("written"); // the output file afterwards; it held kOld before
    QTest::addColumn<QString>("message");

    const QByteArray names = "2001,\"JOHN SMITH\"\r\n 2002 , Ann\r\n";
    QTest::newRow("text to text") << "in.csv" << names << "out.nes" << QStringList() << 0
                                  << QByteArray(
                                         "\"770\",\"2001\",\"4A4F484E20534D495448\",\"\",\"JOHN SMITH\"\r\n"
                                         "\"770\",\"2002\",\"416E6E\",\"\",\"Ann\"\r\n\"\",\"\",\"\",\"\",\"\"\r\n")
                                  << "For Your Information: File Exported Successfully!";
    QTest::newRow("empty input gives the spare row")
        << "in.txt" << QByteArray("") << "out.txt" << QStringList() << 0 << QByteArray("\"\",\"\",\"\",\"\",\"\"\r\n")
        << "File Exported Successfully!";
    // A character windows-1252 cannot hold is written as "?", and said: a warning.
    QTest::newRow("characters replaced")
        << "in.csv" << QByteArray("2001,\"\xC5\x81ukasz\"\r\n2002,\"Zo\xC3\xAB\"\r\n2003,\"\xE2\x84\x96\"\r\n")
        << "out.csv" << QStringList() << 3
        << QByteArray(
               "\"770\",\"2001\",\"3F756B61737A\",\"\",\"?ukasz\"\r\n\"770\",\"2002\",\"5A6FEB\",\"\",\"Zo\xEB\"\r\n"
               "\"770\",\"2003\",\"3F\",\"\",\"?\"\r\n\"\",\"\",\"\",\"\",\"\"\r\n")
        << QString::fromUtf8("CHARACTERS REPLACED: The file was written, but 2 cells held characters that a text "
                             "file in windows-1252 cannot hold; each of them was written as \"?\".\n"
                             "The first is in line 1, field 5: \xC5\x81ukasz");
    QTest::newRow("odd number of fields") << "in.csv" << QByteArray("2001,\"A\",2002\r\n") << "out.csv" << QStringList()
                                          << 1 << kOld << "INCORRECT FILE FORMAT: UNABLE TO OPEN SPECIFIED FILE";
    QTest::newRow("input type") << "in.doc" << names << "out.csv" << QStringList() << 1 << kOld
                                << "UNABLE TO IMPORT: INVALID IMPORT FILE TYPE";
    QTest::newRow("output type") << "in.csv" << names << "out.doc" << QStringList() << 1 << kOld
                                 << "NOTHING WRITTEN: Nothing was written to";
    QTest::newRow("missing input") << "" << QByteArray() << "out.csv" << QStringList() << 1 << kOld
                                   << "UNABLE TO OPEN SPECIFIED FILE";
}

void TestNamesCli::names()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, inputBytes);
    QFETCH(QString, output);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, written);
    QFETCH(QString, message);

    TestHome home;
    QStringList args{QStringLiteral("names")};
    const QString inputPath = home.file(input.isEmpty() ? QStringLiteral("missing.csv") : input);
    if (!inputBytes.isNull())
        QVERIFY(WriteBytes(inputPath, inputBytes));
    args.append(inputPath);
    const QString outputPath = home.file(output);
    QVERIFY(WriteBytes(outputPath, kOld));
    args.append(outputPath);
    args.append(options);

    const CliRun run = RunCli(args);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(ReadBytes(outputPath), written);
}

void TestNamesCli::workbookInput_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("message");
    const QByteArray lines = "\"770\",\"0123\",\"4A4F484E20534D495448\",\"\",\"JOHN SMITH\"\r\n"
                             "\"\",\"\",\"\",\"\",\"\"\r\n";
    QTest::newRow("default sheet") << QStringList() << 0 << lines << "File Exported Successfully!";
    QTest::newRow("sheet named") << QStringList{"--sheet", "sheet1"} << 0 << lines << "File Exported Successfully!";
    QTest::newRow("no such sheet") << QStringList{"--sheet=Names$"} << 1 << kOld
                                   << "INCORRECT FILE INFORMATION: INVALID SHEET NAME";
}

void TestNamesCli::workbookInput()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, written);
    QFETCH(QString, message);
    TestHome home;
    GridTable sheet(QStringLiteral("EXTENSION|NAME"));
    sheet.appendRow({QStringLiteral("0123"), QStringLiteral("JOHN SMITH")});
    QVERIFY(WriteWorkbook(sheet, home.file(QStringLiteral("in.xls")), {0, 1, 2, {}}));
    QVERIFY(WriteBytes(home.file(QStringLiteral("out.csv")), kOld));

    const CliRun run = RunCli(
        QStringList{QStringLiteral("names"), home.file(QStringLiteral("in.xls")), home.file(QStringLiteral("out.csv"))}
        + options);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(ReadBytes(home.file(QStringLiteral("out.csv"))), written);
}

void TestNamesCli::workbookOutput_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"out.xls", "out.xlsx", "out.ods"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestNamesCli::workbookOutput()
{
    QFETCH(QString, name);
    TestHome home;
    QVERIFY(WriteBytes(home.file(QStringLiteral("in.txt")), "2001,\"Ann\"\r\n"));
    const QString output = home.file(name);
    const CliRun run = RunCli({QStringLiteral("names"), home.file(QStringLiteral("in.txt")), output});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(QStringLiteral("Halvoran: Exported to ") + output), qPrintable(run.err));
    // Below the heading row the name line; the spare row's texts are empty, so it reads as no record.
    const WorkbookRecords book = ReadWorkbookRecords(output, QStringLiteral("Sheet1$"));
    QVERIFY2(book.ok(), qPrintable(book.reason));
    QCOMPARE(book.records.size(), 1);
    QCOMPARE(book.records[0].mid(0, 5), (QStringList{"770", "2001", "416E6E", "", "Ann"}));
}

QTEST_GUILESS_MAIN(TestNamesCli)
#include "test_names_cli.moc"
