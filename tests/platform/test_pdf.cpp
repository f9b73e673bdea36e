// Printed lists as PDF files, read back by poppler's tools.
#include "grid/PrintLines.h"
#include "platform/PdfDocument.h"
#include "platform/Printer.h"
#include "support/PdfText.h"
#include "support/TestHome.h"

#include <QtTest>

class TestPdf : public QObject {
    Q_OBJECT
private slots:
    void pdfHoldsThePrintedLines_data();
    void pdfHoldsThePrintedLines();
};

namespace {
QStringList Lines(int count, const QString &text)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral(" | %1 | ").arg(i, 5, 10, QLatin1Char('0')) + text);
    return lines;
}
} // namespace

void TestPdf::pdfHoldsThePrintedLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QString>("pageSize");

    const QString a4 = QStringLiteral("595 x 842 pts (A4)");
    QTest::newRow("names, bold, blank lines kept")
        << QStringList{QStringLiteral(" | 2001  | RECEPTION"), QStringLiteral(" "), QStringLiteral(" "),
                       QStringLiteral(" | 770   | 2001  | 524543455054494F4E                  |       | RECEPTION")}
        << true << QStringLiteral("1") << a4;
    QTest::newRow("one page full, then a second")
        << Lines(90, QStringLiteral("A")) << false << QStringLiteral("2") << a4;
    QTest::newRow("too wide for portrait: landscape") << Lines(3, QString(100, QLatin1Char('W'))) << false
                                                      << QStringLiteral("1") << QStringLiteral("842 x 595 pts (A4)");
    QTest::newRow("too wide for landscape: a wider page")
        << Lines(2, QString(200, QLatin1Char('W')) + QStringLiteral(" END")) << false << QStringLiteral("1")
        << QString();
}

void TestPdf::pdfHoldsThePrintedLines()
{
    if (!PdfText::Available())
        QSKIP("poppler-utils (pdftotext, pdfinfo) is not installed");
    QFETCH(QStringList, lines);
    QFETCH(bool, bold);
    QFETCH(QString, pages);
    QFETCH(QString, pageSize);
    TestHome home;
    const QString pdf = home.file(QStringLiteral("list.pdf"));
    const Outcome written = WritePdf(pdf, PrintLines::List(lines, bold));
    QVERIFY2(written, qPrintable(written.reason()));

    QCOMPARE(PdfText::Lines(pdf), PdfText::Collapsed(lines));
    QCOMPARE(PdfText::Info(pdf, QStringLiteral("Pages")), pages);
    if (!pageSize.isEmpty())
        QCOMPARE(PdfText::Info(pdf, QStringLiteral("Page size")), pageSize);
    // Courier New, or the monospaced face the desktop gives for it, in the list's weight.
    const QString fonts = PdfText::Fonts(pdf);
    QVERIFY2(fonts.contains(QStringLiteral("Mono")) || fonts.contains(QStringLiteral("Courier")), qPrintable(fonts));
    QCOMPARE(fonts.contains(QStringLiteral("Bold")), bold);
}

QTEST_MAIN(TestPdf)
#include "test_pdf.moc"
