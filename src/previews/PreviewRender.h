#pragma once

#include "canvas/Composition.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace morvane {

class ContentPaths;

// One preview picture of the photo with this hair layer: both layers merged
// over the union of their rectangles (transparent where neither lies), scaled
// without smoothing so that its width is the photo layer's width, and trimmed
// to the pixels that are not wholly transparent. Format_ARGB32; Format_RGB32
// when the hair lies within the photo, as the picture is then opaque.
QImage renderPreviewPicture(const Layer& photo, const Layer& hair);

// Writes a preview picture as PNG with the fast scratch setting (low zlib
// level, one filter), through a temporary file renamed into place. A picture
// without a transparent pixel is written without its alpha channel.
void writePreviewPicture(const QString& path, QImage picture);

// Deletes every file of the preview folder; sub-folders stay and a file that
// cannot be deleted is left.
void clearPreviewFolder(const ContentPaths& paths);

// What a hairstyle preview run rendered.
struct HairstylePreviews {
    int lastNumber = 0;     // the highest hairstyle number rendered, 0 for none
    QImage lastHairstyle;   // its picture as loaded (Format_ARGB32)
    QStringList failures;   // one line per hairstyle left out, in number order
};

// Renders hairstyles 1 to `count` of the style group and hair type over the
// composition's photo, each at the hair layer's position and sized by the
// hair ratios, into preview pictures 1.png ... `count`.png. The pictures are
// read, rendered and written on `threads` threads; when the call returns every
// picture is complete. A hairstyle that cannot be read or whose picture
// cannot be written is left out and named in `failures`; the others are made.
// A missing preview folder is made. The composition is not changed.
HairstylePreviews renderHairstylePreviews(const ContentPaths& paths, const QString& styleGroup,
                                          const QString& hairType, int count,
                                          const Composition& composition, int threads = 2);

// Writes preview picture k + 1 for each hair layer hairs[k] over `photo`, on
// `threads` threads. Throws the first failure once all are done.
void renderPreviewSeries(const ContentPaths& paths, const Layer& photo,
                         const std::vector<Layer>& hairs, int threads = 2);

} // namespace morvane
