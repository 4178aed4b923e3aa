#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>

namespace morvane::demo {

enum class HairCut { Short, Medium, Long, Men };
enum class Fringe { None, Blunt, Swept, Curtain };

// Everything that makes one demo hairstyle what it is. Lengths are in units
// of the head's half width, so the same design draws the front picture and
// the profile picture.
struct HairDesign {
    HairCut cut = HairCut::Medium;
    QColor colour;
    bool dark = false;
    double headRadius = 120; // half the head's width in pixels, front picture
    double volume = 0.3;     // how far the hair stands off the skull
    double length = 2.5;     // where the ends fall, below the skull's centre
    double layering = 0.2;   // spread of the ends' lengths
    double parting = 0.0;    // -1 left .. 0 centre .. 1 right
    double wave = 0.0;       // 0 straight .. 1 strongly waved
    double curl = 0.0;       // 0 none .. 1 ringlets
    double flare = 0.3;      // outward spread of the ends
    Fringe fringe = Fringe::None;
    double quiff = 0.0;      // men: lift at the front
    std::uint64_t seed = 0;
};

// The design of hairstyle `number` (from 1) of a style group and hair type,
// both by index into styleGroupNames() and hairTypeNames(). The same
// arguments always give the same design.
HairDesign designHairstyle(int groupIndex, int typeIndex, int number);

// The hairstyle seen from the front, with a transparent face: Format_ARGB32.
QImage paintHairstyle(const HairDesign& design);

// The same hairstyle on a profile head, on a light background: Format_RGB32,
// 300 x 400.
QImage paintSidePicture(const HairDesign& design);

} // namespace morvane::demo
