#pragma once

#include <QImage>
#include <QString>

class QMimeData;

namespace morvane {

// The program's own clipboard format: a PNG of the picture with its alpha
// channel, so a copied hairstyle pastes back with its transparency.
inline constexpr const char* kPictureMimeType = "application/x-morvane2010-picture";

// The clipboard contents for a copied picture: the program's own format
// plus PNG and BMP for other programs (BMP without alpha, over white).
// The caller owns the result (QClipboard::setMimeData takes it).
QMimeData* pictureMimeData(const QImage& picture);

// Whether the data offers a picture in one of the formats Paste reads.
bool holdsPicture(const QMimeData* data);

// The picture, from the first format offered of: the program's own, PNG,
// BMP, any other picture the toolkit reads. A null image when none is
// offered; throws Error when the offered data cannot be decoded.
QImage pictureFromMimeData(const QMimeData* data);

} // namespace morvane
