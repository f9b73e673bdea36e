#pragma once

#include "store/ScriptStore.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a new store holds: the example templates shipped with the program and one
// settings record per settings table.
namespace DefaultContent {

struct Table {
    QString name;
    QStringList columns;
    bool isTemplate = false;
    QList<TemplateRecord> templateRows; // template tables
    QStringList settings;               // settings tables: the one record
};

QList<Table> tables();
QStringList templateColumns();

} // namespace DefaultContent
