// The Version 6.0 window's life without its widgets: the close question, the
// compile on first view of OUTPUT, and PRINT.
#include "store/ScriptStore.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/tool/Version6Tool.h"

#include <QtTest>

namespace {

const QString kLossText = QStringLiteral("YOU HAVE CHANGED INFORMATION ON THIS SCREEN SINCE YOUR LAST EXPORT\r\n"
                                         "WOULD YOU LIKE TO RE-EXPORT AND SAVE THESE CHANGES?");

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT

private slots:
    void closeQuestion_data()
    {
        QTest::addColumn<bool>("imported");
        QTest::addColumn<bool>("yes");
        QTest::newRow("unchanged closes") << false << false;
        QTest::newRow("No closes") << true << false;
        QTest::newRow("Yes exports and stays") << true << true;
    }

    void closeQuestion()
    {
        QFETCH(bool, imported);
        QFETCH(bool, yes);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        const QString site = home.file("jobs/site.csv");
        QDir().mkpath(home.file("jobs"));
        QVERIFY(WriteBytes(site, "\"01000\",\"2000\",\"8 \",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"));
        if (imported) {
            prompter.queueFile(site, 3);
            tool.importData();
            QVERIFY(!tool.backEnabled());
        }
        if (yes) {
            prompter.queueYes();
            prompter.queueFile(home.file("jobs/saved.csv"), 2);
        } else if (imported) {
            prompter.queueNo();
        }

        QCOMPARE(tool.closeRequested(), !yes);
        QCOMPARE(prompter.messages.isEmpty(), !imported);
        if (imported) {
            QCOMPARE(prompter.messages[0].text, kLossText);
            QCOMPARE(prompter.messages[0].title, QStringLiteral("LOSS OF DATA!"));
            QCOMPARE(prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        }
        const QStringList settings = *ScriptStore::standard().readSettings(QStringLiteral("Versionsix"));
        QCOMPARE(settings.value(6) == home.file("jobs/"), yes);
        if (!yes)
            return;
        QCOMPARE(prompter.files.last().title, QStringLiteral("EXPORT GRID"));
        QCOMPARE(ReadBytes(home.file("jobs/saved.csv")),
                 ReadBytes(site) + "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
        QCOMPARE(settings.value(7), QStringLiteral("2"));
        // Nothing sets the marker back: the next close asks again.
        prompter.queueNo();
        QVERIFY(tool.closeRequested());
    }

    void compileOnFirstViewOfOutput()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        AddRange(tool, "01", "000", "001", "2000");
        tool.next();
        tool.mainTabChosen(QStringLiteral("SCRIPTS"));
        QCOMPARE(tool.outputs().grid(OutputGrids::HandsetData).rows(), 2);
        tool.mainTabChosen(QStringLiteral("OUTPUT"));
        const int compiled = tool.outputs().grid(OutputGrids::HandsetData).rows();
        QVERIFY(compiled >= 3);
        QCOMPARE(tool.startBlock().text(), QStringLiteral("004"));
        // Once it holds lines, choosing OUTPUT again does not compile (no question for 004).
        tool.handsets().grid().setTextAt(1, 2, QStringLiteral("no such type"));
        tool.mainTabChosen(QStringLiteral("OUTPUT"));
        QCOMPARE(tool.outputs().grid(OutputGrids::HandsetData).rows(), compiled);
        QVERIFY(prompter.messages.isEmpty() && prompter.inputs.isEmpty());
    }

    void printsTheHandsets()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        AddRange(tool, "01", "000", "000", "2000");
        tool.defaultHandsetChanged(QStringLiteral("16 IP"));
        tool.next();
        RecordingPrinter printer;
        QVERIFY(tool.print(printer));
        QCOMPARE(printer.lines.size(), 2);
        QCOMPARE(printer.lines[0],
                 QStringLiteral(" | 01000 | 2000  | 16 IP") + QString(30, ' ')
                     + QStringLiteral(" | 20    | 1     | 1     | 15    | 15    |       | 00   "));
        QCOMPARE(printer.fontFamily, QStringLiteral("Courier New"));
        printer.fail = true;
        QVERIFY(!tool.print(printer));
        QCOMPARE(prompter.messages.value(0).title, QStringLiteral("Unable to communicate with Printer???"));
    }
};

QTEST_GUILESS_MAIN(TestLifecycle)
#include "test_lifecycle.moc"
