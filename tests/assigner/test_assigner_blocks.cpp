// Paste, Delete, undo and redo on the two assigner tools, without their windows.
#include "grid/ClipboardTable.h"
#include "nameassign/NameAssigner.h"
#include "speeddial/SpeedDialAssigner.h"
#include "speeddial/SpeedDialTexts.h"
#include "support/GridRows.h"
#include "support/ToolFixture.h"

#include <QtTest>

Q_DECLARE_METATYPE(CellBlock)

namespace {

// Everything an undo must put back.
struct Snapshot {
    Rows input, output;
    QString location;
    QStringList used;
    bool operator==(const Snapshot &) const = default;
};

Snapshot Take(AssignerTool &tool)
{
    Snapshot s{Cells(tool.input()), Cells(tool.output()), {}, {}};
    if (auto *dial = dynamic_cast<SpeedDialAssigner *>(&tool)) {
        s.location = dial->location();
        s.used = dial->usedLocations();
    }
    return s;
}

// The oracle: the same values typed cell by cell into a grid made as large.
void Type(AssignerTool &tool, const Rows &rows, int top, int left)
{
    const int needed = top + int(rows.size()) + 1;
    if (tool.input().rows() < needed)
        tool.input().setRows(needed);
    if (dynamic_cast<NameAssigner *>(&tool) && tool.output().rows() < needed)
        tool.output().setRows(needed);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size() && left + c < tool.input().cols(); ++c) {
            tool.input().setCurrent(top + r, left + c);
            tool.startEdit(0);
            tool.commitEdit(rows[r][c]);
        }
}

std::unique_ptr<AssignerTool> Make(bool speedDial, Prompter &prompter, Printer &printer)
{
    if (speedDial)
        return std::make_unique<SpeedDialAssigner>(prompter, printer);
    return std::make_unique<NameAssigner>(prompter, printer);
}

} // namespace

class TestAssignerBlocks : public QObject {
    Q_OBJECT
private slots:
    void pasteCommitsEachCellAsTyped_data();
    void pasteCommitsEachCellAsTyped();
    void speedDialShowsTheMaximumOnce();
    void deleteEmptiesFilledCellsOnly();
    void blockPastedInTheEditorIsOneStep();
    void undoRestoresEveryAction_data();
    void undoRestoresEveryAction();
};

void TestAssignerBlocks::pasteCommitsEachCellAsTyped_data()
{
    QTest::addColumn<bool>("speedDial");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("left");
    QTest::newRow("names from a spreadsheet")
        << false << "100\tJOHN SMITH\n101\tAnn\n102\tA name much longer than sixteen\n"
        << 1 << 0;
    QTest::newRow("names, comma-separated and quoted") << false << "\"SMITH, JOHN\"\r\nAnn\r\n" << 2 << 1;
    QTest::newRow("names into the spare column") << false << "x\ty\tz\n" << 1 << 1;
    QTest::newRow("speed dials") << true << "Pizza\t9\t0123456\nTaxi\t\t555\n" << 1 << 0;
    QTest::newRow("speed dials below rows without entries") << true << "Doctor\t9\t77\n" << 3 << 0;
    QTest::newRow("speed dial numbers only") << true << "1\n2\n3\n" << 1 << 2;
}

void TestAssignerBlocks::pasteCommitsEachCellAsTyped()
{
    QFETCH(bool, speedDial);
    QFETCH(QString, text);
    QFETCH(int, top);
    QFETCH(int, left);
    ToolFixture<NameAssigner> fixture; // the folder and prompts of the pasting tool
    ScriptedPrompter typedPrompts;
    const auto pasted = Make(speedDial, fixture.prompter, fixture.printer);
    const auto typed = Make(speedDial, typedPrompts, fixture.printer);

    pasted->paste(CellBlock::Cell(top, left), text);
    const Rows rows = ClipboardTable::Parse(text);
    Type(*typed, rows, top, left);

    const int last = top + int(rows.size()) - 1;
    for (int r = 1; r <= last; ++r)
        QCOMPARE(pasted->input().rowTexts(r), typed->input().rowTexts(r));
    QCOMPARE(Cells(pasted->output()).mid(0, pasted->output().rows() - 2),
             Cells(typed->output()).mid(0, pasted->output().rows() - 2));
    QCOMPARE(Take(*pasted).location, Take(*typed).location);
    // The grid grew to the block and ends with its spare row.
    QCOMPARE(pasted->input().rows(), last + 2);
    QVERIFY(pasted->input().isRowEmpty(last + 1));
    QVERIFY(pasted->output().isRowEmpty(pasted->output().rows() - 1));
    // As after an edit: "UPDATE INPUT DATA" shows and the window has changed.
    QVERIFY(pasted->updateButtonVisible());
    QVERIFY(pasted->hasChanged());
    QCOMPARE(pasted->statusPrompt(), QStringLiteral("MANUAL INPUT"));
    QVERIFY(fixture.prompter.messages.isEmpty());
}

void TestAssignerBlocks::speedDialShowsTheMaximumOnce()
{
    ToolFixture<SpeedDialAssigner> f;
    f.tool.setLocation("298");
    f.tool.paste(CellBlock::Cell(1, 0), "A\t1\t11\nB\t2\t22\nC\t3\t33\nD\t4\t44\n");
    QCOMPARE(f.prompter.messageTexts(), QStringList{SpeedDialTexts::kMaximumText});
    QCOMPARE(f.tool.output().rows(), 6); // pairs at 298 and 299, then the spare row
    QCOMPARE(f.tool.output().textAt(3, 1), QString("299"));
    QCOMPARE(f.tool.input().rowTexts(2).mid(0, 3), (QStringList{"B", "2", "22"}));
    QVERIFY(f.tool.input().isRowEmpty(3)); // refused as a typed entry would be
}

void TestAssignerBlocks::deleteEmptiesFilledCellsOnly()
{
    ToolFixture<SpeedDialAssigner> f;
    f.tool.paste(CellBlock::Cell(1, 0), "A\t1\t11\nB\t2\t22\n");
    const int outputRows = f.tool.output().rows();
    f.tool.clearBlock({1, 1, 6, 2});              // access codes and numbers, and empty rows below
    QCOMPARE(f.tool.output().rows(), outputRows); // no pair for the empty rows
    QCOMPARE(f.tool.output().textAt(1, 2), QString());
    QCOMPARE(f.tool.output().textAt(2, 4), QString("A"));
    QCOMPARE(f.tool.input().rowTexts(2).mid(0, 3), (QStringList{"B", "", ""}));

    ToolFixture<NameAssigner> n;
    n.tool.paste(CellBlock::Cell(1, 0), "100\tJOHN\n");
    n.tool.clearBlock({1, 1, 1, 1});
    QCOMPARE(n.tool.output().rowTexts(1).mid(0, 5), (QStringList{"770", "100", "", "", ""}));
}

void TestAssignerBlocks::blockPastedInTheEditorIsOneStep()
{
    ToolFixture<NameAssigner> f;
    f.tool.input().setCurrent(1, 1);
    f.tool.startEdit(U'J');
    f.tool.pasteInEditor("Jo", "JOHN\nANN\n");
    QVERIFY(!f.tool.editorOpen());
    QCOMPARE(f.tool.input().rowTexts(1).mid(0, 2), (QStringList{"", "JOHN"}));
    QCOMPARE(f.tool.input().rowTexts(2).mid(0, 2), (QStringList{"", "ANN"}));
    QCOMPARE(f.tool.output().textAt(2, 4), QString("ANN"));
    QVERIFY(f.tool.undo());
    QVERIFY(f.tool.input().isRowEmpty(1));
    QCOMPARE(f.tool.input().rows(), 2);
    QVERIFY(!f.tool.canUndo());
}

void TestAssignerBlocks::undoRestoresEveryAction_data()
{
    QTest::addColumn<bool>("speedDial");
    QTest::addColumn<QString>("action");
    for (const bool dial : {false, true}) {
        const char *tool = dial ? "speed dial" : "names";
        for (const char *action : {"commit", "Down on the last row", "paste", "delete", "reset", "import"})
            QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(tool, action))) << dial << QString(action);
    }
    QTest::newRow("names: Add Row") << false << "add row";
    QTest::newRow("names: Remove Row") << false << "remove row";
}

void TestAssignerBlocks::undoRestoresEveryAction()
{
    QFETCH(bool, speedDial);
    QFETCH(QString, action);
    ToolFixture<NameAssigner> f;
    const auto tool = Make(speedDial, f.prompter, f.printer);
    tool->paste(CellBlock::Cell(1, 0), "Alpha\t1\t11\nBeta\t2\t22\n");
    tool->input().setCurrent(2, 0);
    const Snapshot before = Take(*tool);

    if (action == "commit" || action == "Down on the last row") {
        tool->input().setCurrent(action == "commit" ? 1 : tool->input().rows() - 1, 0);
        tool->startEdit(U'G');
        tool->editorKey(action == "commit" ? EditorKey::Return : EditorKey::Down, "Gamma");
    } else if (action == "paste") {
        tool->paste({2, 0, 2, 0}, "x\ty\tz\nw\n");
    } else if (action == "delete") {
        tool->clearBlock({1, 0, 2, 2});
    } else if (action == "reset") {
        tool->reset();
    } else if (action == "import") {
        f.prompter.queueFile(f.file("more.csv", "Delta,9,99\r\nEpsilon,8,88\r\n"));
        QCOMPARE(tool->chooseImport(), AssignerTool::ImportResult::Imported);
    } else if (action == "add row") {
        static_cast<NameAssigner &>(*tool).addRow();
    } else if (action == "remove row") {
        tool->input().setCurrent(1, 0);
        static_cast<NameAssigner &>(*tool).removeRow();
    }
    const Snapshot after = Take(*tool);
    QVERIFY(!(after == before));

    QVERIFY(tool->undo());
    QCOMPARE(Take(*tool), before);
    QVERIFY(tool->redo());
    QCOMPARE(Take(*tool), after);
    QVERIFY(tool->undo());
    QVERIFY(tool->undo()); // the first paste
    QVERIFY(tool->input().isRowEmpty(1));
    QCOMPARE(tool->output().rows(), 2);
    QVERIFY(!tool->undo());
}

QTEST_GUILESS_MAIN(TestAssignerBlocks)
#include "test_assigner_blocks.moc"
