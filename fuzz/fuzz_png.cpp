// PNG decoding of arbitrary bytes: an error is fine, a crash or a leak is not.
#include "common/Error.h"
#include "imaging/PngCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const QImage image = morvane::imaging::decodePng(bytes, QStringLiteral("fuzz.png"));
        if (!image.isNull())
            (void)morvane::imaging::encodePng(image);
    } catch (const morvane::Error&) {
    }
    return 0;
}
