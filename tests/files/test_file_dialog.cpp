#include "files/FileDialog.h"
#include "platform/FileFilter.h"
#include "support/ScriptedPrompter.h"

#include <QtTest>

class TestFileDialog : public QObject {
    Q_OBJECT
private slots:
    void exportLocationSavesAndOthersOpen_data();
    void exportLocationSavesAndOthersOpen();
    void choiceIsRemembered();
    void cancelReturnsNothing();
    void fileTypeComesFromTheFileName_data();
    void fileTypeComesFromTheFileName();
    void writerChoice_data();
    void writerChoice();
    void versionSixDialog_data();
    void versionSixDialog();
    void versionSixStartsInScriptsUntilAFileIsChosen();
    void filtersForQt();
};

void TestFileDialog::exportLocationSavesAndOthersOpen_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("remembered");
    QTest::addColumn<bool>("save");
    QTest::addColumn<int>("filterIndex");
    QTest::newRow("export location") << "Export Location" << 2 << true << 2;
    QTest::newRow("title compared in upper case") << "EXPORT LOCATION" << 2 << true << 2;
    QTest::newRow("import opens with the remembered filter") << "Open file for Conversion" << 3 << false << 3;
    QTest::newRow("filter index 0 selects the first entry") << "Open file for Conversion" << 0 << false << 1;
    QTest::newRow("the last entry, .ods, is remembered") << "Open file for Conversion" << 6 << false << 6;
    QTest::newRow("filter index past the end selects the first") << "Open file for Conversion" << 7 << false << 1;
}

void TestFileDialog::exportLocationSavesAndOthersOpen()
{
    QFETCH(QString, title);
    QFETCH(int, remembered);
    QFETCH(bool, save);
    QFETCH(int, filterIndex);
    ScriptedPrompter prompter;
    prompter.queueFileCancel();
    FileDialogState state;
    state.folder = "/data/sites/";
    state.filterIndex = remembered;
    QString status = "OPEN A FILE FOR IMPORTATION TO BEGIN";
    QCOMPARE(ChooseFile(state, prompter, title, status), QString());
    QCOMPARE(prompter.files.size(), 1);
    const Prompter::FileRequest &request = prompter.files.first();
    QCOMPARE(request.save, save);
    QCOMPARE(request.title, title);
    QCOMPARE(request.folder, QString("/data/sites/"));
    QCOMPARE(request.filter, FileFilters::kTools);
    if (!save)
        QCOMPARE(request.filterIndex, filterIndex);
    QCOMPARE(status, QString()); // cleared while the dialog is open
}

void TestFileDialog::choiceIsRemembered()
{
    ScriptedPrompter prompter;
    prompter.queueFile("/home/j.smith/sites/north/names.csv", 2);
    FileDialogState state;
    state.filterIndex = 1;
    QString status;
    const QString path = ChooseFile(state, prompter, "Open file for Conversion", status);
    QCOMPARE(path, QString("/home/j.smith/sites/north/names.csv"));
    QCOMPARE(state.fileChosen, path);
    QCOMPARE(state.folder, QString("/home/j.smith/sites/north/"));
    QCOMPARE(state.filterIndex, 2);
    QCOMPARE(status, QString("Opening File /home/j.smith/sites/north/names.csv"));
}

void TestFileDialog::cancelReturnsNothing()
{
    ScriptedPrompter prompter;
    prompter.queueFileCancel();
    FileDialogState state;
    state.fileChosen = "/old.csv";
    state.folder = "/kept/";
    state.filterIndex = 3;
    QString status;
    QCOMPARE(ChooseFile(state, prompter, "Export Location", status), QString());
    QCOMPARE(state.fileChosen, QString());
    QCOMPARE(state.folder, QString("/kept/"));
    QCOMPARE(state.filterIndex, 3);
}

void TestFileDialog::fileTypeComesFromTheFileName_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("type");
    QTest::newRow("csv") << ""
                         << "/data/names.csv"
                         << "CSV";
    QTest::newRow("upper-cased") << ""
                                 << "/data/Dials.Xls"
                                 << "XLS";
    QTest::newRow("folder with a dot") << ""
                                       << "/home/j.smith/list.csv"
                                       << "CSV";
    QTest::newRow("folder with a dot, name without") << "TXT"
                                                     << "/home/j.smith/list"
                                                     << "TXT";
    QTest::newRow("no dot keeps the previous type") << "CSV"
                                                    << "/data/list"
                                                    << "CSV";
    QTest::newRow("last dot of the name") << ""
                                          << "/data/x.tmp.csv"
                                          << "CSV";
    QTest::newRow("trailing dot gives no type") << "CSV"
                                                << "/data/list."
                                                << "";
}

void TestFileDialog::fileTypeComesFromTheFileName()
{
    QFETCH(QString, previous);
    QFETCH(QString, path);
    QFETCH(QString, type);
    FileDialogState state;
    state.fileExt = previous;
    FileExtOf(state, path);
    QCOMPARE(state.fileExt, type);
}

void TestFileDialog::writerChoice_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<bool>("withNes");
    QTest::addColumn<int>("read");
    QTest::addColumn<int>("write");
    const int text = int(FileKind::Text), workbook = int(FileKind::Workbook), none = int(FileKind::Unsupported);
    QTest::newRow("CSV") << "CSV" << true << text << text;
    QTest::newRow("TXT") << "TXT" << false << text << text;
    QTest::newRow("NEV") << "NEV" << false << text << text;
    QTest::newRow("NES as text") << "NES" << true << text << text;
    QTest::newRow("NES refused") << "NES" << false << none << none;
    QTest::newRow("XLS") << "XLS" << true << workbook << workbook;
    QTest::newRow("XLSX") << "XLSX" << false << workbook << workbook;
    QTest::newRow("ODS") << "ODS" << false << workbook << workbook;
    QTest::newRow("XLSM is read, never written") << "XLSM" << true << workbook << none;
    QTest::newRow("DOC") << "DOC" << true << none << none;
    QTest::newRow("lower case is not a type") << "csv" << true << none << none;
}

void TestFileDialog::writerChoice()
{
    QFETCH(QString, ext);
    QFETCH(bool, withNes);
    QFETCH(int, read);
    QFETCH(int, write);
    QCOMPARE(int(KindOfExt(ext, withNes)), read);
    QCOMPARE(int(KindOfExt(ext, withNes, FileUse::Write)), write);
}

void TestFileDialog::versionSixDialog_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("filter");
    QTest::newRow("export location") << "EXPORT LOCATION" << true << FileFilters::kExportLocation;
    QTest::newRow("export grid opens") << "EXPORT GRID" << false << FileFilters::kExportGrid;
    QTest::newRow("anything else") << "Open Script File" << false << FileFilters::kTools;
}

void TestFileDialog::versionSixDialog()
{
    QFETCH(QString, title);
    QFETCH(bool, save);
    QFETCH(QString, filter);
    ScriptedPrompter prompter;
    prompter.queueFileCancel();
    FileDialogState state;
    state.filterIndex = 4;
    QString status = "x";
    ChooseFileV6(state, prompter, title, "/app/Scripts", status);
    QCOMPARE(prompter.files.first().save, save);
    QCOMPARE(prompter.files.first().filter, filter);
    QCOMPARE(prompter.files.first().filterIndex, 4);
    QCOMPARE(status, QString());
}

void TestFileDialog::versionSixStartsInScriptsUntilAFileIsChosen()
{
    ScriptedPrompter prompter;
    FileDialogState state;
    state.folder = "/remembered/from/store/";
    QString status;
    prompter.queueFileCancel();
    ChooseFileV6(state, prompter, "EXPORT LOCATION", "/app/Scripts", status);
    QCOMPARE(prompter.files.last().folder, QString("/app/Scripts"));
    QVERIFY(!state.folderChosen);

    prompter.queueFile("/jobs/site1/out.csv", 1);
    QCOMPARE(ChooseFileV6(state, prompter, "EXPORT LOCATION", "/app/Scripts", status), QString("/jobs/site1/out.csv"));
    QVERIFY(state.folderChosen);
    QCOMPARE(status, QString()); // no "Opening File" prompt in this window

    prompter.queueFileCancel();
    ChooseFileV6(state, prompter, "Open Script File", "/app/Scripts", status);
    QCOMPARE(prompter.files.last().folder, QString("/jobs/site1/"));
}

void TestFileDialog::filtersForQt()
{
    // The described entries keep their places; the new workbooks follow them.
    const QStringList workbooks{"Excel Workbook (*.xlsx)", "OpenDocument Spreadsheet (*.ods)"};
    QCOMPARE(
        QtFileFilters(FileFilters::kTools),
        (QStringList{"Excel CSV (*.csv)", "Excel Workbook (*.xls)", "Notepad (*.txt)", "All Files (*.*)"} + workbooks));
    QCOMPARE(QtFileFilters(FileFilters::kExportGrid), QStringList{"Excell (*.xls)"} + workbooks);
    QCOMPARE(QtFileFilters(FileFilters::kExportLocation),
             (QStringList{"Excel CSV (*.csv)", "HVN Format (*.nev)", "Excel Workbook (*.xls)", "Notepad (*.txt)",
                          "HVN Script (*.nes)", "All Files (*.*)"}
              + workbooks));
}

QTEST_GUILESS_MAIN(TestFileDialog)
#include "test_file_dialog.moc"
