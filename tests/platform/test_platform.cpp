#include "platform/AppPaths.h"
#include "platform/Printer.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"

#include <QtTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void pathsLiveUnderTheProgramFolder();
    void printDocumentStopsAtTheFirstFailure();
    void boxWithoutTitleShowsTheProgramTitle();
};

void TestPlatform::pathsLiveUnderTheProgramFolder()
{
    TestHome home;
    qputenv("HALVORAN_HOME", (home.path() + "/").toUtf8());
    QCOMPARE(AppPaths::appPath(), home.path()); // no trailing "/"
    QCOMPARE(AppPaths::storePath(), home.path() + "/HVN-Data/HVNdataX");
    QCOMPARE(AppPaths::tabNamesPath(), home.path() + "/TabNames.dta");
    QCOMPARE(AppPaths::scriptsPath(), home.path() + "/Scripts");
    QCOMPARE(AppPaths::join("/a/", "b"), QString("/a/b"));

    qunsetenv("HALVORAN_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    // The test binary's folder is writable here, so the program folder is that one.
    QCOMPARE(AppPaths::appPath(), QCoreApplication::applicationDirPath());
}

void TestPlatform::printDocumentStopsAtTheFirstFailure()
{
    RecordingPrinter printer;
    QVERIFY(PrintDocument(printer, "Courier New", 9.75, true, {" | a", " | b"}));
    QCOMPARE(printer.fontFamily, QString("Courier New"));
    QCOMPARE(printer.fontSize, 9.75);
    QCOMPARE(printer.lines, (QStringList{" | a", " | b"}));
    QCOMPARE(printer.documents, 1);

    RecordingPrinter missing;
    missing.fail = true;
    QVERIFY(!PrintDocument(missing, "Courier New", 9.75, false, {"x"}));
    QVERIFY(missing.lines.isEmpty());
}

void TestPlatform::boxWithoutTitleShowsTheProgramTitle()
{
    ScriptedPrompter prompter;
    prompter.message("Exported to /tmp/x.xls");
    prompter.queueYes();
    QVERIFY(prompter.askYesNo("Quit?", "Check User Action"));
    QCOMPARE(prompter.messages.at(0).title, QString("Halvoran"));
    QCOMPARE(prompter.messages.at(1).title, QString("Check User Action"));
    QCOMPARE(prompter.messages.at(1).buttons, Prompter::Buttons::YesNo);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
