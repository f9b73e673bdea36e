#include "platform/AppPaths.h"
#include "store/ScriptStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/compile/Placeholders.h"
#include "version6/compile/TemplateSet.h"
#include "version6/tool/Version6Tool.h"

#include <QFile>
#include <QtTest>

namespace {

TemplateRecord record(std::optional<QString> command, std::optional<QString> first, std::optional<QString> second,
                      std::optional<QString> blank, std::optional<QString> text)
{
    TemplateRecord r;
    r.fields[0] = std::move(command);
    r.fields[1] = std::move(first);
    r.fields[2] = std::move(second);
    r.fields[3] = std::move(blank);
    r.fields[4] = std::move(text);
    return r;
}

} // namespace

class TestTemplates : public QObject {
    Q_OBJECT

private slots:
    void substitution_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("result");
        QTest::newRow("second token stays") << "word %EXT% %EXT%"
                                            << "WORD 2001 %EXT%";
        QTest::newRow("lower-case token") << "%ext%"
                                          << "2001";
        QTest::newRow("empty value removes the token") << "%LC%"
                                                       << "";
        QTest::newRow("all seven") << "%LEN%/%EXT%/%DR%/%NR%/%DS%/%NS%/%LC%x"
                                   << "01000/2001/3/4/05/06/X";
        QTest::newRow("text upper-cased") << "Assign %len% now"
                                          << "ASSIGN 01000 NOW";
        QTest::newRow("no token") << "Plain text"
                                  << "PLAIN TEXT";
        QTest::newRow("near miss") << "%EX%T%"
                                   << "%EX%T%";
        // Only upper cases that windows-1252 holds: µ and ß stay, ÿ and é rise.
        QTest::newRow("code page") << QString::fromUtf8("µs Straße ÿé %ext%") << QString::fromUtf8("µS STRAßE ŸÉ 2001");
    }

    void substitution()
    {
        QFETCH(QString, cell);
        QFETCH(QString, result);
        const HandsetValues values{"2001", "01000", "3", "4", "05", "06", ""};
        QCOMPARE(SubstitutePlaceholders(cell, values), result);
    }

    // Values go in as they are; a later token inside a value is replaced in turn.
    void valuesAreInsertedAsTheyAre()
    {
        HandsetValues values{"ab%len%", "%DR%", "9", "", "", "", ""};
        QCOMPARE(SubstitutePlaceholders("%EXT%", values), QStringLiteral("ab%len%"));
        QCOMPARE(SubstitutePlaceholders("%LEN%", values), QStringLiteral("9"));
        values.ext = "%LEN%";
        values.len = "01000";
        QCOMPARE(SubstitutePlaceholders("%EXT%", values), QStringLiteral("01000"));
        // A token that the removal of an earlier one brings together is replaced too.
        values.ext.clear();
        QCOMPARE(SubstitutePlaceholders("%L%EXT%EN%", values), QStringLiteral("01000"));
    }

    void captionsAndRoles()
    {
        TemplateSet set;
        QCOMPARE(set.captions(),
                 (QStringList{"8 ", "8D", "8 IP", "16D", "16 IP", "32D", "2D", "Analog", "SpeedDials", "PickupGrp",
                              "Data1 ", "Data2 ", "Data3 "}));
        QCOMPARE(set.handsetTypes().size(), 11);
        QCOMPARE(set.tabOfHandsetType("8 "), 0);
        QCOMPARE(set.tabOfHandsetType("8"), -1);
        QCOMPARE(set.tabOfHandsetType("Data3 "), 12);
        QCOMPARE(set.tabOfHandsetType("SpeedDials"), -1); // tab 8 is never a handset type
        set.setCaption(3, "16D ");
        QCOMPARE(set.tabOfHandsetType("16D"), -1);
        set.setCaption(9, "Custom");
        QCOMPARE(set.tabOfHandsetType("Custom"), -1);
        QVERIFY(!set.handsetTypes().contains("Custom"));
        set.setCaption(5, "8 "); // the first tab in order wins
        QCOMPARE(set.tabOfHandsetType("8 "), 0);
        QCOMPARE(set.grid(0).header(), GridTable::captionsOf(TemplateSet::kHeader));
        QCOMPARE(set.grid(0).cols(), 6);
    }

    void tabNamesFile()
    {
        TestHome home;
        const QString path = home.file("TabNames.dta");
        TemplateSet set;
        set.loadTabNames(path); // missing: the defaults stay
        QCOMPARE(set.captions(), TemplateSet::defaultCaptions());

        QVERIFY(set.saveTabNames(path));
        const QByteArray bytes = ReadBytes(path);
        QVERIFY(bytes.startsWith("\"8 \"\r\n\"8D\"\r\n"));
        QVERIFY(bytes.endsWith("\"Data3 \"\r\n"));
        QCOMPARE(bytes.count("\r\n"), 13);

        set.setCaption(2, "IP, \"desk\" set");
        set.setCaption(12, "Fax ");
        QVERIFY(set.saveTabNames(path));
        TemplateSet read;
        read.loadTabNames(path);
        QCOMPARE(read.captions(), set.captions());
    }

    void shortTabNamesFileKeepsTheOthers()
    {
        TestHome home;
        const QString path = home.file("TabNames.dta");
        QVERIFY(WriteBytes(path, "\"A\"\r\n\"B \"\r\n\"C\"\r\n"));
        TemplateSet set;
        set.setCaption(5, "earlier");
        set.loadTabNames(path);
        QStringList expected = TemplateSet::defaultCaptions();
        expected[0] = "A";
        expected[1] = "B ";
        expected[2] = "C";
        expected[5] = "earlier";
        QCOMPARE(set.captions(), expected);
    }

    void templateLoad_data()
    {
        QTest::addColumn<std::optional<QString>>("textOfC");
        QTest::addColumn<QString>("column4");
        QTest::newRow("C's Text is Null") << std::optional<QString>() << "comment of B";
        QTest::newRow("C has a Text") << std::optional<QString>("text of C") << "text of C";
    }

    // A record without a Command is overwritten by the next one; "XTX" reads as an
    // empty cell and a Null field leaves its cell as it is.
    void templateLoad()
    {
        QFETCH(std::optional<QString>, textOfC);
        QFETCH(QString, column4);
        TestHome home;
        const ScriptStore store = ScriptStore::standard();
        QVERIFY(store.replaceTemplate("SCRIPTa3",
                                      {record("10", "%LEN%", "%EXT%", std::nullopt, "A"),
                                       record("XTX", "b1", "XTX", "b3", "comment of B"),
                                       record("12", "%EXT%", std::nullopt, std::nullopt, textOfC)}));
        TemplateSet set;
        set.loadFromStore(store);
        const GridTable &grid = set.grid(3);
        QCOMPARE(grid.rows(), 4);
        QCOMPARE(grid.rowTexts(1), (QStringList{"10", "%LEN%", "%EXT%", "", "A", ""}));
        QCOMPARE(grid.rowTexts(2), (QStringList{"12", "%EXT%", "", "b3", column4, ""}));
        QVERIFY(grid.isRowEmpty(3));
    }

    // The store's trailing "XTX" record lands in the grid's empty last row.
    void trailingMarkerRecordKeepsOneEmptyRow()
    {
        GridTable grid(TemplateSet::kHeader);
        TemplateSet::loadTemplate(grid,
                                  {TemplateRecord::of({"10", "a", "b", "", "t"}),
                                   record("XTX", std::nullopt, std::nullopt, std::nullopt, std::nullopt)});
        QCOMPARE(grid.rows(), 3);
        QVERIFY(grid.isRowEmpty(2));
        TemplateSet::loadTemplate(grid, {});
        QCOMPARE(grid.rows(), 2);
    }

    void renameTab()
    {
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        prompter.queueInput("");
        tool.renameTab(3);
        QCOMPARE(prompter.inputs.size(), 1);
        QCOMPARE(prompter.inputs[0].title, QStringLiteral("RENAME TAB"));
        QCOMPARE(prompter.inputs[0].prompt,
                 QStringLiteral("Please EDIT Tab name as appropriate then click OK or Click Cancel to EXIT without "
                                "changing."));
        QCOMPARE(prompter.inputs[0].defaultText, QStringLiteral("16D"));
        QCOMPARE(tool.templates().caption(3), QStringLiteral("16D"));
        QVERIFY(!QFile::exists(AppPaths::tabNamesPath()));

        prompter.queueInput("Cordless");
        tool.renameTab(3);
        QCOMPARE(tool.templates().caption(3), QStringLiteral("Cordless"));
        QCOMPARE(tool.handsetTypes()[3], QStringLiteral("Cordless"));
        TemplateSet saved;
        saved.loadTabNames(AppPaths::tabNamesPath());
        QCOMPARE(saved.caption(3), QStringLiteral("Cordless"));

        // The next window reads the new name.
        Version6Tool reopened(prompter);
        reopened.open();
        QCOMPARE(reopened.templates().caption(3), QStringLiteral("Cordless"));
        QVERIFY(prompter.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTemplates)
#include "test_templates.moc"
