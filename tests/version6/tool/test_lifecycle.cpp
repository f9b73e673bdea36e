// The Version 6.0 window's life without its widgets: the close question, the
// compile on first view of OUTPUT, and PRINT.
#include "platform/AppPaths.h"
#include "store/ScriptStore.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/tool/Version6Tool.h"

#include <QSqlDatabase>
#include <QSqlQuery>
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

    // Every change of the site sets the marker, so the close asks before it is lost.
    void changeMarker_data()
    {
        QTest::addColumn<QString>("action");
        for (const char *action : {"add", "remove", "back", "reset", "commit", "type key", "space", "apply",
                                   "template edit", "template key", "add row", "rename", "import"})
            QTest::newRow(action) << QString::fromLatin1(action);
    }

    void changeMarker()
    {
        QFETCH(QString, action);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        // Handsets put in place as a file would, without an action of the tool.
        const QStringList handset{"01000", "2000", "8 ", "20", "1", "1", "15", "15", "", "00"};
        tool.handsets().replaceRows({handset, handset});
        tool.handsets().grid().setCurrent(1, 4);
        tool.templates().grid(2).setCurrent(1, 0);
        QVERIFY(!tool.hasChanged());
        const QString site = home.file("site.csv");
        QVERIFY(WriteBytes(site, "\"01000\",\"2000\",\"8 \",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"));

        if (action == "add") {
            AddRange(tool, "01", "000", "001", "2000");
        } else if (action == "remove") {
            tool.remove();
        } else if (action == "back") {
            tool.back();
        } else if (action == "reset") {
            tool.reset();
        } else if (action == "commit") {
            tool.startEdit(HandsetEditor::Trigger::Return);
            QVERIFY(!tool.hasChanged()); // opening changes nothing yet
            tool.commitTextEdit("2");
        } else if (action == "type key") {
            tool.handsets().grid().setCurrent(1, 2);
            tool.startEdit(HandsetEditor::Trigger::Return);
            tool.typeEditorKey(EditorKey::Right, "Analog");
        } else if (action == "space") {
            tool.repeat();
        } else if (action == "apply") {
            tool.applyToColumn();
        } else if (action == "template edit") {
            tool.startTemplateEdit(2);
            tool.commitTemplateEdit("99");
        } else if (action == "template key") {
            tool.startTemplateEdit(2);
            tool.templateEditorKey(EditorKey::Escape, "99");
            QVERIFY(!tool.hasChanged());
            tool.templateEditorKey(EditorKey::Down, "99");
        } else if (action == "add row") {
            tool.addTemplateRow(2);
        } else if (action == "rename") {
            prompter.queueInput("Desk");
            tool.renameTab(3);
        } else if (action == "import") {
            QVERIFY(tool.importDataFrom(site));
        }
        QVERIFY(tool.hasChanged());
        prompter.clear();
        prompter.queueNo();
        QVERIFY(tool.closeRequested());
        QCOMPARE(prompter.messageTexts(), QStringList{kLossText});
    }

    // What cannot be read at opening is said once, naming the file and why; the
    // tool works on without it.
    void unreadableSetup_data()
    {
        QTest::addColumn<QString>("file"); // "store" or "names"
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("store of garbage") << "store" << QByteArray(4096, 'Z') << "file is not a database";
        QTest::newRow("empty store") << "store" << QByteArray() << "Cannot read";
        QTest::newRow("store is a folder") << "store" << QByteArray("folder") << "Cannot open the store";
        QTest::newRow("store without a table") << "store" << QByteArray("drop") << "SCRIPTa3";
        QTest::newRow("store locked past the wait") << "store" << QByteArray("lock") << "database is locked";
        QTest::newRow("names with NUL bytes") << "names" << QByteArray("\"8 \"\r\n\0\"8D\"\r\n", 11) << "NUL bytes";
        QTest::newRow("names with an open quote") << "names" << QByteArray("\"8 \"\r\n\"8D\r\n") << "never closed";
        QTest::newRow("names is a folder") << "names" << QByteArray("folder") << "is a folder";
    }

    void unreadableSetup()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        TestHome home;
        const QString path = file == "store" ? AppPaths::storePath() : AppPaths::tabNamesPath();
        // Another program's hold on the store, for the whole opening.
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        if (bytes == "drop" || bytes == "lock") {
            QVERIFY(ScriptStore::standard().ensureExists());
            other.setDatabaseName(path);
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(other).exec(bytes == "drop" ? "DROP TABLE SCRIPTa3" : "BEGIN EXCLUSIVE"));
        } else if (bytes == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else {
            QDir().mkpath(QFileInfo(path).path());
            QVERIFY(WriteBytes(path, bytes));
        }
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        const Outcome opened = tool.open();
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("other");
        QVERIFY(!opened);
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].title, QStringLiteral("UNABLE TO READ"));
        QVERIFY2(prompter.messages[0].text.contains(path), qPrintable(prompter.messages[0].text));
        QVERIFY2(prompter.messages[0].text.contains(reason), qPrintable(prompter.messages[0].text));
        if (file == "names")
            QCOMPARE(tool.templates().captions(), TemplateSet::defaultCaptions());
        // Usable all the same.
        QCOMPARE(AddRange(tool, "01", "000", "000", "2000"), RangeScreen::AddResult::Added);
        tool.next();
        QVERIFY(tool.workAreaVisible());
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
