#include "files/FileDialog.h"
#include "files/workbook/PeerSheets.h"
#include "grid/GridTable.h"
#include "platform/AppPaths.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/entry/HandsetColumns.h"
#include "version6/tool/Version6Tool.h"

#include <QFile>
#include <QtTest>

namespace {

// A tool whose handset grid holds two handsets.
void buildTwoHandsets(Version6Tool &tool)
{
    AddRange(tool, "01", "000", "001", "2000");
    tool.next();
}

const QByteArray kEmptyRecord = "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

} // namespace

// "EXPORT DATA" and "IMPORT DATA" on the handset grid.
class TestHandsetFiles : public QObject {
    Q_OBJECT

private slots:
    void exportThenImportRoundTrip()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        buildTwoHandsets(tool);
        const QString path = home.file("site.csv");
        prompter.queueFile(path);
        tool.exportData();

        QCOMPARE(prompter.files.size(), 1);
        QCOMPARE(prompter.files[0].title, QStringLiteral("EXPORT GRID"));
        QCOMPARE(prompter.files[0].filter, FileFilters::kExportGrid);
        QCOMPARE(prompter.files[0].folder, AppPaths::scriptsPath());
        QCOMPARE(prompter.messageTexts(), QStringList{"Data Exported Successfully!"});
        QCOMPARE(prompter.messages[0].title, QStringLiteral("For Your Information"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Information);
        QCOMPARE(ReadBytes(path),
                 QByteArray("\"01000\",\"2000\",\"8 \",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"
                            "\"01001\",\"2001\",\"8 \",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n")
                     + kEmptyRecord);
        QVERIFY(tool.hasChanged()); // built by hand; an export does not clear the marker

        prompter.clear();
        prompter.queueFile(path);
        tool.importData();
        QCOMPARE(prompter.files[0].title, QStringLiteral("Open Script File"));
        QCOMPARE(prompter.files[0].filter, FileFilters::kTools);
        QCOMPARE(prompter.files[0].folder, home.path() + "/"); // the folder of the last file chosen
        QVERIFY(prompter.messages.isEmpty());
        const GridTable &grid = tool.handsets().grid();
        QCOMPARE(grid.rows(), 5);
        QCOMPARE(grid.rowTexts(1), HandsetColumns::NewRow("01000", "2000", "8 "));
        QCOMPARE(grid.rowTexts(2), HandsetColumns::NewRow("01001", "2001", "8 "));
        QVERIFY(grid.isRowEmpty(3));
        QVERIFY(grid.isRowEmpty(4));
        QVERIFY(tool.hasChanged());
        QVERIFY(!tool.backEnabled());
    }

    // Unquoted fields stay text, as a spreadsheet saved them.
    void unquotedFieldsStayText()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        const QString path = home.file("sheet.csv");
        QVERIFY(WriteBytes(path,
                           "01000,2000,Analog,20,1,1,15,15,,00\r\n"
                           "\"01001\",\"2001\",\"8 \",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"));
        QVERIFY(tool.importDataFrom(path));
        const GridTable &grid = tool.handsets().grid();
        QCOMPARE(grid.rows(), 4);
        QCOMPARE(grid.rowTexts(1), (QStringList{"01000", "2000", "Analog", "20", "1", "1", "15", "15", "", "00"}));
        QCOMPARE(grid.rowTexts(2), HandsetColumns::NewRow("01001", "2001", "8 "));
    }

    // A failed import leaves the grid as it was and still says so.
    void failedImportKeepsTheGrid_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("backEnabled");
        QTest::newRow("record cut short")
            << "cut.csv" << QByteArray("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15\r\n") << "UNABLE TO OPEN SPECIFIED FILE"
            << "INCORRECT FILE FORMAT" << false;
        QTest::newRow("missing file") << "" << QByteArray() << "UNABLE TO OPEN SPECIFIED FILE"
                                      << "INCORRECT FILE FORMAT" << false;
        // An empty file holds no site: it never wipes the one in the grid.
        QTest::newRow("empty file") << "empty.txt" << QByteArray() << "UNABLE TO OPEN SPECIFIED FILE"
                                    << "INCORRECT FILE FORMAT" << false;
        QTest::newRow("only a line end") << "empty.csv" << QByteArray("\r\n") << "UNABLE TO OPEN SPECIFIED FILE"
                                         << "INCORRECT FILE FORMAT" << false;
        QTest::newRow("wrong type") << "list.doc" << QByteArray("x") << "INVALID IMPORT FILE TYPE"
                                    << "UNABLE TO IMPORT" << true;
    }

    void failedImportKeepsTheGrid()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(bool, backEnabled);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        buildTwoHandsets(tool);
        const GridTable before = tool.handsets().grid();
        const QString path = home.file(name.isEmpty() ? QStringLiteral("missing.csv") : name);
        if (!name.isEmpty())
            QVERIFY(WriteBytes(path, bytes));

        QVERIFY(!tool.importDataFrom(path));
        QCOMPARE(prompter.messageTexts(), QStringList{text});
        QCOMPARE(prompter.messages[0].title, title);
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Critical);
        QCOMPARE(tool.handsets().grid().rows(), before.rows());
        for (int r = 0; r < before.rows(); ++r)
            QCOMPARE(tool.handsets().grid().rowTexts(r), before.rowTexts(r));
        QCOMPARE(tool.backEnabled(), backEnabled);
    }

    // A type no writer handles writes nothing and says so.
    void unsupportedExportWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("nes") << "site.nes";
        QTest::newRow("doc") << "list.doc";
    }

    void unsupportedExportWritesNothing()
    {
        QFETCH(QString, name);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        buildTwoHandsets(tool);
        QVERIFY(!tool.exportDataTo(home.file(name)));
        QVERIFY(!QFile::exists(home.file(name)));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].title, QStringLiteral("UNABLE TO EXPORT"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Critical);
        QVERIFY(prompter.messages[0].text.startsWith("Nothing was exported"));
    }

    // A write that fails is reported, never followed by the success message.
    void failedExportIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a folder of that name") << "taken.csv";
        QTest::newRow("no such folder") << "no/such/folder/site.csv";
    }

    void failedExportIsReported()
    {
        QFETCH(QString, name);
        TestHome home;
        QVERIFY(QDir(home.path()).mkpath("taken.csv"));
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        buildTwoHandsets(tool);
        QVERIFY(!tool.exportDataTo(home.file(name)));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].title, QStringLiteral("UNABLE TO EXPORT"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Critical);
        QVERIFY(prompter.messages[0].text.startsWith("Nothing was exported: the file could not be written.\r\n"));
        QVERIFY(QFileInfo(home.file("taken.csv")).isDir());
    }

    // A workbook holds the header row and every row; reading it back asks for
    // the sheet and gives the handsets again.
    void workbookRoundTrip()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        buildTwoHandsets(tool);
        tool.handsets().grid().setTextAt(2, HandsetColumns::PickupVip, "07");
        const GridTable exported = tool.handsets().grid();
        const QString path = home.file("site.xls");
        QVERIFY(tool.exportDataTo(path));
        QCOMPARE(prompter.messageTexts(), QStringList{"Exported to " + path});
        QCOMPARE(prompter.messages[0].title, QStringLiteral("Halvoran"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::None);

        const auto sheets = ReadWithPeer("xlrd", path);
        QVERIFY(sheets);
        const Records rows = TextsOf(sheets->value("Sheet1"));
        QCOMPARE(rows.value(0), exported.header());
        QCOMPARE(rows.value(1), exported.rowTexts(1));
        QCOMPARE(rows.value(2), exported.rowTexts(2));
        QCOMPARE(Trimmed(rows).size(), 3);

        prompter.clear();
        tool.handsets().grid().reset();
        prompter.queueInput("Sheet1$");
        QVERIFY(tool.importDataFrom(path));
        QCOMPARE(prompter.inputs.size(), 1);
        QCOMPARE(prompter.inputs[0].prompt, QStringLiteral("Please enter the Sheet name you wish to import"));
        QCOMPARE(prompter.inputs[0].title, QStringLiteral("Import from XLS"));
        QCOMPARE(prompter.inputs[0].defaultText, QStringLiteral("Sheet1$"));
        QVERIFY(prompter.messages.isEmpty());
        const GridTable &grid = tool.handsets().grid();
        QCOMPARE(grid.rows(), 4);
        QCOMPARE(grid.rowTexts(1), exported.rowTexts(1));
        QCOMPARE(grid.rowTexts(2), exported.rowTexts(2));
        QVERIFY(grid.isRowEmpty(3));
        QVERIFY(!tool.backEnabled());
    }

    void workbookWithoutTheSheet_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("wrong name") << false << "Sheet2$";
        QTest::newRow("empty name") << false << "";
        QTest::newRow("cancelled") << true << "";
    }

    void workbookWithoutTheSheet()
    {
        QFETCH(bool, cancel);
        QFETCH(QString, sheet);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        buildTwoHandsets(tool);
        const QString path = home.file("site.xls");
        QVERIFY(tool.exportDataTo(path));
        tool.handsets().grid().setTextAt(1, HandsetColumns::Loc, "05");
        const GridTable before = tool.handsets().grid();
        prompter.clear();
        if (cancel)
            prompter.queueInputCancel();
        else
            prompter.queueInput(sheet);
        QVERIFY(!tool.importDataFrom(path));
        QCOMPARE(prompter.messageTexts(), QStringList{"UNABLE TO OPEN SPECIFIED FILE"});
        QCOMPARE(prompter.messages[0].title, QStringLiteral("INCORRECT FILE FORMAT"));
        for (int r = 0; r < before.rows(); ++r)
            QCOMPARE(tool.handsets().grid().rowTexts(r), before.rowTexts(r));
        QVERIFY(!tool.backEnabled());
    }

    void cancelledImportOnlyMarksTheChange()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        buildTwoHandsets(tool);
        prompter.queueFileCancel();
        tool.importData();
        QVERIFY(tool.hasChanged());
        QVERIFY(tool.backEnabled());
        QCOMPARE(tool.handsets().grid().rows(), 4);
        QVERIFY(prompter.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHandsetFiles)
#include "test_handset_files.moc"
