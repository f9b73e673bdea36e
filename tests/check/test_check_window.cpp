// The results list offscreen: "CHECK" opens it, a double click selects the
// finding's cell in its grid, "Check again" follows the user's fixes.
#include "assigner/AssignerForm.h"
#include "check/CheckResultsModel.h"
#include "check/CheckResultsWindow.h"
#include "grid/GridTableView.h"
#include "nameassign/NameAssignerWindow.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/entry/HandsetColumns.h"
#include "version6/window/DataPage.h"
#include "version6/window/ScriptsPage.h"
#include "version6/window/Version6Window.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

namespace {

// Screenshots for a reader, when asked for.
void snap(QWidget *window, const char *name)
{
    const QString folder = qEnvironmentVariable("HALVORAN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QVERIFY(window->grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
}

// Double-clicks the line of the list whose message holds text; false when none does.
bool doubleClickFinding(CheckResultsWindow *results, const QString &text)
{
    QTableView *list = results->list();
    for (int line = 0; line < results->model()->rowCount(); ++line) {
        if (!results->model()->finding(line).message.contains(text))
            continue;
        const QRect cell = list->visualRect(results->model()->index(line, CheckResultsModel::Message));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        return true;
    }
    return false;
}

CheckResultsWindow *resultsOf(QWidget *window)
{
    return window->findChild<CheckResultsWindow *>(QStringLiteral("CheckResults"));
}

} // namespace

class TestCheckWindow : public QObject {
    Q_OBJECT
private slots:
    void version6SelectsTheCell();
    void nameAssignerSelectsTheCell();
};

void TestCheckWindow::version6SelectsTheCell()
{
    TestHome home;
    auto *window = new Version6Window(std::make_unique<ScriptedPrompter>(), std::make_unique<RecordingPrinter>());
    window->show();
    Version6Tool &tool = window->tool();
    tool.handsets().replaceRows({HandsetColumns::NewRow("01000", "2000", "8 "),
                                 HandsetColumns::NewRow("01001", "2001", "8 "),
                                 HandsetColumns::NewRow("01002", "2000", "8 ")});
    tool.templates().grid(3).appendRow({"", "%EXT%", "1", "", ""});
    window->dataPage()->checkButton()->click();
    CheckResultsWindow *results = resultsOf(window);
    QVERIFY(results && results->isVisible());
    snap(results, "check-results");

    // A handset's cell on the DATA tab.
    QVERIFY(doubleClickFinding(results, QStringLiteral("extension 2000 is used by rows 1 and 3")));
    QCOMPARE(window->workArea()->currentWidget(), window->dataPage());
    const QModelIndex current = window->dataPage()->handsetView()->currentIndex();
    QCOMPARE(current, window->dataPage()->handsetView()->indexOfCell(3, HandsetColumns::Ext));

    // A template's cell on its tab of the SCRIPTS tab.
    const int templateRow = tool.templates().grid(3).rows() - 2;
    QVERIFY(doubleClickFinding(results, QStringLiteral("its Command is empty")));
    QCOMPARE(window->workArea()->currentWidget(), window->scriptsPage());
    QCOMPARE(window->scriptsPage()->tabs()->currentIndex(), 3);
    QCOMPARE(window->scriptsPage()->grid(3)->currentIndex(),
             window->scriptsPage()->grid(3)->indexOfCell(templateRow, 0));

    // Fixed while the list stays open: checked again, the finding is gone.
    tool.handsets().grid().setTextAt(3, HandsetColumns::Ext, QStringLiteral("2002"));
    results->checkAgainButton()->click();
    QVERIFY(!doubleClickFinding(results, QStringLiteral("is used by rows")));
    // The OUTPUT tab's button shows the same list.
    QVERIFY(window->findChildren<QPushButton *>(QStringLiteral("CheckButton")).size() == 2);
    delete window;
}

void TestCheckWindow::nameAssignerSelectsTheCell()
{
    TestHome home;
    auto *window = new NameAssignerWindow(std::make_unique<ScriptedPrompter>(), std::make_unique<RecordingPrinter>());
    window->show();
    GridTable *input = window->form()->inputView()->grid();
    input->appendRow({"2001", "Reception"});
    input->appendRow({"", "Porter"});
    window->form()->checkButton()->click();
    CheckResultsWindow *results = resultsOf(window);
    QVERIFY(results);
    snap(window, "name-assigner-check");
    QVERIFY(doubleClickFinding(results, QStringLiteral("\"Porter\" has no extension")));
    QCOMPARE(window->form()->inputView()->currentIndex(), window->form()->inputView()->indexOfCell(2, 0));
    delete window;
}

QTEST_MAIN(TestCheckWindow)
#include "test_check_window.moc"
