#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QString>

// Files are exchanged in the Western ANSI code page, windows-1252.
namespace Codec {
// A character that windows-1252 cannot hold becomes "?".
QByteArray toAnsi(const QString &text);
// The same appended to out; with doubleQuotes each '"' is written twice.
void appendAnsi(QByteArray &out, QAnyStringView text, bool doubleQuotes = false);
// The same from `to` on, which has room for twice the text's length; returns
// the end. lost, when given, tells whether a character became "?".
char *writeAnsi(char *to, QAnyStringView text, bool doubleQuotes, bool *lost = nullptr);
// Every byte has a character (the five unassigned ones keep their C1 codes).
QString fromAnsi(const QByteArray &bytes);
// The code of a character in windows-1252, 63 ("?") when it has none.
unsigned char ansiCode(QChar ch);
// The character of a windows-1252 code.
QChar ansiChar(unsigned char code);
// Text of a file: UTF-8 when it starts with the UTF-8 byte order mark (which is
// dropped) or is valid UTF-8 holding non-ASCII bytes, UTF-16 when it starts with
// a UTF-16 byte order mark (either order), windows-1252 otherwise.
QString decodeFile(const QByteArray &bytes);
} // namespace Codec
