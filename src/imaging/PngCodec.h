#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace morvane::imaging {

struct PngOptions {
    int compressionLevel = -1; // zlib level 0..9; -1 keeps libpng's default
    bool singleFilter = false; // one fast filter (Sub) instead of libpng's adaptive choice
};

// Decodes any PNG (palette, grey, 16-bit, tRNS, interlaced) to
// QImage::Format_ARGB32 with the alpha values exactly as stored.
// Throws Error naming `name` when the data is not a sound PNG.
QImage decodePng(const QByteArray& data, const QString& name);

// The size the header declares, without decoding the pixels; throws Error
// naming `name` when the header is not sound. No size limit is applied.
QSize pngSize(const QByteArray& data, const QString& name);

// Encodes as 8-bit RGBA (or RGB when the image has no alpha channel).
// `name` only goes into the error text.
QByteArray encodePng(const QImage& image, const PngOptions& options = {},
                     const QString& name = {});

} // namespace morvane::imaging
