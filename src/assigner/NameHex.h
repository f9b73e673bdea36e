#pragma once

#include <QString>

// A display name as the switch takes it: the upper-case hexadecimal code of each
// character, without leading zeros or separators. Each character goes through
// windows-1252 first (one it cannot hold becomes "?") and back, and the Unicode
// code of the result is written: "Ann" gives 416E6E, "é" E9, "€" 20AC, a tab 9,
// and a character outside windows-1252 3F. Both assigner tools use it.
QString NameToHex(const QString &text);
