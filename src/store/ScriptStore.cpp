#include "store/ScriptStore.h"

#include "files/TemporaryFile.h"
#include "platform/AppPaths.h"
#include "store/DefaultContent.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <utility>

TemplateRecord TemplateRecord::of(const QStringList &texts)
{
    TemplateRecord record;
    for (int i = 0; i < 5; ++i)
        record.fields[i] = texts.value(i);
    return record;
}

bool TemplateRecord::operator==(const TemplateRecord &other) const
{
    for (int i = 0; i < 5; ++i)
        if (fields[i] != other.fields[i])
            return false;
    return true;
}

namespace {

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

bool validTableName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

Outcome badTable(const QString &name)
{
    return Outcome::failure(QStringLiteral("\"%1\" is not a table name of the store.").arg(name));
}

QString describe(const QSqlError &error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

// Reasons given in more than one place.
QString cannotRead(const QString &table)
{
    return QStringLiteral("Cannot read %1").arg(table);
}
QString cannotWriteTo(const QString &table)
{
    return QStringLiteral("Cannot write to %1").arg(table);
}

QString cannotCreate(const QString &path, const QString &why)
{
    return QStringLiteral("Cannot create the store %1: %2").arg(path, why);
}

QString noSettingsRecord(const QString &table)
{
    return QStringLiteral("%1 holds no settings record.").arg(table);
}

const QString kDriver = QStringLiteral("QSQLITE");

// Opens the SQLite file for one use and closes it again. The store is not created
// here: a missing file is an error for the caller to report.
template <typename Work>
auto withDatabase(const QString &path, Work work) -> decltype(work(std::declval<QSqlDatabase &>()))
{
    using Result = decltype(work(std::declval<QSqlDatabase &>()));
    static QAtomicInteger<int> serial;
    const QString name = QStringLiteral("halvoran-store-%1").arg(serial.fetchAndAddRelaxed(1));
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        return Result::failure(QStringLiteral("The SQLite driver of Qt (libqt6sql6-sqlite) is not installed."));
    Result result = Result::failure(QString());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open())
            result =
                Result::failure(QStringLiteral("Cannot open the store %1: %2").arg(path, describe(db.lastError())));
        else
            result = work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// Runs a prepared query; a statement that could not be prepared (a missing table,
// a locked or broken file) reports the reason its preparation gave.
Outcome exec(QSqlQuery &query, const QString &what)
{
    if (!query.lastError().isValid() && query.exec())
        return Outcome::success();
    return Outcome::failure(QStringLiteral("%1: %2").arg(what, describe(query.lastError())));
}

Outcome insertTemplateRows(QSqlDatabase &db, const QString &table, const QList<TemplateRecord> &records)
{
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO %1 (Command, firstdata, seconddata, blank, Text) VALUES (?, ?, ?, ?, ?)")
                       .arg(quoted(table)));
    for (const TemplateRecord &record : records) {
        for (int i = 0; i < 5; ++i)
            insert.bindValue(i,
                             record.fields[i] ? QVariant(*record.fields[i]) : QVariant(QMetaType(QMetaType::QString)));
        if (Outcome done = exec(insert, cannotWriteTo(table)); !done)
            return done;
    }
    return Outcome::success();
}

Outcome createContent(QSqlDatabase &db)
{
    if (!db.transaction())
        return Outcome::failure(describe(db.lastError()));
    for (const DefaultContent::Table &table : DefaultContent::tables()) {
        QStringList columns;
        for (const QString &column : table.columns)
            columns.append(quoted(column) + QStringLiteral(" TEXT"));
        QSqlQuery create(db);
        create.prepare(
            QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table.name), columns.join(QStringLiteral(", "))));
        Outcome done = exec(create, QStringLiteral("Cannot create %1").arg(table.name));
        if (done && table.isTemplate)
            done = insertTemplateRows(db, table.name, table.templateRows);
        if (done && !table.isTemplate) {
            QSqlQuery insert(db);
            QStringList marks;
            for (qsizetype i = 0; i < table.columns.size(); ++i)
                marks.append(QStringLiteral("?"));
            insert.prepare(
                QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(quoted(table.name), marks.join(QLatin1Char(','))));
            for (qsizetype i = 0; i < table.columns.size(); ++i)
                insert.bindValue(int(i), table.settings.value(i));
            done = exec(insert, cannotWriteTo(table.name));
        }
        if (!done) {
            db.rollback();
            return done;
        }
    }
    if (!db.commit())
        return Outcome::failure(describe(db.lastError()));
    return Outcome::success();
}

} // namespace

ScriptStore::ScriptStore(QString path) : m_path(std::move(path)) {}

ScriptStore ScriptStore::standard()
{
    return ScriptStore(AppPaths::storePath());
}

QStringList ScriptStore::templateTables()
{
    QStringList names{StoreTables::kNameAssign};
    for (int tab = 0; tab <= 12; ++tab)
        names.append(versionSixTemplate(tab));
    return names;
}

Outcome ScriptStore::ensureExists() const
{
    if (QFileInfo::exists(m_path))
        return Outcome::success();
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return Outcome::failure(QStringLiteral("Cannot create the folder %1.").arg(info.absolutePath()));

    // Build the new store beside its final name and rename it into place, so that
    // a half-made store is never mistaken for a complete one. A store made at the
    // same time by another copy of the program is kept.
    TemporaryFile temporary(m_path);
    if (Outcome opened = temporary.open(TemporaryFile::Kind::Named); !opened)
        return Outcome::failure(cannotCreate(m_path, opened.reason()));
    const Outcome created = withDatabase(temporary.path(), [](QSqlDatabase &db) { return createContent(db); });
    if (!created)
        return Outcome::failure(cannotCreate(m_path, created.reason()));
    if (!temporary.commit(TemporaryFile::Replace::No) && !QFileInfo::exists(m_path))
        return Outcome::failure(QStringLiteral("Cannot create the store %1.").arg(m_path));
    return Outcome::success();
}

void ScriptStore::removeStaleTemporaries() const
{
    TemporaryFile::removeStale(QFileInfo(m_path).absolutePath());
}

namespace {

Expected<QList<TemplateRecord>> readTemplateFrom(QSqlDatabase &db, const QString &table)
{
    using Result = Expected<QList<TemplateRecord>>;
    if (!validTableName(table))
        return Result::failure(badTable(table).reason());
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT Command, firstdata, seconddata, blank, Text FROM %1 ORDER BY rowid").arg(quoted(table)));
    if (Outcome done = exec(query, cannotRead(table)); !done)
        return Result::failure(done.reason());
    QList<TemplateRecord> records;
    while (query.next()) {
        TemplateRecord record;
        for (int i = 0; i < 5; ++i) {
            const QVariant value = query.value(i);
            if (!value.isNull())
                record.fields[i] = value.toString();
        }
        records.append(std::move(record));
    }
    return records;
}

} // namespace

Expected<QList<TemplateRecord>> ScriptStore::readTemplate(const QString &table) const
{
    using Result = Expected<QList<TemplateRecord>>;
    if (!validTableName(table))
        return Result::failure(badTable(table).reason());
    if (Outcome exists = ensureExists(); !exists)
        return Result::failure(exists.reason());
    return withDatabase(m_path, [&](QSqlDatabase &db) { return readTemplateFrom(db, table); });
}

Expected<QList<ScriptStore::TemplateRead>> ScriptStore::readTemplates(const QStringList &tables) const
{
    using Result = Expected<QList<TemplateRead>>;
    if (Outcome exists = ensureExists(); !exists)
        return Result::failure(exists.reason());
    return withDatabase(m_path, [&](QSqlDatabase &db) -> Result {
        // The store's own catalogue: what fails here fails every table.
        QSqlQuery probe(db);
        probe.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (Outcome done = exec(probe, QStringLiteral("Cannot read the store")); !done)
            return Result::failure(done.reason());
        QList<TemplateRead> reads;
        for (const QString &table : tables)
            reads.append(readTemplateFrom(db, table));
        return reads;
    });
}

Outcome ScriptStore::replaceTemplate(const QString &table, const QList<TemplateRecord> &records) const
{
    if (!validTableName(table))
        return badTable(table);
    if (Outcome exists = ensureExists(); !exists)
        return exists;
    return withDatabase(m_path, [&](QSqlDatabase &db) -> Outcome {
        if (!db.transaction())
            return Outcome::failure(describe(db.lastError()));
        QSqlQuery clear(db);
        clear.prepare(QStringLiteral("DELETE FROM %1").arg(quoted(table)));
        Outcome done = exec(clear, QStringLiteral("Cannot replace %1").arg(table));
        if (done)
            done = insertTemplateRows(db, table, records);
        if (done && !db.commit())
            done = Outcome::failure(describe(db.lastError()));
        if (!done)
            db.rollback();
        return done;
    });
}

Expected<QStringList> ScriptStore::readSettings(const QString &table) const
{
    using Result = Expected<QStringList>;
    if (!validTableName(table))
        return Result::failure(badTable(table).reason());
    if (Outcome exists = ensureExists(); !exists)
        return Result::failure(exists.reason());
    return withDatabase(m_path, [&](QSqlDatabase &db) -> Result {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT * FROM %1 ORDER BY rowid LIMIT 1").arg(quoted(table)));
        if (Outcome done = exec(query, cannotRead(table)); !done)
            return Result::failure(done.reason());
        if (!query.next())
            return Result::failure(noSettingsRecord(table));
        QStringList fields;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            fields.append(query.value(i).toString());
        return fields;
    });
}

Outcome ScriptStore::writeSettings(const QString &table, const QMap<int, QString> &values) const
{
    if (!validTableName(table))
        return badTable(table);
    if (Outcome exists = ensureExists(); !exists)
        return exists;
    return withDatabase(m_path, [&](QSqlDatabase &db) -> Outcome {
        QSqlQuery shape(db);
        shape.prepare(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoted(table)));
        if (Outcome done = exec(shape, cannotRead(table)); !done)
            return done;
        const QSqlRecord columns = shape.record();
        QStringList assignments;
        for (auto it = values.begin(); it != values.end(); ++it) {
            if (it.key() < 0 || it.key() >= columns.count())
                return Outcome::failure(QStringLiteral("%1 has no field %2.").arg(table).arg(it.key()));
            assignments.append(quoted(columns.fieldName(it.key())) + QStringLiteral(" = ?"));
        }
        if (assignments.isEmpty())
            return Outcome::success();
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (SELECT rowid FROM %1 ORDER BY rowid LIMIT 1)")
                           .arg(quoted(table), assignments.join(QStringLiteral(", "))));
        int i = 0;
        for (const QString &value : values)
            update.bindValue(i++, value);
        if (Outcome done = exec(update, QStringLiteral("Cannot write %1").arg(table)); !done)
            return done;
        if (update.numRowsAffected() < 1)
            return Outcome::failure(noSettingsRecord(table));
        return Outcome::success();
    });
}
