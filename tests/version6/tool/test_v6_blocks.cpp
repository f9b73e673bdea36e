// Paste, Delete, undo and redo on the handset grid and the templates, without
// the window.
#include "support/GridRows.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/tool/Version6Tool.h"

#include "version6/entry/HandsetColumns.h"

#include <QtTest>

namespace {

struct Snapshot {
    Rows ranges, handsets, scriptTab;
    QStringList usedLens;
    bool operator==(const Snapshot &) const = default;
};

Snapshot Take(Version6Tool &tool)
{
    return {Cells(tool.ranges().table()), Cells(tool.handsets().grid()), Cells(tool.templates().grid(0)),
            tool.ranges().usedLens()};
}

// Two handsets, 01000 and 01001, built by "NEXT".
void TwoHandsets(Version6Tool &tool)
{
    QCOMPARE(AddRange(tool, "01", "000", "001", "2000"), RangeScreen::AddResult::Added);
    tool.next();
    QCOMPARE(tool.handsets().grid().rows(), 4);
}

} // namespace

class TestV6Blocks : public QObject {
    Q_OBJECT
private slots:
    void pastedValuesPassTheCellRulesInOneBox();
    void pasteGrowsTheGridAndKeepsItsEmptyRow();
    void templatesTakeAnyText();
    void blockPastedIntoAnEditorFillsTheGrid_data();
    void blockPastedIntoAnEditorFillsTheGrid();
    void undoRestoresEveryAction_data();
    void undoRestoresEveryAction();
    void nextForgetsTheSteps();
};

void TestV6Blocks::pastedValuesPassTheCellRulesInOneBox()
{
    TestHome home;
    ScriptedPrompter prompter;
    Version6Tool tool(prompter);
    TwoHandsets(tool);
    // EXT, HANDSET TYPE, SPEED DIALS from row 1 on.
    tool.pasteHandsets(CellBlock::Cell(1, 1), "123456\tAny Type\t25\n2001\t\t50\n");
    const GridTable &grid = tool.handsets().grid();
    QCOMPARE(grid.rowTexts(1).mid(1, 3), (QStringList{"12345", "Any Type", "30"}));
    QCOMPARE(grid.rowTexts(2).mid(1, 3), (QStringList{"2001", "", "50"}));
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].title, QStringLiteral("User Input Error"));
    QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Information);
    QCOMPARE(prompter.messages[0].text,
             QStringLiteral("2 pasted or deleted values broke the rules of their column and were replaced:\r\n"
                            "Row 1, EXT: \"123456\" became \"12345\" - INVALID EXTENSION NUMBER!!! Number can be "
                            "no more than 5 Digits\r\n"
                            "Row 1, SPEED DIALS: \"25\" became \"30\" - Number can only be in increments of 10!!!"));
    QVERIFY(tool.handsets().advancedChanges());

    // Delete goes through the same rules: an empty class is no class.
    prompter.clear();
    tool.clearHandsets({1, 6, 2, 6});
    QCOMPARE(grid.textAt(1, 6), QString("00"));
    QCOMPARE(prompter.messages.size(), 1);

    // Many broken values: the box names the first ones and counts the rest.
    prompter.clear();
    tool.pasteHandsets({1, 9, 20, 9}, "7");
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY(prompter.messages[0].text.startsWith("20 pasted or deleted values"));
    QVERIFY(prompter.messages[0].text.endsWith("\r\n... and 8 more."));
}

void TestV6Blocks::pasteGrowsTheGridAndKeepsItsEmptyRow()
{
    TestHome home;
    ScriptedPrompter prompter;
    Version6Tool tool(prompter);
    TwoHandsets(tool);
    tool.pasteHandsets(CellBlock::Cell(3, 0), "01002\t2002\n01003\t2003\n");
    const GridTable &grid = tool.handsets().grid();
    QCOMPARE(grid.rows(), 6);
    QCOMPARE(grid.rowTexts(4).mid(0, 2), (QStringList{"01003", "2003"}));
    QVERIFY(grid.isRowEmpty(5));
    QVERIFY(prompter.messages.isEmpty());
}

void TestV6Blocks::blockPastedIntoAnEditorFillsTheGrid_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("text editor") << int(HandsetColumns::Ext) << "2100"
                                 << "2200\n2201\n";
    QTest::newRow("handset-type editor") << int(HandsetColumns::HandsetType) << "8D"
                                         << "16D\n8 IP\n";
}

// The edit is committed, then the block goes in from the edited cell down, one undo step.
void TestV6Blocks::blockPastedIntoAnEditorFillsTheGrid()
{
    QFETCH(int, column);
    QFETCH(QString, edited);
    QFETCH(QString, clipboard);
    TestHome home;
    ScriptedPrompter prompter;
    Version6Tool tool(prompter);
    TwoHandsets(tool);
    const QStringList before = tool.handsets().grid().rowTexts(1);
    tool.handsets().grid().setCurrent(1, column);
    QVERIFY(tool.startEdit(HandsetEditor::Trigger::Return) != HandsetEditor::Kind::None);
    tool.pasteInEditor(edited, clipboard);
    const QStringList lines = clipboard.split('\n');
    QCOMPARE(tool.handsetEditor().openEditor(), HandsetEditor::Kind::None);
    QCOMPARE(tool.handsets().grid().textAt(1, column), lines[0]);
    QCOMPARE(tool.handsets().grid().textAt(2, column), lines[1]);
    tool.undo();
    QCOMPARE(tool.handsets().grid().rowTexts(1), before);
}

void TestV6Blocks::templatesTakeAnyText()
{
    TestHome home;
    ScriptedPrompter prompter;
    Version6Tool tool(prompter);
    tool.pasteTemplate(2, CellBlock::Cell(1, 0), "ADD-EXT\t{EXT}\t\"a, b\"\nXX\n");
    const GridTable &grid = tool.templates().grid(2);
    QCOMPARE(grid.rowTexts(1).mid(0, 3), (QStringList{"ADD-EXT", "{EXT}", "a, b"}));
    QCOMPARE(grid.textAt(2, 0), QString("XX"));
    QVERIFY(grid.isRowEmpty(grid.rows() - 1));
    tool.clearTemplate(2, {1, 0, 1, 5});
    QVERIFY(grid.isRowEmpty(1));
    QVERIFY(prompter.messages.isEmpty());
}

void TestV6Blocks::undoRestoresEveryAction_data()
{
    QTest::addColumn<QString>("action");
    for (const char *action :
         {"text commit", "type commit", "arrow commit", "Space", "Apply To Colum", "paste", "delete", "RESET", "import",
          "template commit", "template paste", "Add Row", "Remove Row", "template import"})
        QTest::newRow(action) << QString(action);
}

void TestV6Blocks::undoRestoresEveryAction()
{
    QFETCH(QString, action);
    TestHome home;
    ScriptedPrompter prompter;
    Version6Tool tool(prompter);
    TwoHandsets(tool);
    tool.pasteTemplate(0, CellBlock::Cell(1, 0), "CMD\tONE\nCMD\tTWO\n");
    GridTable &grid = tool.handsets().grid();
    grid.setCurrent(1, 1);
    const Snapshot before = Take(tool);
    const QString site = home.file("site.csv");
    QVERIFY(WriteBytes(site, "\"01005\",\"2005\",\"8 \",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"));

    if (action == "text commit") {
        tool.startEdit(HandsetEditor::Trigger::Return);
        QVERIFY(tool.commitTextEdit("2100"));
    } else if (action == "type commit") {
        grid.setCurrent(1, 2);
        tool.startEdit(HandsetEditor::Trigger::Return);
        QVERIFY(tool.commitTypeEdit("Other"));
    } else if (action == "arrow commit") {
        tool.startEdit(HandsetEditor::Trigger::Return);
        tool.textEditorKey(EditorKey::Down, "2100");
    } else if (action == "Space") {
        grid.setCurrent(2, 4);
        tool.startEdit(HandsetEditor::Trigger::Return);
        tool.commitTextEdit("3");
        QVERIFY(tool.undo());
        tool.repeat();
    } else if (action == "Apply To Colum") {
        tool.startEdit(HandsetEditor::Trigger::Return);
        tool.commitTextEdit("2100");
        QVERIFY(tool.undo());
        tool.applyToColumn();
    } else if (action == "paste") {
        tool.pasteHandsets(CellBlock::Cell(2, 0), "a\tb\nc\td\ne\tf\n");
    } else if (action == "delete") {
        tool.clearHandsets({1, 0, 2, 5});
    } else if (action == "RESET") {
        tool.reset();
    } else if (action == "import") {
        QVERIFY(tool.importDataFrom(site));
    } else if (action == "template commit") {
        tool.templates().grid(0).setCurrent(2, 1);
        tool.startTemplateEdit(0);
        QVERIFY(tool.commitTemplateEdit("THREE"));
    } else if (action == "template paste") {
        tool.pasteTemplate(0, {1, 1, 3, 1}, "X");
    } else if (action == "Add Row") {
        tool.addTemplateRow(0);
    } else if (action == "Remove Row") {
        tool.removeTemplateRow(0);
    } else if (action == "template import") {
        QVERIFY(tool.importScriptFrom(0, site));
    }
    const Snapshot after = Take(tool);
    QVERIFY(!(after == before));
    QVERIFY(tool.undo());
    QCOMPARE(Take(tool), before);
    QVERIFY(tool.redo());
    QCOMPARE(Take(tool), after);
    QVERIFY(tool.undo());
    // Under the action lies the template paste, and under it the handsets NEXT built.
    QVERIFY(tool.undo());
    QVERIFY(tool.templates().grid(0).isRowEmpty(1));
    QVERIFY(!tool.undo());
    QCOMPARE(Cells(grid), before.handsets);
}

void TestV6Blocks::nextForgetsTheSteps()
{
    TestHome home;
    ScriptedPrompter prompter;
    Version6Tool tool(prompter);
    TwoHandsets(tool);
    tool.pasteHandsets(CellBlock::Cell(1, 1), "2100\n");
    tool.back();
    tool.next();
    QVERIFY(!tool.canUndo());
    QVERIFY(!tool.undo());
    QCOMPARE(tool.handsets().grid().rows(), 4);

    // An editor still open takes no undo.
    tool.pasteHandsets(CellBlock::Cell(1, 1), "2100\n");
    tool.startEdit(HandsetEditor::Trigger::Return);
    QVERIFY(!tool.undo());
    tool.commitTextEdit("2200");
    QVERIFY(tool.undo());
    QCOMPARE(tool.handsets().grid().textAt(1, 1), QString("2100"));
}

QTEST_GUILESS_MAIN(TestV6Blocks)
#include "test_v6_blocks.moc"
