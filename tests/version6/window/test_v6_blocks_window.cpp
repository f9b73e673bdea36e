// The Version 6.0 window offscreen: the block keys on the handset, template and
// output grids reach the tool.
#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/entry/HandsetColumns.h"
#include "version6/window/DataPage.h"
#include "version6/window/HandsetTypeEditor.h"
#include "version6/window/OutputPage.h"
#include "version6/window/ScriptsPage.h"
#include "version6/window/Version6Window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPointer>
#include <QTabWidget>
#include <QtTest>

class TestV6BlocksWindow : public QObject {
    Q_OBJECT
private slots:
    void gridsTakeTheBlockKeys();
};

void TestV6BlocksWindow::gridsTakeTheBlockKeys()
{
    TestHome home;
    auto prompter = std::make_unique<ScriptedPrompter>();
    ScriptedPrompter *prompts = prompter.get();
    QPointer<Version6Window> window = new Version6Window(std::move(prompter), std::make_unique<RecordingPrinter>());
    Version6Tool &tool = window->tool();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(AddRange(tool, "01", "000", "001", "2000"), RangeScreen::AddResult::Added);
    tool.next();
    window->workArea()->setCurrentIndex(0);

    GridTableView *handsets = window->dataPage()->handsetView();
    handsets->setFocus();
    handsets->setCurrentIndex(handsets->indexOfCell(1, 1));
    prompts->clear();
    QApplication::clipboard()->setText("123456\n2001\n");
    QTest::keyClick(handsets, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(tool.handsets().grid().textAt(1, 1), QString("12345"));
    QCOMPARE(tool.handsets().grid().textAt(2, 1), QString("2001"));
    QCOMPARE(prompts->messages.size(), 1); // one box for the block

    QTest::keyClick(handsets, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(tool.handsets().grid().textAt(1, 1), QString("2000"));
    QTest::keyClick(handsets, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(tool.handsets().grid().textAt(1, 1), QString("12345"));
    // Space still repeats, Delete empties the block.
    QTest::keyClick(handsets, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(handsets, Qt::Key_Delete);
    QVERIFY(tool.handsets().grid().textAt(1, 1).isEmpty());
    QVERIFY(tool.handsets().grid().textAt(2, 1).isEmpty());

    // A block pasted into the open handset-type editor goes into the grid.
    handsets->setCurrentIndex(handsets->indexOfCell(1, HandsetColumns::HandsetType));
    QTest::keyClick(handsets, Qt::Key_Return);
    HandsetTypeEditor *type = window->dataPage()->typeEditor();
    QVERIFY(type->isVisible());
    QApplication::clipboard()->setText("16D\n8D\n");
    QTest::keyClick(type, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!type->isVisible());
    QCOMPARE(tool.handsets().grid().textAt(1, HandsetColumns::HandsetType), QString("16D"));
    QCOMPARE(tool.handsets().grid().textAt(2, HandsetColumns::HandsetType), QString("8D"));

    // The described popup entries come first, the block entries after them.
    const QList<QAction *> entries = window->dataPage()->popupMenu()->actions();
    QCOMPARE(entries[0], window->dataPage()->applyAction());
    QCOMPARE(entries[3], window->dataPage()->autoIncreaseAction());
    QCOMPARE(entries.last()->objectName(), QString("BlockRedo"));

    // A template grid.
    GridTableView *script = window->scriptsPage()->grid(1);
    window->workArea()->setCurrentIndex(1);
    window->scriptsPage()->tabs()->setCurrentIndex(1);
    script->setFocus();
    script->setCurrentIndex(script->indexOfCell(1, 0));
    const QStringList stored = tool.templates().grid(1).rowTexts(2);
    QApplication::clipboard()->setText("CMD\tA\r\nCMD\tB\r\n");
    QTest::keyClick(script, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(tool.templates().grid(1).textAt(2, 1), QString("B"));
    QTest::keyClick(script, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(tool.templates().grid(1).rowTexts(2), stored);

    // An output grid copies, and takes no paste.
    GridTableView *output = window->outputPage()->findChild<GridTableView *>("MSFlexGrid4(0)");
    QVERIFY(output && !output->isEditable());
    output->selectAll();
    QTest::keyClick(output, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().endsWith('\n'));
    window->close();
}

QTEST_MAIN(TestV6BlocksWindow)
#include "test_v6_blocks_window.moc"
