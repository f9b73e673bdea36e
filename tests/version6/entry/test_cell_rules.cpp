#include "support/ScriptedPrompter.h"
#include "version6/entry/HandsetColumns.h"

#include <QtTest>

using namespace HandsetColumns;

class TestCellRules : public QObject {
    Q_OBJECT

private slots:
    void checkRange_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("message"); // "" when the value passes
        QTest::addColumn<QString>("title");

        const QString input = QStringLiteral("User Input Error");
        const QString speed = QStringLiteral("User input Error");
        const QString extMsg = QStringLiteral("INVALID EXTENSION NUMBER!!!\r\nNumber can be no more than 5 Digits");
        const QString sdRange =
            QStringLiteral("Invalid Speed Dial Number!!!\r\nValid Number range is 10 to 100 with increments of 10");
        const QString sdSteps = QStringLiteral("Number can only be in increments of 10!!!");
        const QString sdLow =
            QStringLiteral("Invalid Speed Dial Number!!!Valid Number range is 10 to 100 with increments of 10");
        const QString drMsg =
            QStringLiteral("Invalid Dialing Restriction Number!!!\r\nValid Number range is 1-8 or Nothing");
        const QString clRange = QStringLiteral("INVALID CLASS NUMBER!!!\r\nNumber range is 00 to 15");
        const QString clDigits = QStringLiteral("INVALID CLASS NUMBER!!!\r\nNumber must be of 2 digits i.e. 00");
        const QString pgMsg = QStringLiteral("INVALID PICKUP GROUP NUMBER!!!\r\nNumber range is 1 to 99 or Nothing");
        const QString lcRange = QStringLiteral("INVALID LOCATION NUMBER!!!\r\nNumber range is 00 to 31");
        const QString lcDigits = QStringLiteral("INVALID LOCATION NUMBER!!!\r\nNumber must be of 2 digits i.e. 00");

        QTest::newRow("LEN anything") << int(Len) << "x y"
                                      << "x y"
                                      << ""
                                      << "";
        QTest::newRow("LEN empty") << int(Len) << ""
                                   << ""
                                   << ""
                                   << "";
        QTest::newRow("type anything") << int(HandsetType) << "no such type"
                                       << "no such type"
                                       << ""
                                       << "";
        QTest::newRow("EXT six") << int(Ext) << "123456"
                                 << "12345" << extMsg << input;
        QTest::newRow("EXT five") << int(Ext) << "12345"
                                  << "12345"
                                  << ""
                                  << "";
        QTest::newRow("EXT empty") << int(Ext) << ""
                                   << ""
                                   << ""
                                   << "";
        QTest::newRow("SD 10") << int(SpeedDials) << "10"
                               << "10"
                               << ""
                               << "";
        QTest::newRow("SD 50") << int(SpeedDials) << "50"
                               << "50"
                               << ""
                               << "";
        QTest::newRow("SD 100") << int(SpeedDials) << "100"
                                << "100"
                                << ""
                                << "";
        QTest::newRow("SD empty") << int(SpeedDials) << ""
                                  << ""
                                  << ""
                                  << "";
        QTest::newRow("SD 25") << int(SpeedDials) << "25"
                               << "30" << sdSteps << speed;
        QTest::newRow("SD 95") << int(SpeedDials) << "95"
                               << "100" << sdSteps << speed;
        QTest::newRow("SD 101") << int(SpeedDials) << "101"
                                << "100" << sdRange << speed;
        QTest::newRow("SD 5") << int(SpeedDials) << "5"
                              << "10" << sdLow << speed;
        QTest::newRow("SD abc") << int(SpeedDials) << "abc"
                                << "10" << sdLow << speed;
        QTest::newRow("DRD 0") << int(Drd) << "0"
                               << "1" << drMsg << input;
        QTest::newRow("DRD 9") << int(Drd) << "9"
                               << "1" << drMsg << input;
        QTest::newRow("DRN 9") << int(Drn) << "9"
                               << "1" << drMsg << input;
        QTest::newRow("DRD empty") << int(Drd) << ""
                                   << ""
                                   << ""
                                   << "";
        QTest::newRow("DRD 8") << int(Drd) << "8"
                               << "8"
                               << ""
                               << "";
        QTest::newRow("CD 5") << int(ClassDay) << "5"
                              << "00" << clDigits << input;
        QTest::newRow("CD empty") << int(ClassDay) << ""
                                  << "00" << clDigits << input;
        QTest::newRow("CD 05") << int(ClassDay) << "05"
                               << "05"
                               << ""
                               << "";
        QTest::newRow("CD 15") << int(ClassDay) << "15"
                               << "15"
                               << ""
                               << "";
        QTest::newRow("CD 16") << int(ClassDay) << "16"
                               << "00" << clRange << input;
        QTest::newRow("CN 16") << int(ClassNight) << "16"
                               << "00" << clRange << input;
        QTest::newRow("VIP 0") << int(PickupVip) << "0"
                               << "00" << pgMsg << input;
        QTest::newRow("VIP 100") << int(PickupVip) << "100"
                                 << "00" << pgMsg << input;
        QTest::newRow("VIP empty") << int(PickupVip) << ""
                                   << ""
                                   << ""
                                   << "";
        QTest::newRow("VIP 99") << int(PickupVip) << "99"
                                << "99"
                                << ""
                                << "";
        QTest::newRow("LOC 7") << int(Loc) << "7"
                               << "00" << lcDigits << input;
        QTest::newRow("LOC empty") << int(Loc) << ""
                                   << "00" << lcDigits << input;
        QTest::newRow("LOC 31") << int(Loc) << "31"
                                << "31"
                                << ""
                                << "";
        QTest::newRow("LOC 32") << int(Loc) << "32"
                                << "00" << lcRange << input;
    }

    void checkRange()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QFETCH(QString, message);
        QFETCH(QString, title);

        ScriptedPrompter prompter;
        QCOMPARE(CheckRange(prompter, column, typed), result);
        if (message.isEmpty()) {
            QVERIFY(prompter.messages.isEmpty());
            return;
        }
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, message);
        QCOMPARE(prompter.messages[0].title, title);
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Information);
        QCOMPARE(prompter.messages[0].buttons, Prompter::Buttons::Ok);
    }

    void newRowDefaults()
    {
        QCOMPARE(NewRow("01000", "2000", "8 "),
                 (QStringList{"01000", "2000", "8 ", "20", "1", "1", "15", "15", "", "00"}));
    }
};

QTEST_GUILESS_MAIN(TestCellRules)
#include "test_cell_rules.moc"
