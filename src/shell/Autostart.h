#pragma once

#include "files/Outcome.h"

#include <QString>

// Starting the program when the user logs in: an XDG autostart entry in the
// user's autostart folder ($XDG_CONFIG_HOME/autostart), absent by default.
namespace Autostart {
QString entryPath();
bool enabled();
// Writes the entry, starting `program`, or removes it.
Outcome setEnabled(bool on, const QString &program);
// The entry's text.
QByteArray entry(const QString &program);
} // namespace Autostart
