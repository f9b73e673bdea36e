#include "store/ScriptStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/entry/HandsetColumns.h"
#include "version6/tool/Version6Tool.h"

#include <QtTest>

namespace {

void addRange(Version6Tool &tool, const QString &fp, const QString &start, const QString &stop, const QString &ext)
{
    QCOMPARE(AddRange(tool, fp, start, stop, ext), RangeScreen::AddResult::Added);
}

QStringList defaults(const QString &len, const QString &ext, const QString &type = QStringLiteral("8 "))
{
    return HandsetColumns::NewRow(len, ext, type);
}

const QString kKeepQuestion =
    QStringLiteral("You have applied changes to the Advanced grid\r\nWould you like to keep these changes?");

} // namespace

// NEXT, BACK and RESET as the window drives them, and the open sequence.
class TestHandsetSheet : public QObject {
    Q_OBJECT

private slots:
    void nextBuildsOneRowPerHandset()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        QVERIFY(!tool.nextEnabled());
        addRange(tool, "01", "000", "002", "2000");
        addRange(tool, "02", "005", "006", "300");
        QVERIFY(tool.nextEnabled());
        int reports = 0;
        tool.setProgressListener([&] { ++reports; });
        tool.next();

        const GridTable &grid = tool.handsets().grid();
        QCOMPARE(grid.header(), GridTable::captionsOf(HandsetColumns::kHeader));
        QCOMPARE(grid.cols(), 10);
        QCOMPARE(grid.rows(), 7);
        QCOMPARE(grid.rowTexts(1), defaults("01000", "2000"));
        QCOMPARE(grid.rowTexts(3), defaults("01002", "2002"));
        QCOMPARE(grid.rowTexts(4), defaults("02005", "300"));
        QCOMPARE(grid.rowTexts(5), defaults("02006", "301"));
        QVERIFY(grid.isRowEmpty(6));
        QVERIFY(tool.workAreaVisible());
        QVERIFY(!tool.progress().visible);
        QCOMPARE(tool.status(),
                 QStringLiteral("Use Up and Down arrows to navigate - Space to repeat or Return to change"));
        QVERIFY(reports > 0);
        QVERIFY(prompter.messages.isEmpty());
    }

    // A build without ranges leaves no handset behind from the previous build.
    void nextWithoutRangesLeavesAnEmptyGrid()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        addRange(tool, "01", "000", "001", "2000");
        tool.next();
        tool.back();
        tool.ranges().table().setRow(1);
        tool.remove();
        tool.next();
        QCOMPARE(tool.handsets().grid().rows(), 2);
        QVERIFY(tool.handsets().grid().isRowEmpty(1));
    }

    void keepingEditsAfterBack_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }

    void keepingEditsAfterBack()
    {
        QFETCH(bool, keep);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        addRange(tool, "01", "000", "001", "2000");
        tool.next();
        // An edit opened by typing.
        tool.handsets().grid().setTextAt(2, HandsetColumns::SpeedDials, "50");
        tool.handsets().grid().setTextAt(2, HandsetColumns::HandsetType, "Analog");
        tool.handsets().setAdvancedChanges(true);
        tool.back();
        QVERIFY(!tool.workAreaVisible());
        QCOMPARE(tool.handsets().advanced().rowTexts(2).mid(0, 4), (QStringList{"01001", "2001", "Analog", "50"}));

        addRange(tool, "03", "000", "000", "3000");
        tool.defaultHandsetChanged("16D");
        if (keep)
            prompter.queueYes();
        else
            prompter.queueNo();
        tool.next();

        QCOMPARE(prompter.messageTexts(), QStringList{kKeepQuestion});
        QCOMPARE(prompter.messages[0].title, QStringLiteral("Check User Action"));
        QCOMPARE(prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::None);
        const GridTable &grid = tool.handsets().grid();
        QCOMPARE(grid.rows(), 5);
        if (keep) {
            QCOMPARE(grid.rowTexts(1), defaults("01000", "2000", "8 "));
            QCOMPARE(grid.rowTexts(2), (QStringList{"01001", "2001", "Analog", "50", "1", "1", "15", "15", "", "00"}));
        } else {
            QCOMPARE(grid.rowTexts(1), defaults("01000", "2000", "16D"));
            QCOMPARE(grid.rowTexts(2), defaults("01001", "2001", "16D"));
        }
        QCOMPARE(grid.rowTexts(3), defaults("03000", "3000", "16D"));
        QVERIFY(grid.isRowEmpty(4));
        QCOMPARE(tool.handsets().advancedChanges(), keep);

        // After No the edits are forgotten: the next NEXT asks nothing.
        prompter.clear();
        tool.back();
        tool.next();
        QCOMPARE(prompter.messages.size(), keep ? 1 : 0);
    }

    // However the cell was changed, NEXT asks whether to keep it, over the
    // handsets already shown.
    void everyChangeIsKeptOverBack_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("Return-opened edit") << "return";
        QTest::newRow("Space") << "space";
        QTest::newRow("Apply To Colum") << "apply";
    }

    void everyChangeIsKeptOverBack()
    {
        QFETCH(QString, change);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        addRange(tool, "01", "000", "001", "2000");
        tool.next();
        tool.handsets().grid().setCurrent(2, HandsetColumns::SpeedDials);
        if (change == "return") {
            tool.startEdit(HandsetEditor::Trigger::Return);
            tool.textEditorKey(EditorKey::Return, "50");
        } else {
            tool.startEdit(HandsetEditor::Trigger::Return);
            tool.commitTextEdit("50");
            tool.handsets().setAdvancedChanges(false); // only what follows counts
            tool.handsets().grid().setCurrent(2, HandsetColumns::SpeedDials);
            change == "space" ? tool.repeat() : tool.applyToColumn();
        }
        QVERIFY(tool.handsets().advancedChanges());
        tool.back();
        bool shownFirst = false;
        tool.setStateListener([&] { shownFirst = tool.workAreaVisible() && prompter.messages.isEmpty(); });
        prompter.queueYes();
        tool.next();
        QVERIFY(shownFirst);
        QCOMPARE(prompter.messageTexts(), QStringList{kKeepQuestion});
        QCOMPARE(tool.handsets().grid().textAt(2, HandsetColumns::SpeedDials), QStringLiteral("50"));
    }

    void resetEmptiesRangesAndGrids()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        addRange(tool, "01", "000", "001", "2000");
        addRange(tool, "02", "000", "001", "3000");
        tool.next();
        tool.back();
        tool.reset();
        QCOMPARE(tool.ranges().table().rows(), 2);
        QCOMPARE(tool.handsets().grid().rows(), 2);
        QCOMPARE(tool.handsets().advanced().rows(), 2);
        QVERIFY(tool.ranges().usedLens().isEmpty());
        addRange(tool, "01", "000", "001", "2000");
    }

    void openReadsNamesTemplatesAndSettings()
    {
        TestHome home;
        const ScriptStore store = ScriptStore::standard();
        QVERIFY(store.ensureExists());
        QVERIFY(store.writeSettings(StoreTables::kVersionSixSettings, {{6, "/jobs/site1/"}, {7, "3"}}));
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();

        QCOMPARE(
            tool.handsetTypes(),
            (QStringList{"8 ", "8D", "8 IP", "16D", "16 IP", "32D", "2D", "Analog", "Data1 ", "Data2 ", "Data3 "}));
        QCOMPARE(tool.defaultHandset(), QStringLiteral("8 "));
        QCOMPARE(tool.typeEditorText(), QStringLiteral("8 "));
        QCOMPARE(tool.ranges().fp(), QStringLiteral("00"));
        QCOMPARE(tool.ranges().fpChoices().size(), 32);
        QCOMPARE(tool.ranges().startLen(), QStringLiteral("000"));
        QCOMPARE(tool.ranges().stopLen(), QStringLiteral("001"));
        QCOMPARE(tool.dialogState().folder, QStringLiteral("/jobs/site1/"));
        QCOMPARE(tool.dialogState().filterIndex, 3);
        QVERIFY(!tool.dialogState().folderChosen);
        for (int tab = 0; tab < TemplateSet::kCount; ++tab) {
            const GridTable &grid = tool.templates().grid(tab);
            QVERIFY2(grid.rows() > 2, qPrintable(QString::number(tab)));
            QVERIFY(grid.isRowEmpty(grid.rows() - 1));
        }
        QVERIFY(!tool.workAreaVisible());
        QVERIFY(prompter.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHandsetSheet)
#include "test_handset_sheet.moc"
