// The Speed Dial Assigner window offscreen: its own controls, the location box's
// focus rules and the in-place editor committing when the focus leaves it.
#include "assigner/AssignerForm.h"
#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "shell/HelpWindow.h"
#include "speeddial/SpeedDialAssignerWindow.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

class TestSpeedDialAssignerWindow : public QObject {
    Q_OBJECT
private slots:
    void locationBoxAndEditor();
};

namespace {
// Clicks a cell of a view, which takes the focus from wherever it was.
void clickCell(GridTableView *view, int row, int col)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(view->indexOfCell(row, col)).center());
}
// Clicks into the box and types over its text.
void typeInto(QLineEdit *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}
} // namespace

void TestSpeedDialAssignerWindow::locationBoxAndEditor()
{
    TestHome home;
    const QString list = home.file(QStringLiteral("dials.csv"));
    WriteBytes(list, "Reception,9,0123456789\r\nNight,,555\r\n");

    auto prompter = std::make_unique<ScriptedPrompter>();
    ScriptedPrompter *prompts = prompter.get();
    QPointer<SpeedDialAssignerWindow> window =
        new SpeedDialAssignerWindow(std::move(prompter), std::make_unique<RecordingPrinter>());
    SpeedDialAssigner &tool = window->tool();
    AssignerForm *form = window->form();
    QCOMPARE(window->windowTitle(), QStringLiteral("Speed Dial Assigner"));
    auto *box = window->findChild<QLineEdit *>(QStringLiteral("Text6"));
    auto *option = window->findChild<QCheckBox *>(QStringLiteral("Check1"));
    auto *used = window->findChild<QListWidget *>(QStringLiteral("List1"));
    QVERIFY(box && option && used);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label6"))->text(), QStringLiteral("Start MEM Location"));
    QCOMPARE(box->text(), QStringLiteral("000"));
    QCOMPARE(option->text(), QStringLiteral("Put '0' at the beginning of Outside Line numbers"));
    QVERIFY(!option->isChecked());
    QVERIFY(!form->tabs()->isTabEnabled(2));
    QVERIFY(!form->exportButton()->isEnabled());
    // The input grid's popup menu holds the block entries only, no row entries.
    QCOMPARE(form->inputView()->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(!window->findChild<QAction *>(QStringLiteral("Addrow")));
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(!used->isVisible());
    QVERIFY(!form->updateButton()->isVisible());
    QCOMPARE(form->statusPanel()->text(), QStringLiteral("OPEN A FILE FOR IMPORTATION TO BEGIN"));

    option->click();
    QVERIFY(tool.leadingZero());
    prompts->queueFile(list);
    form->importButton()->click();
    GridTableView *view = form->inputView();
    QCOMPARE(view->model()->rowCount(), 3);
    QCOMPARE(form->outputView()->model()->rowCount(), 5);
    QCOMPARE(tool.input().textAt(1, 2), QStringLiteral("00123456789"));
    QCOMPARE(box->text(), QStringLiteral("002"));
    QCOMPARE(used->count(), 3);
    prompts->clear();

    // Leaving the box on a listed location: the message, and the text it had on
    // entry comes back.
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->hasFocus());
    clickCell(view, 1, 0);
    QCOMPARE(prompts->messageTexts(), QStringList{"The choosen memory location is already in use!!!"});
    QCOMPARE(box->text(), QStringLiteral("002"));
    typeInto(box, QStringLiteral("001"));
    QCOMPARE(tool.location(), QStringLiteral("001"));
    clickCell(view, 1, 0);
    QCOMPARE(prompts->messages.size(), 2);
    QCOMPARE(box->text(), QStringLiteral("002"));
    // Beyond 299 while typing: the message, and the box reads 299.
    typeInto(box, QStringLiteral("350"));
    QCOMPARE(prompts->messages.last().text, QStringLiteral("THERE IS A MAXIMUM OF 299 SPEED DIAL MEMORY LOCATIONS"));
    QCOMPARE(box->text(), QStringLiteral("299"));
    typeInto(box, QStringLiteral("010"));
    clickCell(view, 1, 0);
    QCOMPARE(prompts->messages.size(), 3);
    QCOMPARE(tool.location(), QStringLiteral("010"));

    // Typing on the spare row opens the editor; a click elsewhere commits it, and
    // the new pair takes location 010.
    view->setFocus();
    view->setCurrentIndex(view->indexOfCell(3, 0));
    QTest::sendKeyEvent(QTest::Click, view, Qt::Key_Z, QStringLiteral("Z"), Qt::ShiftModifier);
    GridCellEditor *editor = form->editor();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->geometry(), view->visualRect(view->indexOfCell(3, 0)));
    QTest::keyClicks(editor, QStringLiteral("oe"));
    QVERIFY(form->updateButton()->isVisible());
    QCOMPARE(form->statusPanel()->text(), QStringLiteral("MANUAL INPUT"));
    clickCell(view, 1, 1);
    QVERIFY(!editor->isVisible());
    QCOMPARE(tool.input().textAt(3, 0), QStringLiteral("Zoe"));
    QCOMPARE(tool.output().rowTexts(6), (QStringList{"721", "010", "5A6F65", "", "Zoe", ""}));
    QCOMPARE(form->outputView()->model()->rowCount(), 7);
    QCOMPARE(box->text(), QStringLiteral("011"));
    QCOMPARE(tool.input().row(), 1);
    QCOMPARE(tool.input().col(), 1);

    // The click that ended that edit stays pending until the next commit, which
    // ends on the clicked cell; Down then moves from there.
    QVERIFY(tool.clickPending());
    view->setCurrentIndex(view->indexOfCell(3, 2));
    QTest::keyClick(view, Qt::Key_Space, Qt::NoModifier, ' ');
    QTest::keyClicks(editor, QStringLiteral("2000"));
    QTest::keyClick(editor, Qt::Key_Down);
    QCOMPARE(tool.output().textAt(5, 2), QStringLiteral("2000"));
    QVERIFY(!tool.clickPending());
    QCOMPARE(view->model()->rowCount(), 3);
    QCOMPARE(view->currentIndex(), view->indexOfCell(2, 1));

    // Down on the last row commits and adds an input row only.
    view->setCurrentIndex(view->indexOfCell(3, 2));
    QTest::keyClick(view, Qt::Key_Space, Qt::NoModifier, ' ');
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("2001"));
    QTest::keyClick(editor, Qt::Key_Down);
    QCOMPARE(tool.output().textAt(5, 2), QStringLiteral("2001"));
    QCOMPARE(view->model()->rowCount(), 4);
    QCOMPARE(form->outputView()->model()->rowCount(), 7);
    QCOMPARE(view->currentIndex(), view->indexOfCell(3, 0));
    QVERIFY(view->hasFocus());

    // Scrolling the grid away from an open editor commits it; the view stays
    // where it was scrolled.
    view->horizontalHeader()->resizeSection(2, 4000);
    QTRY_VERIFY(view->horizontalScrollBar()->maximum() > 0);
    view->setCurrentIndex(view->indexOfCell(4, 0));
    QTest::sendKeyEvent(QTest::Click, view, Qt::Key_Y, QStringLiteral("Y"), Qt::ShiftModifier);
    QVERIFY(editor->isVisible());
    QTest::keyClicks(editor, QStringLiteral("ve"));
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    QVERIFY(!editor->isVisible());
    QCOMPARE(tool.input().textAt(4, 0), QStringLiteral("Yve"));
    QCOMPARE(view->horizontalScrollBar()->value(), view->horizontalScrollBar()->maximum());
    QVERIFY(view->hasFocus());

    const QString screens = qEnvironmentVariable("HALVORAN_SCREENSHOT_DIR");
    if (!screens.isEmpty()) {
        QDir().mkpath(screens);
        QVERIFY(window->grab().save(screens + QStringLiteral("/speed-dial-input.png")));
        form->tabs()->setCurrentIndex(1);
        QVERIFY(window->grab().save(screens + QStringLiteral("/speed-dial-output.png")));
    }

    form->helpButton()->click();
    QVERIFY(OpenHelpWindow());
    QCOMPARE(OpenHelpWindow()->windowTitle(), QStringLiteral("SPEED DIALER - HELP"));
    delete OpenHelpWindow();

    prompts->clear();
    prompts->queueNo();
    window->close();
    QCOMPARE(prompts->messages.last().title, QStringLiteral("LOSS OF DATA!"));
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestSpeedDialAssignerWindow)
#include "test_speed_dial_assigner_window.moc"
