#include "colour/ColourMix.h"

namespace morvane {

QColor toQColor(ColourValue value)
{
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

ColourValue toColourValue(const QColor& colour)
{
    return colourValue(colour.red(), colour.green(), colour.blue());
}

ColourValue MixColors(ColourValue a, ColourValue b, int weight)
{
    const unsigned w = unsigned(weight) & 0xffu;
    ColourValue result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned byteA = (a >> shift) & 0xffu;
        const unsigned byteB = (b >> shift) & 0xffu;
        result |= ColourValue(((w * byteA + (255u - w) * byteB) >> 8) & 0xffu) << shift;
    }
    return result;
}

} // namespace morvane
