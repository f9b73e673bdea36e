// What a printed list does when there is no printer: the printer message, then the
// offer to save the list as a PDF file; and the PDF... button's dialog.
#include "grid/PrintLines.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"

#include <QtTest>

class TestPrintLines : public QObject {
    Q_OBJECT
private slots:
    void failedPrintOffersPdfOnlyWithoutPrinter_data();
    void failedPrintOffersPdfOnlyWithoutPrinter();
};

void TestPrintLines::failedPrintOffersPdfOnlyWithoutPrinter_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("answer"); // to the offer: "yes", "no"
    QTest::addColumn<QString>("chosen"); // in the save dialog; "" cancels
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("written"); // the PDF file written, "" for none

    const QString printer = QStringLiteral("Unable to communicate with Printer???");
    const QString pdf = QStringLiteral("PDF");
    QTest::newRow("a printer that fails: no offer")
        << true << QString() << QString() << QStringList{printer} << QString();
    QTest::newRow("no printer, No") << false << "no" << QString() << QStringList{printer, pdf} << QString();
    QTest::newRow("no printer, Yes, cancelled")
        << false << "yes" << QString() << QStringList{printer, pdf} << QString();
    QTest::newRow("no printer, Yes, a name without a type")
        << false << "yes"
        << "/jobs/site1/names" << QStringList{printer, pdf, pdf} << "/jobs/site1/names.pdf";
    QTest::newRow("no printer, Yes, a name of its own type")
        << false << "yes"
        << "/jobs/list.PDF" << QStringList{printer, pdf, pdf} << "/jobs/list.PDF";
}

void TestPrintLines::failedPrintOffersPdfOnlyWithoutPrinter()
{
    QFETCH(bool, installed);
    QFETCH(QString, answer);
    QFETCH(QString, chosen);
    QFETCH(QStringList, titles);
    QFETCH(QString, written);
    RecordingPrinter printer;
    printer.fail = true;
    printer.none = !installed;
    ScriptedPrompter prompter;
    prompter.queueAnswer(answer == QLatin1String("yes") ? Prompter::Answer::Yes : Prompter::Answer::No);
    prompter.queueFile(chosen);
    const QStringList lines{QStringLiteral(" | 2001  | RECEPTION"), QStringLiteral(" ")};

    QVERIFY(!PrintLines::Print(printer, prompter, lines, true, QStringLiteral("/jobs/")));

    QStringList shown;
    for (const Prompter::Message &message : prompter.messages)
        shown.append(message.title);
    QCOMPARE(shown, titles);
    if (titles.size() > 1) {
        QCOMPARE(prompter.messages[1].text,
                 QStringLiteral("No printer is installed. Save the list as a PDF file instead?"));
        QCOMPARE(prompter.messages[1].buttons, Prompter::Buttons::YesNo);
    }
    QCOMPARE(prompter.files.size(), answer == QLatin1String("yes") ? 1 : 0);
    if (!prompter.files.isEmpty()) {
        QVERIFY(prompter.files[0].save);
        QCOMPARE(prompter.files[0].folder, QStringLiteral("/jobs/"));
        QCOMPARE(prompter.files[0].filter, QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*"));
    }
    QCOMPARE(printer.pdfPaths, written.isEmpty() ? QStringList() : QStringList{written});
    if (!written.isEmpty()) {
        QCOMPARE(printer.pdfs[0].lines, lines);
        QCOMPARE(printer.pdfs[0].fontFamily, QStringLiteral("Courier New"));
        QCOMPARE(printer.pdfs[0].pointSize, 9.75);
        QVERIFY(printer.pdfs[0].bold);
        QCOMPARE(prompter.messages.last().text, QStringLiteral("The printed list was saved as ") + written);
    }
}

QTEST_GUILESS_MAIN(TestPrintLines)
#include "test_print_lines.moc"
