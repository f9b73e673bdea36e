#include "grid/GridTable.h"
#include "grid/GridTableModel.h"
#include "grid/TextValue.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

class TestGridTable : public QObject {
    Q_OBJECT
private slots:
    void formatGivesColumnsAndCaptions_data();
    void formatGivesColumnsAndCaptions();
    void addItemAndRemoveItemKeepTheHeader();
    void rowsGrowAndShrinkAtTheEnd();
    void resetLeavesHeaderAndOneEmptyRow();
    void appendWritesTheSpareRowThenAddsOne();
    void cellsKeepTheirTexts_data();
    void cellsKeepTheirTexts();
    void outOfRangeCellsFail();
    void modelFollowsTheGrid();
    void batchIsOneReset();
    void modelSurvivesTheGrid();
    void textValue_data();
    void textValue();
    void shortestDecimal_data();
    void shortestDecimal();
};

void TestGridTable::formatGivesColumnsAndCaptions_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("blanks kept, trailing bar adds an empty column")
        << "EXTENSION  |   NAME   |" << QStringList{"EXTENSION  ", "   NAME   ", ""};
    QTest::newRow("no trailing bar") << "LEN | EXT | LOC" << QStringList{"LEN ", " EXT ", " LOC"};
    QTest::newRow("single caption") << "FP" << QStringList{"FP"};
    QTest::newRow("empty captions between bars") << "a||b" << QStringList{"a", "", "b"};
}

void TestGridTable::formatGivesColumnsAndCaptions()
{
    QFETCH(QString, format);
    QFETCH(QStringList, captions);
    GridTable grid(format);
    QCOMPARE(grid.cols(), captions.size());
    QCOMPARE(grid.header(), captions);
    QCOMPARE(grid.rows(), 2);
    QVERIFY(grid.isRowEmpty(1));
}

void TestGridTable::addItemAndRemoveItemKeepTheHeader()
{
    GridTable grid("A|B");
    grid.appendRow({"1", "one"});
    grid.appendRow({"3", "three"});
    QVERIFY(grid.insertRow(2, "2\ttwo"));
    QCOMPARE(grid.rows(), 5);
    QCOMPARE(grid.rowTexts(1), (QStringList{"1", "one"}));
    QCOMPARE(grid.rowTexts(2), (QStringList{"2", "two"}));
    QCOMPARE(grid.rowTexts(3), (QStringList{"3", "three"}));
    QVERIFY(grid.isRowEmpty(4));

    QVERIFY(!grid.insertRow(0));           // above the header
    QVERIFY(!grid.removeRow(0));           // the header itself
    QVERIFY(!grid.removeRow(grid.rows())); // past the end
    QVERIFY(grid.removeRow(1));
    QCOMPARE(grid.rowTexts(1), (QStringList{"2", "two"}));
    QCOMPARE(grid.header(), (QStringList{"A", "B"}));
    QVERIFY(grid.insertRow(grid.rows())); // AddItem at the end
    QCOMPARE(grid.rows(), 5);

    // The current cell stays on its row: views and tools keep pointing at the same data.
    grid.setCurrent(2, 1);
    grid.insertRow(1, "0\tzero");
    QCOMPARE(grid.text(), QString("three"));
    grid.removeRow(1);
    QCOMPARE(grid.text(), QString("three"));
    grid.removeRow(2); // the current row itself: the next row takes its place
    QCOMPARE(grid.row(), 2);
    QVERIFY(grid.isRowEmpty(2));
}

void TestGridTable::rowsGrowAndShrinkAtTheEnd()
{
    GridTable grid("A|B");
    grid.setTextAt(1, 0, "kept");
    grid.setRows(4);
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.textAt(1, 0), QString("kept"));
    QVERIFY(grid.isRowEmpty(3));
    grid.setCurrent(3, 1);
    grid.setRows(2);
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.row(), 1); // the current cell follows the shrink
    grid.setRows(0);
    QCOMPARE(grid.rows(), 1); // the header stays
    QCOMPARE(grid.header(), (QStringList{"A", "B"}));
}

void TestGridTable::resetLeavesHeaderAndOneEmptyRow()
{
    GridTable grid("A|B|");
    for (int i = 0; i < 5; ++i)
        grid.appendRow({QString::number(i), "x", "y"});
    grid.reset();
    QCOMPARE(grid.rows(), 2);
    QVERIFY(grid.isRowEmpty(1));
    QCOMPARE(grid.header(), (QStringList{"A", "B", ""}));
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 0);
}

void TestGridTable::appendWritesTheSpareRowThenAddsOne()
{
    GridTable grid("A|B");
    grid.appendRow({"1", "one", "ignored third"});
    grid.appendRow({"2"});
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.rowTexts(1), (QStringList{"1", "one"}));
    QCOMPARE(grid.rowTexts(2), (QStringList{"2", ""}));
    QVERIFY(grid.isRowEmpty(3));

    // A million rows append in amortised constant time (this runs in well under a second).
    GridTable big("A|B|C|D|E|");
    GridTable::Batch batch(big);
    const QStringList cells{"770", "2001", "4A4F484E", "", "JOHN"};
    for (int i = 0; i < 1000000; ++i)
        big.appendRow(cells);
    QCOMPARE(big.rows(), 1000002);
    QCOMPARE(big.textAt(1000000, 2), QString("4A4F484E"));
}

void TestGridTable::cellsKeepTheirTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("null") << QString();
    QTest::newRow("empty") << QString("");
    QTest::newRow("ASCII") << QString("770 \"JOHN\"");
    QTest::newRow("Latin-1") << QString("Müller ÿ µ");
    QTest::newRow("C1 control") << QString(QChar(0x85));
    QTest::newRow("Greek") << QString("Ωμέγα 2001");
    QTest::newRow("outside the basic plane") << QString::fromUtf8("\xF0\x9F\x93\x9E 12");
}

// Texts come back as they went in, null-ness included, through every way a
// grid's cells are written, moved, copied and written over.
void TestGridTable::cellsKeepTheirTexts()
{
    QFETCH(QString, text);
    GridTable grid("A|B|C");
    for (int i = 0; i < 3; ++i)
        grid.appendRow({text, QString::number(i), text});
    const GridTable copy = grid;
    // Written over often enough that the texts written over are reclaimed.
    for (int i = 0; i < 20000; ++i)
        grid.setTextAt(2, 1, QString("overwritten %1 Ω").arg(i));
    grid.insertRow(1, "x\t" + text);
    grid.removeRow(3);
    for (const GridTable *g : {static_cast<const GridTable *>(&grid), &copy}) {
        const int first = g == &grid ? 2 : 1;
        QCOMPARE(g->textAt(first, 0), text);
        QCOMPARE(g->textAt(first, 0).isNull(), text.isNull());
        QCOMPARE(g->textAt(first + 1, 2), text);
        QCOMPARE(g->viewAt(first, 0).toString(), text);
    }
    QCOMPARE(grid.textAt(1, 1), text);
    QCOMPARE(grid.textAt(3, 1), QString("2"));
    QCOMPARE(copy.textAt(2, 1), QString("1"));

    GridTable::Batch batch(grid);
    grid.resetForRefill();
    grid.appendRow({text, "again"});
    QCOMPARE(grid.header(), (QStringList{"A", "B", "C"}));
    QCOMPARE(grid.rowTexts(1), (QStringList{text, "again", QString()}));
    QCOMPARE(grid.textAt(1, 0).isNull(), text.isNull());
}

void TestGridTable::outOfRangeCellsFail()
{
    GridTable grid("A|B");
    QVERIFY(!grid.setTextAt(2, 0, "x"));
    QVERIFY(!grid.setTextAt(1, 2, "x"));
    QVERIFY(!grid.setTextAt(-1, 0, "x"));
    QCOMPARE(grid.textAt(9, 9), QString());
    QVERIFY(grid.setCurrent(1, 1));
    QVERIFY(!grid.setRow(2));
    QVERIFY(!grid.setCol(-1));
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 1);
    QVERIFY(grid.setText("current"));
    QCOMPARE(grid.textAt(1, 1), QString("current"));
}

void TestGridTable::modelFollowsTheGrid()
{
    GridTable grid("EXT|NAME|");
    GridTableModel model(&grid);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("NAME"));

    grid.appendRow({"2001", "JOHN"});
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(model.index(0, 1)).toString(), QString("JOHN"));
    QCOMPARE(inserted.size(), 1);
    QVERIFY(changed.size() >= 2);

    grid.insertRow(1, "1000\tFIRST");
    QCOMPARE(model.data(model.index(0, 0)).toString(), QString("1000"));
    QCOMPARE(model.indexOfCell(2, 1).data().toString(), QString("JOHN"));
    grid.removeRow(1);
    grid.setTextAt(0, 0, "EXTENSION");
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("EXTENSION"));
    grid.reset();
    QCOMPARE(model.rowCount(), 1);
}

void TestGridTable::batchIsOneReset()
{
    GridTable grid("A|B");
    GridTableModel model(&grid);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    {
        GridTable::Batch batch(grid);
        for (int i = 0; i < 100; ++i)
            grid.appendRow({QString::number(i), "x"});
    }
    QCOMPARE(resets.size(), 1);
    QCOMPARE(inserted.size(), 0);
    QCOMPARE(model.rowCount(), 101);
}

void TestGridTable::modelSurvivesTheGrid()
{
    auto grid = std::make_unique<GridTable>("A|B");
    GridTableModel model(grid.get());
    grid.reset();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.grid(), nullptr);
}

void TestGridTable::textValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits then letters") << "12a" << 12.0;
    QTest::newRow("blank inside digits") << "1 0" << 10.0;
    QTest::newRow("leading blank") << " 7" << 7.0;
    QTest::newRow("tab and line feed skipped") << "\t1\n5" << 15.0;
    QTest::newRow("exponent") << "1.5e1" << 15.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("decimal") << "2.75x" << 2.75;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("exponent without digits") << "12e" << 12.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("huge exponent is not infinity") << "1e999" << 0.0;
}

void TestGridTable::textValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(TextValue(text), value);
}

void TestGridTable::shortestDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 2001.0 << "2001";
    QTest::newRow("fraction") << 1.5 << "1.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative") << -0.25 << "-0.25";
    QTest::newRow("tenth") << 0.1 << "0.1";
}

void TestGridTable::shortestDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(ShortestDecimal(value), text);
}

QTEST_GUILESS_MAIN(TestGridTable)
#include "test_grid_table.moc"
