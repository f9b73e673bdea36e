#include "platform/AppPaths.h"
#include "store/DefaultContent.h"
#include "store/ScriptStore.h"
#include "support/TestHome.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

class TestScriptStore : public QObject {
    Q_OBJECT
private slots:
    void createdWithShippedContentWhenMissing();
    void shippedTemplatesUseEveryPlaceholder();
    void templateRoundTripKeepsOrderAndNulls();
    void tableNamesIgnoreCase();
    void settingsByPosition_data();
    void settingsByPosition();
    void failedReplaceLeavesTheTemplate();
    void brokenStoresAreErrors_data();
    void brokenStoresAreErrors();
    void lockedStoreIsAnError();
};

void TestScriptStore::createdWithShippedContentWhenMissing()
{
    TestHome home;
    const ScriptStore store = ScriptStore::standard();
    QCOMPARE(store.path(), home.path() + "/HVN-Data/HVNdataX");
    QVERIFY(!QFile::exists(store.path()));
    QVERIFY(store.ensureExists().ok());
    QVERIFY(QFile::exists(store.path()));
    QCOMPARE(QDir(home.path() + "/HVN-Data").entryList(QDir::Files), QStringList{"HVNdataX"});

    for (const QString &table : ScriptStore::templateTables()) {
        const auto rows = store.readTemplate(table);
        QVERIFY2(rows.ok(), qPrintable(rows.reason()));
        QVERIFY2(!rows->isEmpty(), qPrintable(table));
        for (const TemplateRecord &row : *rows)
            for (int field : {0, 1, 2, 4})
                QVERIFY2(row.fields[field].has_value(), "only blank may be Null");
    }
    const auto nameSettings = store.readSettings(StoreTables::kNameSettings);
    QVERIFY(nameSettings.ok());
    QCOMPARE(nameSettings->size(), 3);
    QCOMPARE(nameSettings->at(1), QString()); // folder: the program's folder applies
    QCOMPARE(nameSettings->at(2), QString()); // filter index: "0" applies
    QCOMPARE(store.readSettings(StoreTables::kSpeedDialSettings)->size(), 3);
    QCOMPARE(store.readSettings(StoreTables::kVersionSixSettings)->size(), 8);
}

void TestScriptStore::shippedTemplatesUseEveryPlaceholder()
{
    QString all;
    for (const DefaultContent::Table &table : DefaultContent::tables())
        for (const TemplateRecord &row : table.templateRows)
            for (const auto &field : row.fields)
                all += field.value_or(QString()) + '\n';
    for (const char *token : {"%EXT%", "%LEN%", "%DR%", "%NR%", "%DS%", "%NS%", "%LC%"})
        QVERIFY2(all.contains(QLatin1String(token)), token);
}

void TestScriptStore::templateRoundTripKeepsOrderAndNulls()
{
    TestHome home;
    const ScriptStore store = ScriptStore::standard();
    QList<TemplateRecord> rows;
    for (int i = 0; i < 50; ++i) // more than a page, in an order that is not sorted
        rows.append(TemplateRecord::of({QString::number((i * 37) % 50), "%EXT%", "x", "", "text"}));
    TemplateRecord withNulls;
    withNulls.fields[0] = "XTX";
    rows.append(withNulls);
    QVERIFY(store.replaceTemplate("SCRIPTa4", rows).ok());
    const auto read = store.readTemplate("SCRIPTa4");
    QVERIFY(read.ok());
    QCOMPARE(*read, rows);
    QVERIFY(!read->last().fields[1].has_value());
    QVERIFY(read->first().fields[3].has_value()); // an empty text stays a text, not Null

    QVERIFY(store.replaceTemplate("SCRIPTa4", {}).ok());
    QVERIFY(store.readTemplate("SCRIPTa4")->isEmpty());
}

void TestScriptStore::tableNamesIgnoreCase()
{
    TestHome home;
    const ScriptStore store = ScriptStore::standard();
    const QList<TemplateRecord> rows{TemplateRecord::of({"720", "000", "9,1", "", "speed dial"})};
    QVERIFY(store.replaceTemplate("SCRIPTa8", rows).ok());
    QCOMPARE(*store.readTemplate(StoreTables::kSpeedDial), rows); // "Scripta8"
    QCOMPARE(*store.readTemplate("nameassign"), *store.readTemplate("NameAssign"));
}

void TestScriptStore::settingsByPosition_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("folderField");
    QTest::newRow("Name Assigner") << StoreTables::kNameSettings << 1;
    QTest::newRow("Speed Dial Assigner") << StoreTables::kSpeedDialSettings << 1;
    QTest::newRow("Version 6.0") << StoreTables::kVersionSixSettings << 6;
}

void TestScriptStore::settingsByPosition()
{
    QFETCH(QString, table);
    QFETCH(int, folderField);
    TestHome home;
    const ScriptStore store = ScriptStore::standard();
    const QString folder = "/home/j.smith/sites/north/";
    QVERIFY(store.writeSettings(table, {{folderField, folder}, {folderField + 1, "2"}}).ok());
    const auto read = store.readSettings(table);
    QVERIFY(read.ok());
    QCOMPARE(read->at(folderField), folder);
    QCOMPARE(read->at(folderField + 1), QString("2"));
    QVERIFY(!store.writeSettings(table, {{folderField + 2, "past the last field"}}).ok());
    QVERIFY(!store.writeSettings("NoSuchTable", {{1, "x"}}).ok());
}

void TestScriptStore::failedReplaceLeavesTheTemplate()
{
    TestHome home;
    const ScriptStore store = ScriptStore::standard();
    const auto before = store.readTemplate("SCRIPTa0");
    QVERIFY(before.ok());
    QVERIFY(!store.replaceTemplate("SCRIPTa99", {TemplateRecord::of({"1"})}).ok()); // no such table
    QVERIFY(!store.replaceTemplate("x\"; DROP TABLE SCRIPTa0; --", {}).ok());
    QCOMPARE(*store.readTemplate("SCRIPTa0"), *before);

    // A write that fails half way (here: the table loses a column it needs) leaves
    // every old row in place.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "saboteur");
        db.setDatabaseName(store.path());
        QVERIFY(db.open());
        QSqlQuery(db).exec(
            "CREATE TABLE Broken (Command TEXT NOT NULL, firstdata TEXT, seconddata TEXT, blank TEXT, Text TEXT)");
        QSqlQuery(db).exec("INSERT INTO Broken VALUES ('keep', 'a', 'b', NULL, 't')");
        db.close();
    }
    QSqlDatabase::removeDatabase("saboteur");
    TemplateRecord nullCommand;
    QVERIFY(!store.replaceTemplate("Broken", {TemplateRecord::of({"new"}), nullCommand}).ok());
    const auto kept = store.readTemplate("Broken");
    QVERIFY(kept.ok());
    QCOMPARE(kept->size(), 1);
    QCOMPARE(kept->first().fields[0], std::optional<QString>("keep"));
}

void TestScriptStore::brokenStoresAreErrors_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("random bytes") << QByteArray(4096, '\x5a');
    QTest::newRow("truncated header") << QByteArray("SQLite format 3\0", 16);
}

void TestScriptStore::brokenStoresAreErrors()
{
    QFETCH(QByteArray, contents);
    TestHome home;
    const ScriptStore store = ScriptStore::standard();
    QVERIFY(QDir().mkpath(home.path() + "/HVN-Data"));
    QVERIFY(WriteBytes(store.path(), contents));
    const auto rows = store.readTemplate(StoreTables::kNameAssign);
    QVERIFY(!rows.ok());
    QVERIFY(!rows.reason().isEmpty());
    QVERIFY(!store.readSettings(StoreTables::kNameSettings).ok());
    QVERIFY(!store.writeSettings(StoreTables::kNameSettings, {{1, "/x/"}}).ok());
    QCOMPARE(ReadBytes(store.path()), contents); // a broken store is reported, not replaced
}

void TestScriptStore::lockedStoreIsAnError()
{
    TestHome home;
    const ScriptStore store = ScriptStore::standard();
    QVERIFY(store.ensureExists().ok());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "locker");
        db.setDatabaseName(store.path());
        QVERIFY(db.open());
        QSqlQuery lock(db);
        QVERIFY(lock.exec("BEGIN EXCLUSIVE"));
        const Outcome written = store.writeSettings(StoreTables::kNameSettings, {{1, "/x/"}});
        QVERIFY(!written.ok());
        QVERIFY2(written.reason().contains("locked", Qt::CaseInsensitive), qPrintable(written.reason()));
        QVERIFY(lock.exec("ROLLBACK"));
        db.close();
    }
    QSqlDatabase::removeDatabase("locker");
    QVERIFY(store.writeSettings(StoreTables::kNameSettings, {{1, "/x/"}}).ok());
}

QTEST_GUILESS_MAIN(TestScriptStore)
#include "test_script_store.moc"
