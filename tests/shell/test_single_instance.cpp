// One program per store: a second start of halvoran hands over to the first and
// ends, also when a crashed run left its socket behind.
#include "platform/AppPaths.h"
#include "platform/SingleInstance.h"
#include "support/TestHome.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondStartHandsOver_data();
    void secondStartHandsOver();
};

namespace {
// A socket file nobody listens on, as a program that crashed leaves it.
bool LeaveStaleSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    qstrcpy(address.sun_path, name.constData());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

// Runs halvoran until it ends by itself, the event loop turning meanwhile.
int RunProgram(QProcess &program)
{
    QSignalSpy finished(&program, &QProcess::finished);
    program.start(QStringLiteral(HALVORAN_APP_PATH), {});
    if (!finished.wait(30000))
        return -1;
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}
} // namespace

void TestSingleInstance::secondStartHandsOver_data()
{
    QTest::addColumn<QString>("first"); // "here": this test; "program": a running halvoran
    QTest::addColumn<bool>("stale");
    QTest::newRow("first here") << "here" << false;
    QTest::newRow("first here, over a crashed run's socket") << "here" << true;
    QTest::newRow("first a running program") << "program" << false;
}

void TestSingleInstance::secondStartHandsOver()
{
    QFETCH(QString, first);
    QFETCH(bool, stale);
    TestHome home;
    const QString key = AppPaths::appPath();

    SingleInstance here(key);
    QSignalSpy shown(&here, &SingleInstance::showRequested);
    QProcess running;
    if (stale)
        QVERIFY(LeaveStaleSocket(here.socketPath()));
    if (first == QLatin1String("here")) {
        QCOMPARE(here.claim(), SingleInstance::Role::First);
    } else {
        running.start(QStringLiteral(HALVORAN_APP_PATH), {});
        QVERIFY(running.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(here.socketPath()), 20000);
    }

    QProcess second;
    QCOMPARE(RunProgram(second), 0);
    if (first == QLatin1String("here"))
        QCOMPARE(shown.size(), 1);
    else
        QCOMPARE(running.state(), QProcess::Running);

    // Another program folder is another store, with a program of its own.
    QVERIFY(SingleInstance(key + QStringLiteral("/elsewhere")).socketPath() != here.socketPath());
    if (running.state() == QProcess::Running) {
        running.kill();
        running.waitForFinished();
    }
}

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
