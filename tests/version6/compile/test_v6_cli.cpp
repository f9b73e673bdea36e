#include "support/CliRun.h"
#include "support/TestHome.h"

#include <QtTest>

// halvoran-cli handsets and compile.
class TestVersion6Cli : public QObject {
    Q_OBJECT

private slots:
    void handsetsThenCompile()
    {
        TestHome home;
        const QString handsets = home.file("site.csv");
        CliRun run =
            RunCli({"handsets", handsets, "--range", "01:000:001:0098", "--range=02:010:010:", "--type", "Analog"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadBytes(handsets),
                 QByteArray("\"01000\",\"0098\",\"Analog\",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"
                            "\"01001\",\"0099\",\"Analog\",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"
                            "\"02010\",\"\",\"Analog\",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"
                            "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));

        const QString out = home.file("out");
        run = RunCli({"compile", handsets, out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("next block: 006\n"));
        for (const char *name : {"handset-data", "pickup-groups", "personal-speed-dials", "master-output"})
            QVERIFY2(QFile::exists(out + "/" + name + ".csv"), name);
        QCOMPARE(ReadBytes(out + "/personal-speed-dials.csv"),
                 QByteArray("\"73\",\"0098\",\"000002\",\"\",\"\"\r\n"
                            "\"73\",\"0099\",\"002002\",\"\",\"\"\r\n"
                            "\"73\",\"\",\"004002\",\"\",\"\"\r\n"));
        QCOMPARE(ReadBytes(out + "/pickup-groups.csv"), QByteArray());
        QVERIFY(ReadBytes(out + "/master-output.csv")
                    .endsWith("\"73\",\"\",\"004002\",\"\",\"\"\r\n\"\",\"\",\"\",\"\",\"\"\r\n"));
    }

    void workbooks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        QTest::newRow(".xls") << "site.xls"
                              << "xls";
        QTest::newRow(".xlsx") << "site.xlsx"
                               << "csv";
        QTest::newRow(".ods") << "site.ods"
                              << "csv";
        QTest::newRow(".xlsx outputs") << "site.xlsx"
                                       << "xlsx";
        QTest::newRow(".ods outputs") << "site.ods"
                                      << "ods";
    }

    void workbooks()
    {
        QFETCH(QString, name);
        QFETCH(QString, format);
        TestHome home;
        const QString handsets = home.file(name);
        CliRun run = RunCli({"handsets", handsets, "--range", "05:008:012:0098"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains("Exported to " + handsets));

        const QString out = home.file("out");
        run = RunCli({"compile", handsets, out, "--format", format, "--start", "100"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("next block: 110\n"));
        for (const char *output : {"handset-data", "pickup-groups", "personal-speed-dials", "master-output"})
            QVERIFY2(QFile::exists(out + "/" + output + "." + format), output);

        run = RunCli({"compile", handsets, home.file("none"), "--sheet", "Sheet9$"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("INCORRECT FILE FORMAT: UNABLE TO OPEN SPECIFIED FILE"));
    }

    // A grid without handsets is exported and compiled like any other.
    void emptyGridReadsBack()
    {
        TestHome home;
        const QString handsets = home.file("e.xls");
        QCOMPARE(RunCli({"handsets", handsets, "--range", "01:005:001:100"}).exitCode, 0);
        const CliRun run = RunCli({"compile", handsets, home.file("out")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out, QStringLiteral("next block: 000\n"));
    }

    // The four outputs are replaced together or not at all, and the compile
    // never runs without its templates.
    void nothingHalfDone_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder named as an output") << "folder"
                                                     << "pickup-groups.csv is a folder, not a file.";
        QTest::newRow("a store of garbage") << "store"
                                            << "HVNdataX could not be read";
        QTest::newRow("tab names with NUL bytes") << "tab names"
                                                  << "TabNames.dta holds NUL bytes";
    }

    void nothingHalfDone()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        TestHome home;
        const QString handsets = home.file("site.csv");
        QVERIFY(WriteBytes(handsets, "\"01000\",\"2001\",\"8 \",\"10\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"));
        const QString out = home.file("out");
        QCOMPARE(RunCli({"compile", handsets, out}).exitCode, 0);
        QDir outDir(out);
        QMap<QString, QByteArray> before;
        for (const QString &name : outDir.entryList(QDir::Files))
            before.insert(name, ReadBytes(outDir.filePath(name)));
        QCOMPARE(before.size(), 4);

        QVERIFY(WriteBytes(handsets, "\"01000\",\"2009\",\"8 \",\"20\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"));
        if (obstacle == "folder") {
            QVERIFY(QFile::remove(outDir.filePath("pickup-groups.csv")));
            QVERIFY(outDir.mkdir("pickup-groups.csv"));
            before.remove("pickup-groups.csv");
        } else if (obstacle == "store") {
            QVERIFY(WriteBytes(home.file("HVN-Data/HVNdataX"), QByteArray(4096, '\x5a')));
        } else {
            QVERIFY(WriteBytes(home.file("TabNames.dta"), QByteArray("\"8 \"\r\n\0\0\"8D\"\r\n", 14)));
        }
        const CliRun run = RunCli({"compile", handsets, out});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(ReadBytes(outDir.filePath(it.key())), it.value());
        QCOMPARE(outDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 4);
    }

    void conflictFails()
    {
        TestHome home;
        const QString handsets = home.file("site.csv");
        const CliRun run = RunCli({"handsets", handsets, "--range", "01:000:003:2000", "--range", "02:000:001:2003"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("Confliction Found: The Chosen extension number is already in use"));
        QVERIFY(!QFile::exists(handsets));
    }

    void warningsGiveExitThree()
    {
        TestHome home;
        const QString handsets = home.file("site.txt");
        const CliRun run = RunCli({"handsets", handsets, "--range", "32:000:000:123456"});
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.err.contains("You have selected an invalid FP!!!"));
        QVERIFY(run.err.contains("Invalid Number: Extension number must be between 0 and 99999"));
        QVERIFY(ReadBytes(handsets).startsWith("\"32000\",\"0\","));
    }

    void capacityGivesExitThree()
    {
        TestHome home;
        const QString handsets = home.file("site.csv");
        QVERIFY(WriteBytes(handsets,
                           "\"01000\",\"2001\",\"8 \",\"30\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"
                           "\"01001\",\"2002\",\"8 \",\"10\",\"1\",\"1\",\"15\",\"15\",\"\",\"00\"\r\n"));
        const QString out = home.file("out");
        const CliRun run = RunCli({"compile", handsets, out, "--start", "998"});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.out, QStringLiteral("next block: 1001\n"));
        QVERIFY(run.err.contains("User input error: Unable to continue processing speed dials\n"));
        QCOMPARE(ReadBytes(out + "/personal-speed-dials.csv"), QByteArray("\"73\",\"2001\",\"998003\",\"\",\"\"\r\n"));
    }

    void errors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("missing handsets") << QStringList{"compile", "missing.csv", "out"} << 1;
        QTest::newRow("unsupported output") << QStringList{"handsets", "x.nes", "--range", "01:000:001:1"} << 1;
        QTest::newRow("-- ends the options") << QStringList{"compile", "--", "--start", "out"} << 1;
    }

    void errors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        TestHome home;
        QDir::setCurrent(home.path());
        const CliRun run = RunCli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!QFile::exists(home.file("x.nes")));
        // A compile whose handsets cannot be read creates no output folder.
        QVERIFY(!QFile::exists(home.file("out")));
    }
};

QTEST_GUILESS_MAIN(TestVersion6Cli)
#include "test_v6_cli.moc"
