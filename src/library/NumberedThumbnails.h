#pragma once

#include "library/ThumbnailLoader.h"

#include <vector>

namespace morvane {

class ThumbnailView;

// Shows numbered pictures (hairstyles, preview pictures) in the view: each
// captioned with the number of its file name, then put in number order by
// the ordering step, with nothing selected. When the ordering step fails on
// a caption that is no number, the pictures stay listed as far as they were
// ordered and the error goes on to the caller.
void showInNumberOrder(ThumbnailView& view, std::vector<LoadedThumbnail> loaded);

} // namespace morvane
