// halvoran-cli check run as a program: its lines, its JSON and its exit codes.
#include "support/CliRun.h"
#include "support/TestHome.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

QString write(const TestHome &home, const QString &name, const QByteArray &bytes)
{
    QFile file(home.file(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return file.fileName();
}

// A handset record: LEN, EXT, type, the settings of a new handset, PICKUP VIP and LOC.
QByteArray handset(const char *len, const char *ext, const char *vip = "", const char *loc = "00")
{
    return QByteArray("\"") + len + "\",\"" + ext + "\",\"8 \",\"20\",\"1\",\"1\",\"15\",\"15\",\"" + vip + "\",\""
        + loc + "\"\r\n";
}

} // namespace

class TestCheckCli : public QObject {
    Q_OBJECT
private slots:
    void exitCodes_data();
    void exitCodes();
    void json();
};

void TestCheckCli::exitCodes_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("line"); // a line standard output must hold

    QTest::newRow("clean site") << handset("01000", "2000", "3") + handset("01001", "2001", "3") << QStringList{} << 0
                                << QString();
    QTest::newRow("warnings only") << handset("01000", "2000", "", "7") << QStringList{} << 3
                                   << "row 1, LOC: warning: LOC \"7\" breaks the cell rule: checking the cell would "
                                      "make it \"00\"";
    QTest::newRow("errors") << handset("01000", "2001") + handset("01001", "2002") + handset("01002", "2001")
                            << QStringList{} << 4 << "row 3, EXT: error: extension 2001 is used by rows 1 and 3";
    QTest::newRow("speed dials from a late block")
        << handset("01000", "2000") + handset("01001", "2001") << QStringList{"--start", "998"} << 4
        << "row 2, SPEED DIALS: error: extension 2001 is the first handset that gets no speed-dial block: the blocks "
           "counted from the Speed Dial Starting Block \"998\" run out at row 1 (extension 2000), where the compile "
           "stops; this handset gets no template lines";
    QTest::newRow("names") << QByteArray("\"2001\",\"Reception\"\r\n\"2001\",\"Porter\"\r\n")
                           << QStringList{"--tool", "names"} << 4
                           << "row 2, EXTENSION: error: extension 2001 is used by rows 1 and 2";
    QTest::newRow("speed dials") << QByteArray("\"Reception\",\"9\",\"0123 456\"\r\n")
                                 << QStringList{"--tool", "speeddial"} << 4
                                 << "row 1, Number: error: the number \"0123 456\" holds \" \": only digits, \"*\", "
                                    "\"#\" and \",\" can be dialled";
    QTest::newRow("cut short") << QByteArray("\"01000\",\"2000\",\"8 \"\r\n") << QStringList{} << 1 << QString();
    QTest::newRow("unknown tool") << handset("01000", "2000") << QStringList{"--tool", "v6"} << 2 << QString();
    QTest::newRow("bad location") << QByteArray() << QStringList{"--tool", "speeddial", "--start", "300"} << 2
                                  << QString();
}

void TestCheckCli::exitCodes()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, line);
    TestHome home;
    const QString path = write(home, QStringLiteral("input.csv"), content);
    QVERIFY(!path.isEmpty());
    const CliRun run = RunCli(QStringList{QStringLiteral("check"), path} + options);
    QCOMPARE(run.exitCode, exitCode);
    if (!line.isEmpty())
        QVERIFY2(run.out.split(QLatin1Char('\n')).contains(line), qPrintable(run.out));
    if (exitCode == 1)
        QVERIFY(run.err.contains(QLatin1String("UNABLE TO OPEN SPECIFIED FILE")));
    if (exitCode == 2)
        QVERIFY(run.err.contains(QLatin1String("Try 'halvoran-cli check --help'.")));
}

void TestCheckCli::json()
{
    TestHome home;
    const QString path =
        write(home, QStringLiteral("site.csv"), handset("01000", "2000", "100") + handset("0100", "2001"));
    const CliRun run = RunCli({QStringLiteral("check"), path, QStringLiteral("--format"), QStringLiteral("json")});
    QCOMPARE(run.exitCode, 4);
    const QJsonArray findings = QJsonDocument::fromJson(run.out.toUtf8()).array();
    QStringList codes;
    for (const QJsonValue &value : findings) {
        const QJsonObject finding = value.toObject();
        codes.append(QStringLiteral("%1 %2 %3 %4")
                         .arg(finding.value("severity").toString())
                         .arg(finding.value("row").toInt())
                         .arg(finding.value("column").toString(), finding.value("code").toString()));
        QVERIFY(!finding.value("message").toString().isEmpty());
    }
    // The shipped templates no handset uses follow as information, each with its tab.
    QCOMPARE(codes.mid(0, 2), (QStringList{"warning 1 PICKUP VIP no-pickup-group", "error 2 LEN bad-len"}));
    QVERIFY(findings.size() > 2);
    QVERIFY(findings.last().toObject().contains(QLatin1String("template")));
}

QTEST_GUILESS_MAIN(TestCheckCli)
#include "test_check_cli.moc"
