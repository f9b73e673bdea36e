// The Name Assigner window offscreen: the in-place editor commits when the focus leaves it.
#include "assigner/AssignerForm.h"
#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "nameassign/NameAssignerWindow.h"
#include "shell/HelpWindow.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

class TestNameAssignerWindow : public QObject {
    Q_OBJECT
private slots:
    void focusLeavingTheEditorCommits();
    void printButtons();
};

// PRINT prints, Shift with PRINT previews, PDF... beside it saves the same lines.
void TestNameAssignerWindow::printButtons()
{
    TestHome home;
    auto prompter = std::make_unique<ScriptedPrompter>();
    auto printer = std::make_unique<RecordingPrinter>();
    ScriptedPrompter *prompts = prompter.get();
    RecordingPrinter *printed = printer.get();
    QPointer<NameAssignerWindow> window = new NameAssignerWindow(std::move(prompter), std::move(printer));
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    AssignerForm *form = window->form();
    QCOMPARE(form->pdfButton()->text(), QStringLiteral("PDF..."));

    QTest::mouseClick(form->printButton(), Qt::LeftButton);
    QCOMPARE(printed->documents, 1);
    QVERIFY(printed->previews.isEmpty());
    QTest::mouseClick(form->printButton(), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(printed->documents, 1);
    QCOMPARE(printed->previews.size(), 1);
    QCOMPARE(printed->previews[0].lines, printed->lines);

    prompts->queueFile(home.file(QStringLiteral("names.pdf")));
    QTest::mouseClick(form->pdfButton(), Qt::LeftButton);
    QCOMPARE(prompts->files.value(0).title, QStringLiteral("Save Printed List as PDF"));
    QCOMPARE(printed->pdfPaths, QStringList{home.file(QStringLiteral("names.pdf"))});
    QCOMPARE(printed->pdfs[0].lines, printed->lines);
    QVERIFY(printed->pdfs[0].bold);
    delete window;
}

void TestNameAssignerWindow::focusLeavingTheEditorCommits()
{
    TestHome home;
    const QString list = home.file(QStringLiteral("list.csv"));
    WriteBytes(list, "100,\"JOHN SMITH\"\r\n101,\"Ann\"\r\n");

    auto prompter = std::make_unique<ScriptedPrompter>();
    ScriptedPrompter *prompts = prompter.get();
    QPointer<NameAssignerWindow> window =
        new NameAssignerWindow(std::move(prompter), std::make_unique<RecordingPrinter>());
    NameAssigner &tool = window->tool();
    AssignerForm *form = window->form();
    QCOMPARE(window->windowTitle(), QStringLiteral("Dterm Name Assigner"));
    QVERIFY(!form->tabs()->isTabEnabled(2));
    QVERIFY(!form->exportButton()->isEnabled());
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));

    prompts->queueFile(list);
    form->importButton()->click();
    GridTableView *view = form->inputView();
    QCOMPARE(view->model()->rowCount(), 3);

    // Typing on a cell opens the editor over it, starting with the typed letter.
    view->setFocus();
    view->setCurrentIndex(view->indexOfCell(2, 1));
    QCOMPARE(tool.input().row(), 2);
    QCOMPARE(tool.input().col(), 1);
    QTest::sendKeyEvent(QTest::Click, view, Qt::Key_B, QStringLiteral("B"), Qt::ShiftModifier);
    GridCellEditor *editor = form->editor();
    QVERIFY(editor->isVisible());
    QVERIFY(editor->hasFocus());
    QCOMPARE(editor->geometry(), view->visualRect(view->indexOfCell(2, 1)));
    QTest::keyClicks(editor, QStringLiteral("ea"));
    QCOMPARE(editor->text(), QStringLiteral("Bea"));
    QVERIFY(form->updateButton()->isVisible());

    // A click on another cell takes the focus away: the text is committed there.
    const QRect other = view->visualRect(view->indexOfCell(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, other.center());
    QVERIFY(!editor->isVisible());
    QCOMPARE(tool.input().textAt(2, 1), QStringLiteral("Bea"));
    QCOMPARE(tool.output().rowTexts(2), (QStringList{"770", "101", "426561", "", "Bea", ""}));
    QCOMPARE(view->model()->index(1, 1).data().toString(), QStringLiteral("Bea"));
    QCOMPARE(tool.input().row(), 1);
    QCOMPARE(tool.input().col(), 0);

    // Down on the last row commits, appends a row to both grids and stays on the row.
    view->setCurrentIndex(view->indexOfCell(3, 1));
    QTest::keyClick(view, Qt::Key_Space, Qt::NoModifier, ' ');
    QTest::keyClicks(editor, QStringLiteral("Cy"));
    QTest::keyClick(editor, Qt::Key_Down);
    QCOMPARE(tool.input().textAt(3, 1), QStringLiteral("Cy"));
    QCOMPARE(view->model()->rowCount(), 4);
    QCOMPARE(form->outputView()->model()->rowCount(), 4);
    QCOMPARE(view->currentIndex(), view->indexOfCell(3, 0));
    QVERIFY(view->hasFocus());

    // "Remove Row" on the highlighted row: the view and the tool then agree on the
    // row that took its place, so the next edit lands where the user sees it.
    view->setCurrentIndex(view->indexOfCell(1, 0));
    tool.removeRow();
    QCOMPARE(tool.input().textAt(1, 0), QStringLiteral("101"));
    QCOMPARE(view->currentIndex(), view->indexOfCell(tool.input().row(), tool.input().col()));
    QCOMPARE(tool.input().row(), 1);

    const QString screens = qEnvironmentVariable("HALVORAN_SCREENSHOT_DIR");
    if (!screens.isEmpty()) {
        QDir().mkpath(screens);
        QVERIFY(window->grab().save(screens + QStringLiteral("/name-assigner-input.png")));
        form->tabs()->setCurrentIndex(1);
        QVERIFY(window->grab().save(screens + QStringLiteral("/name-assigner-output.png")));
    }

    // HELP opens the help window under the Name Assigner's caption.
    form->helpButton()->click();
    QVERIFY(OpenHelpWindow());
    QCOMPARE(OpenHelpWindow()->windowTitle(), QStringLiteral("NAME ASSIGNER - HELP"));
    delete OpenHelpWindow();

    // Closing runs the tool's close sequence and deletes the window.
    prompts->queueNo();
    window->close();
    QCOMPARE(prompts->messages.last().title, QStringLiteral("LOSS OF DATA!"));
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestNameAssignerWindow)
#include "test_name_assigner_window.moc"
