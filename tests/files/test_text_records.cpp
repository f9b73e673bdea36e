#include "files/AtomicFile.h"
#include "files/TextRecords.h"
#include "grid/GridTable.h"
#include "support/TestHome.h"

#include <QFile>
#include <QtTest>

class TestTextRecords : public QObject {
    Q_OBJECT
private slots:
    void writesQuotedFieldsWithCrLf_data();
    void writesQuotedFieldsWithCrLf();
    void writeStopsAtTheRequestedRow();
    void failedWriteKeepsTheOldFile();
    void readOnlyTargetIsRefused();
    void readsRecordsFromAFieldStream_data();
    void readsRecordsFromAFieldStream();
    void recordCutShortIsAnError();
    void unreadableFilesAreErrors();
    void hostileFilesGiveTheirReason_data();
    void hostileFilesGiveTheirReason();
    void writtenFilesReadBack();
};

void TestTextRecords::writesQuotedFieldsWithCrLf_data()
{
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("only the spare row") << QList<QStringList>{} << 5 << QByteArray("\"\",\"\",\"\",\"\",\"\"\r\n");
    QTest::newRow("rows then the spare row")
        << QList<QStringList>{{"770", "2001", "4A", "", "J"}} << 5
        << QByteArray("\"770\",\"2001\",\"4A\",\"\",\"J\"\r\n\"\",\"\",\"\",\"\",\"\"\r\n");
    QTest::newRow("comma kept inside quotes") << QList<QStringList>{{"720", "000", "9,00123456"}} << 3
                                              << QByteArray("\"720\",\"000\",\"9,00123456\"\r\n\"\",\"\",\"\"\r\n");
    QTest::newRow("quote doubled") << QList<QStringList>{{"say \"hi\"", "x"}} << 2
                                   << QByteArray("\"say \"\"hi\"\"\",\"x\"\r\n\"\",\"\"\r\n");
    QTest::newRow("windows-1252 bytes") << QList<QStringList>{{QString::fromUtf8("Jos\u00e9 \u20ac \u4e2d"), "1"}} << 2
                                        << QByteArray("\"Jos\xe9 \x80 ?\",\"1\"\r\n\"\",\"\"\r\n");
    QTest::newRow("only the first columns")
        << QList<QStringList>{{"a", "b", "c"}} << 1 << QByteArray("\"a\"\r\n\"\"\r\n");
}

void TestTextRecords::writesQuotedFieldsWithCrLf()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(int, columns);
    QFETCH(QByteArray, bytes);
    TestHome home;
    GridTable grid("A|B|C|D|E|");
    for (const QStringList &row : rows)
        grid.appendRow(row);
    const QString path = home.file("out.csv");
    QVERIFY(WriteTextFile(grid, path, columns).ok());
    QCOMPARE(ReadBytes(path), bytes);
}

void TestTextRecords::writeStopsAtTheRequestedRow()
{
    TestHome home;
    GridTable grid("A|B");
    grid.appendRow({"1", "2"});
    grid.appendRow({"3", "4"});
    const QString path = home.file("out.txt");
    QVERIFY(WriteTextFile(grid, path, 2, grid.rows() - 2).ok());
    QCOMPARE(ReadBytes(path), QByteArray("\"1\",\"2\"\r\n\"3\",\"4\"\r\n"));
}

void TestTextRecords::failedWriteKeepsTheOldFile()
{
    TestHome home;
    const QString path = home.file("keep.csv");
    QVERIFY(WriteBytes(path, "old contents"));
    const Outcome failed = WriteFileAtomically(path, [](QIODevice &out) {
        out.write("partial");
        return false; // the writer gives up half way
    });
    QVERIFY(!failed.ok());
    QVERIFY(failed.reason().contains("keep.csv"));
    QCOMPARE(ReadBytes(path), QByteArray("old contents"));
    QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"keep.csv"}); // no temporary left

    const Outcome noFolder = WriteTextFile(GridTable("A"), home.file("missing/folder/x.csv"), 1);
    QVERIFY(!noFolder.ok());
    QVERIFY(!WriteTextFile(GridTable("A"), home.path(), 1).ok()); // a folder is not a file
}

void TestTextRecords::readOnlyTargetIsRefused()
{
    TestHome home;
    const QString path = home.file("locked.csv");
    QVERIFY(WriteBytes(path, "keep me"));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFileInfo(path).isWritable())
        QSKIP("running with privileges that ignore file permissions");
    QVERIFY(!WriteTextFile(GridTable("A"), path, 1).ok());
    QCOMPARE(ReadBytes(path), QByteArray("keep me"));
}

void TestTextRecords::readsRecordsFromAFieldStream_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QList<QStringList>>("records");
    QTest::newRow("two lines of two") << QByteArray("2001,\"JOHN SMITH\"\r\n2002,\"ANN\"\r\n") << 2
                                      << QList<QStringList>{{"2001", "JOHN SMITH"}, {"2002", "ANN"}};
    QTest::newRow("three fields then one pair up")
        << QByteArray("a,b,c\r\nd\r\n") << 2 << QList<QStringList>{{"a", "b"}, {"c", "d"}};
    QTest::newRow("quoted commas and quotes")
        << QByteArray("\"9,0123\",\"say \"\"hi\"\"\"\n") << 2 << QList<QStringList>{{"9,0123", "say \"hi\""}};
    QTest::newRow("unquoted trimmed and kept as text")
        << QByteArray("  05012 , 00 ,1.50\n") << 3 << QList<QStringList>{{"05012", "00", "1.50"}};
    QTest::newRow("quoted blanks kept") << QByteArray("\"  a  \",b") << 2 << QList<QStringList>{{"  a  ", "b"}};
    QTest::newRow("empty fields") << QByteArray("\"\",,\"\"\r\n") << 3 << QList<QStringList>{{"", "", ""}};
    QTest::newRow("no final line end") << QByteArray("1,2") << 2 << QList<QStringList>{{"1", "2"}};
    QTest::newRow("trailing blank lines ignored")
        << QByteArray("1,2\r\n\r\n  \r\n") << 2 << QList<QStringList>{{"1", "2"}};
    QTest::newRow("blank line inside a record is an empty field")
        << QByteArray("1\r\n\r\n3,4\r\n") << 2 << QList<QStringList>{{"1", ""}, {"3", "4"}};
    QTest::newRow("bare CR and LF line ends")
        << QByteArray("1\r2\n3,4") << 2 << QList<QStringList>{{"1", "2"}, {"3", "4"}};
    QTest::newRow("empty file") << QByteArray() << 2 << QList<QStringList>{};
    QTest::newRow("utf-8 file") << QByteArray("1,\"Jos\xC3\xA9\"\r\n") << 2
                                << QList<QStringList>{{"1", QString::fromUtf8("Jos\u00e9")}};
    QTest::newRow("windows-1252 file") << QByteArray("1,\"Jos\xE9\"\r\n") << 2
                                       << QList<QStringList>{{"1", QString::fromUtf8("Jos\u00e9")}};
}

void TestTextRecords::readsRecordsFromAFieldStream()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, fields);
    QFETCH(QList<QStringList>, records);
    TestHome home;
    const QString path = home.file("in.csv");
    QVERIFY(WriteBytes(path, bytes));
    const TextRecords read = ReadTextRecords(path, fields);
    QVERIFY2(read.outcome.ok(), qPrintable(read.outcome.reason()));
    QCOMPARE(read.records, records);
}

void TestTextRecords::recordCutShortIsAnError()
{
    TestHome home;
    const QString path = home.file("odd.csv");
    QVERIFY(WriteBytes(path, "1,\"A\"\r\n2,\"B\"\r\n3\r\n"));
    const TextRecords read = ReadTextRecords(path, 2);
    QVERIFY(!read.outcome.ok());
    QCOMPARE(read.records.size(), 2); // the complete records before the cut
    QVERIFY2(read.outcome.reason().contains("ends in the middle of a record"), qPrintable(read.outcome.reason()));
    QVERIFY(read.outcome.reason().contains("record 3 has 1 of its 2 fields"));
}

void TestTextRecords::unreadableFilesAreErrors()
{
    TestHome home;
    QVERIFY(!ReadTextRecords(home.file("absent.csv"), 2).outcome.ok());
    QVERIFY(!ReadTextRecords(home.path(), 2).outcome.ok());
    const Expected<QByteArray> tooLarge = [&] {
        const QString path = home.file("big.csv");
        WriteBytes(path, QByteArray(2048, 'x'));
        return ReadWholeFile(path, 1024);
    }();
    QVERIFY(!tooLarge.ok());
    QVERIFY(tooLarge.reason().contains("too large"));

    const QString huge = home.file("huge.csv");
    QVERIFY(WriteBytes(huge, QByteArray(kMaxTextFileBytes + 1, ',')));
    QVERIFY(ReadTextRecords(huge, 2).outcome.reason().contains("too large"));

    // Long runs of blank lines read in linear time: 300,000 of them are 300,000 empty fields.
    const QString blanks = home.file("blanks.csv");
    QVERIFY(WriteBytes(blanks, "1,A" + QByteArray("\r\n").repeated(300001) + "2,B"));
    const TextRecords spread = ReadTextRecords(blanks, 2);
    QVERIFY(spread.outcome.ok());
    QCOMPARE(spread.records.size(), 150002);
    QCOMPARE(spread.records.last(), (QStringList{"2", "B"}));
}

void TestTextRecords::hostileFilesGiveTheirReason_data()
{
    // A run of n commas is n empty fields.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QString>("reason"); // empty: read, giving `records` records
    QTest::addColumn<qsizetype>("records");
    QTest::newRow("too many fields") << QByteArray(kMaxTextFields + 10, ',') << 10
                                     << "holds more than 10,000,000 fields (at most 10,000,000 are read)"
                                     << qsizetype(0);
    QTest::newRow("too many records") << QByteArray(2 * kMaxTextRecords + 2, ',') << 2
                                      << "holds more than 1,048,576 records (at most 1,048,576 are read)"
                                      << qsizetype(0);
    QTest::newRow("as many records as may be") << QByteArray(2 * kMaxTextRecords, ',') << 2 << "" << kMaxTextRecords;
    QTest::newRow("too large") << QByteArray(kMaxTextFileBytes + 1, 'x') << 2
                               << "is too large (17 MB; at most 16 MB can be read)" << qsizetype(0);
    QTest::newRow("cut short") << QByteArray("1,2,3,4,5") << 2 << "record 3 has 1 of its 2 fields" << qsizetype(2);
    QTest::newRow("quote left open runs to the end") << QByteArray("1,\"A,\r\n2,B") << 2 << "" << qsizetype(1);
    QTest::newRow("control characters are text") << QByteArray("\0,\x1A\x01", 4) << 2 << "" << qsizetype(1);
}

void TestTextRecords::hostileFilesGiveTheirReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, fields);
    QFETCH(QString, reason);
    QFETCH(qsizetype, records);
    TestHome home;
    const QString path = home.file("hostile.csv");
    QVERIFY(WriteBytes(path, bytes));
    const TextRecords read = ReadTextRecords(path, fields);
    QCOMPARE(read.outcome.ok(), reason.isEmpty());
    QVERIFY2(read.outcome.reason().contains(reason), qPrintable(read.outcome.reason()));
    QCOMPARE(read.records.size(), records);
}

void TestTextRecords::writtenFilesReadBack()
{
    TestHome home;
    GridTable grid("A|B|C");
    const QList<QStringList> rows{{"05012", "9,0123", "\"quoted\""},
                                  {" lead", "trail ", QString::fromUtf8("\u00e9\u20ac")}};
    for (const QStringList &row : rows)
        grid.appendRow(row);
    const QString path = home.file("round.nev");
    QVERIFY(WriteTextFile(grid, path, 3).ok());
    const TextRecords read = ReadTextRecords(path, 3);
    QVERIFY(read.outcome.ok());
    QCOMPARE(read.records, (QList<QStringList>{rows[0], rows[1], {"", "", ""}}));
}

QTEST_GUILESS_MAIN(TestTextRecords)
#include "test_text_records.moc"
