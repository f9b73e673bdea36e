// The SCRIPTS tab: template rows, the template editor, and "IMPORT SCRIPT",
// "EXPORT SCRIPT" and "SAVE".
#include "files/workbook/Workbook.h"
#include "store/ScriptStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/tool/Version6Tool.h"

#include <QtTest>

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want HVN to save this New script as the default script?\r\n"
                                             "The original Default Script will be replaced?");

void setTemplate(Version6Tool &tool, int tab, const QList<QStringList> &rows)
{
    GridTable &grid = tool.templates().grid(tab);
    grid.reset();
    for (const QStringList &row : rows)
        grid.appendRow(row);
}

QList<QStringList> rowsOf(const GridTable &grid)
{
    QList<QStringList> rows;
    for (int r = 1; r < grid.rows(); ++r)
        rows.append(grid.rowTexts(r).mid(0, 5));
    return rows;
}

const QList<QStringList> kThreeLines{{"10", "%LEN%", "%EXT%", "", "first, with a comma"},
                                     {"12", "%EXT%", "%DS%", "", ""},
                                     {"52", "%EXT%", "0042", "x", "lower case"}};

} // namespace

class TestScriptFiles : public QObject {
    Q_OBJECT

private slots:
    void textRoundTrip()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        setTemplate(tool, 2, kThreeLines);
        const QString path = home.file("script.csv");
        prompter.queueFile(path);
        tool.exportScript(2);
        QCOMPARE(prompter.files.value(0).title, QStringLiteral("EXPORT LOCATION"));
        QCOMPARE(ReadBytes(path),
                 QByteArray("\"10\",\"%LEN%\",\"%EXT%\",\"\",\"first, with a comma\"\r\n"
                            "\"12\",\"%EXT%\",\"%DS%\",\"\",\"\"\r\n"
                            "\"52\",\"%EXT%\",\"0042\",\"x\",\"lower case\"\r\n"));

        const QList<QStringList> tab5Before = rowsOf(tool.templates().grid(5));
        prompter.queueFile(path);
        tool.importScript(4);
        QCOMPARE(prompter.files.value(1).title, QStringLiteral("Open Script File"));
        QCOMPARE(rowsOf(tool.templates().grid(4)), kThreeLines + QList<QStringList>{QStringList(5, QString())});
        QCOMPARE(rowsOf(tool.templates().grid(5)), tab5Before);
        QVERIFY(tool.hasChanged());
        QCOMPARE(prompter.messageTexts(), QStringList{"Data Exported Successfully!"});
    }

    void textImport_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<QStringList>>("rows"); // the template afterwards, trailing row left out
        QTest::addColumn<QStringList>("messages");
        const QList<QStringList> before{{"OLD", "1", "2", "", ""}};
        QTest::newRow("seven and three fields")
            << QByteArray("1,2,3,4,5,6,7\r\n8,9,10\r\n") << "a.csv"
            << QList<QStringList>{{"1", "2", "3", "4", "5"}, {"6", "7", "8", "9", "10"}} << QStringList{};
        QTest::newRow("unquoted numbers stay text")
            << QByteArray("000001,\"000001\", 1.50 ,,\r\n") << "a.nes"
            << QList<QStringList>{{"000001", "000001", "1.50", "", ""}} << QStringList{};
        QTest::newRow("cut short: nothing changes")
            << QByteArray("1,2,3,4,5\r\n6,7\r\n") << "a.txt" << before << QStringList{"UNABLE TO OPEN SPECIFIED FILE"};
        QTest::newRow("other type") << QByteArray("1,2,3,4,5\r\n") << "a.doc" << before
                                    << QStringList{"INVALID IMPORT FILE TYPE"};
    }

    void textImport()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QStringList, messages);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        setTemplate(tool, 0, {{"OLD", "1", "2", "", ""}});
        QVERIFY(WriteBytes(home.file(name), file));
        QCOMPARE(tool.importScriptFrom(0, home.file(name)), messages.isEmpty());
        QCOMPARE(rowsOf(tool.templates().grid(0)).mid(0, rows.size()), rows);
        QCOMPARE(prompter.messageTexts(), messages);
    }

    // Workbooks: a heading row, the first five cells of each row, "&" leading a value dropped.
    void workbookImport()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        GridTable sheet(QStringLiteral("A|B|C|D|E|F"));
        sheet.appendRow({"&10", "a&b", "&&x", "", "text", "sixth"});
        sheet.appendRow({"12", "%EXT%", "0042", "", "", ""});
        const QString path = home.file("script.xls");
        QVERIFY(WriteWorkbook(sheet, path, WorkbookLayout{0, sheet.rows() - 2, 6, {}}).ok());
        prompter.queueInput(QStringLiteral("Sheet1$"));
        QVERIFY(tool.importScriptFrom(3, path));
        const QList<QStringList> imported{
            {"10", "a&b", "&x", "", "text"}, {"12", "%EXT%", "0042", "", ""}, QStringList(5, QString())};
        QCOMPARE(rowsOf(tool.templates().grid(3)), imported);
        QCOMPARE(prompter.inputs.value(0).prompt, QStringLiteral("Please enter the Sheet name you wish to import"));

        // Exported with the heading row first, the trailing row and the sixth column
        // included: imported back, every line returns.
        setTemplate(tool, 3, kThreeLines);
        const QList<QStringList> exported = rowsOf(tool.templates().grid(3));
        for (const char *name : {"again.xls", "again.xlsx", "again.ods"}) {
            QVERIFY(tool.exportScriptTo(3, home.file(name)));
            QCOMPARE(prompter.messageTexts().last(), QStringLiteral("Exported to ") + home.file(name));
            prompter.queueInput(QStringLiteral("Sheet1$"));
            QVERIFY(tool.importScriptFrom(4, home.file(name)));
            QCOMPARE(rowsOf(tool.templates().grid(4)), exported);
        }
    }

    void nesIsNotWritten()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        QVERIFY(!tool.exportScriptTo(0, home.file("script.nes")));
        QVERIFY(!QFile::exists(home.file("script.nes")));
        QCOMPARE(prompter.messages.value(0).title, QStringLiteral("UNABLE TO EXPORT"));
    }

    void save_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::newRow("No leaves the store") << false << kThreeLines;
        QTest::newRow("only the trailing row") << true << QList<QStringList>{};
        QTest::newRow("three lines") << true << kThreeLines;
    }

    void save()
    {
        QFETCH(bool, yes);
        QFETCH(QList<QStringList>, rows);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        const ScriptStore store = ScriptStore::standard();
        const QList<TemplateRecord> before = *store.readTemplate(QStringLiteral("SCRIPTa6"));
        setTemplate(tool, 6, rows);
        yes ? prompter.queueYes() : prompter.queueNo();
        QCOMPARE(tool.saveScript(6), yes);
        QCOMPARE(prompter.messages.value(0).text, kSaveQuestion);
        QCOMPARE(prompter.messages.value(0).title, QStringLiteral("Check User Action"));

        const QList<TemplateRecord> stored = *store.readTemplate(QStringLiteral("SCRIPTa6"));
        if (!yes) {
            QCOMPARE(stored, before);
            return;
        }
        TemplateRecord trailing;
        trailing.fields[0] = QStringLiteral("XTX");
        QCOMPARE(stored.size(), rows.size() + 1);
        QCOMPARE(stored.last(), trailing);
        if (!rows.isEmpty()) {
            QCOMPARE(stored[1].fields[1], std::optional<QString>("%EXT%"));
            QCOMPARE(stored[1].fields[3], std::optional<QString>());
        }
        // The next window loads what was saved.
        Version6Tool reopened(prompter);
        reopened.open();
        QCOMPARE(rowsOf(reopened.templates().grid(6)), rowsOf(tool.templates().grid(6)));
    }

    // Text3: typing opens with the cell's text; arrows write back and move within
    // the grid; a scroll drops the edit; leaving for another cell keeps that one.
    void templateEditor()
    {
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        setTemplate(tool, 1, kThreeLines);
        GridTable &grid = tool.templates().grid(1);
        grid.setCurrent(1, 4);
        QCOMPARE(tool.startTemplateEdit(1), QStringLiteral("first, with a comma"));
        tool.templateEditorKey(EditorKey::Right, QStringLiteral("changed"));
        QCOMPARE(grid.textAt(1, 4), QStringLiteral("changed"));
        QCOMPARE(grid.col(), 5);
        tool.startTemplateEdit(1);
        tool.templateEditorKey(EditorKey::Right, QStringLiteral("sixth"));
        QCOMPARE(grid.col(), 5); // the edge
        grid.setCurrent(4, 0);
        tool.startTemplateEdit(1);
        tool.templateEditorKey(EditorKey::Down, QStringLiteral("99"));
        QCOMPARE(grid.row(), 4);
        QCOMPARE(grid.textAt(4, 0), QStringLiteral("99"));
        tool.startTemplateEdit(1);
        tool.templateScrolled();
        QVERIFY(!tool.commitTemplateEdit(QStringLiteral("lost")));
        QCOMPARE(grid.textAt(4, 0), QStringLiteral("99"));
        tool.startTemplateEdit(1);
        grid.setCurrent(2, 2);
        QVERIFY(tool.commitTemplateEdit(QStringLiteral("left")));
        QCOMPARE(grid.textAt(4, 0), QStringLiteral("left"));
        QCOMPARE(grid.row(), 2);

        // "&Add Row" appends; "&Remove Row" takes the last row, never the header.
        tool.addTemplateRow(1);
        QCOMPARE(grid.rows(), 6);
        for (int i = 0; i < 8; ++i)
            tool.removeTemplateRow(1);
        QCOMPARE(grid.rows(), 1);
    }
};

QTEST_GUILESS_MAIN(TestScriptFiles)
#include "test_script_files.moc"
