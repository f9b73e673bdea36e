#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/entry/RangeExpansion.h"
#include "version6/entry/RangeScreen.h"

#include <QtTest>

namespace {

struct Range {
    QString fp, startLen, stopLen, startExt;
};

RangeScreen::AddResult add(RangeScreen &screen, const Range &range)
{
    screen.setFp(range.fp);
    screen.setStartLen(range.startLen);
    screen.setStopLen(range.stopLen);
    screen.setStartExt(range.startExt);
    return screen.add();
}

QStringList seq(const QString &prefix, int from, int to, int width)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(prefix + QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0')));
    return list;
}

} // namespace

Q_DECLARE_METATYPE(Range)

class TestRanges : public QObject {
    Q_OBJECT

private slots:
    void expansion_data()
    {
        QTest::addColumn<QString>("fp");
        QTest::addColumn<QString>("startLen");
        QTest::addColumn<QString>("stopLen");
        QTest::addColumn<QString>("startExt");
        QTest::addColumn<QStringList>("lens");
        QTest::addColumn<QStringList>("extensions");
        QTest::addColumn<QString>("stopExt");

        QTest::newRow("four handsets") << "01"
                                       << "000"
                                       << "003"
                                       << "2000" << seq("01", 0, 3, 3) << seq("", 2000, 2003, 4) << "2003";
        QTest::newRow("width kept") << "01"
                                    << "000"
                                    << "003"
                                    << "0098" << seq("01", 0, 3, 3) << QStringList{"0098", "0099", "0100", "0101"}
                                    << "0101";
        QTest::newRow("circuits carry") << "05"
                                        << "008"
                                        << "012"
                                        << "300" << QStringList{"05008", "05009", "05010", "05011", "05012"}
                                        << seq("", 300, 304, 3) << "304";
        QTest::newRow("first digit grows") << "02"
                                           << "000"
                                           << "001"
                                           << "9999" << seq("02", 0, 1, 3) << QStringList{"9999", "10000"} << "10000";
        QTest::newRow("never carries past five")
            << "02"
            << "000"
            << "001"
            << "99999" << seq("02", 0, 1, 3) << QStringList{"99999", "100000"} << "100000";
        QTest::newRow("two digits") << "03"
                                    << "000"
                                    << "002"
                                    << "98" << seq("03", 0, 2, 3) << QStringList{"98", "99", "100"} << "100";
        QTest::newRow("no extension") << "04"
                                      << "010"
                                      << "011"
                                      << "" << seq("04", 10, 11, 3) << QStringList{"", ""} << "";
        QTest::newRow("stop below start") << "04"
                                          << "005"
                                          << "004"
                                          << "100" << QStringList{} << QStringList{} << "";
    }

    void expansion()
    {
        QFETCH(QString, fp);
        QFETCH(QString, startLen);
        QFETCH(QString, stopLen);
        QFETCH(QString, startExt);
        QFETCH(QStringList, lens);
        QFETCH(QStringList, extensions);
        QFETCH(QString, stopExt);

        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        QCOMPARE(add(screen, {fp, startLen, stopLen, startExt}), RangeScreen::AddResult::Added);
        QCOMPARE(screen.usedLens(), lens);
        QCOMPARE(screen.usedExtensions(), extensions);
        QCOMPARE(screen.table().rows(), 3);
        QCOMPARE(screen.table().rowTexts(1), (QStringList{fp, startLen, stopLen, startExt, stopExt, ""}));
        QVERIFY(screen.table().isRowEmpty(2));
        QVERIFY(prompter.messages.isEmpty());
        // The inputs are emptied; emptying the FP refilled the circuit lists.
        QCOMPARE(screen.fp(), QString());
        QCOMPARE(screen.startLen(), QString());
        QCOMPARE(screen.stopLen(), QString());
        QCOMPARE(screen.startExt(), QString());
        QCOMPARE(screen.circuitChoices().size(), 128);
    }

    void refused_data()
    {
        QTest::addColumn<Range>("second");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");

        QTest::newRow("shared extension")
            << Range{"02", "000", "003", "2003"} << int(RangeScreen::AddResult::ExtensionInUse)
            << "The Chosen extension number is already in use"
            << "Confliction Found";
        QTest::newRow("shared LEN") << Range{"01", "003", "004", "3000"} << int(RangeScreen::AddResult::LenInUse)
                                    << "The Chosen The choosen LEN range is already in use!"
                                    << "Confliction Found";
        QTest::newRow("empty FP") << Range{"", "000", "001", "5000"} << int(RangeScreen::AddResult::EmptyFp)
                                  << "Please State FP and LEN Information first!!!"
                                  << "User Error";
        QTest::newRow("huge range") << Range{"07", "000", "99999999", "1"} << int(RangeScreen::AddResult::TooLarge)
                                    << "The chosen LEN range is too large: a range can hold at most 100000 LENs."
                                    << "User Error";
    }

    void refused()
    {
        QFETCH(Range, second);
        QFETCH(int, result);
        QFETCH(QString, text);
        QFETCH(QString, title);

        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        QCOMPARE(add(screen, {"01", "000", "003", "2000"}), RangeScreen::AddResult::Added);
        QCOMPARE(add(screen, second), RangeScreen::AddResult(result));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, text);
        QCOMPARE(prompter.messages[0].title, title);
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Information);
        // Nothing was accepted and the inputs keep their values.
        QCOMPARE(screen.usedLens(), seq("01", 0, 3, 3));
        QCOMPARE(screen.usedExtensions(), seq("", 2000, 2003, 4));
        QCOMPARE(screen.table().rows(), 3);
        QCOMPARE(screen.fp(), second.fp);
        QCOMPARE(screen.startExt(), second.startExt);
    }

    void emptyExtensionsNeverConflict()
    {
        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        QCOMPARE(add(screen, {"01", "000", "001", ""}), RangeScreen::AddResult::Added);
        QCOMPARE(add(screen, {"02", "000", "001", ""}), RangeScreen::AddResult::Added);
        QCOMPARE(screen.usedExtensions(), (QStringList{"", "", "", ""}));
        QVERIFY(prompter.messages.isEmpty());
    }

    void removeMiddleRange()
    {
        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        add(screen, {"01", "000", "001", "100"});
        add(screen, {"02", "000", "001", "200"});
        add(screen, {"03", "000", "001", "300"});
        screen.table().setRow(2);
        screen.remove();

        QCOMPARE(screen.table().rows(), 4);
        QCOMPARE(screen.table().textAt(1, 0), QStringLiteral("01"));
        QCOMPARE(screen.table().textAt(2, 0), QStringLiteral("03"));
        QVERIFY(screen.table().isRowEmpty(3));
        QCOMPARE(screen.usedLens(), (QStringList{"01000", "01001", "03000", "03001"}));
        QCOMPARE(screen.usedExtensions(), (QStringList{"100", "101", "300", "301"}));
        QCOMPARE(screen.fp(), QString());
        QCOMPARE(screen.startExt(), QString());

        // The freed numbers are accepted again; the others stay registered.
        QCOMPARE(add(screen, {"02", "000", "001", "200"}), RangeScreen::AddResult::Added);
        QCOMPARE(add(screen, {"09", "000", "000", "301"}), RangeScreen::AddResult::ExtensionInUse);
        QVERIFY(prompter.messages.size() == 1);
    }

    // REMOVE on the trailing empty row removes nothing: the table must keep its one
    // empty row for the next ADD.
    void removeOnTrailingRowKeepsTheTable()
    {
        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        add(screen, {"01", "000", "001", "100"});
        screen.table().setRow(2);
        screen.remove();
        QCOMPARE(screen.table().rows(), 3);
        QCOMPARE(screen.table().textAt(1, 0), QStringLiteral("01"));
        QVERIFY(screen.table().isRowEmpty(2));
        QCOMPARE(screen.usedLens(), (QStringList{"01000", "01001"}));
        QCOMPARE(add(screen, {"02", "000", "000", "200"}), RangeScreen::AddResult::Added);
        QCOMPARE(screen.table().textAt(2, 0), QStringLiteral("02"));
        QVERIFY(screen.table().isRowEmpty(3));
    }

    // A range without a Start EXT does not end the rebuild: the ranges below it
    // stay registered.
    void removeKeepsRangesBelowARangeWithoutExtension()
    {
        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        add(screen, {"01", "000", "000", "100"});
        add(screen, {"02", "000", "000", ""});
        add(screen, {"03", "000", "000", "300"});
        add(screen, {"04", "000", "000", ""});
        screen.table().setRow(1);
        screen.remove();
        QCOMPARE(screen.usedLens(), (QStringList{"02000", "03000", "04000"}));
        QCOMPARE(screen.usedExtensions(), (QStringList{"", "300", ""}));
        QVERIFY(prompter.messages.isEmpty());
    }

    void fpSelection_data()
    {
        QTest::addColumn<QString>("fp");
        QTest::addColumn<int>("circuits");
        QTest::addColumn<QString>("last");
        QTest::newRow("00") << "00" << 128 << "127";
        QTest::newRow("31") << "31" << 128 << "127";
        QTest::newRow("negative") << "-1" << 64 << "063";
    }

    void fpSelection()
    {
        QFETCH(QString, fp);
        QFETCH(int, circuits);
        QFETCH(QString, last);
        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        screen.setFp(fp);
        QCOMPARE(screen.circuitChoices().size(), circuits);
        QCOMPARE(screen.circuitChoices().first(), QStringLiteral("000"));
        QCOMPARE(screen.circuitChoices().last(), last);
        QCOMPARE(screen.startLen(), QStringLiteral("000"));
        QCOMPARE(screen.stopLen(), QStringLiteral("001"));
        QVERIFY(prompter.messages.isEmpty());
    }

    void invalidFpChangesNothing()
    {
        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        screen.setFp("-1");
        screen.setStartLen("010");
        screen.setFp("32");
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, QStringLiteral("You have selected an invalid FP!!!"));
        QCOMPARE(prompter.messages[0].title, QStringLiteral("Halvoran"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::None);
        QCOMPARE(screen.fp(), QStringLiteral("32"));
        QCOMPARE(screen.circuitChoices().size(), 64);
        QCOMPARE(screen.startLen(), QStringLiteral("010"));
        // ADD takes the FP all the same.
        screen.setStopLen("010");
        QCOMPARE(screen.add(), RangeScreen::AddResult::Added);
        QCOMPARE(screen.usedLens(), QStringList{"32010"});
    }

    void startExtLength()
    {
        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        QCOMPARE(screen.setStartExt("12345"), QStringLiteral("12345"));
        QVERIFY(prompter.messages.isEmpty());
        QCOMPARE(screen.setStartExt("123456"), QStringLiteral("0"));
        QCOMPARE(screen.startExt(), QStringLiteral("0"));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, QStringLiteral("Extension number must be between 0 and 99999"));
        QCOMPARE(prompter.messages[0].title, QStringLiteral("Invalid Number"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Information);
        QCOMPARE(screen.setStartExt("abc"), QStringLiteral("abc")); // digits are not enforced
    }

    void clearForgetsTheNumbers()
    {
        ScriptedPrompter prompter;
        RangeScreen screen(prompter);
        add(screen, {"01", "000", "003", "2000"});
        screen.clear();
        QCOMPARE(screen.table().rows(), 2);
        QVERIFY(screen.usedLens().isEmpty());
        QCOMPARE(add(screen, {"01", "000", "003", "2000"}), RangeScreen::AddResult::Added);
    }
};

QTEST_GUILESS_MAIN(TestRanges)
#include "test_ranges.moc"
