// The two ways an output row is built, and the editor's opening text.
#include "assigner/NameHex.h"
#include "grid/GridEditor.h"
#include "grid/GridTable.h"
#include "nameassign/NameRows.h"

#include <QtTest>

class TestNameRows : public QObject {
    Q_OBJECT
private slots:
    void importAndEditCuts_data();
    void importAndEditCuts();
    void editKeepsTheOtherColumn();
    void editorOpens_data();
    void editorOpens();
};

void TestNameRows::importAndEditCuts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("importHex");
    QTest::addColumn<QString>("editHex");
    QTest::addColumn<QString>("text");
    const QString twenty = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
    const QString sixteenHex = NameToHex(twenty.left(16));
    QTest::newRow("20 ASCII characters: both give 32 digits") << twenty << sixteenHex << sixteenHex << twenty.left(16);
    // The import cuts the name before converting, the edit the hex after it.
    const QString euros = QString(17, QChar(0x20AC));
    QTest::newRow("17 euro signs") << euros << QStringLiteral("20AC").repeated(16) << QStringLiteral("20AC").repeated(8)
                                   << euros.left(16);
    const QString tabs = QString(20, QLatin1Char('\t'));
    QTest::newRow("20 tabs") << tabs << QStringLiteral("9").repeated(16) << QStringLiteral("9").repeated(20)
                             << tabs.left(16);
}

void TestNameRows::importAndEditCuts()
{
    QFETCH(QString, name);
    QFETCH(QString, importHex);
    QFETCH(QString, editHex);
    QFETCH(QString, text);

    const QStringList imported = NameRows::ImportedOutputRow(QStringLiteral("2001"), name);
    QCOMPARE(imported, (QStringList{"770", "2001", importHex, "", text}));

    GridTable output(NameRows::kOutputFormat);
    NameRows::UpdateOutputAfterEdit(output, 1, 1, name);
    QCOMPARE(output.rowTexts(1), (QStringList{"770", "", editHex, "", text, ""}));
}

void TestNameRows::editKeepsTheOtherColumn()
{
    GridTable output(NameRows::kOutputFormat);
    output.appendRow(NameRows::ImportedOutputRow(QStringLiteral("2001"), QStringLiteral("Ann")));
    NameRows::UpdateOutputAfterEdit(output, 1, 0, QStringLiteral("3001"));
    QCOMPARE(output.rowTexts(1), (QStringList{"770", "3001", "416E6E", "", "Ann", ""}));
    // The unnamed input column counts as the name.
    NameRows::UpdateOutputAfterEdit(output, 1, 2, QStringLiteral("Bo"));
    QCOMPARE(output.rowTexts(1), (QStringList{"770", "3001", "426F", "", "Bo", ""}));
}

void TestNameRows::editorOpens_data()
{
    QTest::addColumn<uint>("keyCode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::newRow("letter replaces") << uint('x') << "x" << 1;
    QTest::newRow("e acute replaces") << uint(0xE9) << QString::fromUtf8("é") << 1;
    QTest::newRow("emoji replaces") << uint(0x1F600) << QString::fromUtf8("😀") << 2;
    QTest::newRow("double click") << 0u << "Smith" << 5;
    QTest::newRow("blank") << uint(' ') << "Smith" << 5;
    QTest::newRow("Return") << 13u << "Smith" << 5;
    QTest::newRow("Backspace") << 8u << "Smith" << 5;
    QTest::newRow("Escape") << 27u << "Smith" << 5;
}

void TestNameRows::editorOpens()
{
    QFETCH(uint, keyCode);
    QFETCH(QString, text);
    QFETCH(int, caret);
    GridTable grid(NameRows::kInputFormat);
    grid.appendRow({QStringLiteral("100"), QStringLiteral("Smith")});
    grid.setCurrent(1, 1);
    GridEditor editor(grid);
    const EditorStart start = editor.open(char32_t(keyCode));
    QCOMPARE(start.text, text);
    QCOMPARE(start.caret, caret);
    QVERIFY(editor.isOpen());
    QCOMPARE(editor.editRow(), 1);
    QCOMPARE(editor.editCol(), 1);
    // The commit frame puts the edited cell back as current, once.
    grid.setCurrent(2, 0);
    QVERIFY(editor.close());
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 1);
    QVERIFY(!editor.close());
}

QTEST_APPLESS_MAIN(TestNameRows)
#include "test_name_rows.moc"
