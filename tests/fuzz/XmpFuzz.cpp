// XMP packets: the XML reader's walk for the three capture times and the
// reading of their ISO 8601 texts.
#include "metadata/XmpTimes.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const XmpTimeValue &time : ReadXmpTimes(QByteArrayView(data, qsizetype(size))))
        (void)ParseXmpTime(time.text);
    (void)ParseXmpTime(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
