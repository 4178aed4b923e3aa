// JPEG decoding of arbitrary bytes, at full size and at the reduced
// thumbnail scales: an error is fine, a crash, a hang or a leak is not.
#include "common/Error.h"
#include "imaging/JpegCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const int minSide : {0, 90, 500}) {
        try {
            (void)morvane::imaging::decodeJpeg(bytes, QStringLiteral("fuzz.jpg"), minSide);
        } catch (const morvane::Error&) {
        }
    }
    try {
        (void)morvane::imaging::jpegSize(bytes, QStringLiteral("fuzz.jpg"));
    } catch (const morvane::Error&) {
    }
    return 0;
}
