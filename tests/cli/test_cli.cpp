// halvoran-cli's own part, run as a program: the help pages and the usage errors,
// compared whole, and the reasons given beside the tools' import messages.
#include "support/CliRun.h"
#include "support/TestHome.h"

#include <QtTest>

namespace {

const char *const kProgramHelp = R"(Usage: halvoran-cli COMMAND [ARGUMENTS]
       halvoran-cli help COMMAND | COMMAND --help
       halvoran-cli --help | --version

Does the work of Halvoran's tools without a window, with the same readers,
writers and rules. Files are chosen by their names: .csv, .txt, .nev and .nes
are quoted comma-delimited text, .xls, .xlsx and .ods workbooks (.xlsm is read
too). Messages go to standard error with the texts the windows show.

Commands:
  names      Name Assigner: writes the "770" name lines of a list of names
  speeddial  Speed Dial Assigner: writes the "720"/"721" pairs of speed dials
  handsets   Version 6.0: writes a handset file built from ranges
  compile    Version 6.0: compiles a handset file into the output scripts
  check      Finds what will go wrong before the script reaches the switch
  help       Shows the help of COMMAND, or this help

Options:
  -h, --help  Shows this help.
  --version   Shows the version.

Exit status:
  0  done
  1  an input or output error; nothing was written
  2  a usage error
  3  the output was written, but a warning was shown; check:
     only warnings were found
  4  check: errors were found

Environment:
  HALVORAN_HOME  the program's folder (default scripts and settings), when set
)";

const char *const kNamesHelp = R"(Usage: halvoran-cli names INPUT OUTPUT [--sheet NAME] [--pdf FILE]

The Name Assigner without a window: imports extensions and names from INPUT
(text records of two fields, or the sheet NAME of a workbook) as the import
button does and writes the "770" name lines to OUTPUT as "EXPORT NOW" does:
five quoted fields a row as text, or six columns under the header row as a
workbook. An import error prints the window's message and ends with exit 1,
nothing written.

Options:
  -h, --help      Shows this help.
  --sheet <NAME>  The sheet of a workbook INPUT (default: Sheet1$).
  --pdf <FILE>    Also writes the input and output lines to FILE as a PDF file,
                  as PRINT prints them.

Arguments:
  INPUT           The extensions and names: .csv, .txt, .nev, .nes, .xls,
                  .xlsx, .xlsm or .ods.
  OUTPUT          The name lines to write: .csv, .txt, .nev, .nes, .xls, .xlsx
                  or .ods.
)";

const char *const kSpeedDialHelp =
    R"(Usage: halvoran-cli speeddial INPUT OUTPUT [--start LOC] [--leading-zero] [--sheet NAME] [--pdf FILE]

The Speed Dial Assigner without a window: starts with LOC in the location box,
imports the speed dials of INPUT (text records of name, access code and number,
or the sheet NAME of a workbook) as the import button does, writes the
"720"/"721" pairs to OUTPUT as "EXPORT NOW" does (five quoted fields a row as
text, six columns without a header row as a workbook) and prints "next
location: NNN". When the memory locations run out (299 was used) the entries
imported until then are written, the maximum message is printed and the exit
status is 3. An import error prints the window's message and ends with exit 1,
nothing written.

Options:
  -h, --help      Shows this help.
  --start <LOC>   The first memory location, 000 to 299 (default: 000).
  --leading-zero  Puts a "0" before numbers longer than 5 digits.
  --sheet <NAME>  The sheet of a workbook INPUT (default: Sheet1$).
  --pdf <FILE>    Also writes the input and output lines to FILE as a PDF file,
                  as PRINT prints them.

Arguments:
  INPUT           The speed dials: .csv, .txt, .nev, .nes, .xls, .xlsx, .xlsm
                  or .ods.
  OUTPUT          The pairs to write: .csv, .txt, .nev, .xls, .xlsx or .ods.
)";

const char *const kHandsetsHelp =
    R"(Usage: halvoran-cli handsets OUTPUT --range FP:STARTLEN:STOPLEN:STARTEXT [--range ...] [--type TYPE]

Version 6.0 without a window: adds each range as "ADD" does (a conflict prints
its message and ends with exit 1), builds the handset grid as "NEXT" does with
TYPE as the default handset and writes it to OUTPUT as "EXPORT DATA" does.

Options:
  -h, --help       Shows this help.
  --range <RANGE>  A range of handsets, FP:STARTLEN:STOPLEN:STARTEXT: those of
                   FP from LEN STARTLEN to STOPLEN, numbered from extension
                   STARTEXT (none when empty). Repeat it for more ranges.
  --type <TYPE>    The default handset (default: "8 ").

Arguments:
  OUTPUT           The handset file to write: .csv, .txt, .nev, .xls, .xlsx or
                   .ods.
)";

const char *const kCompileHelp =
    R"(Usage: halvoran-cli compile HANDSETS OUTDIR [--start BLOCK] [--format csv|xls|xlsx|ods] [--sheet NAME] [--pdf FILE]

Version 6.0 without a window: reads HANDSETS as "IMPORT DATA" does, compiles it
with the templates and tab names of the program's folder from the Speed Dial
Starting Block BLOCK (no question asked), writes handset-data, pickup-groups,
personal-speed-dials and master-output into OUTDIR as "EXPORT THIS" does and
prints "next block: NNN". The four outputs are replaced together or not at all.
Reaching the PABX's speed-dial capacity prints its message and ends with exit
3, the outputs written all the same.

Options:
  -h, --help                   Shows this help.
  --start <BLOCK>              The Speed Dial Starting Block (default: 000).
  --format <csv|xls|xlsx|ods>  The outputs' file type (default: csv).
  --sheet <NAME>               The sheet of a workbook HANDSETS (default:
                               Sheet1$).
  --pdf <FILE>                 Also writes the handset rows to FILE as a PDF
                               file, as PRINT prints them.

Arguments:
  HANDSETS                     The handset file to read: .csv, .txt, .nev,
                               .xls, .xlsx, .xlsm or .ods.
  OUTDIR                       The folder of the outputs; created when missing.
)";

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void help_data();
    void help();
    void usageErrors_data();
    void usageErrors();
    void importFailuresGiveTheirReason_data();
    void importFailuresGiveTheirReason();
};

void TestCli::help_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");
    QTest::newRow("--help") << QStringList{"--help"} << kProgramHelp;
    QTest::newRow("-h") << QStringList{"-h"} << kProgramHelp;
    QTest::newRow("help") << QStringList{"help"} << kProgramHelp;
    QTest::newRow("--version") << QStringList{"--version"} << "halvoran-cli 8.1.8\n";
    QTest::newRow("names --help") << QStringList{"names", "--help"} << kNamesHelp;
    QTest::newRow("help names") << QStringList{"help", "names"} << kNamesHelp;
    QTest::newRow("help before a wrong option") << QStringList{"names", "--shet", "-h"} << kNamesHelp;
    QTest::newRow("speeddial -h") << QStringList{"speeddial", "-h"} << kSpeedDialHelp;
    QTest::newRow("handsets --help") << QStringList{"handsets", "--help"} << kHandsetsHelp;
    QTest::newRow("compile --help") << QStringList{"compile", "--help"} << kCompileHelp;
}

void TestCli::help()
{
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    TestHome home;
    const CliRun run = RunCli(args);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    const auto usage = [](const char *message, const char *command = nullptr) {
        const QString hint = command ? QStringLiteral("Try 'halvoran-cli %1 --help'.").arg(command)
                                     : QStringLiteral("Try 'halvoran-cli --help'.");
        return QStringLiteral("halvoran-cli: %1\n%2\n").arg(message, hint);
    };
    const QString noType = "halvoran-cli: out has no file type; name it .csv, .txt, .nev, .nes, .xls, .xlsx or .ods\n";

    QTest::newRow("no command") << QStringList{} << 2 << usage("No command given.");
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << usage("Unknown command 'frobnicate'.");
    QTest::newRow("unknown program option") << QStringList{"--colour"} << 2 << usage("Unknown option 'colour'.");
    QTest::newRow("help of no command") << QStringList{"help", "frob"} << 2 << usage("Unknown command 'frob'.");

    QTest::newRow("names without files") << QStringList{"names"} << 2 << usage("Missing argument INPUT.", "names");
    QTest::newRow("names, one file") << QStringList{"names", "in.csv"} << 2
                                     << usage("Missing argument OUTPUT.", "names");
    QTest::newRow("names, three files") << QStringList{"names", "a.csv", "b.csv", "c.csv"} << 2
                                        << usage("Unexpected argument 'c.csv'.", "names");
    QTest::newRow("-- ends the options") << QStringList{"names", "--", "--sheet"} << 2
                                         << usage("Missing argument OUTPUT.", "names");
    QTest::newRow("unknown option") << QStringList{"names", "in.csv", "out.csv", "--shet", "A"} << 2
                                    << usage("Unknown option 'shet'.", "names");
    QTest::newRow("one dash") << QStringList{"names", "in.csv", "out.csv", "-shet"} << 2
                              << usage("Unknown option 'shet'.", "names");
    QTest::newRow("sheet without a name") << QStringList{"names", "in.csv", "out.csv", "--sheet"} << 2
                                          << usage("Missing value after '--sheet'.", "names");
    QTest::newRow("empty sheet name") << QStringList{"speeddial", "in.csv", "out.csv", "--sheet="} << 2
                                      << usage("Missing value after '--sheet'.", "speeddial");
    QTest::newRow("names output without a type") << QStringList{"names", "in.csv", "out"} << 1 << noType;
    // The Speed Dial Assigner writes no .nes: its message names only what it writes.
    QTest::newRow("speeddial output without a type")
        << QStringList{"speeddial", "in.csv", "out"} << 1
        << "halvoran-cli: out has no file type; name it .csv, .txt, .nev, .xls, .xlsx or .ods\n";

    const char *badStart = "--start takes a memory location of three digits, 000 to 299, not '%1'.";
    for (const char *start : {"300", "5", "0a1"})
        QTest::addRow("start %s", start) << QStringList{"speeddial", "in.csv", "out.csv", "--start", start} << 2
                                         << usage(qPrintable(QString::fromLatin1(badStart).arg(start)), "speeddial");
    QTest::newRow("flag with a value") << QStringList{"speeddial", "in.csv", "out.csv", "--leading-zero=yes"} << 2
                                       << usage("Unexpected value after '--leading-zero'.", "speeddial");

    QTest::newRow("handsets without output")
        << QStringList{"handsets", "--range", "01:000:001:1"} << 2 << usage("Missing argument OUTPUT.", "handsets");
    QTest::newRow("no range") << QStringList{"handsets", "x.csv"} << 2
                              << usage("Missing option '--range'.", "handsets");
    QTest::newRow("bad range") << QStringList{"handsets", "x.csv", "--range=01:000:000:1", "--range", "01:000:001"} << 2
                               << usage("--range takes FP:STARTLEN:STOPLEN:STARTEXT, not '01:000:001'.", "handsets");
    QTest::newRow("compile option unknown") << QStringList{"compile", "a.csv", "out", "--colour", "red"} << 2
                                            << usage("Unknown option 'colour'.", "compile");
    QTest::newRow("bad format") << QStringList{"compile", "a.csv", "out", "--format", "doc"} << 2
                                << usage("--format takes csv, xls, xlsx or ods, not 'doc'.", "compile");
    QTest::newRow("start without a value")
        << QStringList{"compile", "a.csv", "out", "--start"} << 2 << usage("Missing value after '--start'.", "compile");
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    TestHome home;
    QDir::setCurrent(home.path());
    const CliRun run = RunCli(args);
    QCOMPARE(run.err, err);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.exitCode, exitCode);
    // Refused before any work: nothing written, not even the program's folder.
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestCli::importFailuresGiveTheirReason_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("bytes"); // empty: a copy of the fixture named by fixture
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("message"); // the window's message, unchanged
    QTest::addColumn<QString>("reason");  // the second line
    const QString unreadable = QStringLiteral("INCORRECT FILE FORMAT: UNABLE TO OPEN SPECIFIED FILE");
    const QString badSheet = QStringLiteral("INCORRECT FILE INFORMATION: INVALID SHEET NAME");
    QTest::newRow("too large") << "names"
                               << "in.csv" << QByteArray(17 * 1024 * 1024, 'x') << "" << unreadable
                               << "in.csv is too large (17 MB; at most 16 MB can be read).";
    QTest::newRow("a flood of empty fields")
        << "names"
        << "in.csv" << QByteArray(3 * 1024 * 1024, ',') << "" << unreadable << "holds more than 1,048,576 records";
    QTest::newRow("cut short") << "compile"
                               << "in.csv" << QByteArray("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15") << "" << unreadable
                               << "record 2 has 5 of its 10 fields";
    QTest::newRow("text under a workbook name")
        << "names"
        << "in.xlsx" << QByteArray("2001,A\r\n") << "" << badSheet
        << "Cannot read in.xlsx: it is not an Excel 2007 or later workbook (.xlsx).";
    QTest::newRow("no such sheet") << "compile"
                                   << "in.xls" << QByteArray() << "workbooks/openpyxl-mixed.xlsx" << unreadable
                                   << "in.xls has no sheet named \"Sheet1$\"";
}

void TestCli::importFailuresGiveTheirReason()
{
    QFETCH(QString, command);
    QFETCH(QString, input);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fixture);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    TestHome home;
    QDir::setCurrent(home.path());
    QVERIFY(fixture.isEmpty() ? WriteBytes(input, bytes) : QFile::copy(TestData(fixture), input));
    const CliRun run = RunCli({command, input, QStringLiteral("out.csv")});
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.err.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3); // the message, its reason, and the end of the last line
    QCOMPARE(lines[0], message);
    QVERIFY2(lines[1].contains(reason), qPrintable(lines[1]));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
