// libFuzzer harness: workbooks from arbitrary bytes (.xls, .xlsx and .ods alike:
// the content says which), their first sheet and a sheet that is not there.
#include "files/workbook/Workbook.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = QStringLiteral("fuzz.xls");
    ReadWorkbookSnapshot(bytes, QStringLiteral("XLS"), QStringLiteral("Sheet1$"), name);
    ReadWorkbookSnapshot(bytes, QStringLiteral("XLSX"), QStringLiteral("Sites"), name, HeadingRow::Keep);
    return 0;
}
