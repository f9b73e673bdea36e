// The assigner windows offscreen: the block keys, the popup entries and the
// clipboard reach the tools.
#include "assigner/AssignerForm.h"
#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "nameassign/NameAssignerWindow.h"
#include "speeddial/DialPairs.h"
#include "speeddial/SpeedDialAssignerWindow.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

class TestAssignerBlocksWindow : public QObject {
    Q_OBJECT
private slots:
    void nameAssignerKeysReachTheTool();
    void speedDialKeysAndMenuReachTheTool();
};

void TestAssignerBlocksWindow::nameAssignerKeysReachTheTool()
{
    TestHome home;
    QPointer<NameAssignerWindow> window =
        new NameAssignerWindow(std::make_unique<ScriptedPrompter>(), std::make_unique<RecordingPrinter>());
    NameAssigner &tool = window->tool();
    GridTableView *view = window->form()->inputView();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    view->setFocus();
    view->setCurrentIndex(view->indexOfCell(1, 0));

    QApplication::clipboard()->setText("100\tJOHN SMITH\n101\tAnn\n");
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(tool.input().rowTexts(2).mid(0, 2), (QStringList{"101", "Ann"}));
    QCOMPARE(tool.output().textAt(2, 4), QString("Ann"));
    QVERIFY(window->form()->updateButton()->isVisible());

    // A name its column cuts off shows whole as a tooltip.
    view->setColumnWidth(1, 20);
    const QRect cell = view->visualRect(view->indexOfCell(1, 1));
    QHelpEvent help(QEvent::ToolTip, cell.center(), view->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(view->viewport(), &help);
    QCOMPARE(QToolTip::text(), QString("JOHN SMITH"));
    // A double click on the column's border fits it to its texts.
    emit view->horizontalHeader()->sectionHandleDoubleClicked(1);
    QVERIFY(view->columnWidth(1) > view->fontMetrics().horizontalAdvance("JOHN SMITH"));

    // Shift+arrows select a block; Ctrl+C copies it in both forms.
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(view->selectedBlock(), (CellBlock{1, 0, 2, 1}));
    QCOMPARE(tool.input().row(), 2); // the current cell follows the keys
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), QString("100\tJOHN SMITH\n101\tAnn\n"));
    QVERIFY(copied->html().contains("<td>JOHN SMITH</td>"));

    QTest::keyClick(view, Qt::Key_Delete);
    QVERIFY(tool.input().isRowEmpty(1));
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(tool.input().textAt(1, 1), QString("JOHN SMITH"));
    QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(tool.input().isRowEmpty(1));
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(tool.input().isRowEmpty(1)); // nothing left to redo

    // Rows pasted into the editor become rows of the grid, not text of one cell.
    view->setCurrentIndex(view->indexOfCell(1, 1));
    QTest::keyClick(view, Qt::Key_X);
    GridCellEditor *editor = window->form()->editor();
    QVERIFY(editor->isVisible());
    QApplication::clipboard()->setText("Bob\r\nCarol\r\n");
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!editor->isVisible());
    QCOMPARE(tool.input().textAt(1, 1), QString("Bob"));
    QCOMPARE(tool.input().textAt(2, 1), QString("Carol"));
    // Text for one cell stays in the editor, its line break dropped.
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(editor->isVisible());
    QApplication::clipboard()->setText("Dave");
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor->text(), QString("BobDave"));

    // The row menu keeps its entries first.
    const auto *menu = qobject_cast<QMenu *>(window->findChild<QAction *>("Addrow")->parent());
    QVERIFY(menu);
    const QList<QAction *> entries = menu->actions();
    QCOMPARE(entries.first()->objectName(), QString("Addrow"));
    QCOMPARE(entries.last()->objectName(), QString("BlockRedo"));
    window->close();
}

void TestAssignerBlocksWindow::speedDialKeysAndMenuReachTheTool()
{
    TestHome home;
    QPointer<SpeedDialAssignerWindow> window =
        new SpeedDialAssignerWindow(std::make_unique<ScriptedPrompter>(), std::make_unique<RecordingPrinter>());
    SpeedDialAssigner &tool = window->tool();
    GridTableView *view = window->form()->inputView();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    view->setFocus();
    view->setCurrentIndex(view->indexOfCell(1, 0));

    QApplication::clipboard()->setText("Pizza,9,0123\nTaxi,,555\n");
    window->findChild<QAction *>("BlockPaste")->trigger();
    QCOMPARE(tool.output().rows(), 6);
    QCOMPARE(tool.output().textAt(3, 2), QString("555"));
    QCOMPARE(tool.location(), QString("002"));
    window->findChild<QAction *>("BlockUndo")->trigger();
    QCOMPARE(tool.output().rows(), 2);
    QCOMPARE(tool.location(), QString("000"));

    // The output grid copies but takes no paste.
    GridTableView *output = window->form()->outputView();
    QVERIFY(!output->isEditable());
    QVERIFY(output->columnWidth(DialPairs::Dialled)
            >= output->fontMetrics().horizontalAdvance(QString(32, QLatin1Char('F'))));
    window->close();
}

QTEST_MAIN(TestAssignerBlocksWindow)
#include "test_assigner_blocks_window.moc"
