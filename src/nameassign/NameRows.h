#pragma once

#include <QString>
#include <QStringList>

class GridTable;

// The Name Assigner's tables and how an output row follows from its input row.
// Input: extension, name, and a spare column that counts as the name when edited.
// Output: "770", extension, name in hex, blank, the name's first 16 characters,
// and an unnamed sixth column. Row i of the output belongs to row i of the input.
namespace NameRows {
inline const QString kInputFormat = QStringLiteral("EXTENSION  |   NAME                                      |");
inline const QString kOutputFormat =
    QStringLiteral("COMMAND   | EXTENSION  |   NAME IN HEX                                            | BLANK |  TEXT"
                   "                                                 |");

inline const QString kCommand = QStringLiteral("770");
// The handset shows 16 characters, which take at most 32 hex digits.
constexpr int kNameLength = 16;
constexpr int kHexDigits = 32;

enum Column { Command = 0, Extension = 1, NameHex = 2, Blank = 3, Text = 4 };

// The output row of an imported record: the name is cut to 16 characters before
// it is converted.
QStringList ImportedOutputRow(const QString &extension, const QString &name);

// After input cell (row, col) was set to text by hand: an extension edit sets the
// command and extension; any other column is a name edit and sets the command, the
// hex name (cut to 32 digits after converting) and the text. Other cells keep
// their values.
void UpdateOutputAfterEdit(GridTable &output, int row, int col, const QString &text);
} // namespace NameRows
