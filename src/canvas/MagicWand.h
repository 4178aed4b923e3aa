#pragma once

#include <QImage>
#include <QPoint>

namespace morvane {

// How far a colour may lie from the pressed pixel's and still join the
// magic-wand region: the largest difference of any one channel (red,
// green, blue, and alpha on images that have it).
inline constexpr int kMagicWandTolerance = 20;

// The region of like colour around `seed`: every pixel reachable from it
// through left, right, up and down neighbours whose colour lies within
// `tolerance` of the seed's. A Format_Grayscale8 mask of the image's size,
// 255 inside the region; a null image when the seed lies outside.
QImage magicWandRegion(const QImage& image, QPoint seed, int tolerance = kMagicWandTolerance);

} // namespace morvane
