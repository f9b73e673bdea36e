// The checks through their core: small sites and lists with the findings each
// must give, the speed-dial count against what the compiler really allocates,
// and the compile's status line.
#include "check/CheckTexts.h"
#include "check/ListCheck.h"
#include "grid/GridTable.h"
#include "nameassign/NameRows.h"
#include "speeddial/DialPairs.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/check/SiteCheck.h"
#include "version6/compile/Compiler.h"
#include "version6/compile/SpeedDialStart.h"
#include "version6/compile/TemplateSet.h"
#include "version6/entry/HandsetColumns.h"
#include "version6/tool/Version6Tool.h"

#include <QtTest>

namespace {

using Lines = QList<QStringList>;
using TemplateLines = QMap<int, Lines>;

// LEN, EXT, type, speed dials, pickup group, LOC; the other cells as a new row has them.
QStringList handset(const QString &len, const QString &ext, const QString &type = QStringLiteral("8 "),
                    const QString &speedDials = QStringLiteral("20"), const QString &vip = QString(),
                    const QString &loc = QStringLiteral("00"))
{
    QStringList row = HandsetColumns::NewRow(len, ext, type);
    row[HandsetColumns::SpeedDials] = speedDials;
    row[HandsetColumns::PickupVip] = vip;
    row[HandsetColumns::Loc] = loc;
    return row;
}

GridTable grid(const QString &format, const Lines &rows)
{
    GridTable table(format);
    for (const QStringList &row : rows)
        table.appendRow(row);
    return table;
}

// Templates: "8 " with one good line, every other one empty.
TemplateSet siteTemplates(const TemplateLines &changes = {})
{
    TemplateSet templates;
    TemplateLines lines{{0, {{"10", "%LEN%", "%EXT%", "", ""}}}};
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        lines[it.key()] = it.value();
    for (int tab = 0; tab < TemplateSet::kCount; ++tab) {
        GridTable &g = templates.grid(tab);
        g.reset();
        for (const QStringList &line : lines.value(tab))
            g.appendRow(line);
    }
    return templates;
}

// "row 2, EXT: error duplicate-ext": where, how bad, what.
QStringList keys(const CheckReport &report)
{
    QStringList keys;
    for (const CheckFinding &f : report.findings()) {
        const QString line = CheckReport::textLine(f);
        keys.append(line.left(line.indexOf(QStringLiteral(": ") + CheckTexts::SeverityWord(f.severity)))
                    + QStringLiteral(": ") + CheckTexts::SeverityWord(f.severity) + QLatin1Char(' ') + f.code);
    }
    return keys;
}

void compareFindings(const CheckReport &report, const QStringList &expected, const QStringList &messages)
{
    QCOMPARE(keys(report), expected);
    const QString all = report.textLines().join(QLatin1Char('\n'));
    for (const QString &message : messages)
        QVERIFY2(all.contains(message), qPrintable(all));
}

} // namespace

class TestSiteCheck : public QObject {
    Q_OBJECT
private slots:
    void site_data();
    void site();
    void speedDialsAsCompiled_data();
    void speedDialsAsCompiled();
    void spareRowIsNoHandset();
    void lists_data();
    void lists();
    void compileStatus();
};

void TestSiteCheck::site_data()
{
    QTest::addColumn<Lines>("handsets");
    QTest::addColumn<TemplateLines>("templates");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("messages");
    const TemplateLines plain;

    QTest::newRow("clean") << Lines{handset("01000", "2000"), handset("31127", "2001", "Analog", "", "5"),
                                    handset("01002", "2002", "8 ", "100", "05")}
                           << TemplateLines{{7, {{"90", "%EXT%", "%LC%", "", "note"}}}} << "000" << QStringList{}
                           << QStringList{};
    QTest::newRow("duplicate keys") << Lines{handset("01000", "2000"), handset("01001", "2000"),
                                             handset("01000", "2002"), handset("01003", "2000")}
                                    << plain << "000"
                                    << QStringList{"row 2, EXT: error duplicate-ext", "row 3, LEN: error duplicate-len"}
                                    << QStringList{"extension 2000 is used by rows 1, 2 and 4",
                                                   "LEN 01000 is used by rows 1 and 3"};
    QTest::newRow("LEN forms") << Lines{handset("0100", "1"), handset("32000", "2"), handset("01128", "3"),
                                        handset("1000", "4"), handset("0a000", "5"), handset("", "6")}
                               << plain << "000"
                               << QStringList{"row 1, LEN: error bad-len", "row 2, LEN: error bad-len",
                                              "row 3, LEN: error bad-len", "row 4, LEN: error bad-len",
                                              "row 5, LEN: error bad-len", "row 6, LEN: error bad-len"}
                               << QStringList{"LEN \"1000\" is not an FP 00 to 31 followed by a circuit 000 to 127"};
    QTest::newRow("handset types, grouped")
        << Lines{handset("01000", "1", "analog"), handset("01001", "2", "analog"), handset("01002", "3", "8"),
                 handset("01003", "4", "analog"), handset("01004", "5", "")}
        << plain << "000"
        << QStringList{"row 1, HANDSET TYPE: error unknown-type", "row 3, HANDSET TYPE: error unknown-type",
                       "row 5, HANDSET TYPE: error unknown-type", "template 0 \"8 \": information unused-template"}
        << QStringList{"handset type \"analog\" matches no template tab: the 3 handsets of this type get no template "
                       "lines (rows 1, 2 and 4); the tab \"Analog\" differs only in case or blanks",
                       "handset type \"8\" matches no template tab: this handset gets no template lines; the tab "
                       "\"8 \" differs only in case or blanks"};
    QTest::newRow("cell rule, grouped by value")
        << Lines{handset("01000", "123456", "8 ", "25", "", "0"), handset("01001", "2", "8 ", "20", "", "0"),
                 handset("01002", "3", "8 ", "", "", "0"), handset("01003", "4", "8 ", "20", "", "7")}
        << plain << "000"
        << QStringList{"row 1, EXT: warning cell-rule", "row 1, SPEED DIALS: warning cell-rule",
                       "row 1, LOC: warning cell-rule", "row 4, LOC: warning cell-rule"}
        << QStringList{"EXT \"123456\" breaks the cell rule: checking the cell would make it \"12345\"",
                       "LOC \"0\" breaks the cell rule: checking the cell would make it \"00\" (3 rows: 1, 2 and 3)",
                       "SPEED DIALS \"25\" breaks the cell rule: checking the cell would make it \"30\""};
    QTest::newRow("pickup groups")
        << Lines{handset("01000", "10", "8 ", "", "100"), handset("01001", "11", "8 ", "", "5"),
                 handset("01002", "12", "8 ", "", "100"), handset("01003", "13", "8 ", "", "05"),
                 handset("01004", "14", "8 ", "", "7"),   handset("01005", "15", "8 ", "", "5.5"),
                 handset("01006", "16", "8 ", "", "100")}
        << plain << "000"
        << QStringList{"row 1, PICKUP VIP: warning no-pickup-group", "row 5, PICKUP VIP: warning lone-pickup-member",
                       "row 6, PICKUP VIP: warning no-pickup-group"}
        << QStringList{"PICKUP VIP \"100\" joins no pickup group (a group is a whole number 1 to 99); checking the "
                       "cell would make it \"00\" (3 rows: 1, 3 and 7)",
                       "PICKUP VIP \"5.5\" joins no pickup group (a group is a whole number 1 to 99)",
                       "pickup group 7 has one member, extension 14: its ring links the handset to itself"};
    QTest::newRow("blocks run out after a handset")
        << Lines{handset("01000", "2000", "8 ", "20"), handset("01001", "2001", "8 ", ""),
                 handset("01002", "2002", "8 ", "10")}
        << plain << "998" << QStringList{"row 3, SPEED DIALS: error speed-dial-capacity"}
        << QStringList{"extension 2002 is the first handset that gets no speed-dial block: the blocks counted from "
                       "the Speed Dial Starting Block \"998\" run out at row 1 (extension 2000), where the compile "
                       "stops; this handset and 1 handset more get no template lines"};
    QTest::newRow("blocks past the last one")
        << Lines{handset("01000", "2000", "8 ", "30")} << plain << "998"
        << QStringList{"row 1, SPEED DIALS: error speed-dial-capacity"}
        << QStringList{"the speed dials of extension 2000 need blocks up to 1000, past the PABX's last block 999"};
    QTest::newRow("start beyond the capacity")
        << Lines{handset("01000", "2000", "8 ", "20"), handset("01001", "2001")} << plain << "1000"
        << QStringList{"row 1, SPEED DIALS: error speed-dial-capacity"}
        << QStringList{"extension 2000 is the first handset that gets no speed-dial block: the blocks counted from "
                       "the Speed Dial Starting Block \"1000\" have run out, and the compile stops at this handset; "
                       "the 1 handset after it get no template lines"};
    QTest::newRow("last block used exactly")
        << Lines{handset("01000", "2000", "8 ", "20")} << plain << "998"
        << QStringList{"row 1, SPEED DIALS: warning speed-dial-capacity-reached"} << QStringList{};
    QTest::newRow("template lines and tokens")
        << Lines{handset("01000", "2000")}
        << TemplateLines{{0,
                          {{"", "%EXT%", "1", "", "comment only"},
                           {"20", "", "", "", ""},
                           {"21", "%EXT%", "%LC%", "", ""},
                           {"22", "%EXTN%", "%ex% %EX%", "", "%LEN%"},
                           {"23", "%ext% %EXT%", "100%", "", "%X%EXT%"},
                           {"", "", "", "", ""}}},
                         {10, {{"30", "%EXT%", "", "", ""}}}}
        << "000"
        << QStringList{"template 0 \"8 \", row 1, Command: warning never-complete",
                       "template 0 \"8 \", row 2, First Data: warning never-complete",
                       "template 0 \"8 \", row 4, First Data: warning not-a-placeholder",
                       "template 0 \"8 \", row 4, Second Data: warning not-a-placeholder",
                       "template 0 \"8 \", row 5, First Data: warning repeated-placeholder",
                       "template 10 \"Data1 \", row 1, Second Data: warning never-complete"}
        << QStringList{"this line is never written: its First Data and Second Data are empty",
                       "\"%EXTN%\" looks like a placeholder but is none: it is written as it stands",
                       "\"%EX%\" looks like a placeholder but is none"};
}

void TestSiteCheck::site()
{
    QFETCH(Lines, handsets);
    QFETCH(TemplateLines, templates);
    QFETCH(QString, start);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);
    const GridTable sheet = grid(HandsetColumns::kHeader, handsets);
    const TemplateSet set = siteTemplates(templates);
    compareFindings(CheckSite(sheet, set, start), expected, messages);
}

// The first handset the check says gets no block is the first without a "73"
// line in what the compiler writes.
void TestSiteCheck::speedDialsAsCompiled_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("speedDials");
    QTest::addColumn<int>("count");     // handsets, each with the last value of speedDials
    QTest::addColumn<int>("firstLost"); // 0: every handset allocated; -1: as the compile finds

    QTest::newRow("4096 of 20 from 000") << "000" << QStringList{"20"} << 4096 << 501;
    QTest::newRow("4096 of 20 from 500") << "500" << QStringList{"20"} << 4096 << 251;
    QTest::newRow("mixed counts") << "990" << QStringList{"100", "", "25", "10"} << 6 << 3;
    QTest::newRow("fits") << "000" << QStringList{"100"} << 99 << 0;
    QTest::newRow("odd start") << "9" << QStringList{"10"} << 200 << -1;
}

void TestSiteCheck::speedDialsAsCompiled()
{
    QFETCH(QString, start);
    QFETCH(QStringList, speedDials);
    QFETCH(int, count);
    QFETCH(int, firstLost);

    Lines rows;
    for (int i = 0; i < count; ++i)
        rows.append(handset(QStringLiteral("01000"), QString::number(10000 + i), QStringLiteral("8 "),
                            speedDials.value(i, speedDials.last())));
    GridTable sheet = grid(HandsetColumns::kHeader, rows);
    const TemplateSet templates = siteTemplates();

    const CheckReport report = CheckSite(sheet, templates, start);
    int reported = 0;
    for (const CheckFinding &f : report.findings())
        if (f.code == QLatin1String("speed-dial-capacity") && f.message.contains(QLatin1String("first handset")))
            reported = f.row;

    ScriptedPrompter prompter;
    SpeedDialStart field(prompter);
    OutputGrids outputs;
    CompileOptions options;
    options.startLocation = start;
    CompileOutput(sheet, templates, field, outputs, prompter, options);
    QStringList allocated;
    const GridTable &personal = outputs.grid(OutputGrids::PersonalSpeedDials);
    for (int r = 1; r < personal.rows(); ++r)
        allocated.append(personal.textAt(r, 1));
    int compiledFirstLost = 0;
    for (int r = 1; r <= count && compiledFirstLost == 0; ++r)
        if (!sheet.textAt(r, HandsetColumns::SpeedDials).isEmpty()
            && !allocated.contains(sheet.textAt(r, HandsetColumns::Ext)))
            compiledFirstLost = r;
    QCOMPARE(reported, compiledFirstLost);
    if (firstLost >= 0)
        QCOMPARE(reported, firstLost);
}

// What "&Apply To Colum" leaves in the grid's last row is no handset to the
// compiler, and none to the check.
void TestSiteCheck::spareRowIsNoHandset()
{
    GridTable sheet = grid(HandsetColumns::kHeader, {handset("01000", "2000", "8 ", "20", "7")});
    const QStringList spare = handset("01000", "2000", "nothing", "20", "7");
    for (int c = 0; c < spare.size(); ++c)
        sheet.setTextAt(sheet.rows() - 1, c, spare[c]);
    compareFindings(CheckSite(sheet, siteTemplates(), QStringLiteral("990")),
                    {"row 1, PICKUP VIP: warning lone-pickup-member"}, {});
}

void TestSiteCheck::lists_data()
{
    QTest::addColumn<bool>("names");
    QTest::addColumn<Lines>("rows");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("names") << true << Lines{{"2001", "Reception"},
                                            {"2002", "A name of twenty chr"},
                                            {"2001", "Zoë Ŝmith €"},
                                            {"", "No Extension"},
                                            {"", ""},
                                            {"2003", ""}}
                           << QString()
                           << QStringList{"row 2, NAME: warning name-cut",
                                          "row 3, EXTENSION: error duplicate-extension",
                                          "row 3, NAME: warning not-windows-1252",
                                          "row 4, EXTENSION: error name-without-extension"}
                           << QStringList{"the name \"A name of twenty chr\" has 20 characters: only \"A name of "
                                          "twenty\" is sent",
                                          "extension 2001 is used by rows 1 and 3",
                                          "\"Zoë Ŝmith €\" holds \"Ŝ\", which windows-1252 cannot hold"};
    QTest::newRow("speed dials") << false
                                 << Lines{{"Reception", "9", "0123*45#"},
                                          {"Head Office Switchboard", "", "01-234 567"},
                                          {"Fax", "9a", "0123"},
                                          {"Extra", "", "1"}}
                                 << "297"
                                 << QStringList{"row 2, Name: warning name-cut", "row 2, Number: error not-dialable",
                                                "row 3, Aceess Code: error not-dialable",
                                                "row 4, Name: error no-location-left"}
                                 << QStringList{"the number \"01-234 567\" holds \"-\", \" \": only digits",
                                                "no memory location is left for this entry: from 297 there are 3 "
                                                "locations, and this entry is left without one"};
}

void TestSiteCheck::lists()
{
    QFETCH(bool, names);
    QFETCH(Lines, rows);
    QFETCH(QString, start);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);
    const GridTable input = grid(names ? NameRows::kInputFormat : DialPairs::kInputFormat, rows);
    compareFindings(names ? ListCheck::CheckNames(input) : ListCheck::CheckSpeedDials(input, start), expected,
                    messages);
}

// After a compile the status counts the site's errors; the check itself
// changes neither the site nor what the compile wrote.
void TestSiteCheck::compileStatus()
{
    TestHome home;
    ScriptedPrompter prompter;
    Version6Tool tool(prompter);
    tool.open();
    AddRange(tool, "01", "000", "003", "2000");
    tool.next();
    tool.recompile();
    QCOMPARE(tool.status(), QString());

    GridTable &sheet = tool.handsets().grid();
    sheet.setTextAt(2, HandsetColumns::Ext, QStringLiteral("2000"));
    sheet.setTextAt(3, HandsetColumns::HandsetType, QStringLiteral("nothing"));
    tool.recompile();
    QCOMPARE(tool.status(), QStringLiteral("2 site errors - press CHECK"));

    const GridTable before = sheet;
    const GridTable master = tool.outputs().grid(OutputGrids::MasterOutput);
    const QString block = tool.startBlock().text();
    QCOMPARE(tool.check().errors(), 2);
    for (int r = 0; r < before.rows(); ++r)
        QCOMPARE(sheet.rowTexts(r), before.rowTexts(r));
    QCOMPARE(tool.outputs().grid(OutputGrids::MasterOutput).rows(), master.rows());
    QCOMPARE(tool.startBlock().text(), block);
    QVERIFY(prompter.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestSiteCheck)
#include "test_site_check.moc"
