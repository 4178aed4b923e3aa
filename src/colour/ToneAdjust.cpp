#include "colour/ToneAdjust.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace morvane {

namespace {

QImage asThirtyTwoBit(const QImage& image)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(QImage::Format_ARGB32);
}

inline uchar clampByte(int v)
{
    return uchar(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// Sum of the bytes at -2, -1, +1 and +2 pixels along a line of 4-byte
// pixels (fewer at the ends).
void neighbourSums(const uchar* line, int width, quint16* out)
{
    const int bytes = width * 4;
    auto sumAt = [&](int i) {
        const int x = i >> 2;
        int s = 0;
        if (x >= 2) s += line[i - 8];
        if (x >= 1) s += line[i - 4];
        if (x + 1 < width) s += line[i + 4];
        if (x + 2 < width) s += line[i + 8];
        return quint16(s);
    };
    const int innerFrom = qMin(8, bytes);
    const int innerTo = qMax(innerFrom, bytes - 8);
    for (int i = 0; i < innerFrom; ++i)
        out[i] = sumAt(i);
    for (int i = innerFrom; i < innerTo; ++i)
        out[i] = quint16(line[i - 8] + line[i - 4] + line[i + 4] + line[i + 8]);
    for (int i = innerTo; i < bytes; ++i)
        out[i] = sumAt(i);
}

int neighbourCount(int position, int size)
{
    return int(position >= 2) + int(position >= 1) + int(position + 1 < size) + int(position + 2 < size);
}

// round(old + (old - total / count) * intensity / 10) in whole numbers,
// clamped to 0..255.
inline uchar sharpened(int old, int total, int count, int intensity)
{
    const int divisor = 10 * count;
    const int t = divisor * old + (count * old - total) * intensity;
    return t < 0 ? 0 : clampByte((t + divisor / 2) / divisor);
}

} // namespace

int contrastFactor(int contrast)
{
    const double k = contrast >= 0 ? 1.0 + contrast / 10.0 : 1.0 - std::sqrt(double(-contrast)) / 10.0;
    return int(k * 65536.0); // towards zero
}

std::array<uchar, 256> displayToneTable(int offset, int contrast)
{
    const qint64 k = contrastFactor(contrast);
    std::array<uchar, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const qint64 product = k * (c + offset - 128); // C++ division rounds towards zero
        table[size_t(c)] = clampByte(int(product / 65536) + 128);
    }
    return table;
}

QImage applyDisplayTone(const QImage& image, const DisplayTone& tone)
{
    if (image.isNull() || tone.isNeutral())
        return image;
    QImage out = asThirtyTwoBit(image).copy();
    const auto red = displayToneTable(tone.red, tone.contrast);
    const auto green = displayToneTable(tone.green, tone.contrast);
    const auto blue = displayToneTable(tone.blue, tone.contrast);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            line[x] = (p & 0xff000000u) | (QRgb(red[qRed(p)]) << 16) | (QRgb(green[qGreen(p)]) << 8)
                | QRgb(blue[qBlue(p)]);
        }
    }
    return out;
}

void sharpen(QImage& image, int intensity)
{
    if (image.isNull() || intensity <= 0)
        return;
    image = asThirtyTwoBit(image);
    const int width = image.width();
    const int height = image.height();
    const size_t bytes = size_t(width) * 4;
    const size_t innerFrom = qMin<size_t>(8, bytes);
    const size_t innerTo = qMax(innerFrom, bytes - qMin<size_t>(8, bytes));

    // The 16 neighbours are every pair of a horizontal and a vertical offset,
    // so their sum is the sum, over the four rows, of each row's sum of four.
    // Row sums are taken from the original rows, two rows ahead of the row
    // being written, in a ring of five rows.
    std::vector<quint16> ring(bytes * 5);
    auto sumsOf = [&](int y) { return &ring[bytes * size_t(y % 5)]; };
    for (int y = 0; y < qMin(2, height); ++y)
        neighbourSums(image.constScanLine(y), width, sumsOf(y));
    std::vector<quint16> total(bytes);
    std::vector<uchar> old(bytes);

    for (int y = 0; y < height; ++y) {
        if (y + 2 < height)
            neighbourSums(image.constScanLine(y + 2), width, sumsOf(y + 2));
        const int rows = neighbourCount(y, height);
        if (rows == 0)
            continue;
        quint16* __restrict t = total.data();
        std::fill(total.begin(), total.end(), quint16(0));
        for (int dy : {-2, -1, 1, 2}) {
            if (y + dy < 0 || y + dy >= height)
                continue;
            const quint16* __restrict s = sumsOf(y + dy);
            for (size_t i = 0; i < bytes; ++i)
                t[i] = quint16(t[i] + s[i]);
        }
        uchar* __restrict out = image.scanLine(y);
        uchar* __restrict o = old.data();
        std::memcpy(o, out, bytes);
        if (rows == 4) {
            // Inside the picture: 16 neighbours, a fixed divisor.
            for (size_t i = innerFrom; i < innerTo; ++i) {
                const int v = 160 * int(o[i]) + (16 * int(o[i]) - int(t[i])) * intensity;
                out[i] = uchar(std::clamp((v + 80) / 160, 0, 255));
            }
        } else {
            const int count = rows * 4;
            for (size_t i = innerFrom; i < innerTo; ++i)
                out[i] = sharpened(o[i], t[i], count, intensity);
        }
        for (int x = 0; x < width; ++x) {
            const size_t at = size_t(x) * 4;
            if (at >= innerFrom && at < innerTo) {
                out[at + 3] = o[at + 3]; // alpha stays
                continue;
            }
            const int count = rows * neighbourCount(x, width);
            if (count == 0)
                continue;
            for (size_t c = 0; c < 3; ++c)
                out[at + c] = sharpened(o[at + c], t[at + c], count, intensity);
        }
    }
}

QImage addDropShadow(const QImage& image, int offset)
{
    if (image.isNull() || offset <= 0 || !image.hasAlphaChannel())
        return image;
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const int width = source.width();
    const int height = source.height();

    // Alpha blurred with the binomial kernel 1 4 6 4 1 (radius 2), separably;
    // the kernel is renormalised where it reaches past the edges.
    static constexpr int kKernel[5] = {1, 4, 6, 4, 1};
    std::vector<int> horizontal(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        int* out = &horizontal[size_t(y) * size_t(width)];
        for (int x = 2; x + 2 < width; ++x) {
            out[x] = qAlpha(line[x - 2]) + 4 * qAlpha(line[x - 1]) + 6 * qAlpha(line[x])
                + 4 * qAlpha(line[x + 1]) + qAlpha(line[x + 2]);
        }
        for (int x = 0; x < width; ++x) {
            if (x == 2 && width > 4)
                x = width - 2; // the middle is done
            int sum = 0, weight = 0;
            for (int k = -2; k <= 2; ++k) {
                if (x + k < 0 || x + k >= width)
                    continue;
                sum += kKernel[k + 2] * qAlpha(line[x + k]);
                weight += kKernel[k + 2];
            }
            out[x] = (sum * 16 + weight / 2) / weight;
        }
    }
    // Then down the columns; the result in 1/16 steps, 0..4080.
    std::vector<int> blurred(horizontal.size());
    for (int y = 0; y < height; ++y) {
        int* out = &blurred[size_t(y) * size_t(width)];
        if (y >= 2 && y + 2 < height) {
            const int* rows[5];
            for (int k = 0; k < 5; ++k)
                rows[k] = &horizontal[size_t(y + k - 2) * size_t(width)];
            for (int x = 0; x < width; ++x)
                out[x] = (rows[0][x] + 4 * rows[1][x] + 6 * rows[2][x] + 4 * rows[3][x] + rows[4][x] + 8) / 16;
            continue;
        }
        for (int x = 0; x < width; ++x) {
            int sum = 0, weight = 0;
            for (int k = -2; k <= 2; ++k) {
                if (y + k < 0 || y + k >= height)
                    continue;
                sum += kKernel[k + 2] * horizontal[size_t(y + k) * size_t(width) + size_t(x)];
                weight += kKernel[k + 2];
            }
            out[x] = (sum + weight / 2) / weight;
        }
    }

    QImage out(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const int from = y - offset;
        for (int x = 0; x < width; ++x) {
            const QRgb p = in[x];
            const int a = qAlpha(p);
            const int shadow = from >= 0 ? (blurred[size_t(from) * size_t(width) + size_t(x)] + 8) / 16 : 0;
            // The layer over a black shadow: colours scale with a / outA.
            const int outA = a + (shadow * (255 - a) + 127) / 255;
            if (outA == 0) {
                line[x] = p & 0x00ffffffu;
                continue;
            }
            if (a == outA) {
                line[x] = p;
                continue;
            }
            auto over = [&](int c) { return (c * a + outA / 2) / outA; };
            line[x] = qRgba(over(qRed(p)), over(qGreen(p)), over(qBlue(p)), outA);
        }
    }
    return out;
}

} // namespace morvane
