#pragma once

#include "files/Outcome.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// One stored template row: the fields "Command", "firstdata", "seconddata",
// "blank" and "Text"; nullopt is a Null field.
struct TemplateRecord {
    std::optional<QString> fields[5];

    // Stands for an empty cell in a stored Version 6.0 template; written for an
    // empty Command.
    static inline const QString kEmptyCell = QStringLiteral("XTX");

    static TemplateRecord of(const QStringList &texts); // every field a text
    bool operator==(const TemplateRecord &other) const;
};

// The default-script store: an SQLite file holding the default templates and each
// tool's remembered dialog settings. It is opened for each use and closed again.
// Table names compare without regard to case ("Scripta8" is "SCRIPTa8"). When the
// file is missing it is created with the shipped content first.
class ScriptStore {
public:
    explicit ScriptStore(QString path);
    // The store under the program's folder.
    static ScriptStore standard();

    const QString &path() const { return m_path; }

    // Creates the store with its shipped content when the file is missing.
    Outcome ensureExists() const;
    // Removes what a killed creation of a store left in the store's folder.
    void removeStaleTemporaries() const;

    // The rows of a template table in stored order.
    Expected<QList<TemplateRecord>> readTemplate(const QString &table) const;
    // The same for several tables in one use of the store: a store that cannot be
    // read (locked, damaged, not a database) fails them all at once, after one
    // wait for a lock instead of one per table; a missing table fails alone.
    using TemplateRead = Expected<QList<TemplateRecord>>;
    Expected<QList<TemplateRead>> readTemplates(const QStringList &tables) const;
    // Replaces every row of a template table, in one transaction.
    Outcome replaceTemplate(const QString &table, const QList<TemplateRecord> &records) const;

    // The first record of a settings table, every field as text (Null as "").
    Expected<QStringList> readSettings(const QString &table) const;
    // Writes fields of the first record by position; fails when there is none.
    Outcome writeSettings(const QString &table, const QMap<int, QString> &values) const;

    // Template tables of the program, and the settings tables with their widths.
    static QStringList templateTables();
    static QString versionSixTemplate(int tab) { return QStringLiteral("SCRIPTa") + QString::number(tab); }

private:
    QString m_path;
};

// Names of the tables.
namespace StoreTables {
inline const QString kNameAssign = QStringLiteral("NameAssign");
inline const QString kNameSettings = QStringLiteral("NMESET");
inline const QString kSpeedDial = QStringLiteral("Scripta8");
inline const QString kSpeedDialSettings = QStringLiteral("SDSET");
inline const QString kVersionSixSettings = QStringLiteral("Versionsix");
} // namespace StoreTables
