#include "nameassign/NameRows.h"

#include "assigner/NameHex.h"
#include "grid/GridTable.h"

namespace NameRows {

QStringList ImportedOutputRow(const QString &extension, const QString &name)
{
    const QString shown = name.left(kNameLength);
    return {kCommand, extension, NameToHex(shown), QString(), shown};
}

void UpdateOutputAfterEdit(GridTable &output, int row, int col, const QString &text)
{
    output.setTextAt(row, Command, kCommand);
    if (col == 0) {
        output.setTextAt(row, Extension, text);
        return;
    }
    output.setTextAt(row, NameHex, NameToHex(text).left(kHexDigits));
    output.setTextAt(row, Text, text.left(kNameLength));
}

} // namespace NameRows
