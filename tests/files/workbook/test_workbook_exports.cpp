// Every tool's workbook exports in every workbook format: the sheet as another
// program reads it (every cell of the layout there, empty texts as text cells),
// and the file read back by the tool's import.
#include "PeerSheets.h"
#include "support/ToolFixture.h"
#include "version6/AddRange.h"

#include "files/workbook/Workbook.h"
#include "nameassign/NameAssigner.h"
#include "speeddial/SpeedDialAssigner.h"
#include "version6/tool/Version6Tool.h"

#include <QtTest>

namespace {

// A workbook holding the heading row and the records given, in Sheet1.
void WriteSheet(const QString &path, const QString &headings, const Records &records)
{
    GridTable sheet(headings);
    for (const QStringList &record : records)
        sheet.appendRow(record);
    QVERIFY(WriteWorkbook(sheet, path, {0, sheet.rows() - 2, int(sheet.header().size()), {}}).ok());
}

QString PeerOf(const QString &suffix)
{
    return suffix == ".xls" ? "xlrd" : suffix == ".xlsx" ? "openpyxl" : "odf";
}

// Sheet1 as the peer reads it: the texts, every cell a text cell.
Records PeerSheet(const QString &path)
{
    const auto sheets = ReadWithPeer(PeerOf("." + QFileInfo(path).suffix()), path);
    if (!sheets || !sheets->contains("Sheet1"))
        return {{"the peer could not read " + path}};
    for (const QList<PeerCell> &row : sheets->value("Sheet1"))
        for (const PeerCell &cell : row)
            if (cell.kind != "text")
                return {{"not a text cell: " + cell.text + " (" + cell.kind + ")"}};
    return TextsOf(sheets->value("Sheet1"));
}

Records RowsOf(const GridTable &grid, int first, int columns)
{
    Records rows;
    for (int r = first; r < grid.rows(); ++r)
        rows.append(grid.rowTexts(r).mid(0, columns));
    return rows;
}

} // namespace

class TestWorkbookExports : public QObject {
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void xlsmIsReadNeverWritten();
};

void TestWorkbookExports::shapes_data()
{
    QTest::addColumn<QString>("suffix");
    for (const char *suffix : {".xls", ".xlsx", ".ods"})
        QTest::newRow(suffix) << QString::fromLatin1(suffix);
}

void TestWorkbookExports::shapes()
{
    QFETCH(QString, suffix);
    {
        // Name Assigner: "EXPORT NOW" of two records is the header, the two rows and
        // the spare row, six columns; "UPDATE INPUT DATA" the three input columns
        // under their headings, read back as the two records.
        ToolFixture<NameAssigner> f;
        const QString source = f.file("site" + suffix);
        WriteSheet(source, "EXT|NAME", {{"2001", "JOHN SMITH"}, {"02002", "Ann"}});
        f.prompter.queueInput("Sheet1$");
        f.prompter.queueFile(source);
        QCOMPARE(f.tool.chooseImport(), NameAssigner::ImportResult::Imported);
        const QString output = f.file("names" + suffix);
        f.tool.setExportTarget(output);
        QVERIFY(f.tool.exportNow());
        const Records exported = PeerSheet(output);
        QCOMPARE(exported.size(), 4);
        QCOMPARE(exported, RowsOf(f.tool.output(), 0, 6));
        QCOMPARE(exported[3], QStringList(6, QString()));

        QVERIFY(f.tool.updateInput());
        QCOMPARE(PeerSheet(source), RowsOf(f.tool.input(), 0, 3));
        const WorkbookRecords back = ReadWorkbookRecords(source, "Sheet1$");
        QVERIFY2(back.ok(), qPrintable(back.reason));
        QCOMPARE(Trimmed(back.records), (Records{{"2001", "JOHN SMITH"}, {"02002", "Ann"}}));
    }
    {
        // Speed Dial Assigner: two entries are four pair rows and the spare row, six
        // columns, no header.
        ToolFixture<SpeedDialAssigner> f;
        f.import("dials.csv", "Reception,9,0123456789\r\nNight,,55\r\n");
        const QString output = f.file("dials" + suffix);
        f.tool.setExportTarget(output);
        QVERIFY(f.tool.exportNow());
        const Records exported = PeerSheet(output);
        QCOMPARE(exported.size(), 5);
        QCOMPARE(exported, RowsOf(f.tool.output(), 1, 6));
    }
    {
        // Version 6.0: an empty Pickup Groups table is one row of six empty texts;
        // "EXPORT DATA" of two handsets the header, the two and the spare row, ten
        // columns, and "IMPORT DATA" of that file gives back the two handsets.
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        AddRange(tool, "01", "000", "001", "2000");
        tool.next();
        tool.compile();
        const QString pickup = home.file("pickup" + suffix);
        QVERIFY(tool.exportOutputTo(OutputGrids::PickupGroups, pickup));
        QCOMPARE(PeerSheet(pickup), Records{QStringList(6, QString())});

        const QString data = home.file("site" + suffix);
        tool.handsets().grid().setTextAt(1, 3, "007");
        const Records handsets = RowsOf(tool.handsets().grid(), 0, 10);
        QVERIFY(tool.exportDataTo(data));
        QCOMPARE(prompter.messageTexts().last(), "Exported to " + data);
        const Records exported = PeerSheet(data);
        QCOMPARE(exported.size(), 4);
        QCOMPARE(exported, handsets);

        tool.handsets().grid().setTextAt(1, 3, "changed");
        prompter.queueInput("Sheet1$");
        QVERIFY(tool.importDataFrom(data));
        QCOMPARE(RowsOf(tool.handsets().grid(), 0, 10), handsets);
    }
}

// A workbook with macros is imported, but never written back: its macros would be lost.
void TestWorkbookExports::xlsmIsReadNeverWritten()
{
    ToolFixture<NameAssigner> f;
    const QString source = f.file("site.xlsm");
    GridTable sheet("EXT|NAME");
    sheet.appendRow({"2001", "Ann"});
    QVERIFY(WriteWorkbook(sheet, source, {0, 1, 2, {}}, WorkbookFormat::Xlsx).ok());
    const QByteArray before = ReadBytes(source);
    f.prompter.queueInput("Sheet1$");
    f.prompter.queueFile(source);
    QCOMPARE(f.tool.chooseImport(), NameAssigner::ImportResult::Imported);
    QCOMPARE(f.tool.input().rowTexts(1).mid(0, 2), (QStringList{"2001", "Ann"}));
    f.prompter.clear();
    QVERIFY(!f.tool.updateInput());
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].title, QStringLiteral("NOTHING WRITTEN"));
    QVERIFY2(f.prompter.messages[0].text.contains(".xlsx or .ods"), qPrintable(f.prompter.messages[0].text));
    QCOMPARE(ReadBytes(source), before);
}

QTEST_GUILESS_MAIN(TestWorkbookExports)
#include "test_workbook_exports.moc"
