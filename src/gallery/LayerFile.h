#pragma once

#include "canvas/Composition.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace morvane {

// The layer file of a gallery item: every layer of the canvas with its
// image and attributes, and the current layer.
//
// Layout (numbers little-endian):
//   "IMAGEENLAYERS"                    13 bytes
//   u32 version                        1
//   u32 body length                    bytes that follow the checksum
//   u32 CRC-32 of the body
//   body:
//     u32 layer count (1 or 2), u32 current layer
//     per layer, photo layer first:
//       i32 x, i32 y, i32 shown width, i32 shown height
//       u8 visible, u8 frame, u8 locked, u8 opacity (255: opaque)
//       u8 has alpha, 3 zero bytes
//       u32 width, u32 height, u32 compressed length
//       the pixels, 4 bytes each in the order blue, green, red, alpha,
//       row by row from the top, compressed with zlib at the default level
//
// Loading checks the whole file (lengths, checksum, sizes, every layer's
// pixels) before it hands anything back, so a damaged file never changes
// the canvas.
struct LayerFileContent {
    std::vector<Layer> layers;
    int currentLayer = 0;
};

namespace LayerFile {

inline constexpr char kMagic[] = "IMAGEENLAYERS";
inline constexpr int kMagicLength = 13;
inline constexpr quint32 kVersion = 1;
// Magic, version, body length, checksum.
inline constexpr int kHeaderLength = kMagicLength + 12;

QByteArray encode(const Composition& composition);
// Throws Error naming `name` when the data is not a sound layer file.
LayerFileContent decode(const QByteArray& data, const QString& name);

// The checksum the header holds for a body (CRC-32).
quint32 checksum(const QByteArray& body);

// Writes through a temporary file renamed into place.
void save(const QString& path, const Composition& composition);
LayerFileContent load(const QString& path);

// Puts the layers into the canvas: both layers replaced, the current
// layer as saved. The snapshots become copies of the loaded images.
void apply(const LayerFileContent& content, Composition& composition);

} // namespace LayerFile

} // namespace morvane
