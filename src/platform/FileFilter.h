#pragma once

#include <QString>
#include <QStringList>

// A dialog filter written as "Description|pattern|Description|pattern|..." turned
// into Qt's entries "Description (pattern)", one per pair, in order.
QStringList QtFileFilters(const QString &filter);
