#pragma once

#include "colour/ColourMix.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace morvane {

class Composition;

// Mixes a flat colour into the red, green and blue of every pixel:
// own * level / 100 + colour * (100 - level) / 100, rounded to the nearest
// whole number with halves to even. The alpha channel is kept, so a hairstyle
// keeps its shape. The level is clamped to 0..100. The result has the
// image's format (32-bit formats; others are converted to ARGB32).
QImage mixFlatColour(const QImage& image, ColourValue colour, int level);

// Copies `patch` onto `target` with its top-left corner at `at`, only where
// `mask` (the patch's size, Format_Alpha8 or Grayscale8) is not 0, and only
// inside the target. The target's alpha is kept.
void pasteMasked(QImage& target, const QImage& patch, QPoint at, const QImage& mask);

// The part of the photo to recolour in lasso mode: the selection's bounding
// rectangle in the photo layer's pixels and, of the same size, the mask of
// the selected pixels.
struct LassoArea {
    QRect bounds;
    QImage mask; // Format_Grayscale8 or Format_Alpha8, bounds.size()
};

// Recolours the canvas with the result colour at the colour mix level,
// always starting from the snapshot of the layer it recolours, so repeated
// recolourings do not pile up. Without `lasso` the hair layer is recoloured
// when it is the current layer (and nothing happens with the photo current);
// with `lasso` the selected part of the photo is. Returns the mixed picture
// (the hair image, or the recoloured selection rectangle); a null image when
// nothing was done.
QImage ApplyResultColour(Composition& composition, ColourValue colour, int level,
                         const LassoArea* lasso);

} // namespace morvane
