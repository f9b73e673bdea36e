#include "files/FileDialog.h"
#include "files/workbook/PeerSheets.h"
#include "platform/AppPaths.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/tool/Version6Tool.h"

#include <QFile>
#include <QtTest>

namespace {

// A tool with two handsets compiled through the shipped templates.
void compileTwoHandsets(Version6Tool &tool)
{
    tool.open();
    AddRange(tool, "01", "000", "001", "2000");
    tool.next();
    tool.handsets().grid().setTextAt(1, 8, "3");
    tool.handsets().grid().setTextAt(2, 8, "3");
    tool.compile();
}

QByteArrayList linesOf(const QByteArray &bytes)
{
    QByteArrayList lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

// "EXPORT THIS" on the four output grids.
class TestOutputExport : public QObject {
    Q_OBJECT

private slots:
    void textLeavesTheLastRowOut()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        compileTwoHandsets(tool);
        const QString path = home.file("pickup.csv");
        prompter.queueFile(path, 1);
        int shown = 0;
        tool.setProgressListener([&] { shown += tool.progress().visible ? 1 : 0; });
        tool.exportOutput(OutputGrids::PickupGroups);

        QCOMPARE(prompter.files.size(), 1);
        QCOMPARE(prompter.files[0].title, QStringLiteral("EXPORT LOCATION"));
        QVERIFY(prompter.files[0].save);
        QCOMPARE(prompter.files[0].filter, FileFilters::kExportLocation);
        QCOMPARE(prompter.files[0].folder, AppPaths::scriptsPath());
        QCOMPARE(ReadBytes(path),
                 QByteArray("\"160\",\"2000\",\"2001\",\"\",\"\"\r\n"
                            "\"160\",\"2001\",\"2000\",\"\",\"\"\r\n"));
        QCOMPARE(prompter.messageTexts(), QStringList{"Data Exported Successfully!"});
        QCOMPARE(prompter.messages[0].title, QStringLiteral("For Your Information"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Information);
        QVERIFY(shown > 0);
        QVERIFY(!tool.progress().visible);
        QVERIFY(tool.dialogState().folderChosen);
        QCOMPARE(tool.dialogState().folder, home.path() + "/");
    }

    // The Master Output ends with two empty rows: its file ends with one line of
    // five empty fields.
    void masterOutputEndsWithOneEmptyLine()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        compileTwoHandsets(tool);
        const QString path = home.file("master.txt");
        QVERIFY(tool.exportOutputTo(OutputGrids::MasterOutput, path));
        const QByteArrayList lines = linesOf(ReadBytes(path));
        const GridTable &master = tool.outputs().grid(OutputGrids::MasterOutput);
        QCOMPARE(lines.size(), master.rows() - 2);
        QCOMPARE(lines.last(), QByteArray("\"\",\"\",\"\",\"\",\"\"\r"));
        QCOMPARE(lines[lines.size() - 2], QByteArray("\"73\",\"2001\",\"002002\",\"\",\"\"\r"));
        QCOMPARE(lines.first(), QByteArray("\"10\",\"01000\",\"2000\",\"\",\"ASSIGN EXTENSION TO LINE EQUIPMENT\"\r"));
    }

    // A workbook gets every row up to the last, six columns, and no header.
    void workbookHasNoHeader()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        compileTwoHandsets(tool);
        const QString path = home.file("handsets.xls");
        QVERIFY(tool.exportOutputTo(OutputGrids::HandsetData, path));
        QCOMPARE(prompter.messageTexts(), QStringList{"Exported to " + path});
        QCOMPARE(prompter.messages[0].title, QStringLiteral("Halvoran"));

        const auto sheets = ReadWithPeer("xlrd", path);
        QVERIFY(sheets);
        const GridTable &grid = tool.outputs().grid(OutputGrids::HandsetData);
        Records expected;
        for (int r = 1; r < grid.rows(); ++r)
            expected.append(grid.rowTexts(r));
        const Records rows = TextsOf(sheets->value("Sheet1"));
        QCOMPARE(Trimmed(rows), Trimmed(expected));
        QVERIFY(!rows.isEmpty() && rows[0].size() <= 6);
        QCOMPARE(rows[0].value(0), QStringLiteral("10"));
    }

    void unsupportedTypeWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("doc") << "list.doc";
        QTest::newRow("nes") << "script.nes";
        QTest::newRow("folder with a dot") << "site.old/list";
    }

    void unsupportedTypeWritesNothing()
    {
        QFETCH(QString, name);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        compileTwoHandsets(tool);
        QDir(home.path()).mkpath("site.old");
        QVERIFY(!tool.exportOutputTo(OutputGrids::HandsetData, home.file(name)));
        QVERIFY(!QFile::exists(home.file(name)));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].title, QStringLiteral("UNABLE TO EXPORT"));
        QVERIFY(!tool.progress().visible);
    }

    void cancelledDialogDoesNothing()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        compileTwoHandsets(tool);
        prompter.queueFileCancel();
        tool.exportOutput(OutputGrids::MasterOutput);
        QVERIFY(prompter.messages.isEmpty());
        QVERIFY(!tool.dialogState().folderChosen);
    }
};

QTEST_GUILESS_MAIN(TestOutputExport)
#include "test_output_export.moc"
