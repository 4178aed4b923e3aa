#pragma once

#include <QImage>
#include <QRect>

namespace morvane {

class Composition;

// The hair layer's image at its shown size, ARGB32 (Lanczos 3, alpha kept).
QImage hairAtShownSize(const Composition& composition);

// Photo and hair merged as the canvas shows them, hair over photo with its
// transparency applied, over the union of both layers' rectangles; places
// covered by neither are transparent. Format_ARGB32. `area` (when given)
// receives the union rectangle in photo coordinates. The hair layer is taken
// whether visible or hidden; without one the result is the photo alone.
QImage mergeLayers(const Composition& composition, QRect* area = nullptr);

// The merged picture cut to the photo layer's rectangle: exactly the photo's
// shown size, hair beyond its edges cut away. Format_RGB32.
QImage mergedCutToPhoto(const Composition& composition);

} // namespace morvane
