#pragma once

#include <QCursor>

namespace morvane {

// The magnifier cursors of the zoom tool, drawn once: a lens with a plus
// (zoom in) or a minus (zoom out), the hot spot at the lens centre.
QCursor zoomInCursor();
QCursor zoomOutCursor();

} // namespace morvane
