#pragma once

#include <QColor>

#include <cstdint>

namespace morvane {

// A colour as the classic 32-bit colour value: red in the low byte, then
// green, then blue; the high byte is 0. Stored files and the design colours
// use this form; convert to QColor at the edges.
using ColourValue = std::uint32_t;

constexpr ColourValue colourValue(int red, int green, int blue)
{
    return ColourValue(red & 0xff) | (ColourValue(green & 0xff) << 8) | (ColourValue(blue & 0xff) << 16);
}
QColor toQColor(ColourValue value);
ColourValue toColourValue(const QColor& colour);

// Blends a and b byte by byte with the weight w (only its low 8 bits count):
// (w * a + (255 - w) * b) >> 8 for red, green and blue. The divisor is 256,
// so blending 255 with itself gives 254.
ColourValue MixColors(ColourValue a, ColourValue b, int weight);

} // namespace morvane
