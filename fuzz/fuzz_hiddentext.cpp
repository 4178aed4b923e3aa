// Hidden placement text on arbitrary input: a gallery picture (PNG) whose
// hidden text is read and taken apart as a reopened item does, and the same
// bytes hidden in a picture and read back.
#include "common/Conversions.h"
#include "common/Error.h"
#include "gallery/HiddenText.h"
#include "gallery/PlacementText.h"
#include "imaging/PngCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void readPlacement(const QImage& picture)
{
    using namespace morvane;
    const PlacementText::Fields fields = PlacementText::split(PlacementText::decode(HiddenText::read(picture)));
    try {
        PlacementText::ratioFromText(fields.widthRatio);
        PlacementText::ratioFromText(fields.heightRatio);
        toInteger(fields.hairstyleWidth);
        toInteger(fields.hairstyleHeight);
    } catch (const Error&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        readPlacement(imaging::decodePng(input, QStringLiteral("fuzz.png")));
    } catch (const Error&) {
    }

    // Any bytes hidden in a picture large enough come back exactly; in a
    // smaller one the reader returns at most a beginning of them.
    const int side = 4 + int(size % 61);
    QImage picture(side, side, (size & 1) ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    picture.fill(qRgba(int(size) & 0xff, 255, 0, 128));
    HiddenText::write(picture, input);
    const QByteArray back = HiddenText::read(picture);
    const bool fits = (qint64(input.size()) + 8) * 8 <= HiddenText::colourByteCount(picture);
    if (fits ? back != input : !input.startsWith(back))
        std::abort();
    readPlacement(picture);
    return 0;
}
