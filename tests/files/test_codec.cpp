#include "files/Codec.h"

#include <QtTest>

class TestCodec : public QObject {
    Q_OBJECT
private slots:
    void ansiEncoding_data();
    void ansiEncoding();
    void everyAnsiByteRoundTrips();
    void fileDecoding_data();
    void fileDecoding();
};

void TestCodec::ansiEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "JOHN, \"x\"" << QByteArray("JOHN, \"x\"");
    QTest::newRow("latin-1 letter") << QString::fromUtf8("Jos\u00e9") << QByteArray("Jos\xe9");
    QTest::newRow("euro sign is 0x80") << QString::fromUtf8("\u20ac5")
                                       << QByteArray("\x80"
                                                     "5");
    QTest::newRow("curly quotes and dash") << QString::fromUtf8("\u201cA\u201d\u2013")
                                           << QByteArray("\x93"
                                                         "A\x94\x96");
    QTest::newRow("outside the code page") << QString::fromUtf8("\u4e2d\u0416") << QByteArray("??");
    QTest::newRow("astral character is one ?") << QString::fromUtf8("a\U0001F600b") << QByteArray("a?b");
}

void TestCodec::ansiEncoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Codec::toAnsi(text), bytes);
}

void TestCodec::everyAnsiByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(Codec::toAnsi(Codec::fromAnsi(all)), all);
    QCOMPARE(Codec::ansiChar(0x80), QChar(0x20AC));
    QCOMPARE(int(Codec::ansiCode(QChar(0x0178))), 0x9F);
}

void TestCodec::fileDecoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain ascii") << QByteArray("a,b\r\n") << "a,b\r\n";
    QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF"
                                                  "abc")
                                    << "abc";
    QTest::newRow("utf-8 without bom") << QByteArray("Jos\xC3\xA9") << QString::fromUtf8("Jos\u00e9");
    QTest::newRow("windows-1252") << QByteArray("Jos\xE9 \x80") << QString::fromUtf8("Jos\u00e9 \u20ac");
    QTest::newRow("broken utf-8 falls back") << QByteArray("\xC3\x28") << QString::fromUtf8("\u00c3(");
    // Unicode text as spreadsheet programs save it; the commas stay the commas.
    const QString unicode = QString::fromUtf8("2001,Jos\u00e9 \u0141\r\n");
    QByteArray little("\xFF\xFE"), big("\xFE\xFF");
    for (const QChar ch : unicode) {
        little.append(char(ch.unicode() & 0xFF)).append(char(ch.unicode() >> 8));
        big.append(char(ch.unicode() >> 8)).append(char(ch.unicode() & 0xFF));
    }
    QTest::newRow("utf-16 little-endian") << little << unicode;
    QTest::newRow("utf-16 big-endian") << big << unicode;
}

void TestCodec::fileDecoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Codec::decodeFile(bytes), text);
}

QTEST_GUILESS_MAIN(TestCodec)
#include "test_codec.moc"
