// The Name Assigner tool with scripted prompts and a recording printer.
#include "assigner/AssignerTexts.h"
#include "files/FileMessages.h"
#include "files/workbook/Workbook.h"
#include "grid/PrintLines.h"
#include "nameassign/NameAssigner.h"
#include "store/ScriptStore.h"
#include "support/ToolFixture.h"

#include <QtTest>

namespace {

const QByteArray kTwoNames = "100,\"JOHN SMITH\"\r\n101,\"Ann\"\r\n";

using Fixture = ToolFixture<NameAssigner>;

// A workbook whose Sheet1 holds a heading row and the rows given.
bool WriteSheet(const QString &path, const QList<QStringList> &rows)
{
    GridTable sheet(QStringLiteral("EXT|NAME"));
    for (const QStringList &row : rows)
        sheet.appendRow(row);
    return WriteWorkbook(sheet, path, {0, sheet.rows() - 2, 2, {}}).ok();
}

// The cells of a workbook's first sheet as python's xlrd reads them, each row
// padded to `columns`, trailing empty rows left out.
QList<QStringList> PeerReadSheet(const QString &path, int columns)
{
    const QString script = QStringLiteral(
        "import sys, xlrd\n"
        "s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
        "rows = [[str(v) for v in s.row_values(r)] + [''] * (int(sys.argv[2]) - s.ncols) for r in range(s.nrows)]\n"
        "while rows and not any(rows[-1]): rows.pop()\n"
        "sys.stdout.write('\\n'.join('\\t'.join(r) for r in rows))\n");
    QProcess python;
    python.start(QStringLiteral(HALVORAN_SYSTEM_PYTHON),
                 {QStringLiteral("-c"), script, path, QString::number(columns)});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        return {{QStringLiteral("xlrd failed: ") + QString::fromUtf8(python.readAllStandardError())}};
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char('\n')))
        rows.append(line.split(QLatin1Char('\t')));
    return rows;
}

QStringList column(const GridTable &grid, int col)
{
    QStringList texts;
    for (int r = 1; r < grid.rows(); ++r)
        texts.append(grid.textAt(r, col));
    return texts;
}

} // namespace

class TestNameAssigner : public QObject {
    Q_OBJECT
private slots:
    void loadsTemplateAndDefaults();
    void importsRecordsSpreadOverLines();
    void failedImportLeavesGrids_data();
    void failedImportLeavesGrids();
    void importKeepsATypedSpareRow();
    void workbookImport_data();
    void workbookImport();
    void workbookWrites();
    void exportWritesFiveFields();
    void exportNeedsTargetOrDialog();
    void exportThatWritesNothing_data();
    void exportThatWritesNothing();
    void updateWritesInputBack();
    void lossOfDataQuestion_data();
    void lossOfDataQuestion();
    void removeRow_data();
    void removeRow();
    void addRowThenEditName();
    void editorKeys_data();
    void editorKeys();
    void escapeStoresText();
    void manualEditingState();
    void resetKeepsPathsAndFlag();
    void printsBothGrids();
    void printerFailure();
    void settingsRoundTrip();
};

void TestNameAssigner::loadsTemplateAndDefaults()
{
    Fixture f;
    ScriptStore store = ScriptStore::standard();
    QVERIFY(store.ensureExists());
    TemplateRecord nullWord = TemplateRecord::of({"770", "%EXT%", "41", "NULL", "NULL"});
    TemplateRecord nullField = TemplateRecord::of({"771", "a", "b", "", "t"});
    nullField.fields[3] = std::nullopt;
    TemplateRecord text = TemplateRecord::of({"772", "a", "b", "X", "t"});
    QVERIFY(store.replaceTemplate(StoreTables::kNameAssign, {nullWord, nullField, text}));

    QVERIFY(f.tool.load());
    const GridTable &script = f.tool.script();
    QCOMPARE(script.rows(), 5);
    QCOMPARE(script.rowTexts(1), (QStringList{"770", "%EXT%", "41", "", "NULL", ""}));
    QCOMPARE(script.textAt(2, 3), QString());
    QCOMPARE(script.textAt(3, 3), QStringLiteral("X"));
    QVERIFY(script.isRowEmpty(4));

    QCOMPARE(f.tool.statusPrompt(), AssignerTexts::kStartPrompt);
    QCOMPARE(f.tool.dialog().folder, f.home.path());
    QCOMPARE(f.tool.dialog().filterIndex, 0);
    QVERIFY(!f.tool.hasChanged());
    QVERIFY(!f.tool.exportEnabled());
    QVERIFY(!f.tool.updateButtonVisible());
    QVERIFY(!f.tool.updateMenuEnabled());
}

void TestNameAssigner::importsRecordsSpreadOverLines()
{
    Fixture f;
    f.tool.load();
    // Three fields on one line and one on the next still pair up.
    QCOMPARE(f.import("list.csv", "100,\"Ann\",101\r\n\"Bob\"\r\n"), NameAssigner::ImportResult::Imported);
    QCOMPARE(column(f.tool.input(), 0), (QStringList{"100", "101", ""}));
    QCOMPARE(column(f.tool.input(), 1), (QStringList{"Ann", "Bob", ""}));
    QCOMPARE(f.tool.output().rowTexts(2), (QStringList{"770", "101", "426F62", "", "Bob", ""}));
    QVERIFY(f.tool.output().isRowEmpty(3));
    QCOMPARE(f.tool.importPath(), f.home.file("list.csv"));
    QCOMPARE(f.tool.statusPrompt(), QStringLiteral("Opening File ") + f.home.file("list.csv"));
    QCOMPARE(f.prompter.files.first().title, QStringLiteral("Open file for Conversion"));
    QVERIFY(!f.prompter.files.first().save);
    QVERIFY(f.prompter.messages.isEmpty());
    QVERIFY(f.tool.hasChanged());
}

void TestNameAssigner::failedImportLeavesGrids_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("odd number of fields") << "odd.csv" << QByteArray("100,\"Ann\",101\r\n")
                                          << FileMessages::kUnreadableText << FileMessages::kUnreadableTitle;
    QTest::newRow("missing file") << "missing.txt" << QByteArray() << FileMessages::kUnreadableText
                                  << FileMessages::kUnreadableTitle;
    QTest::newRow("unknown type") << "names.doc" << kTwoNames << FileMessages::kBadImportTypeText
                                  << FileMessages::kBadImportTypeTitle;
    QTest::newRow("no type yet") << "names" << kTwoNames << FileMessages::kBadImportTypeText
                                 << FileMessages::kBadImportTypeTitle;
}

void TestNameAssigner::failedImportLeavesGrids()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, title);
    Fixture f;
    // The grids hold an earlier import, which a failed import must not lose.
    f.tool.importFrom(f.file("first.nev", "7,\"Kept\"\r\n"));
    f.tool.input().setCurrent(2, 1);
    const GridTable input = f.tool.input();
    const GridTable output = f.tool.output();
    // A name without a dot keeps the type of the file before it, here DOC.
    f.tool.importFrom(f.file("fresh/x.doc", "1,2\r\n"));
    f.prompter.clear();

    const QString source = f.tool.importPath();
    QCOMPARE(f.import(name, bytes), NameAssigner::ImportResult::Failed);
    QCOMPARE(f.tool.importPath(), source); // a file that failed is never the one written back
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].text, text);
    QCOMPARE(f.prompter.messages[0].title, title);
    QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Critical);
    QCOMPARE(f.tool.input().rows(), input.rows());
    for (int r = 0; r < input.rows(); ++r) {
        QCOMPARE(f.tool.input().rowTexts(r), input.rowTexts(r));
        QCOMPARE(f.tool.output().rowTexts(r), output.rowTexts(r));
    }
}

void TestNameAssigner::importKeepsATypedSpareRow()
{
    Fixture f;
    f.tool.startEdit('9');
    f.tool.commitEdit(QStringLiteral("999"));
    f.import("list.txt", kTwoNames);
    QCOMPARE(column(f.tool.input(), 0), (QStringList{"999", "100", "101", ""}));
    QCOMPARE(column(f.tool.output(), 1), (QStringList{"999", "100", "101", ""}));
}

void TestNameAssigner::workbookImport_data()
{
    QTest::addColumn<bool>("workbook");
    QTest::addColumn<QList<QStringList>>("sheet"); // rows below the headings
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    const QList<QStringList> rows{{"2001", "JOHN SMITH"}, {"2002", ""}, {"0123"}};
    const int imported = int(NameAssigner::ImportResult::Imported);
    const int cancelled = int(NameAssigner::ImportResult::Cancelled);
    const int failed = int(NameAssigner::ImportResult::Failed);
    QTest::newRow("default sheet") << true << rows << true << "Sheet1$" << imported << "";
    QTest::newRow("sheet name in another case") << true << rows << true << "SHEET1" << imported << "";
    QTest::newRow("empty answer") << true << rows << true << "" << cancelled << "";
    QTest::newRow("box cancelled") << true << rows << false << "" << cancelled << "";
    QTest::newRow("wrong sheet") << true << rows << true << "Sheet2$" << failed << FileMessages::kBadSheetText;
    QTest::newRow("headings only") << true << QList<QStringList>() << true << "Sheet1$" << failed
                                   << FileMessages::kBadSheetText;
    QTest::newRow("not a workbook") << false << rows << true << "Sheet1$" << failed << FileMessages::kBadSheetText;
}

void TestNameAssigner::workbookImport()
{
    QFETCH(bool, workbook);
    QFETCH(QList<QStringList>, sheet);
    QFETCH(bool, answered);
    QFETCH(QString, answer);
    QFETCH(int, result);
    QFETCH(QString, message);
    Fixture f;
    f.import("first.csv", "7,\"Kept\"\r\n");
    f.prompter.clear();
    const QString path = f.file("site.xls");
    if (workbook)
        QVERIFY(WriteSheet(path, sheet));
    else
        QVERIFY(WriteBytes(path, kTwoNames));
    if (answered)
        f.prompter.queueInput(answer);
    else
        f.prompter.queueInputCancel();
    f.prompter.queueFile(path, 2);

    QCOMPARE(int(f.tool.chooseImport()), result);
    QCOMPARE(f.prompter.inputs.size(), 1);
    QCOMPARE(f.prompter.inputs[0].prompt, QStringLiteral("Please enter the Sheet name you wish to import"));
    QCOMPARE(f.prompter.inputs[0].title, QStringLiteral("Import from XLS"));
    QCOMPARE(f.prompter.inputs[0].defaultText, QStringLiteral("Sheet1$"));
    if (message.isEmpty()) {
        QVERIFY(f.prompter.messages.isEmpty());
    } else {
        QCOMPARE(f.prompter.messageTexts(), QStringList{message});
        QCOMPARE(f.prompter.messages[0].title, QStringLiteral("INCORRECT FILE INFORMATION"));
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Critical);
    }
    if (result != int(NameAssigner::ImportResult::Imported)) {
        QCOMPARE(column(f.tool.input(), 0), (QStringList{"7", ""}));
        return;
    }
    QCOMPARE(column(f.tool.input(), 0), (QStringList{"7", "2001", "2002", "0123", ""}));
    QCOMPARE(f.tool.output().rowTexts(2), (QStringList{"770", "2001", "4A4F484E20534D495448", "", "JOHN SMITH", ""}));
    // An empty name cell gives an empty name and hex name.
    QCOMPARE(f.tool.output().rowTexts(3), (QStringList{"770", "2002", "", "", "", ""}));
}

void TestNameAssigner::workbookWrites()
{
    Fixture f;
    const QString source = f.file("site.xls");
    QVERIFY(WriteSheet(source, {{"2001", "JOHN SMITH"}, {"2002", "Ann"}}));
    f.prompter.queueInput(QStringLiteral("Sheet1$"));
    f.prompter.queueFile(source);
    f.tool.chooseImport();
    f.prompter.queueFile(f.file("out/names.xls"));
    f.tool.chooseExportTarget();
    f.prompter.clear();

    QVERIFY(f.tool.exportNow());
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].text, "Exported to " + f.file("out/names.xls"));
    QCOMPARE(f.prompter.messages[0].title, QStringLiteral("Halvoran"));
    QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::None);
    QCOMPARE(PeerReadSheet(f.file("out/names.xls"), 6),
             (QList<QStringList>{f.tool.output().header(),
                                 {"770", "2001", "4A4F484E20534D495448", "", "JOHN SMITH", ""},
                                 {"770", "2002", "416E6E", "", "Ann", ""}}));

    // The update writes the three input columns back under their headings, silently.
    f.tool.input().setCurrent(2, 0);
    f.tool.startEdit('3');
    f.tool.commitEdit(QStringLiteral("3002"));
    f.prompter.clear();
    QVERIFY(f.tool.updateInput());
    QVERIFY(f.prompter.messages.isEmpty());
    QVERIFY(!f.tool.updateButtonVisible());
    QCOMPARE(PeerReadSheet(source, 3),
             (QList<QStringList>{f.tool.input().header(), {"2001", "JOHN SMITH", ""}, {"3002", "Ann", ""}}));
}

void TestNameAssigner::exportWritesFiveFields()
{
    Fixture f;
    f.tool.load();
    f.import("dir.with.dots/list.csv", kTwoNames);
    QVERIFY(!f.tool.exportEnabled());
    f.prompter.queueFile(f.file("out/names.csv"), 1);
    f.tool.chooseExportTarget();
    QVERIFY(f.tool.exportEnabled());
    QCOMPARE(f.tool.exportPath(), f.file("out/names.csv"));
    QVERIFY(f.prompter.files.last().save);
    QCOMPARE(f.prompter.files.last().title, QStringLiteral("Export Location"));

    QVERIFY(f.tool.exportNow());
    QCOMPARE(ReadBytes(f.file("out/names.csv")),
             QByteArray("\"770\",\"100\",\"4A4F484E20534D495448\",\"\",\"JOHN SMITH\"\r\n"
                        "\"770\",\"101\",\"416E6E\",\"\",\"Ann\"\r\n"
                        "\"\",\"\",\"\",\"\",\"\"\r\n"));
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].text, QStringLiteral("File Exported Successfully!"));
    QCOMPARE(f.prompter.messages[0].title, QStringLiteral("For Your Information"));
    QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
    QVERIFY(!f.tool.hasChanged());
}

void TestNameAssigner::exportNeedsTargetOrDialog()
{
    Fixture f;
    f.prompter.queueFileCancel();
    f.tool.chooseExportTarget();
    QVERIFY(!f.tool.exportEnabled());
    QVERIFY(f.tool.hasChanged());

    // Without a target (as on closing) the export asks; a cancel keeps the flag set.
    f.prompter.queueFileCancel();
    QVERIFY(!f.tool.exportNow());
    QVERIFY(f.tool.hasChanged());
    QVERIFY(f.prompter.messages.isEmpty());

    f.prompter.queueFile(f.file("late.txt"));
    QVERIFY(f.tool.exportNow());
    QCOMPARE(ReadBytes(f.file("late.txt")), QByteArray("\"\",\"\",\"\",\"\",\"\"\r\n"));
    QCOMPARE(f.tool.exportPath(), f.file("late.txt"));
}

void TestNameAssigner::exportThatWritesNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("title");
    QTest::newRow("unsupported type") << "out.doc" << FileMessages::kNothingWrittenTitle;
    QTest::newRow("missing folder") << "no/such/folder/out.csv" << FileMessages::kWriteFailedTitle;
}

void TestNameAssigner::exportThatWritesNothing()
{
    QFETCH(QString, target);
    QFETCH(QString, title);
    Fixture f;
    f.import("list.csv", kTwoNames);
    f.prompter.clear();
    const QString path = f.home.file(target);
    f.tool.setExportTarget(path);

    QVERIFY(!f.tool.exportNow());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].title, title);
    QVERIFY(f.prompter.messages[0].text.contains(path));
    QVERIFY(f.tool.hasChanged()); // nothing was exported

    // Writing the input back to such a file says the same and keeps both ways open.
    NameAssigner fresh(f.prompter, f.printer);
    fresh.addRow();
    f.prompter.clear();
    f.prompter.queueFile(path);
    QVERIFY(!fresh.updateInput());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].title, title);
    QVERIFY(fresh.updateButtonVisible());
    QVERIFY(fresh.updateMenuEnabled());
}

void TestNameAssigner::updateWritesInputBack()
{
    Fixture f;
    f.import("list.csv", kTwoNames);
    f.tool.input().setCurrent(2, 1);
    f.tool.startEdit('B');
    f.tool.commitEdit(QStringLiteral("Bea \"B\""));
    QVERIFY(f.tool.updateButtonVisible());
    QVERIFY(f.tool.updateMenuEnabled());
    f.prompter.clear();

    QVERIFY(f.tool.updateInput());
    QCOMPARE(ReadBytes(f.file("list.csv")),
             QByteArray("\"100\",\"JOHN SMITH\"\r\n\"101\",\"Bea \"\"B\"\"\"\r\n\"\",\"\"\r\n"));
    QCOMPARE(f.prompter.messageTexts(), QStringList{"File Updated Successfully!"});
    QVERIFY(!f.tool.updateButtonVisible());
    QVERIFY(!f.tool.updateMenuEnabled());
    QVERIFY(f.tool.hasChanged()); // an update is not an export
}

void TestNameAssigner::lossOfDataQuestion_data()
{
    QTest::addColumn<bool>("exportFirst");
    QTest::addColumn<bool>("asked");
    QTest::newRow("after an import") << false << true;
    QTest::newRow("after an export") << true << false;
}

void TestNameAssigner::lossOfDataQuestion()
{
    QFETCH(bool, exportFirst);
    QFETCH(bool, asked);
    Fixture f;
    f.tool.load();
    f.import("list.csv", kTwoNames);
    if (exportFirst) {
        f.prompter.queueFile(f.file("out.csv"));
        f.tool.chooseExportTarget();
        f.tool.exportNow();
    }
    f.prompter.clear();
    f.prompter.queueNo();
    f.tool.close();
    if (!asked) {
        QVERIFY(f.prompter.messages.isEmpty());
        return;
    }
    QCOMPARE(f.prompter.messages.size(), 1);
    const Prompter::Message &question = f.prompter.messages[0];
    QCOMPARE(question.title, QStringLiteral("LOSS OF DATA!"));
    QCOMPARE(question.text,
             QStringLiteral("YOU HAVE CHANGED INFORMATION ON THIS SCREEN SINCE YOUR LAST EXPORT\r\n"
                            "WOULD YOU LIKE TO RE-EXPORT WITH THESE CHANGES?"));
    QCOMPARE(question.icon, Prompter::Icon::None);
    QCOMPARE(question.buttons, Prompter::Buttons::YesNo);

    // Yes exports (asking for a target) and writes the input back.
    Fixture g;
    g.import("list.csv", kTwoNames);
    g.prompter.clear();
    g.prompter.queueYes();
    g.prompter.queueFile(g.file("closing.txt"));
    g.tool.close();
    QCOMPARE(g.prompter.messageTexts(),
             (QStringList{AssignerTexts::kLossText, "File Exported Successfully!", "File Updated Successfully!"}));
    QVERIFY(ReadBytes(g.file("closing.txt")).startsWith("\"770\",\"100\""));
}

void TestNameAssigner::removeRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("extensions");
    const QByteArray three = "1,\"A\"\r\n2,\"B\"\r\n3,\"C\"\r\n";
    QTest::newRow("row 3") << 3 << QStringList{"1", "2", ""};
    QTest::newRow("row 1") << 1 << QStringList{"2", "3", ""};
    QTest::newRow("the spare row stays") << 4 << QStringList{"1", "2", "3", ""};
}

void TestNameAssigner::removeRow()
{
    QFETCH(int, row);
    QFETCH(QStringList, extensions);
    Fixture f;
    f.import("list.csv", "1,\"A\"\r\n2,\"B\"\r\n3,\"C\"\r\n");
    f.tool.input().setCurrent(row, 1);
    f.tool.removeRow();
    QCOMPARE(column(f.tool.input(), 0), extensions);
    QCOMPARE(column(f.tool.output(), 1), extensions);
    QVERIFY(f.tool.output().isRowEmpty(f.tool.output().rows() - 1));
}

void TestNameAssigner::addRowThenEditName()
{
    Fixture f;
    f.import("list.csv", "1,\"A\"\r\n");
    f.tool.addRow();
    QCOMPARE(f.tool.input().rows(), 4);
    QCOMPARE(f.tool.output().rows(), 4);
    QVERIFY(f.tool.updateButtonVisible());
    QVERIFY(f.tool.updateMenuEnabled());
    QVERIFY(f.tool.output().isRowEmpty(3));

    f.tool.input().setCurrent(3, 1);
    f.tool.startEdit(0);
    f.tool.commitEdit(QStringLiteral("Zoe"));
    QCOMPARE(f.tool.output().rowTexts(3), (QStringList{"770", "", "5A6F65", "", "Zoe", ""}));
    QCOMPARE(f.tool.input().rowTexts(3), (QStringList{"", "Zoe", ""}));
}

void TestNameAssigner::editorKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("newRow");
    QTest::addColumn<int>("newCol");
    QTest::addColumn<int>("rows");
    // Two imported rows and the spare row: rows() is 4, the last row is 3.
    QTest::newRow("Down on the last row appends") << int(EditorKey::Down) << 3 << 1 << 3 << 0 << 5;
    QTest::newRow("Down moves down") << int(EditorKey::Down) << 2 << 1 << 3 << 1 << 4;
    QTest::newRow("Up on row 1 stays") << int(EditorKey::Up) << 1 << 1 << 1 << 1 << 4;
    QTest::newRow("Up moves up") << int(EditorKey::Up) << 3 << 1 << 2 << 1 << 4;
    QTest::newRow("Left in column 0 stays") << int(EditorKey::Left) << 3 << 0 << 3 << 0 << 4;
    QTest::newRow("Right in the last column stays") << int(EditorKey::Right) << 3 << 2 << 3 << 2 << 4;
    QTest::newRow("Right moves right") << int(EditorKey::Right) << 3 << 0 << 3 << 1 << 4;
    QTest::newRow("Return stays") << int(EditorKey::Return) << 3 << 1 << 3 << 1 << 4;
}

void TestNameAssigner::editorKeys()
{
    QFETCH(int, key);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, newRow);
    QFETCH(int, newCol);
    QFETCH(int, rows);
    Fixture f;
    f.import("list.csv", kTwoNames);
    f.tool.input().setCurrent(row, col);
    f.tool.startEdit('Q');
    f.tool.editorKey(EditorKey(key), QStringLiteral("Q1"));

    QVERIFY(!f.tool.editorOpen());
    QCOMPARE(f.tool.input().textAt(row, col), QStringLiteral("Q1")); // committed first
    QCOMPARE(f.tool.input().row(), newRow);
    QCOMPARE(f.tool.input().col(), newCol);
    QCOMPARE(f.tool.input().rows(), rows);
    QCOMPARE(f.tool.output().rows(), rows);
    if (rows > 4) { // the appended rows are empty
        QVERIFY(f.tool.input().isRowEmpty(rows - 1));
        QVERIFY(f.tool.output().isRowEmpty(rows - 1));
    }
}

void TestNameAssigner::escapeStoresText()
{
    Fixture f;
    f.import("list.csv", kTwoNames);
    f.tool.input().setCurrent(1, 1);
    const EditorStart start = f.tool.startEdit('J');
    QCOMPARE(start.text, QStringLiteral("J"));
    f.tool.editorKey(EditorKey::Escape, QStringLiteral("JANE DOE"));
    QCOMPARE(f.tool.input().textAt(1, 1), QStringLiteral("JANE DOE"));
    QCOMPARE(f.tool.output().rowTexts(1), (QStringList{"770", "100", "4A414E4520444F45", "", "JANE DOE", ""}));
    // The loss of focus that follows commits nothing more.
    QVERIFY(!f.tool.commitEdit(QStringLiteral("other")));
    QCOMPARE(f.tool.input().textAt(1, 1), QStringLiteral("JANE DOE"));
}

void TestNameAssigner::manualEditingState()
{
    Fixture f;
    f.tool.load();
    const EditorStart start = f.tool.startEdit(' ');
    QCOMPARE(start.text, QString());
    QCOMPARE(f.tool.statusPrompt(), QStringLiteral("MANUAL INPUT"));
    QVERIFY(f.tool.hasChanged());
    QVERIFY(f.tool.updateButtonVisible());
    QVERIFY(!f.tool.updateMenuEnabled()); // until the commit
    f.tool.input().setCurrent(1, 2);      // a click elsewhere; the commit writes the edited cell
    QVERIFY(f.tool.commitEdit(QStringLiteral("2001")));
    QCOMPARE(f.tool.input().textAt(1, 0), QStringLiteral("2001"));
    QCOMPARE(f.tool.output().rowTexts(1), (QStringList{"770", "2001", "", "", "", ""}));
    QVERIFY(f.tool.updateMenuEnabled());

    // The prompt is empty while a file dialog is open.
    QStringList prompts;
    f.tool.setStateListener([&] { prompts.append(f.tool.statusPrompt()); });
    f.prompter.queueFile(f.file("n.csv", "1,2\r\n"));
    f.tool.chooseImport();
    QCOMPARE(prompts, (QStringList{"", "Opening File " + f.file("n.csv")}));
}

void TestNameAssigner::resetKeepsPathsAndFlag()
{
    Fixture f;
    f.import("list.csv", kTwoNames);
    f.prompter.queueFile(f.file("out.csv"));
    f.tool.chooseExportTarget();
    f.tool.reset();
    QCOMPARE(f.tool.input().rows(), 2);
    QCOMPARE(f.tool.output().rows(), 2);
    QVERIFY(f.tool.input().isRowEmpty(1));
    QVERIFY(f.tool.output().isRowEmpty(1));
    QVERIFY(f.tool.hasChanged());
    QCOMPARE(f.tool.importPath(), f.file("list.csv"));
    QCOMPARE(f.tool.exportPath(), f.file("out.csv"));
}

void TestNameAssigner::printsBothGrids()
{
    Fixture f;
    f.import("list.csv", kTwoNames);
    QVERIFY(f.tool.print());
    const QString blank5(5, QLatin1Char(' '));
    const QString blank35(35, QLatin1Char(' '));
    const QStringList expected{
        " | 100   | JOHN SMITH | " + blank35,
        " | 101   | Ann   | " + blank35,
        " | " + blank5 + " | " + blank5 + " | " + blank35,
        " ",
        " ",
        " ",
        " | 770   | 100   | 4A4F484E20534D495448" + QString(15, QLatin1Char(' ')) + " |       | JOHN SMITH | " + blank5,
        " | 770   | 101   | 416E6E" + QString(29, QLatin1Char(' ')) + " |       | Ann   | " + blank5,
        " | " + blank5 + " | " + blank5 + " | " + blank35 + " | " + blank5 + " | " + blank5 + " | " + blank5,
    };
    QCOMPARE(f.printer.lines, expected);
    QCOMPARE(f.printer.fontFamily, QStringLiteral("Courier New"));
    QCOMPARE(f.printer.fontSize, 9.75);
    QVERIFY(f.printer.bold);
    QCOMPARE(f.printer.documents, 1);
    QVERIFY(f.prompter.messages.isEmpty());
}

void TestNameAssigner::printerFailure()
{
    Fixture f;
    f.printer.fail = true;
    QVERIFY(!f.tool.print());
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].text,
             QStringLiteral("There was a problem contacting your default printer\r\n"
                            "Please insure that it is installed , connected, powered up and not out of paper"));
    QCOMPARE(f.prompter.messages[0].title, QStringLiteral("Unable to communicate with Printer???"));
    QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
}

void TestNameAssigner::settingsRoundTrip()
{
    TestHome home;
    const QString folder = home.path() + QStringLiteral("/sites/north/");
    QDir().mkpath(folder);
    WriteBytes(folder + QStringLiteral("names.csv"), kTwoNames);
    {
        ScriptedPrompter prompter;
        RecordingPrinter printer;
        NameAssigner tool(prompter, printer);
        tool.load();
        prompter.queueFile(folder + QStringLiteral("names.csv"), 3);
        tool.chooseImport();
        QCOMPARE(prompter.files[0].folder, home.path()); // the program's folder at first
        QCOMPARE(prompter.files[0].filterIndex, 1);
        prompter.queueNo();
        tool.close();
    }
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    NameAssigner tool(prompter, printer);
    tool.load();
    QCOMPARE(tool.dialog().folder, folder);
    QCOMPARE(tool.dialog().filterIndex, 3);
    prompter.queueFileCancel();
    tool.chooseImport();
    QCOMPARE(prompter.files[0].folder, folder);
    QCOMPARE(prompter.files[0].filterIndex, 3);
}

QTEST_GUILESS_MAIN(TestNameAssigner)
#include "test_name_assigner.moc"
