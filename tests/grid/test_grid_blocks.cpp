// Blocks of cells through the clipboard, and undo and redo over grids.
#include "grid/ClipboardTable.h"
#include "grid/GridTable.h"
#include "grid/UndoHistory.h"

#include <QtTest>

using Rows = QList<QStringList>;
Q_DECLARE_METATYPE(CellBlock)

namespace {

Rows Cells(const GridTable &grid)
{
    Rows rows;
    for (int r = 0; r < grid.rows(); ++r)
        rows.append(grid.rowTexts(r));
    return rows;
}

} // namespace

class TestGridBlocks : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void copiedBlockPastesBack();
    void pastedTextLosesControlCharacters();
    void placeFillsOrSpreads_data();
    void placeFillsOrSpreads();
    void undoAndRedoRestoreEveryKindOfChange_data();
    void undoAndRedoRestoreEveryKindOfChange();
    void stepsNestAndEmptyStepsVanish();
    void changeOutsideAStepDropsTheHistory();
};

void TestGridBlocks::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("spreadsheet rows, last line break ends the row") << "100\tJOHN\n101\tAnn\n"
                                                                    << Rows{{"100", "JOHN"}, {"101", "Ann"}};
    QTest::newRow("CR LF and a last row without break") << "a\tb\r\nc\td" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("comma-separated with quotes")
        << "100,\"SMITH, JOHN\"\r\n101,\"say \"\"hi\"\"\"" << Rows{{"100", "SMITH, JOHN"}, {"101", "say \"hi\""}};
    QTest::newRow("tabs win over commas") << "1,5\t2\n" << Rows{{"1,5", "2"}};
    QTest::newRow("quoted line break stays in its field") << "\"two\nlines\"\tx\n" << Rows{{"two\nlines", "x"}};
    QTest::newRow("empty fields and an empty line") << "a\t\t\n\nb\n" << Rows{{"a", "", ""}, {""}, {"b"}};
    QTest::newRow("one value") << "2005" << Rows{{"2005"}};
    QTest::newRow("quote inside a field is text") << "5\" disk\tx" << Rows{{"5\" disk", "x"}};
    QTest::newRow("quote left open takes the rest") << "\"open\tend" << Rows{{"open\tend"}};
    QTest::newRow("empty text") << "" << Rows{};
}

void TestGridBlocks::parse()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QCOMPARE(ClipboardTable::Parse(text), rows);
}

void TestGridBlocks::copiedBlockPastesBack()
{
    GridTable grid("A|B|C");
    grid.appendRow({"plain", "tab\there", "\"quoted\""});
    grid.appendRow({"line\nbreak", "", "<b>&"});
    const CellBlock block{1, 0, 2, 2};
    QCOMPARE(ClipboardTable::Parse(ClipboardTable::ToTabbed(grid, block)),
             (Rows{{"plain", "tab\there", "\"quoted\""}, {"line\nbreak", "", "<b>&"}}));
    QCOMPARE(ClipboardTable::ToTabbed(grid, {1, 1, 1, 2}), QString("\"tab\there\"\t\"\"\"quoted\"\"\"\n"));
    const QString html = ClipboardTable::ToHtml(grid, {2, 0, 2, 2});
    QCOMPARE(html, QString("<table>\n<tr><td>line\nbreak</td><td></td><td>&lt;b&gt;&amp;</td></tr>\n</table>\n"));
}

void TestGridBlocks::pastedTextLosesControlCharacters()
{
    QCOMPARE(ClipboardTable::CellText("two\r\nlines\tand\x01 more"), QString("two lines and  more"));
    QCOMPARE(ClipboardTable::CellText("JOHN SMITH"), QString("JOHN SMITH"));
    QVERIFY(ClipboardTable::IsBlock("a\tb"));
    QVERIFY(ClipboardTable::IsBlock("a\r"));
    QVERIFY(!ClipboardTable::IsBlock("a, b"));
}

void TestGridBlocks::placeFillsOrSpreads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CellBlock>("target");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<int>("lastRow");
    QTest::newRow("rows from the top left cell, extra columns dropped")
        << "a\tb\tc\nd\te\tf\n"
        << CellBlock{2, 1, 2, 1} << QStringList{"2,1=a", "2,2=b", "3,1=d", "3,2=e"} << 3;
    QTest::newRow("one value fills the block")
        << "x\n"
        << CellBlock{1, 0, 2, 1} << QStringList{"1,0=x", "1,1=x", "2,0=x", "2,1=x"} << 2;
    QTest::newRow("a block into a block starts at its corner")
        << "p\tq" << CellBlock{4, 0, 9, 2} << QStringList{"4,0=p", "4,1=q"} << 4;
}

void TestGridBlocks::placeFillsOrSpreads()
{
    QFETCH(QString, text);
    QFETCH(CellBlock, target);
    QFETCH(QStringList, written);
    QFETCH(int, lastRow);
    const Rows rows = ClipboardTable::Parse(text);
    QStringList seen;
    const int last = ClipboardTable::Place(rows, target, 3, [&](int row, int col, const QString &cell) {
        seen.append(QStringLiteral("%1,%2=%3").arg(row).arg(col).arg(cell));
    });
    QCOMPARE(seen, written);
    QCOMPARE(last, lastRow);
    QCOMPARE(ClipboardTable::LastRow(rows, target), lastRow);
}

void TestGridBlocks::undoAndRedoRestoreEveryKindOfChange_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("cells") << 0;
    QTest::newRow("rows grow") << 1;
    QTest::newRow("rows shrink") << 2;
    QTest::newRow("insert and remove") << 3;
    QTest::newRow("reset") << 4;
    QTest::newRow("whole grid") << 5;
}

void TestGridBlocks::undoAndRedoRestoreEveryKindOfChange()
{
    QFETCH(int, action);
    GridTable grid("A|B");
    GridTable other("A|B");
    for (int i = 0; i < 5; ++i)
        grid.appendRow({QString::number(i), QStringLiteral("n%1").arg(i)});
    other.appendRow({"x", "y"});
    grid.setCurrent(3, 1);
    int state = 0;
    UndoHistory history(
        {&grid, &other},
        {[&] { return std::any(state); }, [&](const std::any &saved) { state = std::any_cast<int>(saved); }});
    const Rows before = Cells(grid);
    const Rows otherBefore = Cells(other);
    {
        UndoHistory::Step step(history);
        switch (action) {
        case 0:
            grid.setTextAt(1, 0, "changed");
            grid.setTextAt(1, 0, "twice");
            other.setTextAt(1, 1, "z");
            break;
        case 1:
            grid.setRows(9);
            grid.setTextAt(8, 1, "far");
            break;
        case 2:
            grid.setRows(2);
            break;
        case 3:
            grid.removeRow(2);
            grid.insertRow(1, "new\trow");
            grid.removeRow(4);
            break;
        case 4:
            grid.reset();
            other.reset();
            break;
        case 5:
            grid.assign(other);
            grid.setFormat("X|Y|Z");
            break;
        }
        state = 1;
        grid.setCurrent(1, 0);
    }
    const Rows after = Cells(grid);
    const Rows otherAfter = Cells(other);
    QVERIFY(history.canUndo());
    QVERIFY(history.undo());
    QCOMPARE(Cells(grid), before);
    QCOMPARE(Cells(other), otherBefore);
    QCOMPARE(state, 0);
    QCOMPARE(grid.row(), 3); // the current cell goes back with the texts
    QCOMPARE(grid.col(), 1);
    QVERIFY(!history.canUndo());
    QVERIFY(history.redo());
    QCOMPARE(Cells(grid), after);
    QCOMPARE(Cells(other), otherAfter);
    QCOMPARE(state, 1);
    QVERIFY(history.undo());
    QCOMPARE(Cells(grid), before);
}

void TestGridBlocks::stepsNestAndEmptyStepsVanish()
{
    GridTable grid("A");
    UndoHistory history({&grid});
    {
        UndoHistory::Step outer(history);
        grid.setTextAt(1, 0, "a");
        {
            UndoHistory::Step inner(history);
            grid.appendRow({"b"}); // into row 1, then a new last row
        }
        QVERIFY(!history.undo()); // nothing is taken back in the middle of an action
    }
    {
        UndoHistory::Step nothing(history);
        grid.setTextAt(1, 0, "b"); // the text it holds: no step
    }
    QVERIFY(history.undo()); // both writes of the outer action at once
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.textAt(1, 0), QString());
    QVERIFY(!history.undo());

    // A new action after an undo forgets the way forward.
    QVERIFY(history.redo());
    {
        UndoHistory::Step step(history);
        grid.setTextAt(1, 0, "c");
    }
    QVERIFY(!history.canRedo());
}

void TestGridBlocks::changeOutsideAStepDropsTheHistory()
{
    GridTable grid("A");
    UndoHistory history({&grid});
    {
        UndoHistory::Step step(history);
        grid.setTextAt(1, 0, "typed");
    }
    grid.addRow(); // not a step: the old step no longer fits
    QVERIFY(!history.undo());
    QVERIFY(!history.canUndo());
    QCOMPARE(grid.textAt(1, 0), QString("typed"));
    QCOMPARE(grid.rows(), 3);
}

QTEST_GUILESS_MAIN(TestGridBlocks)
#include "test_grid_blocks.moc"
