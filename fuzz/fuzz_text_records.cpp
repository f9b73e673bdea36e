// libFuzzer harness: text records from arbitrary bytes. The first byte picks the
// number of fields per record (1 to 16); the rest is the file.
#include "files/Codec.h"
#include "files/TextRecords.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int fields = 1 + data[0] % 16;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    TextFieldReader reader(Codec::decodeFile(bytes));
    TextFieldReader counter = reader;
    while (counter.skipField()) {
    }
    while (!reader.atEnd())
        if (!reader.nextRecord(fields))
            break;
    return 0;
}
