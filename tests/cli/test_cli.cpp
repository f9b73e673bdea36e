#include "support/TestHome.h"

#include <QProcess>
#include <QtTest>

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void generalOptions_data();
    void generalOptions();
};

void TestCli::generalOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("version") << QStringList{"--version"} << 0 << "halvoran-cli 8.1.8" << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: halvoran-cli COMMAND" << "";
    QTest::newRow("no command") << QStringList{} << 2 << "" << "no command given";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "" << "unknown command 'frobnicate'";
}

void TestCli::generalOptions()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, stdoutHas);
    QFETCH(QString, stderrHas);
    TestHome home;
    QProcess cli;
    cli.start(HALVORAN_CLI_PATH, args);
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), exitCode);
    QVERIFY(QString::fromUtf8(cli.readAllStandardOutput()).contains(stdoutHas));
    QVERIFY(QString::fromUtf8(cli.readAllStandardError()).contains(stderrHas));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
