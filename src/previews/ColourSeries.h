#pragma once

#include "colour/ColourMix.h"

#include <array>

namespace morvane {

// The hair colours of the colour preview, in order: picture k shows colour k.
inline constexpr std::array<ColourValue, 15> kColourPreviewSeries{
    colourValue(173, 166, 158), colourValue(183, 162, 117), colourValue(185, 137, 71),
    colourValue(144, 95, 63),   colourValue(143, 52, 23),   colourValue(98, 66, 43),
    colourValue(125, 33, 22),   colourValue(135, 66, 50),   colourValue(110, 52, 73),
    colourValue(49, 52, 43),    colourValue(255, 255, 97),  colourValue(223, 159, 64),
    colourValue(48, 7, 0),      colourValue(128, 0, 0),     colourValue(10, 10, 10),
};

// Every colour of the series is mixed in at this colour mix level: each hair
// pixel keeps 45 % of its own colour and takes 55 % of the series colour.
inline constexpr int kColourPreviewLevel = 45;

} // namespace morvane
