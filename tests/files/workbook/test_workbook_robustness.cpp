#include "BiffBytes.h"
#include "support/TestHome.h"

#include "files/workbook/OleContainer.h"
#include "files/workbook/Workbook.h"
#include "files/workbook/WorkbookReader.h"
#include "grid/GridTable.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

using namespace BiffBytes;

namespace {

// Where damaged bytes go: a whole .xls file, or the workbook stream inside one
// (where changes reach the record layer more often).
enum class Level { File, Stream };

// Damaged input gives records or a failure with a reason, never a crash, and
// in bounded time.
WorkbookRecords Read(Level level, const QByteArray &bytes, const QString &sheet)
{
    const QString name = QStringLiteral("damaged.xls");
    return level == Level::File ? ReadWorkbookBytes(bytes, sheet, name) : ReadWorkbookStream(bytes, sheet, name);
}

void CheckRead(Level level, const QByteArray &bytes, const QString &sheet = QStringLiteral("Sheet1$"))
{
    const WorkbookRecords read = Read(level, bytes, sheet);
    if (!read.ok()) {
        QVERIFY(!read.reason.isEmpty());
        QVERIFY(read.records.isEmpty());
    }
}

// A workbook written by the program: shared strings over several CONTINUE records,
// and a string split inside its characters.
QByteArray WrittenWorkbook(int rows)
{
    GridTable grid(QStringLiteral("Extension|Name|Text"));
    for (int i = 1; i <= rows; ++i)
        grid.appendRow({QString::number(2000 + i), QStringLiteral("Name %1 Ωμέγα").arg(i),
                        i == rows / 2 ? QString(9000, u'x') : QStringLiteral("text %1").arg(i)});
    QTemporaryDir dir;
    const QString path = dir.filePath("w.xls");
    if (!WriteWorkbook(grid, path, WorkbookLayout{0, -1, 3, {}}).ok())
        return QByteArray();
    return ReadBytes(path);
}

// The sector chains of a compound document (512-byte sectors), for breaking them.
class Container {
public:
    explicit Container(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    QByteArray bytes() const { return m_bytes; }

    quint32 fat(quint32 sector) const { return u32(fatEntry(sector)); }
    void setFat(quint32 sector, quint32 next) { setU32(fatEntry(sector), next); }
    quint32 miniFat(quint32 sector) const { return u32(miniFatEntry(sector)); }
    void setMiniFat(quint32 sector, quint32 next) { setU32(miniFatEntry(sector), next); }
    quint32 directoryStart() const { return u32(0x30); }

    // The directory entry of a stream: its first sector and its size.
    qsizetype entry(const QString &name) const
    {
        const qsizetype at = m_bytes.indexOf(Wide(name));
        return at >= 0 ? at : -1;
    }
    quint32 startOf(qsizetype entry) const { return u32(entry + 0x74); }
    // The index of an entry in the first directory sector, and its tree links.
    quint32 indexOf(qsizetype entry) const { return quint32((entry - sectorOffset(directoryStart())) / 128); }
    void setRightSibling(qsizetype entry, quint32 index) { setU32(entry + 0x48, index); }
    void setChild(qsizetype entry, quint32 index) { setU32(entry + 0x4C, index); }
    void setSize(qsizetype entry, quint32 size) { setU32(entry + 0x78, size); }

    QList<quint32> chain(quint32 start) const
    {
        QList<quint32> sectors;
        for (quint32 s = start; s < 0xFFFFFFFA && sectors.size() < 100000; s = fat(s))
            sectors.append(s);
        return sectors;
    }
    QList<quint32> miniChain(quint32 start) const
    {
        QList<quint32> sectors;
        for (quint32 s = start; s < 0xFFFFFFFA && sectors.size() < 100000; s = miniFat(s))
            sectors.append(s);
        return sectors;
    }

private:
    qsizetype sectorOffset(quint32 sector) const { return 512 * (qsizetype(sector) + 1); }
    qsizetype fatEntry(quint32 sector) const
    {
        return sectorOffset(u32(0x4C + 4 * (sector / 128))) + 4 * (sector % 128);
    }
    qsizetype miniFatEntry(quint32 sector) const
    {
        const QList<quint32> sectors = chain(u32(0x3C));
        return sectorOffset(sectors.value(sector / 128)) + 4 * (sector % 128);
    }
    quint32 u32(qsizetype at) const
    {
        return at >= 0 && at + 4 <= m_bytes.size() ? qFromLittleEndian<quint32>(m_bytes.constData() + at) : 0xFFFFFFFE;
    }
    void setU32(qsizetype at, quint32 value)
    {
        if (at >= 0 && at + 4 <= m_bytes.size())
            qToLittleEndian(value, m_bytes.data() + at);
    }

    QByteArray m_bytes;
};

enum class Loop {
    LastToFirst,
    FirstToItself,
    MiddleBack,
    PastTheFile,
    Directory,
    MiniLastToFirst,
    MiniStreamHolder,
    SiblingToItself,
    ChildToRoot,
};

} // namespace

Q_DECLARE_METATYPE(Loop)
Q_DECLARE_METATYPE(Level)

class TestWorkbookRobustness : public QObject {
    Q_OBJECT

private:
    void damagedInput_data();

private slots:
    void cutAtEveryLength_data() { damagedInput_data(); }
    void cutAtEveryLength();
    void byteFlips_data() { damagedInput_data(); }
    void byteFlips();
    void randomBytes();
    void sectorChainLoops_data();
    void sectorChainLoops();
    void absurdClaims_data();
    void absurdClaims();
};

void TestWorkbookRobustness::damagedInput_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("sheet");
    const QByteArray written = WrittenWorkbook(40);
    const QByteArray biff5 = ReadBytes(TestData("workbooks/gnumeric-biff5.xls"));
    QTest::newRow("file written by the program") << Level::File << written << "Sheet1$";
    QTest::newRow("file from Gnumeric, BIFF8")
        << Level::File << ReadBytes(TestData("workbooks/gnumeric-formulas.xls")) << "Formulas$";
    QTest::newRow("file from Gnumeric, BIFF5") << Level::File << biff5 << "Formulas$";
    QTest::newRow("file from LibreOffice")
        << Level::File << ReadBytes(TestData("workbooks/libreoffice-formulas.xls")) << "Formulas$";
    QTest::newRow("stream written by the program")
        << Level::Stream << ReadOleWorkbookStream(written)->bytes << "Sheet1$";
    QTest::newRow("stream from Gnumeric, BIFF5") << Level::Stream << ReadOleWorkbookStream(biff5)->bytes << "Formulas$";
}

void TestWorkbookRobustness::cutAtEveryLength()
{
    QFETCH(Level, level);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sheet);
    // Intact, the input reads, so cuts reach every part of the sheet.
    const WorkbookRecords intact = Read(level, bytes, sheet);
    QVERIFY2(intact.ok(), qPrintable(intact.reason));
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        CheckRead(level, bytes.left(length), sheet);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("cut at %1 bytes").arg(length)));
    }
}

void TestWorkbookRobustness::byteFlips()
{
    QFETCH(Level, level);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sheet);
    QRandomGenerator random(7);
    for (int i = 0; i < 2000; ++i) {
        QByteArray damaged = bytes;
        const int flips = 1 + random.bounded(16);
        for (int f = 0; f < flips; ++f)
            damaged[random.bounded(damaged.size())] = char(random.bounded(256));
        CheckRead(level, damaged, sheet);
    }
}

void TestWorkbookRobustness::randomBytes()
{
    QRandomGenerator random(20240229);
    const QByteArray oleMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    for (int i = 0; i < 400; ++i) {
        QByteArray bytes(random.bounded(1, 20000), Qt::Uninitialized);
        for (char &b : bytes)
            b = char(random.bounded(256));
        if (i % 2 && bytes.size() > 8)
            bytes.replace(0, 8, oleMagic);
        CheckRead(Level::File, bytes);
        CheckRead(Level::Stream, bytes);
    }
}

void TestWorkbookRobustness::sectorChainLoops_data()
{
    QTest::addColumn<Loop>("loop");
    QTest::newRow("last sector back to the first") << Loop::LastToFirst;
    QTest::newRow("first sector to itself") << Loop::FirstToItself;
    QTest::newRow("middle sector back") << Loop::MiddleBack;
    QTest::newRow("sector past the file") << Loop::PastTheFile;
    QTest::newRow("directory to itself") << Loop::Directory;
    QTest::newRow("mini stream: last back to first") << Loop::MiniLastToFirst;
    QTest::newRow("mini stream holder to itself") << Loop::MiniStreamHolder;
    QTest::newRow("directory tree: sibling to itself") << Loop::SiblingToItself;
    QTest::newRow("directory tree: child back to the root") << Loop::ChildToRoot;
}

void TestWorkbookRobustness::sectorChainLoops()
{
    QFETCH(Loop, loop);
    const bool mini = loop == Loop::MiniLastToFirst || loop == Loop::MiniStreamHolder;
    QByteArray cells = Cell(kLabel, 0, 0, Str16("Heading"));
    for (int row = 1; row <= 40; ++row)
        cells += Cell(kLabel, row, 0, Str16(QStringLiteral("row %1").arg(row)));
    // Streams below 4096 bytes live in the mini stream, in 64-byte sectors.
    const QByteArray original = mini ? BuildOleWorkbookFile(Biff8Sheet(cells)).value() : WrittenWorkbook(40);
    const WorkbookRecords intact = ReadWorkbookBytes(original, QStringLiteral("Sheet1$"), QStringLiteral("loop.xls"));
    QVERIFY(intact.ok());
    Container file(original);
    const qsizetype workbook = file.entry(QStringLiteral("Workbook"));
    QVERIFY(workbook > 0);
    const QList<quint32> sectors = mini ? file.miniChain(file.startOf(workbook)) : file.chain(file.startOf(workbook));
    QVERIFY(sectors.size() >= 3);
    switch (loop) {
    case Loop::LastToFirst:
        file.setFat(sectors.last(), sectors.first());
        break;
    case Loop::FirstToItself:
        file.setFat(sectors.first(), sectors.first());
        break;
    case Loop::MiddleBack:
        file.setFat(sectors[sectors.size() / 2], sectors[1]);
        break;
    case Loop::PastTheFile:
        file.setFat(sectors.first(), 0x00FFFFFF);
        break;
    case Loop::Directory:
        file.setFat(file.directoryStart(), file.directoryStart());
        break;
    case Loop::MiniLastToFirst:
        file.setMiniFat(sectors.last(), sectors.first());
        break;
    case Loop::MiniStreamHolder: {
        const qsizetype root = file.entry(QStringLiteral("Root Entry"));
        file.setFat(file.startOf(root), file.startOf(root));
        break;
    }
    case Loop::SiblingToItself:
        file.setRightSibling(workbook, file.indexOf(workbook));
        break;
    case Loop::ChildToRoot:
        file.setChild(workbook, 0);
        break;
    }
    QElapsedTimer timer;
    timer.start();
    const WorkbookRecords read = ReadWorkbookBytes(file.bytes(), QStringLiteral("Sheet1$"), QStringLiteral("loop.xls"));
    QVERIFY(timer.elapsed() < 5000);
    // A loop after the sectors a stream needs does not change what is read.
    if (read.ok())
        QCOMPARE(read.records, intact.records);
    else
        QVERIFY(!read.reason.isEmpty());
}

void TestWorkbookRobustness::absurdClaims_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");

    const QByteArray heading = Cell(kLabel, 0, 0, Str16("Heading"));
    Container bigStream(WrittenWorkbook(40));
    bigStream.setSize(bigStream.entry(QStringLiteral("Workbook")), 0x7FFFFFF0);
    QTest::newRow("stream larger than the file") << bigStream.bytes() << "without a Workbook stream";
    QByteArray fatCount = WrittenWorkbook(40);
    qToLittleEndian<quint32>(0x7FFFFFFF, fatCount.data() + 0x2C);
    QTest::newRow("two billion FAT sectors") << fatCount << "loop.xls";
    QTest::newRow("four billion shared strings")
        << BuildOleWorkbookFile(Biff8Sheet(heading, Rec(kSst, U32(0xFFFFFFFF) + U32(0xFFFFFFFF) + Str16("a")))).value()
        << "shared-string table is cut short";
    QTest::newRow("string of 65535 characters in 3 bytes")
        << BuildOleWorkbookFile(
               Biff8Sheet(heading + Rec(kLabel, U16(1) + U16(0) + U16(15) + U16(0xFFFF) + U8(1) + "ab")))
               .value()
        << "cut short";
    QTest::newRow("sheet offset beyond the stream")
        << BuildOleWorkbookFile(Bof(0x0600, 5) + Rec(kBoundSheet, U32(0x7FFFFFFF) + U16(0) + Str8("Sheet1"))
                                + Rec(kEof, {}))
               .value()
        << "not where the workbook says";
}

void TestWorkbookRobustness::absurdClaims()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    QElapsedTimer timer;
    timer.start();
    const WorkbookRecords read = ReadWorkbookBytes(file, QStringLiteral("Sheet1$"), QStringLiteral("loop.xls"));
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(read.failure, WorkbookFailure::Unreadable);
    QVERIFY2(read.reason.contains(reason), qPrintable(read.reason));
}

QTEST_GUILESS_MAIN(TestWorkbookRobustness)
#include "test_workbook_robustness.moc"
