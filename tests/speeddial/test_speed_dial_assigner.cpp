// The Speed Dial Assigner tool with scripted prompts and a recording printer:
// imports, the location box, commits of edits, files, printing and closing.
#include "assigner/AssignerTexts.h"
#include "files/FileMessages.h"
#include "files/workbook/PeerSheets.h"
#include "files/workbook/Workbook.h"
#include "platform/PlatformTexts.h"
#include "speeddial/SpeedDialAssigner.h"
#include "speeddial/SpeedDialTexts.h"
#include "store/ScriptStore.h"
#include "support/ToolFixture.h"

#include <QtTest>

namespace {

const QByteArray kThreeDials = "\"Reception\",\"9\",\"0123456789\"\r\n"
                               "\"Smith, John\",\"\",\"2001\"\r\n"
                               "Night Service,9,\"555123\"\r\n";
const QString kReceptionHex = QStringLiteral("526563657074696F6E");

struct Fixture : ToolFixture<SpeedDialAssigner> {
    // Opens the editor on a cell by a typed key and commits the text.
    void edit(int row, int col, const QString &text)
    {
        tool.input().setCurrent(row, col);
        tool.startEdit(U'x');
        tool.commitEdit(text);
    }
    // The messages shown as "title: text".
    QStringList shown() const
    {
        QStringList texts;
        for (const Prompter::Message &message : prompter.messages)
            texts.append(message.title + QStringLiteral(": ") + message.text);
        return texts;
    }
};

QString maximum()
{
    return SpeedDialTexts::kMaximumTitle + QStringLiteral(": ") + SpeedDialTexts::kMaximumText;
}

// Data rows 1 .. rows() - 1 of a grid.
Records dataRows(const GridTable &grid)
{
    Records rows;
    for (int r = 1; r < grid.rows(); ++r)
        rows.append(grid.rowTexts(r));
    return rows;
}

// Sheet1 of a workbook as python's xlrd reads it.
Records peerSheet(const QString &path)
{
    const auto sheets = ReadWithPeer(QStringLiteral("xlrd"), path);
    return sheets ? TextsOf(sheets->value(QStringLiteral("Sheet1"))) : Records{{QStringLiteral("xlrd failed")}};
}

} // namespace

class TestSpeedDialAssigner : public QObject {
    Q_OBJECT
private slots:
    void importsThreeRecordsFromZero();
    void importedEntry_data();
    void importedEntry();
    void importStopsAtTheLastLocation();
    void usedUpLocationsRefuseEntries();
    void failedImportChangesNothing_data();
    void failedImportChangesNothing();
    void workbookImport_data();
    void workbookImport();
    void advanceLocation_data();
    void advanceLocation();
    void locationBox();
    void commitInTheSpareRowOfAFreshTool();
    void numberAndAccessEdits_data();
    void numberAndAccessEdits();
    void nameEditAndUnnamedColumn();
    void typingBelowEmptyRows();
    void commitAtTheLastLocation();
    void clickPending();
    void editorKeys_data();
    void editorKeys();
    void importAfterTyping();
    void textFiles();
    void exportsThatWriteNothing_data();
    void exportsThatWriteNothing();
    void workbookFiles();
    void updateInputState();
    void printsBothTables();
    void resetKeepsLocation();
    void lossOfData();
    void storeLoadAndSettings();
};

void TestSpeedDialAssigner::importsThreeRecordsFromZero()
{
    Fixture f;
    QCOMPARE(f.tool.location(), QStringLiteral("000"));
    QCOMPARE(f.import("dials.csv", kThreeDials), SpeedDialAssigner::ImportResult::Imported);
    QCOMPARE(dataRows(f.tool.input()),
             (Records{{"Reception", "9", "0123456789", ""},
                      {"Smith, John", "", "2001", ""},
                      {"Night Service", "9", "555123", ""},
                      {"", "", "", ""}}));
    QCOMPARE(dataRows(f.tool.output()),
             (Records{{"720", "000", "9,0123456789", "", "", ""},
                      {"721", "000", kReceptionHex, "", "Reception", ""},
                      {"720", "001", "2001", "", "", ""},
                      {"721", "001", "536D6974682C204A6F686E", "", "Smith, John", ""},
                      {"720", "002", "9,555123", "", "", ""},
                      {"721", "002", "4E696768742053657276696365", "", "Night Service", ""},
                      {"", "", "", "", "", ""}}));
    QCOMPARE(f.tool.location(), QStringLiteral("003"));
    QCOMPARE(f.tool.usedLocations(), (QStringList{"000", "001", "002", "003"}));
    QVERIFY(f.prompter.messages.isEmpty());
    QVERIFY(f.tool.hasChanged());
    QCOMPARE(f.tool.importPath(), f.home.file("dials.csv"));
    QCOMPARE(f.prompter.files[0].title, QStringLiteral("Open file for Conversion"));
    QVERIFY(!f.prompter.files[0].save);
}

void TestSpeedDialAssigner::importedEntry_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("numberRow");
    QTest::addColumn<QStringList>("nameRow");
    QTest::newRow("Reception, option ticked")
        << QByteArray("Reception,9,0123456789\r\n") << true << QStringList{"Reception", "9", "00123456789", ""}
        << QStringList{"720", "000", "9,00123456789", "", "", ""}
        << QStringList{"721", "000", kReceptionHex, "", "Reception", ""};
    QTest::newRow("option clear") << QByteArray("Reception,9,0123456789\r\n") << false
                                  << QStringList{"Reception", "9", "0123456789", ""}
                                  << QStringList{"720", "000", "9,0123456789", "", "", ""}
                                  << QStringList{"721", "000", kReceptionHex, "", "Reception", ""};
    QTest::newRow("five digits keep their form")
        << QByteArray("Desk,,12345\r\n") << true << QStringList{"Desk", "", "12345", ""}
        << QStringList{"720", "000", "12345", "", "", ""} << QStringList{"721", "000", "4465736B", "", "Desk", ""};
    QTest::newRow("empty access code: no comma")
        << QByteArray("\"Desk\",\"\",\"0123456\"\r\n") << false << QStringList{"Desk", "", "0123456", ""}
        << QStringList{"720", "000", "0123456", "", "", ""} << QStringList{"721", "000", "4465736B", "", "Desk", ""};
    QTest::newRow("20 characters: 16 shown")
        << QByteArray("ABCDEFGHIJKLMNOPQRST,9,1\r\n") << false << QStringList{"ABCDEFGHIJKLMNOPQRST", "9", "1", ""}
        << QStringList{"720", "000", "9,1", "", "", ""}
        << QStringList{"721", "000", "4142434445464748494A4B4C4D4E4F50", "", "ABCDEFGHIJKLMNOP", ""};
    QTest::newRow("three empty fields are an entry")
        << QByteArray(",,\r\n") << true << QStringList{"", "", "", ""} << QStringList{"720", "000", "", "", "", ""}
        << QStringList{"721", "000", "", "", "", ""};
}

void TestSpeedDialAssigner::importedEntry()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, leadingZero);
    QFETCH(QStringList, input);
    QFETCH(QStringList, numberRow);
    QFETCH(QStringList, nameRow);
    Fixture f;
    f.tool.setLeadingZero(leadingZero);
    f.import("one.txt", record);
    QCOMPARE(f.tool.input().rowTexts(1), input);
    QCOMPARE(f.tool.output().rowTexts(1), numberRow);
    QCOMPARE(f.tool.output().rowTexts(2), nameRow);
    QCOMPARE(f.tool.location(), QStringLiteral("001"));
}

void TestSpeedDialAssigner::importStopsAtTheLastLocation()
{
    Fixture f;
    f.tool.setLocation(QStringLiteral("298"));
    QCOMPARE(f.import("dials.nev", kThreeDials), SpeedDialAssigner::ImportResult::Imported);
    QCOMPARE(f.shown(), QStringList{maximum()});
    QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
    QCOMPARE(f.tool.input().rows(), 4); // two entries and the spare row
    QCOMPARE(f.tool.output().rowTexts(3), (QStringList{"720", "299", "2001", "", "", ""}));
    QCOMPARE(f.tool.output().rows(), 6);
    QVERIFY(f.tool.output().isRowEmpty(5));
    QCOMPARE(f.tool.location(), QStringLiteral("299"));
    QCOMPARE(f.tool.usedLocations(), (QStringList{"298", "299"}));
    QVERIFY(f.tool.locationsUsedUp());

    // A file cut short after the records that reach the last location imports the
    // same way: the cut is never read.
    Fixture cut;
    cut.tool.setLocation(QStringLiteral("298"));
    QCOMPARE(cut.import("cut.csv", kThreeDials + "Extra,9"), SpeedDialAssigner::ImportResult::Imported);
    QCOMPARE(cut.shown(), QStringList{maximum()});
    QCOMPARE(dataRows(cut.tool.output()), dataRows(f.tool.output()));
}

void TestSpeedDialAssigner::usedUpLocationsRefuseEntries()
{
    // Once 299 is used, neither an import nor a commit gives it out again.
    Fixture f;
    f.tool.setLocation(QStringLiteral("299"));
    f.import("one.csv", "Reception,9,1\r\n");
    f.prompter.clear();
    const Records input = dataRows(f.tool.input());
    const Records output = dataRows(f.tool.output());

    const QString source = f.tool.importPath();
    QCOMPARE(f.import("more.csv", kThreeDials), SpeedDialAssigner::ImportResult::Imported);
    QCOMPARE(f.shown(), QStringList{maximum()});
    QCOMPARE(dataRows(f.tool.input()), input);
    QCOMPARE(dataRows(f.tool.output()), output);
    QCOMPARE(f.tool.importPath(), source); // a refused file is never written back

    f.prompter.clear();
    f.edit(2, 0, QStringLiteral("Typed"));
    QCOMPARE(f.shown(), QStringList{maximum()});
    QCOMPARE(dataRows(f.tool.input()), input);
    QCOMPARE(dataRows(f.tool.output()), output);
    QVERIFY(!f.tool.editorOpen());

    // Edits of an entry that has its pair use no location.
    f.prompter.clear();
    f.edit(1, 2, QStringLiteral("2"));
    QVERIFY(f.prompter.messages.isEmpty());
    QCOMPARE(f.tool.output().textAt(1, 2), QStringLiteral("9,2"));

    // RESET empties the tables, so the last location is free again.
    Fixture reset;
    reset.tool.setLocation(QStringLiteral("299"));
    reset.import("one.csv", "Reception,9,1\r\n");
    reset.tool.reset();
    QVERIFY(!reset.tool.locationsUsedUp());

    // Another location in the box gives out locations again.
    f.tool.setLocation(QStringLiteral("010"));
    QVERIFY(!f.tool.locationsUsedUp());
    f.edit(2, 0, QStringLiteral("Typed"));
    QCOMPARE(f.tool.output().rowTexts(3), (QStringList{"720", "010", "", "", "", ""}));
    QCOMPARE(f.tool.location(), QStringLiteral("011"));
}

void TestSpeedDialAssigner::failedImportChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString unreadable = FileMessages::kUnreadableTitle + ": " + FileMessages::kUnreadableText;
    QTest::newRow("cut short in a record") << "cut.csv" << QByteArray("A,9,1\r\nB,9\r\n") << unreadable;
    QTest::newRow("missing file") << "missing.txt" << QByteArray() << unreadable;
    QTest::newRow("unknown type") << "dials.doc" << kThreeDials
                                  << FileMessages::kBadImportTypeTitle + ": " + FileMessages::kBadImportTypeText;
    QTest::newRow("no type of its own") << "dials" << kThreeDials
                                        << FileMessages::kBadImportTypeTitle + ": " + FileMessages::kBadImportTypeText;
}

void TestSpeedDialAssigner::failedImportChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Fixture f;
    f.import("first.csv", "Kept,9,1\r\n");
    // A name without a dot keeps the type of the file before it, here DOC.
    f.tool.importFrom(f.file("x.doc", "A,9,1\r\n"));
    f.prompter.clear();
    const Records input = dataRows(f.tool.input());
    const Records output = dataRows(f.tool.output());

    QCOMPARE(f.import(name, bytes), SpeedDialAssigner::ImportResult::Failed);
    QCOMPARE(f.shown(), QStringList{message});
    QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Critical);
    QCOMPARE(dataRows(f.tool.input()), input);
    QCOMPARE(dataRows(f.tool.output()), output);
    QCOMPARE(f.tool.location(), QStringLiteral("001"));
    QCOMPARE(f.tool.usedLocations(), (QStringList{"000", "001"}));
}

void TestSpeedDialAssigner::workbookImport_data()
{
    QTest::addColumn<QString>("answer"); // "" cancels the sheet question
    QTest::addColumn<QString>("message");
    QTest::addColumn<Records>("input");
    const Records kept{{"Kept", "9", "1", ""}, {"", "", "", ""}};
    QTest::newRow("default sheet") << "Sheet1$"
                                   << ""
                                   << Records{{"Kept", "9", "1", ""},
                                              {"Operator", "", "0123456", ""},
                                              {"Short", "8", "", ""},
                                              {"", "", "", ""}};
    QTest::newRow("question cancelled") << ""
                                        << "" << kept;
    QTest::newRow("no such sheet") << "Dials$" << FileMessages::kBadSheetTitle + ": " + FileMessages::kBadSheetText
                                   << kept;
}

void TestSpeedDialAssigner::workbookImport()
{
    QFETCH(QString, answer);
    QFETCH(QString, message);
    QFETCH(Records, input);
    Fixture f;
    f.tool.setLeadingZero(true);
    f.import("first.csv", "Kept,9,1\r\n");
    f.prompter.clear();
    // Header captions are ignored; a "Null" access code is empty; a row shorter
    // than three cells reads empty texts.
    GridTable sheet(QStringLiteral("Who|Code|Dial"));
    sheet.appendRow({"Operator", "Null", "123456"});
    sheet.appendRow({"Short", "8"});
    const QString path = f.file("dials.xls");
    QVERIFY(WriteWorkbook(sheet, path, {0, sheet.rows() - 2, 3, {}}));
    if (answer.isEmpty())
        f.prompter.queueInputCancel();
    else
        f.prompter.queueInput(answer);
    f.prompter.queueFile(path);

    f.tool.chooseImport();
    QCOMPARE(f.prompter.inputs.size(), 1);
    QCOMPARE(f.prompter.inputs[0].prompt, QStringLiteral("Please enter the Sheet name you wish to import"));
    QCOMPARE(f.prompter.inputs[0].title, QStringLiteral("Import from XLS"));
    QCOMPARE(f.prompter.inputs[0].defaultText, QStringLiteral("Sheet1$"));
    QCOMPARE(f.shown(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(dataRows(f.tool.input()), input);
    if (input.size() == 2) {
        QCOMPARE(f.tool.location(), QStringLiteral("001"));
        QCOMPARE(f.tool.usedLocations(), (QStringList{"000", "001"}));
        return;
    }
    QCOMPARE(f.tool.output().rowTexts(3), (QStringList{"720", "001", "0123456", "", "", ""}));
    QCOMPARE(f.tool.output().rowTexts(5), (QStringList{"720", "002", "8,", "", "", ""}));
    QCOMPARE(f.tool.location(), QStringLiteral("003"));
    QCOMPARE(f.tool.usedLocations(), (QStringList{"000", "001", "001", "002", "003"}));
}

void TestSpeedDialAssigner::advanceLocation_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("advanced");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("message");
    QTest::newRow("000") << "000" << true << "001"
                         << "";
    QTest::newRow("009") << "009" << true << "010"
                         << "";
    QTest::newRow("099") << "099" << true << "100"
                         << "";
    QTest::newRow("199") << "199" << true << "200"
                         << "";
    QTest::newRow("one character") << "5" << true << "51"
                                   << "";
    QTest::newRow("two characters") << "12" << true << "121"
                                    << "";
    QTest::newRow("other characters count as 0") << "2x9" << true << "210"
                                                 << "";
    QTest::newRow("a short location running past 299")
        << "51" << true << "299" << SpeedDialTexts::kBeyondLastTitle + ": " + SpeedDialTexts::kBeyondLastText;
    QTest::newRow("299 was the last") << "299" << false << "299" << maximum();
}

void TestSpeedDialAssigner::advanceLocation()
{
    QFETCH(QString, start);
    QFETCH(bool, advanced);
    QFETCH(QString, location);
    QFETCH(QString, message);
    Fixture f;
    f.tool.setLocation(start);
    QCOMPARE(f.tool.advanceLocation(), advanced);
    QCOMPARE(f.tool.location(), location);
    QCOMPARE(f.shown(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(f.tool.locationsUsedUp(), !advanced);
}

void TestSpeedDialAssigner::locationBox()
{
    Fixture f;
    f.tool.locationFocusIn();
    f.tool.setLocation(QStringLiteral("3"));
    f.tool.setLocation(QStringLiteral("35"));
    QVERIFY(f.prompter.messages.isEmpty());
    f.tool.setLocation(QStringLiteral("350"));
    QCOMPARE(f.shown(), QStringList{SpeedDialTexts::kBeyondLastTitle + ": " + SpeedDialTexts::kBeyondLastText});
    QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
    QCOMPARE(f.tool.location(), QStringLiteral("299"));
    f.tool.locationFocusOut();
    QCOMPARE(f.prompter.messages.size(), 1); // 299 is not in the used list

    // After an import from 000 of two entries the box reads 002, which is listed.
    f.tool.setLocation(QStringLiteral("000"));
    f.import("two.csv", "A,9,1\r\nB,9,2\r\n");
    QCOMPARE(f.tool.location(), QStringLiteral("002"));
    const QString inUse = PlatformTexts::kUserErrorTitle + ": " + SpeedDialTexts::kInUseText;
    struct Visit {
        QString typed;
        QString after;
        bool refused;
    };
    for (const Visit &visit : {Visit{QString(), "002", true}, Visit{"001", "002", true}, Visit{"010", "010", false}}) {
        f.prompter.clear();
        f.tool.locationFocusIn();
        if (!visit.typed.isNull())
            f.tool.setLocation(visit.typed);
        f.tool.locationFocusOut();
        QCOMPARE(f.shown(), visit.refused ? QStringList{inUse} : QStringList());
        if (visit.refused)
            QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Exclamation);
        QCOMPARE(f.tool.location(), visit.after);
    }
}

void TestSpeedDialAssigner::commitInTheSpareRowOfAFreshTool()
{
    Fixture f;
    f.tool.input().setCurrent(1, 0);
    const EditorStart start = f.tool.startEdit(U'R');
    QCOMPARE(start.text, QStringLiteral("R"));
    QCOMPARE(f.tool.statusPrompt(), QStringLiteral("MANUAL INPUT"));
    QVERIFY(f.tool.updateButtonVisible());
    QVERIFY(f.tool.hasChanged());
    QVERIFY(f.tool.commitEdit(QStringLiteral("Reception")));

    QCOMPARE(dataRows(f.tool.output()),
             (Records{{"720", "000", "", "", "", ""},
                      {"721", "000", kReceptionHex, "", "Reception", ""},
                      {"", "", "", "", "", ""}}));
    QCOMPARE(f.tool.input().rowTexts(1), (QStringList{"Reception", "", "", ""}));
    QCOMPARE(f.tool.location(), QStringLiteral("001"));
    QVERIFY(f.tool.usedLocations().isEmpty());            // commits record nothing
    QVERIFY(!f.tool.commitEdit(QStringLiteral("again"))); // the editor is closed
}

void TestSpeedDialAssigner::numberAndAccessEdits_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dialled");
    QTest::newRow("number, no access code") << QByteArray("A,,1\r\n") << 2 << "555"
                                            << "555";
    QTest::newRow("number, access code 9") << QByteArray("A,9,1\r\n") << 2 << "555"
                                           << "9,555";
    QTest::newRow("number emptied, access code 9") << QByteArray("A,9,1\r\n") << 2 << ""
                                                   << "9,";
    QTest::newRow("access code added") << QByteArray("A,,123\r\n") << 1 << "8"
                                       << "8,123";
    QTest::newRow("access code emptied") << QByteArray("A,9,123\r\n") << 1 << ""
                                         << "123";
}

void TestSpeedDialAssigner::numberAndAccessEdits()
{
    QFETCH(QByteArray, record);
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(QString, dialled);
    Fixture f;
    f.import("one.csv", record);
    const QStringList nameRow = f.tool.output().rowTexts(2);
    f.tool.output().setTextAt(1, 4, QStringLiteral("stale")); // TEXT of a "720" row is emptied by an edit
    f.edit(1, col, text);
    QCOMPARE(f.tool.output().rowTexts(1), (QStringList{"720", "000", dialled, "", "", ""}));
    QCOMPARE(f.tool.output().rowTexts(2), nameRow);
    QCOMPARE(f.tool.input().textAt(1, col), text);
    QCOMPARE(f.tool.location(), QStringLiteral("001"));
}

void TestSpeedDialAssigner::nameEditAndUnnamedColumn()
{
    Fixture f;
    f.import("one.csv", "A,9,1\r\n");
    f.edit(1, 0, QStringLiteral("Operator Desk North"));
    QCOMPARE(f.tool.output().rowTexts(2),
             (QStringList{"721", "000", "4F70657261746F72204465736B204E6F", "", "Operator Desk No", ""}));
    QCOMPARE(f.tool.output().rowTexts(1), (QStringList{"720", "000", "9,1", "", "", ""}));
    QCOMPARE(f.tool.input().textAt(1, 0), QStringLiteral("Operator Desk North"));

    // The unnamed column changes only its own cell, even in a row without a pair.
    const Records output = dataRows(f.tool.output());
    f.edit(2, 3, QStringLiteral("note"));
    f.edit(1, 3, QStringLiteral("kept"));
    QCOMPARE(dataRows(f.tool.output()), output);
    QCOMPARE(f.tool.input().rowTexts(2), (QStringList{"", "", "", "note"}));
    QCOMPARE(f.tool.input().textAt(1, 3), QStringLiteral("kept"));
    QCOMPARE(f.tool.location(), QStringLiteral("001"));
}

void TestSpeedDialAssigner::typingBelowEmptyRows()
{
    // A note in row 1's unnamed column and Down leave row 1 without a pair; a
    // number typed in row 2 appends the pairs of rows 1 and 2 at the end.
    Fixture f;
    f.tool.input().setCurrent(1, 3);
    f.tool.startEdit(U'n');
    f.tool.editorKey(EditorKey::Down, QStringLiteral("note"));
    QCOMPARE(f.tool.input().rows(), 3);
    QCOMPARE(f.tool.output().rows(), 2);
    f.edit(2, 2, QStringLiteral("2001"));
    QCOMPARE(dataRows(f.tool.output()),
             (Records{{"720", "000", "", "", "", ""},
                      {"721", "000", "", "", "", ""},
                      {"720", "001", "2001", "", "", ""},
                      {"721", "001", "", "", "", ""},
                      {"", "", "", "", "", ""}}));
    QCOMPARE(f.tool.location(), QStringLiteral("002"));
    // Row 1 then fills the pair made for it.
    f.edit(1, 0, QStringLiteral("Ann"));
    QCOMPARE(f.tool.output().rowTexts(2), (QStringList{"721", "000", "416E6E", "", "Ann", ""}));
    QCOMPARE(f.tool.location(), QStringLiteral("002"));
}

void TestSpeedDialAssigner::commitAtTheLastLocation()
{
    // The pair made at 299 belongs to the edit that made it: the edit is applied,
    // then the maximum message says no location is left.
    Fixture f;
    f.tool.setLocation(QStringLiteral("299"));
    f.edit(1, 0, QStringLiteral("Ann"));
    QCOMPARE(f.shown(), QStringList{maximum()});
    QCOMPARE(f.tool.output().rowTexts(2), (QStringList{"721", "299", "416E6E", "", "Ann", ""}));
    QCOMPARE(f.tool.input().textAt(1, 0), QStringLiteral("Ann"));
    QCOMPARE(f.tool.location(), QStringLiteral("299"));

    // Rows below empty rows: the locations run out before the edited row has its
    // pair, so the edit is refused after the one message.
    Fixture g;
    g.tool.setLocation(QStringLiteral("299"));
    g.tool.input().setRows(4);
    g.edit(3, 0, QStringLiteral("Bob"));
    QCOMPARE(g.shown(), QStringList{maximum()});
    QCOMPARE(g.tool.output().rows(), 4);
    QCOMPARE(g.tool.input().textAt(3, 0), QString());
}

void TestSpeedDialAssigner::clickPending()
{
    Fixture f;
    f.import("two.csv", "A,9,1\r\nB,9,2\r\n");
    // A click while the editor is open: the commit writes the edited cell and
    // ends on the clicked one.
    f.tool.input().setCurrent(1, 2);
    f.tool.startEdit(U'7');
    f.tool.clickCell(2, 1);
    QVERIFY(f.tool.clickPending());
    f.tool.input().setCurrent(2, 1);
    f.tool.commitEdit(QStringLiteral("7"));
    QCOMPARE(f.tool.output().textAt(1, 2), QStringLiteral("9,7"));
    QCOMPARE(f.tool.input().row(), 2);
    QCOMPARE(f.tool.input().col(), 1);
    QVERIFY(!f.tool.clickPending());

    // A click stays pending until the next commit, whatever edit that ends: it
    // then ends on the clicked cell; the commit after it stays on its own cell.
    f.tool.clickCell(1, 0);
    f.tool.input().setCurrent(2, 2);
    f.tool.startEdit(U'8');
    QVERIFY(f.tool.clickPending());
    f.tool.commitEdit(QStringLiteral("8"));
    QCOMPARE(f.tool.output().textAt(3, 2), QStringLiteral("9,8"));
    QCOMPARE(f.tool.input().row(), 1);
    QCOMPARE(f.tool.input().col(), 0);
    QVERIFY(!f.tool.clickPending());
    f.tool.input().setCurrent(2, 2);
    f.tool.startEdit(U'9');
    f.tool.commitEdit(QStringLiteral("9"));
    QCOMPARE(f.tool.input().row(), 2);
    QCOMPARE(f.tool.input().col(), 2);
}

void TestSpeedDialAssigner::editorKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("newRow");
    QTest::addColumn<int>("newCol");
    QTest::addColumn<int>("inputRows");
    QTest::addColumn<int>("outputRows");
    // Two entries and the spare row: input rows() 4, output rows() 6. An edit of
    // row 3 (the spare row) commits a new entry first. (The moves themselves are
    // the Name Assigner's.)
    const int down = int(EditorKey::Down);
    QTest::newRow("Down on the last row adds an input row") << down << 3 << 1 << 3 << 0 << 5 << 8;
    QTest::newRow("Down moves down") << down << 2 << 1 << 3 << 1 << 4 << 6;
    QTest::newRow("Up moves up") << int(EditorKey::Up) << 2 << 1 << 1 << 1 << 4 << 6;
    QTest::newRow("Right in the unnamed column stays") << int(EditorKey::Right) << 2 << 3 << 2 << 3 << 4 << 6;
    QTest::newRow("Escape stores the text") << int(EditorKey::Escape) << 2 << 1 << 2 << 1 << 4 << 6;
}

void TestSpeedDialAssigner::editorKeys()
{
    QFETCH(int, key);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, newRow);
    QFETCH(int, newCol);
    QFETCH(int, inputRows);
    QFETCH(int, outputRows);
    Fixture f;
    f.import("two.csv", "A,9,1\r\nB,9,2\r\n");
    f.tool.input().setCurrent(row, col);
    f.tool.startEdit(U'4');
    f.tool.editorKey(EditorKey(key), QStringLiteral("42"));

    QVERIFY(!f.tool.editorOpen());
    QCOMPARE(f.tool.input().textAt(row, col), QStringLiteral("42")); // committed first
    QCOMPARE(f.tool.input().row(), newRow);
    QCOMPARE(f.tool.input().col(), newCol);
    QCOMPARE(f.tool.input().rows(), inputRows);
    QCOMPARE(f.tool.output().rows(), outputRows);
    QVERIFY(f.tool.input().isRowEmpty(inputRows - 1));
}

void TestSpeedDialAssigner::importAfterTyping()
{
    // An entry typed into the spare row is kept: the import goes below it, beside
    // its pairs.
    Fixture f;
    f.edit(1, 0, QStringLiteral("Typed"));
    QCOMPARE(f.tool.input().rows(), 2); // the typed row is the last one
    f.import("one.csv", "A,9,1\r\n");
    QCOMPARE(dataRows(f.tool.input()), (Records{{"Typed", "", "", ""}, {"A", "9", "1", ""}, {"", "", "", ""}}));
    QCOMPARE(f.tool.output().rowTexts(3), (QStringList{"720", "001", "9,1", "", "", ""}));
    QCOMPARE(f.tool.output().rowTexts(4).mid(0, 2), (QStringList{"721", "001"}));

    // Rows without pairs (a note in the unnamed column, then Down) take the
    // imported entries beside their pairs; the note stays.
    Fixture g;
    g.tool.input().setCurrent(1, 3);
    g.tool.startEdit(U'n');
    g.tool.editorKey(EditorKey::Down, QStringLiteral("note"));
    g.import("two.csv", "A,9,1\r\nB,,2\r\n");
    QCOMPARE(dataRows(g.tool.input()), (Records{{"A", "9", "1", "note"}, {"B", "", "2", ""}, {"", "", "", ""}}));
    QCOMPARE(g.tool.output().rowTexts(3), (QStringList{"720", "001", "2", "", "", ""}));
}

void TestSpeedDialAssigner::textFiles()
{
    Fixture f;
    // A fresh tool exports one record of five empty fields.
    f.prompter.queueFile(f.file("out/empty.csv"));
    f.tool.chooseExportTarget();
    QVERIFY(f.prompter.files[0].save);
    QCOMPARE(f.prompter.files[0].title, QStringLiteral("Export Location"));
    QVERIFY(f.tool.exportNow());
    QCOMPARE(ReadBytes(f.file("out/empty.csv")), QByteArray("\"\",\"\",\"\",\"\",\"\"\r\n"));

    // Two entries to TXT: four pair rows and the spare row; the flag is cleared.
    f.import("site.v2/dials.csv", "\"Smith, \"\"J\"\"\",9,00123456\r\n\"Caf\xe9\",,1\r\n");
    f.prompter.clear();
    f.tool.setExportTarget(f.file("out/pairs.txt"));
    QVERIFY(f.tool.exportNow());
    QVERIFY(!f.tool.hasChanged());
    QCOMPARE(f.shown(), QStringList{"For Your Information: File Exported Successfully!"});
    QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
    QCOMPARE(ReadBytes(f.file("out/pairs.txt")),
             QByteArray("\"720\",\"000\",\"9,00123456\",\"\",\"\"\r\n"
                        "\"721\",\"000\",\"536D6974682C20224A22\",\"\",\"Smith, \"\"J\"\"\"\r\n"
                        "\"720\",\"001\",\"1\",\"\",\"\"\r\n"
                        "\"721\",\"001\",\"436166E9\",\"\",\"Caf\xe9\"\r\n"
                        "\"\",\"\",\"\",\"\",\"\"\r\n"));

    // UPDATE INPUT DATA writes three fields a row back, spare row included, silently.
    f.edit(2, 2, QStringLiteral("2"));
    f.prompter.clear();
    QVERIFY(f.tool.updateInput());
    QVERIFY(f.prompter.messages.isEmpty());
    QVERIFY(!f.tool.updateButtonVisible());
    QCOMPARE(ReadBytes(f.file("site.v2/dials.csv")),
             QByteArray("\"Smith, \"\"J\"\"\",\"9\",\"00123456\"\r\n"
                        "\"Caf\xe9\",\"\",\"2\"\r\n"
                        "\"\",\"\",\"\"\r\n"));
    QVERIFY(f.tool.hasChanged()); // an update is not an export
}

void TestSpeedDialAssigner::exportsThatWriteNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("changed"); // the change flag afterwards
    QTest::newRow("no export location") << "" << SpeedDialTexts::kNoExportTargetTitle << false;
    QTest::newRow(".nes") << "script.nes" << FileMessages::kNothingWrittenTitle << true;
    QTest::newRow("missing folder") << "no/such/folder/out.csv" << FileMessages::kWriteFailedTitle << true;
}

void TestSpeedDialAssigner::exportsThatWriteNothing()
{
    QFETCH(QString, target);
    QFETCH(QString, title);
    QFETCH(bool, changed);
    Fixture f;
    f.import("one.csv", "A,9,1\r\n");
    f.prompter.clear();
    const QString path = target.isEmpty() ? QString() : f.home.file(target);
    if (!path.isEmpty())
        f.tool.setExportTarget(path);

    QVERIFY(!f.tool.exportNow());
    QVERIFY(path.isEmpty() || !QFile::exists(path));
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].title, title);
    if (path.isEmpty()) {
        QCOMPARE(f.prompter.messages[0].text, QStringLiteral("Please Enter an export location 1st!"));
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
    } else {
        QVERIFY(f.prompter.messages[0].text.contains(path));
    }
    QCOMPARE(f.tool.hasChanged(), changed);
    QVERIFY(f.prompter.files.isEmpty());
}

void TestSpeedDialAssigner::workbookFiles()
{
    Fixture f;
    f.tool.setLeadingZero(true);
    f.import("dials.csv", "Reception,9,0123456789\r\nNight,,55\r\n");
    const QString output = f.file("out/dials.xls");
    f.tool.setExportTarget(output);
    f.prompter.clear();

    QVERIFY(f.tool.exportNow());
    QCOMPARE(f.shown(), QStringList{"Halvoran: Exported to " + output});
    QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::None);
    // Output rows 1 to 5 in sheet rows 1 to 5, six columns, no header row; every
    // cell is there, the empty sixth column and the spare row included.
    QCOMPARE(peerSheet(output), dataRows(f.tool.output()));
    QCOMPARE(peerSheet(output).value(0), (QStringList{"720", "000", "9,00123456789", "", "", ""}));

    // A workbook import is written back under NAME, ACCESS CODE, NUBER, input row
    // 1 in sheet row 2, silently.
    Fixture g;
    GridTable source(QStringLiteral("Who|Code|Dial"));
    source.appendRow({"Reception", "9", "0123456789"});
    source.appendRow({"Night", "", "55"});
    const QString input = g.file("dials.xls");
    QVERIFY(WriteWorkbook(source, input, {0, source.rows() - 2, 3, {}}));
    g.prompter.queueInput(QStringLiteral("Sheet1$"));
    g.prompter.queueFile(input);
    g.tool.chooseImport();
    g.edit(2, 2, QStringLiteral("56"));
    g.prompter.clear();
    QVERIFY(g.tool.updateInput());
    QVERIFY(g.prompter.messages.isEmpty());
    QVERIFY(!g.tool.updateButtonVisible());
    QCOMPARE(
        peerSheet(input),
        (Records{
            {"NAME", "ACCESS CODE", "NUBER"}, {"Reception", "9", "0123456789"}, {"Night", "", "56"}, {"", "", ""}}));
    const WorkbookRecords back = ReadWorkbookRecords(input, QStringLiteral("Sheet1$"));
    QVERIFY2(back.ok(), qPrintable(back.reason));
    QCOMPARE(Trimmed(back.records), (Records{{"Reception", "9", "0123456789"}, {"Night", "", "56"}}));
}

void TestSpeedDialAssigner::updateInputState()
{
    // Without an import path the update asks for one (save dialog); a cancel
    // leaves the button shown.
    Fixture f;
    f.edit(1, 0, QStringLiteral("Ann"));
    QVERIFY(f.tool.updateButtonVisible());
    f.prompter.queueFileCancel();
    QVERIFY(!f.tool.updateInput());
    QVERIFY(f.tool.updateButtonVisible());
    QCOMPARE(f.prompter.files.last().title, QStringLiteral("Export Location"));
    QVERIFY(f.prompter.files.last().save);

    // .nes takes the input as text.
    f.prompter.queueFile(f.file("dials.nes"));
    QVERIFY(f.tool.updateInput());
    QCOMPARE(ReadBytes(f.file("dials.nes")), QByteArray("\"Ann\",\"\",\"\"\r\n"));
    QVERIFY(!f.tool.updateButtonVisible());
}

void TestSpeedDialAssigner::printsBothTables()
{
    Fixture f;
    f.import("one.csv", "Reception,9,1234567890123456789012345678901234567890\r\n");
    QVERIFY(f.tool.print());
    const QString b5(5, QLatin1Char(' '));
    const QString b35(35, QLatin1Char(' '));
    const QString number40 = QStringLiteral("1234567890123456789012345678901234567890");
    const QStringList expected{
        " | Reception | 9     | " + number40 + " | " + b5,
        " | " + b5 + " | " + b5 + " | " + b35 + " | " + b5,
        " ",
        " ",
        " ",
        " | 720   | 000   | 9," + number40 + " | " + b5 + " | " + b5 + " | " + b5,
        " | 721   | 000   | " + kReceptionHex + QString(35 - 18, QLatin1Char(' ')) + " | " + b5 + " | Reception | "
            + b5,
        " | " + b5 + " | " + b5 + " | " + b35 + " | " + b5 + " | " + b5 + " | " + b5,
    };
    QCOMPARE(f.printer.lines, expected);
    QCOMPARE(f.printer.fontFamily, QStringLiteral("Courier New"));
    QCOMPARE(f.printer.fontSize, 9.75);
    QVERIFY(!f.printer.bold);
    QCOMPARE(f.printer.documents, 1);
}

void TestSpeedDialAssigner::resetKeepsLocation()
{
    Fixture f;
    f.import("two.csv", "A,9,1\r\nB,9,2\r\n");
    f.prompter.queueFile(f.file("out.csv"));
    f.tool.chooseExportTarget();
    f.tool.reset();
    QCOMPARE(f.tool.input().rows(), 2);
    QCOMPARE(f.tool.output().rows(), 2);
    QVERIFY(f.tool.input().isRowEmpty(1));
    QVERIFY(f.tool.output().isRowEmpty(1));
    QVERIFY(f.tool.usedLocations().isEmpty());
    QCOMPARE(f.tool.location(), QStringLiteral("002"));
    QVERIFY(f.tool.hasChanged());
    QCOMPARE(f.tool.importPath(), f.file("two.csv"));
    QCOMPARE(f.tool.exportPath(), f.file("out.csv"));
    // Numbering goes on from the box.
    f.import("one.csv", "C,9,3\r\n");
    QCOMPARE(f.tool.output().rowTexts(1).mid(0, 2), (QStringList{"720", "002"}));
}

void TestSpeedDialAssigner::lossOfData()
{
    // A cancelled import dialog still counts as a change.
    Fixture f;
    f.prompter.queueFileCancel();
    QCOMPARE(f.tool.chooseImport(), SpeedDialAssigner::ImportResult::Cancelled);
    QVERIFY(f.tool.hasChanged());
    f.prompter.queueNo();
    f.tool.close();
    QCOMPARE(f.shown(), QStringList{"LOSS OF DATA!: " + AssignerTexts::kLossText});
    QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::YesNo);

    // Yes without an export file: the export message, then the input written back.
    Fixture g;
    g.import("dials.csv", "A,9,1\r\n");
    g.edit(1, 2, QStringLiteral("2"));
    g.prompter.clear();
    g.prompter.queueYes();
    g.tool.close();
    QCOMPARE(g.prompter.messageTexts(), (QStringList{AssignerTexts::kLossText, SpeedDialTexts::kNoExportTargetText}));
    QCOMPARE(ReadBytes(g.file("dials.csv")), QByteArray("\"A\",\"9\",\"2\"\r\n\"\",\"\",\"\"\r\n"));
}

void TestSpeedDialAssigner::storeLoadAndSettings()
{
    TestHome home;
    ScriptStore store = ScriptStore::standard();
    QVERIFY(store.ensureExists());
    TemplateRecord words = TemplateRecord::of({"720", "%LOC%", "%NUM%", "NULL", "NULL"});
    TemplateRecord nulls = TemplateRecord::of({"721", "%LOC%", "%HEX%", "", ""});
    nulls.fields[3] = std::nullopt;
    nulls.fields[4] = std::nullopt;
    // Version 6.0's tab 8 shares the table and stores an empty cell as "XTX".
    const TemplateRecord marked = TemplateRecord::of({"XTX", "XTX", "x", "XTX", "XTX"});
    QVERIFY(store.replaceTemplate(QStringLiteral("SCRIPTA8"), {words, nulls, marked}));
    const QString folder = home.path() + QStringLiteral("/sites/north/");
    QDir().mkpath(folder);
    WriteBytes(folder + QStringLiteral("dials.csv"), "A,9,1\r\n");
    {
        ScriptedPrompter prompter;
        RecordingPrinter printer;
        SpeedDialAssigner tool(prompter, printer);
        QVERIFY(tool.load());
        QCOMPARE(dataRows(tool.script()),
                 (Records{{"720", "%LOC%", "%NUM%", "", "", ""},
                          {"721", "%LOC%", "%HEX%", "", "", ""},
                          {"", "", "x", "", "", ""},
                          {"", "", "", "", "", ""}}));
        QCOMPARE(tool.statusPrompt(), QStringLiteral("OPEN A FILE FOR IMPORTATION TO BEGIN"));
        prompter.queueFile(folder + QStringLiteral("dials.csv"), 3);
        tool.chooseImport();
        QCOMPARE(prompter.files[0].folder, home.path()); // the program's folder at first
        prompter.queueNo();
        tool.close();
    }
    const Expected<QStringList> settings = store.readSettings(StoreTables::kSpeedDialSettings);
    QVERIFY(settings);
    QCOMPARE(settings->value(1), folder);
    QCOMPARE(settings->value(2), QStringLiteral("3"));

    ScriptedPrompter prompter;
    RecordingPrinter printer;
    SpeedDialAssigner tool(prompter, printer);
    tool.load();
    prompter.queueFileCancel();
    tool.chooseImport();
    QCOMPARE(prompter.files[0].folder, folder);
    QCOMPARE(prompter.files[0].filterIndex, 3);
}

QTEST_GUILESS_MAIN(TestSpeedDialAssigner)
#include "test_speed_dial_assigner.moc"
