#include "files/AtomicFile.h"
#include "files/TemporaryFile.h"
#include "files/TextRecords.h"
#include "grid/GridTable.h"
#include "store/ScriptStore.h"
#include "support/TestHome.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void Age(const QString &path, int seconds)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT
private slots:
    void fullDiskIsToldAndKeepsTheOldFile_data();
    void fullDiskIsToldAndKeepsTheOldFile();
    void killedWriteLeavesTheOldFile_data();
    void killedWriteLeavesTheOldFile();
    void staleTemporariesAreRemoved_data();
    void staleTemporariesAreRemoved();
    void killedStoreCreationIsClearedAtStart();
    void writesThroughASymbolicLink();
};

void TestAtomicFile::fullDiskIsToldAndKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("streamed");
    QTest::newRow("text file written in pieces") << true;
    QTest::newRow("workbook written at once") << false;
}

void TestAtomicFile::fullDiskIsToldAndKeepsTheOldFile()
{
    QFETCH(bool, streamed);
    TestHome home;
    const QString disk = home.file("disk");
    QVERIFY(QDir().mkpath(disk));
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("a small tmpfs cannot be mounted here");
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH); });

    const QString path = disk + QStringLiteral("/site.csv");
    QVERIFY(WriteBytes(path, "old contents"));
    GridTable grid("A|B");
    for (int i = 0; i < 20000; ++i)
        grid.appendRow({QString::number(i), QStringLiteral("a name long enough to fill the disk")});
    const Outcome written =
        streamed ? WriteTextFile(grid, path, 2) : WriteFileAtomically(path, QByteArray(1024 * 1024, 'x'));
    QVERIFY(!written.ok());
    QVERIFY2(written.reason().contains("site.csv: the disk is full (there was no room after "),
             qPrintable(written.reason()));
    QCOMPARE(ReadBytes(path), QByteArray("old contents"));
    QCOMPARE(Entries(disk), QStringList{"site.csv"});
}

void TestAtomicFile::killedWriteLeavesTheOldFile_data()
{
    QTest::addColumn<bool>("named");
    QTest::newRow("anonymous temporary file (local disk)") << false;
    QTest::newRow("named temporary file (network share)") << true;
}

void TestAtomicFile::killedWriteLeavesTheOldFile()
{
    QFETCH(bool, named);
    TestHome home;
    const QString path = home.file("site.csv");
    QVERIFY(WriteBytes(path, "old contents"));
    if (!named) {
        const int probe = ::open(QFile::encodeName(home.path()).constData(), O_TMPFILE | O_WRONLY, 0600);
        if (probe < 0)
            QSKIP("this file system has no anonymous temporary files");
        ::close(probe);
    }

    const pid_t child = fork();
    if (child == 0) {
        TemporaryFile file(path);
        if (file.open(named ? TemporaryFile::Kind::Named : TemporaryFile::Kind::Anonymous))
            (void)!::write(file.descriptor(), "half", 4);
        ::raise(SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(ReadBytes(path), QByteArray("old contents"));

    QStringList left = Entries(home.path());
    left.removeOne(QStringLiteral("site.csv"));
    QCOMPARE(left.size(), named ? 1 : 0);
    if (named) {
        QVERIFY(TemporaryFile::isTemporaryName(left.first()));
        QVERIFY(left.first().startsWith(QStringLiteral(".site.csv.halvoran-")));
        Age(home.file(left.first()), 60);
    }
    // The next write to the folder clears what the killed one left.
    QVERIFY(WriteFileAtomically(path, QByteArray("new contents")).ok());
    QCOMPARE(ReadBytes(path), QByteArray("new contents"));
    QCOMPARE(Entries(home.path()), QStringList{"site.csv"});
}

void TestAtomicFile::staleTemporariesAreRemoved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("removed");
    QTest::newRow("ours, its writer gone") << ".out.csv.halvoran-Ab12Cd" << 60 << false << true;
    QTest::newRow("ours, being written") << ".out.csv.halvoran-Ab12Cd" << 60 << true << false;
    QTest::newRow("ours, just made") << ".out.csv.halvoran-Ab12Cd" << 0 << false << false;
    QTest::newRow("a database journal left alone") << ".HVNdataX.halvoran-Ab12Cd-journal" << 60 << false << true;
    QTest::newRow("a user's file of a like name") << "out.csv.halvoran-Ab12Cd" << 60 << false << false;
    QTest::newRow("another program's temporary file") << "out.csv.Ab12Cd" << 60 << false << false;
}

void TestAtomicFile::staleTemporariesAreRemoved()
{
    QFETCH(QString, name);
    QFETCH(int, age);
    QFETCH(bool, locked);
    QFETCH(bool, removed);
    TestHome home;
    const QString path = home.file(name);
    QVERIFY(WriteBytes(path, "partial"));
    Age(path, age);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    const auto close = qScopeGuard([fd] { ::close(fd); });
    if (locked)
        QCOMPARE(::flock(fd, LOCK_EX), 0);

    QVERIFY(WriteFileAtomically(home.file("out.csv"), QByteArray("x")).ok());
    QCOMPARE(QFileInfo::exists(path), !removed);
    QVERIFY(QFileInfo::exists(home.file("out.csv")));
}

void TestAtomicFile::killedStoreCreationIsClearedAtStart()
{
    TestHome home;
    const ScriptStore store(home.file("HVN-Data/HVNdataX"));
    QVERIFY(QDir().mkpath(home.file("HVN-Data")));
    for (const char *left : {".HVNdataX.halvoran-Zz9Yy8", ".HVNdataX.halvoran-Zz9Yy8-journal"}) {
        QVERIFY(WriteBytes(home.file(QStringLiteral("HVN-Data/") + left), "half a store"));
        Age(home.file(QStringLiteral("HVN-Data/") + left), 60);
    }
    store.removeStaleTemporaries();
    QCOMPARE(Entries(home.file("HVN-Data")), QStringList{});
    QVERIFY(store.ensureExists().ok());
    QCOMPARE(Entries(home.file("HVN-Data")), QStringList{"HVNdataX"});
    QVERIFY(store.readTemplate(QStringLiteral("SCRIPTa0")).ok());
}

void TestAtomicFile::writesThroughASymbolicLink()
{
    TestHome home;
    QVERIFY(QDir().mkpath(home.file("real")));
    QVERIFY(WriteBytes(home.file("real/site.csv"), "old"));
    QVERIFY(QFile::link(home.file("real/site.csv"), home.file("site.csv")));
    QVERIFY(WriteFileAtomically(home.file("site.csv"), QByteArray("new")).ok());
    QVERIFY(QFileInfo(home.file("site.csv")).isSymLink());
    QCOMPARE(ReadBytes(home.file("real/site.csv")), QByteArray("new"));
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "test_atomic_file.moc"
