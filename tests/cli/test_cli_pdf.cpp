// halvoran-cli --pdf: the printed list of what a command produced, read back with
// pdftotext.
#include "support/CliRun.h"
#include "support/PdfText.h"
#include "support/TestHome.h"

#include <QtTest>

class TestCliPdf : public QObject {
    Q_OBJECT
private slots:
    void pdfHoldsThePrintedList_data();
    void pdfHoldsThePrintedList();
    void unwritablePdfFails();
};

void TestCliPdf::pdfHoldsThePrintedList_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("output"); // an output file, or the output folder of compile
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("names: input, three blank lines, output")
        << "names" << QByteArray("\"2001\",\"RECEPTION\"\r\n\"2002\",\"J SMITH\"\r\n") << "names.csv"
        << QStringList{"| 2001 | RECEPTION |",
                       "| 2002 | J SMITH |",
                       "| | |",
                       "",
                       "",
                       "",
                       "| 770 | 2001 | 524543455054494F4E | | RECEPTION |",
                       "| 770 | 2002 | 4A20534D495448 | | J SMITH |",
                       "| | | | | |"};
    QTest::newRow("speeddial: the pairs") << "speeddial" << QByteArray("\"SMITH\",\"*1\",\"01234\"\r\n") << "pairs.csv"
                                          << QStringList{"| SMITH | *1 | 01234 |",
                                                         "| | | |",
                                                         "",
                                                         "",
                                                         "",
                                                         "| 720 | 000 | *1,01234 | | |",
                                                         "| 721 | 000 | 534D495448 | | SMITH |",
                                                         "| | | | | |"};
    QTest::newRow("compile: the handset rows")
        << "compile" << QByteArray("\"01000\",\"2000\",\"Analog\",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n")
        << "out" << QStringList{"| 01000 | 2000 | Analog | 20 | 1 | 1 | 15 | 15 | | 00", "| | | | | | | | | |"};
}

void TestCliPdf::pdfHoldsThePrintedList()
{
    if (!PdfText::Available())
        QSKIP("poppler-utils (pdftotext, pdfinfo) is not installed");
    QFETCH(QString, command);
    QFETCH(QByteArray, input);
    QFETCH(QString, output);
    QFETCH(QStringList, lines);
    TestHome home;
    QVERIFY(WriteBytes(home.file(QStringLiteral("input.csv")), input));
    const QString pdf = home.file(QStringLiteral("list.pdf"));

    const CliRun run =
        RunCli({command, home.file(QStringLiteral("input.csv")), home.file(output), QStringLiteral("--pdf"), pdf});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY(QFileInfo::exists(home.file(output)));
    QStringList text = PdfText::Lines(pdf);
    // The compiled site's handset grid ends in two empty rows; one is enough here.
    if (command == QLatin1String("compile"))
        text = text.mid(0, lines.size());
    QCOMPARE(text, lines);
}

void TestCliPdf::unwritablePdfFails()
{
    TestHome home;
    QVERIFY(WriteBytes(home.file(QStringLiteral("input.csv")), "\"2001\",\"RECEPTION\"\r\n"));
    const QString pdf = home.file(QStringLiteral("missing/list.pdf"));
    const CliRun run = RunCli({QStringLiteral("names"), home.file(QStringLiteral("input.csv")),
                               home.file(QStringLiteral("names.csv")), QStringLiteral("--pdf=") + pdf});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("PDF: The PDF file was not written.")), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(pdf));
}

QTEST_GUILESS_MAIN(TestCliPdf)
#include "test_cli_pdf.moc"
