#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/compile/Compiler.h"
#include "version6/compile/OutputExport.h"
#include "version6/compile/OutputTextFiles.h"
#include "version6/compile/SpeedDialStart.h"
#include "version6/compile/TemplateSet.h"
#include "version6/entry/HandsetColumns.h"
#include "version6/tool/Version6Tool.h"

#include <QtTest>

namespace {

using Lines = QList<QStringList>;

const QString kCapacity = QStringLiteral(
    "Unable to continue processing speed dials\r\nPlease check your input data, as you have selected more speed "
    "dials than the PABX supports");

// A handset row: LEN, EXT, type, speed dials, pickup group and location; the
// restrictions and classes as a new row has them.
QStringList handset(const QString &len, const QString &ext, const QString &type, const QString &speedDials,
                    const QString &vip = QString(), const QString &loc = QStringLiteral("00"))
{
    QStringList row = HandsetColumns::NewRow(len, ext, type);
    row[HandsetColumns::SpeedDials] = speedDials;
    row[HandsetColumns::PickupVip] = vip;
    row[HandsetColumns::Loc] = loc;
    return row;
}

// A compile of handset rows through small templates: "8 " gives two lines, the
// second dropped when LOC is empty; "Analog" one line with a line that is never
// complete; Data1 one line.
class Site {
public:
    ScriptedPrompter prompter;
    SpeedDialStart start{prompter};
    TemplateSet templates;
    OutputGrids outputs;
    GridTable handsets{HandsetColumns::kHeader};

    Site()
    {
        setTemplate(0, {{"10", "%len%", "%EXT%", "", "station %ext%"}, {"52", "%EXT%", "%LC%", "", ""}});
        setTemplate(7, {{"90", "%EXT%", "0", "", "analogue"}, {"91", "", "x", "", "never complete"}});
        setTemplate(8, {{"720", "%EXT%", "1", "", "never read"}});
        setTemplate(10, {{"20", "%EXT%", "%DR%", "", ""}});
    }

    void setTemplate(int tab, const Lines &lines)
    {
        GridTable &grid = templates.grid(tab);
        grid.reset();
        for (const QStringList &line : lines)
            grid.appendRow(line);
    }

    void setHandsets(const Lines &rows)
    {
        handsets.reset();
        for (const QStringList &row : rows)
            handsets.appendRow(row);
    }

    CompileResult compile(const CompileProgressFn &progress = {})
    {
        return CompileOutput(handsets, templates, start, outputs, prompter, {}, progress);
    }

    // Columns 0 to 4 of rows 1 .. Rows - 1 of an output grid.
    Lines lines(int index) const
    {
        Lines rows;
        const GridTable &grid = outputs.grid(index);
        for (int r = 1; r < grid.rows(); ++r)
            rows.append(grid.rowTexts(r).mid(0, 5));
        return rows;
    }
};

QStringList line(const QString &a, const QString &b, const QString &c, const QString &e = QString())
{
    return {a, b, c, QString(), e};
}

const QStringList kEmpty{"", "", "", "", ""};

} // namespace

class TestCompiler : public QObject {
    Q_OBJECT

private slots:
    // The command line's outputs, written as the compile goes, hold the bytes of
    // the grids' text export, and count the same fields windows-1252 cannot hold.
    void filesHoldWhatTheGridsExport()
    {
        TestHome home;
        Site site;
        site.setTemplate(10, {{"20", "%EXT%", "%DR%", "", "Ωmega %ext%"}});
        site.setHandsets({handset("01000", "2001", "8 ", "10", "5"), handset("01001", "2002", "8 ", "20", "", ""),
                          handset("01002", "2003", "Data1 ", "", "5")});
        site.compile();
        QStringList paths;
        for (int i = 0; i < OutputGrids::Count; ++i)
            paths.append(home.file(QStringLiteral("streamed-%1.csv").arg(i)));
        OutputTextFiles files(paths);
        QVERIFY(files.open());
        site.start.setText("000");
        QVERIFY(CompileOutput(site.handsets, site.templates, site.start, files, site.prompter).started);
        QVERIFY(files.commit());

        for (int i = 0; i < OutputGrids::Count; ++i) {
            const QString exported = home.file(QStringLiteral("exported-%1.csv").arg(i));
            QVERIFY(Version6Export::WriteOutputGrid(site.outputs.grid(i), exported, "CSV"));
            QCOMPARE(ReadBytes(paths[i]), ReadBytes(exported));
            const CodePageLoss loss = Version6Export::OutputGridLoss(site.outputs.grid(i), "CSV");
            QCOMPARE(files.loss(i).cells, loss.cells);
            QCOMPARE(files.loss(i).line, loss.line);
            QCOMPARE(files.loss(i).field, loss.field);
            QCOMPARE(files.loss(i).text, loss.text);
        }
        QCOMPARE(files.loss(OutputGrids::MasterOutput).text, QStringLiteral("ΩMEGA 2001"));
    }

    void wholeSite()
    {
        Site site;
        site.setHandsets({handset("01000", "2001", "8 ", "10", "5"), handset("01001", "2002", "8 ", "20", "", ""),
                          handset("01002", "2003", "Data1 ", "", "5")});
        const CompileResult result = site.compile();
        QVERIFY(result.started);
        QVERIFY(!result.aborted);
        QVERIFY(!result.capacityExceeded);
        QVERIFY(site.prompter.messages.isEmpty());
        QVERIFY(site.prompter.inputs.isEmpty()); // "000" asks nothing

        const QStringList station1 = line("10", "01000", "2001", "STATION 2001");
        const QStringList location1 = line("52", "2001", "00");
        const QStringList station2 = line("10", "01001", "2002", "STATION 2002");
        const QStringList data1 = line("20", "2001", "1");
        const QStringList data2 = line("20", "2002", "1");
        const QStringList data3 = line("20", "2003", "1");
        QCOMPARE(site.lines(OutputGrids::HandsetData),
                 (Lines{station1, location1, kEmpty, station2, kEmpty, data3, kEmpty}));
        QCOMPARE(site.lines(OutputGrids::PersonalSpeedDials),
                 (Lines{line("73", "2001", "000001"), line("73", "2002", "001002"), kEmpty}));
        QCOMPARE(site.lines(OutputGrids::PickupGroups),
                 (Lines{line("160", "2001", "2003"), line("160", "2003", "2001"), kEmpty}));
        QCOMPARE(site.lines(OutputGrids::MasterOutput),
                 (Lines{station1, location1, data1, station2, data2, data3, data3, line("160", "2001", "2003"),
                        line("160", "2003", "2001"), line("73", "2001", "000001"), line("73", "2002", "001002"), kEmpty,
                        kEmpty}));
        QCOMPARE(site.start.text(), QStringLiteral("003"));
    }

    void speedDialBlocks_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("speedDials");
        QTest::addColumn<QString>("secondData");
        QTest::addColumn<QString>("next");
        QTest::newRow("10 from 000") << "000"
                                     << "10"
                                     << "000001"
                                     << "001";
        QTest::newRow("100 from 000") << "000"
                                      << "100"
                                      << "000010"
                                      << "010";
        QTest::newRow("50 from 095") << "095"
                                     << "50"
                                     << "095005"
                                     << "100";
        QTest::newRow("5 locations") << "000"
                                     << "5"
                                     << "00005"
                                     << "000";
        QTest::newRow("no locations") << "007"
                                      << "abc"
                                      << "00700"
                                      << "007";
        QTest::newRow("untouched digit keeps its text") << "0a5"
                                                        << "10"
                                                        << "0a5001"
                                                        << "0a6";
        QTest::newRow("fourth digit counts") << "0123"
                                             << "10"
                                             << "012001"
                                             << "013";
        QTest::newRow("empty start") << ""
                                     << "20"
                                     << "002"
                                     << "2";
    }

    void speedDialBlocks()
    {
        QFETCH(QString, start);
        QFETCH(QString, speedDials);
        QFETCH(QString, secondData);
        QFETCH(QString, next);
        Site site;
        site.setHandsets({handset("01000", "2001", "none", speedDials)});
        const CompileResult result =
            CompileOutput(site.handsets, site.templates, site.start, site.outputs, site.prompter, {start});
        QVERIFY(result.started);
        QCOMPARE(site.lines(OutputGrids::PersonalSpeedDials).value(0), line("73", "2001", secondData));
        QCOMPARE(site.start.text(), next);
    }

    // Block 998 plus three blocks passes 999: the line is written, the message
    // shown once, and the handsets after it get nothing; pickup groups follow.
    void capacityReached()
    {
        Site site;
        site.start.setText("998");
        site.prompter.queueInput("998");
        site.setHandsets({handset("01000", "2001", "8 ", "30", "7"), handset("01001", "2002", "8 ", "10", "7")});
        const CompileResult result = site.compile();
        QVERIFY(result.aborted);
        QVERIFY(result.capacityExceeded);
        QCOMPARE(site.prompter.messageTexts(), QStringList{kCapacity});
        QCOMPARE(site.prompter.messages[0].title, QStringLiteral("User input error"));
        QCOMPARE(site.prompter.messages[0].icon, Prompter::Icon::Exclamation);
        QCOMPARE(site.start.text(), QStringLiteral("1001"));
        QVERIFY(site.start.abort());
        QCOMPARE(site.lines(OutputGrids::PersonalSpeedDials), (Lines{line("73", "2001", "998003"), kEmpty}));
        QCOMPARE(site.lines(OutputGrids::HandsetData),
                 (Lines{line("10", "01000", "2001", "STATION 2001"), line("52", "2001", "00"), kEmpty, kEmpty}));
        QCOMPARE(site.lines(OutputGrids::PickupGroups),
                 (Lines{line("160", "2001", "2002"), line("160", "2002", "2001"), kEmpty}));
    }

    // Answering the question with 1000: only the first handset's lines, no "73".
    void abortAfterAnswer1000()
    {
        Site site;
        site.start.setText("010");
        site.prompter.queueInput("1000");
        site.setHandsets({handset("01000", "2001", "8 ", "10", "3"), handset("01001", "2002", "8 ", "10")});
        const CompileResult result = site.compile();

        QCOMPARE(site.prompter.inputs.size(), 1);
        QCOMPARE(site.prompter.inputs[0].prompt, QStringLiteral("Speed Dial Start Location"));
        QCOMPARE(site.prompter.inputs[0].title, QStringLiteral("Is this Correct?"));
        QCOMPARE(site.prompter.inputs[0].defaultText, QStringLiteral("010"));
        QCOMPARE(site.prompter.messageTexts(), QStringList{kCapacity});
        QVERIFY(result.aborted);
        QCOMPARE(site.lines(OutputGrids::HandsetData),
                 (Lines{line("10", "01000", "2001", "STATION 2001"), line("52", "2001", "00"), kEmpty}));
        QCOMPARE(site.lines(OutputGrids::PersonalSpeedDials), Lines{kEmpty});
        QCOMPARE(site.lines(OutputGrids::PickupGroups), (Lines{line("160", "2001", "2001"), kEmpty}));
        QCOMPARE(site.start.text(), QStringLiteral("1000"));
    }

    // A start kept past the capacity is refused again, even when the answer is
    // the text the field already holds.
    void startPastCapacityRefusedAgain()
    {
        Site site;
        site.start.setText("1001");
        site.prompter.clear();
        site.prompter.queueInput("1001");
        site.setHandsets({handset("01000", "2001", "8 ", "10")});
        const CompileResult result = site.compile();
        QVERIFY(result.aborted);
        QCOMPARE(site.prompter.messageTexts(), QStringList{kCapacity});
        QCOMPARE(site.lines(OutputGrids::PersonalSpeedDials), Lines{kEmpty});
    }

    // Cancel empties the field; blocks are then counted from nothing.
    void cancelledQuestionEmptiesTheField()
    {
        Site site;
        site.start.setText("010");
        site.prompter.queueInputCancel();
        site.setHandsets({handset("01000", "2001", "none", "10")});
        site.compile();
        QCOMPARE(site.lines(OutputGrids::PersonalSpeedDials).value(0), line("73", "2001", "001"));
        QCOMPARE(site.start.text(), QStringLiteral("1"));
    }

    void pickupRings()
    {
        Site site;
        site.setHandsets({handset("01000", "10", "none", "", "5"), handset("01001", "11", "none", "", ""),
                          handset("01002", "12", "none", "", "05"), handset("01003", "13", "none", "", "7"),
                          handset("01004", "14", "none", "", "0"), handset("01005", "15", "none", "", "100"),
                          handset("01006", "16", "none", "", "2.5")});
        site.compile();
        QCOMPARE(site.lines(OutputGrids::PickupGroups),
                 (Lines{line("160", "10", "12"), line("160", "12", "10"), line("160", "13", "13"), kEmpty}));
    }

    // A type without a template still gets its "73" line and its pickup lines.
    void typeWithoutTemplate()
    {
        Site site;
        site.setHandsets({handset("01000", "2001", "SpeedDials", "10", "4"), handset("01001", "2002", "8", "", "4")});
        site.compile();
        QCOMPARE(site.lines(OutputGrids::HandsetData), (Lines{kEmpty, kEmpty}));
        QCOMPARE(site.lines(OutputGrids::MasterOutput),
                 (Lines{line("160", "2001", "2002"), line("160", "2002", "2001"), line("73", "2001", "000001"), kEmpty,
                        kEmpty}));
    }

    // What "&Apply To Colum" writes into the trailing spare row is not a handset.
    void spareRowNeverCompiled()
    {
        Site site;
        site.setHandsets({handset("01000", "2001", "none", "", "")});
        const int spare = site.handsets.rows() - 1;
        const QStringList filled = handset("01001", "2009", "8 ", "10", "3");
        for (int c = 0; c < filled.size(); ++c)
            site.handsets.setTextAt(spare, c, filled[c]);
        site.compile();
        for (int i = 0; i < OutputGrids::MasterOutput; ++i)
            QCOMPARE(site.lines(i), Lines{kEmpty});
        QCOMPARE(site.start.text(), QStringLiteral("000"));
    }

    void emptyHandsetGrid()
    {
        Site site;
        site.handsets.setRows(1);
        site.compile();
        for (int i = 0; i < OutputGrids::MasterOutput; ++i)
            QCOMPARE(site.lines(i), Lines{kEmpty});
        QCOMPARE(site.lines(OutputGrids::MasterOutput), (Lines{kEmpty, kEmpty}));
    }

    // A second compile cannot start while one runs, not even from the window's
    // events during the progress reports.
    void secondCompileRefused()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        AddRange(tool, "01", "000", "009", "2000");
        tool.next();

        int reentries = 0;
        QStringList labels;
        bool panelSeen = false;
        tool.setProgressListener([&] {
            if (!tool.compiling())
                return;
            panelSeen = panelSeen || tool.compilePanelVisible();
            labels.append(tool.compileProgress().label3());
            if (reentries++ < 3) {
                QVERIFY(!tool.recompile().started);
                QVERIFY(!tool.compile().started);
                tool.mainTabChosen("OUTPUT");
            }
        });
        QVERIFY(tool.recompile().started);
        QVERIFY(reentries > 3);
        QVERIFY(panelSeen);
        QVERIFY(labels.contains("Compiling Handset Data...\r\n(9 Handsets Remaining)"));
        QVERIFY(labels.contains("Updating Speed Dial Data..."));
        QVERIFY(labels.contains("NOW COMPILING PICKUP GROUPS"));
        QVERIFY(labels.contains("NOW FINALIZING OUTPUT FILES"));
        QVERIFY(!tool.compiling());
        QVERIFY(!tool.compilePanelVisible());
        QVERIFY(!tool.progress().visible);
        QCOMPARE(tool.status(), QString());
        // One compile's worth of output: ten handsets of the shipped "8 " template.
        const GridTable &personal = tool.outputs().grid(OutputGrids::PersonalSpeedDials);
        QCOMPARE(personal.rows(), 12);
        QCOMPARE(personal.textAt(10, 2), QStringLiteral("018002"));
        QCOMPARE(tool.startBlock().text(), QStringLiteral("020"));
    }

    // Choosing "OUTPUT" compiles only while Handset Data holds no line.
    void outputTabCompilesOnce()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        AddRange(tool, "01", "000", "000", "2000");
        tool.next();
        tool.mainTabChosen("DATA");
        QCOMPARE(tool.outputs().grid(OutputGrids::HandsetData).rows(), 2);
        tool.mainTabChosen("OUTPUT");
        QVERIFY(tool.outputs().grid(OutputGrids::HandsetData).rows() >= 3);
        QCOMPARE(tool.startBlock().text(), QStringLiteral("002"));
        tool.mainTabChosen("OUTPUT");
        QCOMPARE(tool.startBlock().text(), QStringLiteral("002"));
        QVERIFY(prompter.inputs.isEmpty());
        // RE-COMPILE continues from the block reached and asks about it.
        prompter.queueInput("002");
        tool.recompile();
        QCOMPARE(prompter.inputs.size(), 1);
        QCOMPARE(tool.startBlock().text(), QStringLiteral("004"));
    }

    void typedStartIsChecked()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.startBlockChanged("999");
        QVERIFY(prompter.messages.isEmpty());
        tool.startBlockChanged("1000");
        QCOMPARE(prompter.messageTexts(), QStringList{kCapacity});
        QVERIFY(tool.startBlock().abort());
    }
};

QTEST_GUILESS_MAIN(TestCompiler)
#include "test_compiler.moc"
