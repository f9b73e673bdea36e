// The Version 6.0 window offscreen, driven as a user would: ranges, NEXT, an
// edit in the handset grid, the OUTPUT tab compiling, and the close.
#include "grid/GridCellEditor.h"
#include "grid/GridTableView.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/entry/EntryTexts.h"
#include "version6/tool/Version6Texts.h"
#include "version6/window/DataPage.h"
#include "version6/window/HandsetTypeEditor.h"
#include "version6/window/OutputPage.h"
#include "version6/window/RangePage.h"
#include "version6/window/ScriptsPage.h"
#include "version6/window/Version6Window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
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

void addRange(RangePage *page, const QString &fp, const QString &start, const QString &stop, const QString &ext)
{
    page->fpBox()->setCurrentText(fp);
    page->startLenBox()->setCurrentText(start);
    page->stopLenBox()->setCurrentText(stop);
    page->startExtBox()->clear();
    QTest::keyClicks(page->startExtBox(), ext);
    page->addButton()->click();
}

} // namespace

class TestVersion6Window : public QObject {
    Q_OBJECT
private slots:
    void rangesEditCompileAndClose();
};

void TestVersion6Window::rangesEditCompileAndClose()
{
    TestHome home;
    auto prompter = std::make_unique<ScriptedPrompter>();
    ScriptedPrompter *prompts = prompter.get();
    QPointer<Version6Window> window = new Version6Window(std::move(prompter), std::make_unique<RecordingPrinter>());
    Version6Tool &tool = window->tool();
    QCOMPARE(window->windowTitle(), QStringLiteral("Version 8.1"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    // The range screen: FP 00 shown, the LEN lists filled, the default handset "8 ".
    RangePage *ranges = window->rangePage();
    QVERIFY(ranges->isVisible());
    QCOMPARE(ranges->fpBox()->currentText(), QStringLiteral("00"));
    QCOMPARE(ranges->startLenBox()->count(), 128);
    QCOMPARE(ranges->handsetBox()->currentText(), QStringLiteral("8 "));
    QVERIFY(!ranges->nextButton()->isEnabled());
    addRange(ranges, "01", "000", "002", "2000");
    addRange(ranges, "02", "010", "011", "3000");
    QCOMPARE(tool.ranges().table().rows(), 4);
    QCOMPARE(ranges->rangeView()->model()->index(1, 4).data().toString(), QStringLiteral("3001"));
    QCOMPARE(ranges->fpBox()->currentText(), QString());
    snap(window, "range-screen");

    // NEXT: the DATA tab with five handsets, the keys in the grid.
    ranges->nextButton()->click();
    QVERIFY(window->workArea()->isVisible());
    QCOMPARE(window->workArea()->currentWidget(), window->dataPage());
    GridTableView *handsets = window->dataPage()->handsetView();
    QCOMPARE(handsets->model()->rowCount(), 6);
    QCOMPARE(window->statusPanel()->text(), EntryTexts::kNavigate);

    // Typing 3 on a SPEED DIALS cell opens Text4 with 203 selected; 30 and Return commit 30.
    handsets->setFocus();
    handsets->setCurrentIndex(handsets->indexOfCell(2, 3));
    QTest::keyClick(handsets, Qt::Key_3, Qt::NoModifier, '3');
    GridCellEditor *text4 = window->dataPage()->textEditor();
    QVERIFY(text4->isVisible());
    QCOMPARE(text4->text(), QStringLiteral("203"));
    QCOMPARE(text4->selectedText(), QStringLiteral("203"));
    QCOMPARE(text4->geometry(), handsets->visualRect(handsets->indexOfCell(2, 3)));
    QCOMPARE(window->statusPanel()->text(), EntryTexts::kEnterData);
    snap(window, "data-tab-text-editor");
    QTest::keyClicks(text4, QStringLiteral("30"));
    QTest::keyClick(text4, Qt::Key_Return);
    QVERIFY(!text4->isVisible());
    QCOMPARE(tool.handsets().grid().textAt(2, 3), QStringLiteral("30"));
    QVERIFY(handsets->hasFocus());

    // Return on a HANDSET TYPE cell opens Combo5; Right commits the type and moves on.
    handsets->setCurrentIndex(handsets->indexOfCell(1, 2));
    QTest::keyClick(handsets, Qt::Key_Return);
    HandsetTypeEditor *combo5 = window->dataPage()->typeEditor();
    QVERIFY(combo5->isVisible());
    QCOMPARE(combo5->count(), 11);
    combo5->setCurrentIndex(combo5->findText(QStringLiteral("Analog")));
    snap(window, "data-tab-type-editor");
    QCOMPARE(QApplication::focusWidget(), combo5); // keys go where the user's keys go
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QVERIFY(!combo5->isVisible());
    QCOMPARE(tool.handsets().grid().textAt(1, 2), QStringLiteral("Analog"));
    QCOMPARE(handsets->currentIndex(), handsets->indexOfCell(1, 3));

    // A typed type is committed when the focus leaves for another cell.
    handsets->setCurrentIndex(handsets->indexOfCell(2, 2));
    QTest::keyClick(handsets, Qt::Key_Return);
    combo5->setEditText(QStringLiteral("Custom"));
    const QRect away = handsets->visualRect(handsets->indexOfCell(1, 0));
    QTest::mouseClick(handsets->viewport(), Qt::LeftButton, Qt::NoModifier, away.center());
    QVERIFY(!combo5->isVisible());
    QCOMPARE(tool.handsets().grid().textAt(2, 2), QStringLiteral("Custom"));

    // The SCRIPTS tab: thirteen templates under their captions.
    window->workArea()->setCurrentWidget(window->scriptsPage());
    QCOMPARE(window->scriptsPage()->tabs()->count(), 13);
    QCOMPARE(window->scriptsPage()->tabs()->tabText(7), QStringLiteral("Analog"));
    QVERIFY(window->findChild<QPushButton *>(QStringLiteral("Command7(12)")));
    snap(window, "scripts-tab");

    // Choosing OUTPUT compiles: the speed-dial blocks follow the handsets.
    window->workArea()->setCurrentWidget(window->outputPage());
    OutputPage *output = window->outputPage();
    QCOMPARE(output->grid(OutputGrids::PersonalSpeedDials)->model()->rowCount(), 6);
    QCOMPARE(output->grid(OutputGrids::PersonalSpeedDials)->model()->index(1, 2).data().toString(),
             QStringLiteral("002003"));
    QVERIFY(output->grid(OutputGrids::HandsetData)->model()->rowCount() > 5);
    QCOMPARE(output->startBlock()->text(), QStringLiteral("011"));
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("Frame3"))->isVisible());
    // The handset typed "Custom" selects no template: the compile says the site has an error.
    QCOMPARE(window->statusPanel()->text(), QStringLiteral("1 site error - press CHECK"));
    output->tabs()->setCurrentIndex(OutputGrids::MasterOutput);
    snap(window, "output-tab");
    QVERIFY(prompts->messages.isEmpty());

    // The site was built and edited by hand: closing asks before it is lost; No
    // closes the window, which goes (taking its prompter with it).
    prompts->queueNo();
    window->close();
    QCOMPARE(prompts->messageTexts(), QStringList{Version6Texts::kLossText});
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestVersion6Window)
#include "test_v6_window.moc"
