#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace morvane::test {

// PNG files of every pixel layout, written by libpng from raw sample rows.
struct RawPng {
    int width = 0;
    int height = 0;
    int colorType = 0; // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::uint8_t> samples; // packed rows as libpng expects them
    QList<QRgb> palette;               // palette images: colour and alpha (tRNS)
    bool paletteAlpha = false;
    int trnsGrey = -1;                 // grey images: transparent sample value
    int trnsRed = -1, trnsGreen = -1, trnsBlue = -1; // RGB images
};
QByteArray writeRawPng(const RawPng& png);

// JPEG files in the colour spaces the decoder has to handle.
enum class JpegKind { Grey, AdobeCmyk, PlainCmyk, Ycck, Progressive };
// A picture of one flat colour; for the CMYK kinds `ink` gives the stored
// C, M, Y, K bytes (red, green, blue, alpha of the QRgb), otherwise its RGB
// (grey uses red).
QByteArray writeFlatJpeg(JpegKind kind, int width, int height, QRgb ink);

// Rewrites the frame header of a JPEG to declare another size.
QByteArray withJpegSize(QByteArray jpeg, int width, int height);
// Rewrites the IHDR of a PNG (with a correct CRC) to declare another size.
QByteArray withPngSize(QByteArray png, quint32 width, quint32 height);

} // namespace morvane::test
