// Names as hexadecimal character codes, as both assigner tools write them.
#include "assigner/NameHex.h"

#include <QtTest>

class TestNameHex : public QObject {
    Q_OBJECT
private slots:
    void nameToHex_data();
    void nameToHex();
};

void TestNameHex::nameToHex_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hex");
    QTest::newRow("JOHN SMITH") << "JOHN SMITH"
                                << "4A4F484E20534D495448";
    QTest::newRow("letters keep their case") << "Ann"
                                             << "416E6E";
    QTest::newRow("digit and blank") << "1 "
                                     << "3120";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("e acute") << QString::fromUtf8("é") << "E9";
    QTest::newRow("euro sign") << QString::fromUtf8("€") << "20AC";
    QTest::newRow("upper half of 1252") << QString::fromUtf8("Ÿœ") << "178153";
    QTest::newRow("outside 1252") << QString::fromUtf8("Ωx") << "3F78";
    QTest::newRow("outside the basic plane is one character") << QString::fromUtf8("a😀b") << "613F62";
    QTest::newRow("control characters give one digit") << QStringLiteral("\t\x01") << "91";
    QTest::newRow("unassigned 1252 code keeps its C1 code") << QString(QChar(0x81)) << "81";
}

void TestNameHex::nameToHex()
{
    QFETCH(QString, name);
    QFETCH(QString, hex);
    QCOMPARE(NameToHex(name), hex);
}

QTEST_APPLESS_MAIN(TestNameHex)
#include "test_name_hex.moc"
