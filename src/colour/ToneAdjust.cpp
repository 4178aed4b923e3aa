#include "colour/ToneAdjust.h"

#include <cmath>
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

// Sum of the channel bytes at -2, -1, +1, +2 pixels along a line of 4-byte
// pixels, and how many of those pixels exist.
void neighbourSums(const uchar* line, int width, std::vector<quint16>& sums)
{
    const int bytes = width * 4;
    sums.assign(size_t(bytes), 0);
    quint16* out = sums.data();
    for (int i = 0; i < bytes; ++i) {
        const int x = i >> 2;
        int s = 0;
        if (x >= 2) s += line[i - 8];
        if (x >= 1) s += line[i - 4];
        if (x + 1 < width) s += line[i + 4];
        if (x + 2 < width) s += line[i + 8];
        out[i] = quint16(s);
    }
}

int neighbourCount(int position, int size)
{
    return int(position >= 2) + int(position >= 1) + int(position + 1 < size) + int(position + 2 < size);
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
    const int bytes = width * 4;
    const QImage source = image.copy();

    // The 16 neighbours are every pair of a horizontal and a vertical offset,
    // so their sum is the sum, over the four rows, of each row's sum of four.
    std::vector<std::vector<quint16>> rowSums(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        neighbourSums(source.constScanLine(y), width, rowSums[size_t(y)]);

    std::vector<int> columnCount(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x)
        columnCount[size_t(x)] = neighbourCount(x, width);

    std::vector<int> total(static_cast<size_t>(bytes));
    for (int y = 0; y < height; ++y) {
        const int rows = neighbourCount(y, height);
        std::fill(total.begin(), total.end(), 0);
        for (int dy : {-2, -1, 1, 2}) {
            if (y + dy < 0 || y + dy >= height)
                continue;
            const quint16* s = rowSums[size_t(y + dy)].data();
            for (int i = 0; i < bytes; ++i)
                total[size_t(i)] += s[i];
        }
        const uchar* old = source.constScanLine(y);
        uchar* out = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int count = rows * columnCount[size_t(x)];
            if (count == 0)
                continue;
            // round(old + (old - sum / count) * N / 10), all in whole numbers
            const int divisor = 10 * count;
            for (int c = 0; c < 3; ++c) { // blue, green, red; alpha stays
                const int i = x * 4 + c;
                const int o = old[i];
                const int t = divisor * o + (count * o - total[size_t(i)]) * intensity;
                out[i] = t < 0 ? 0 : clampByte((t + divisor / 2) / divisor);
            }
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
        for (int x = 0; x < width; ++x) {
            int sum = 0, weight = 0;
            for (int k = -2; k <= 2; ++k) {
                if (x + k < 0 || x + k >= width)
                    continue;
                sum += kKernel[k + 2] * qAlpha(line[x + k]);
                weight += kKernel[k + 2];
            }
            horizontal[size_t(y) * size_t(width) + size_t(x)] = (sum * 16 + weight / 2) / weight;
        }
    }
    // Blurred alpha in 1/16 steps, 0..4080.
    auto blurred = [&](int x, int y) {
        int sum = 0, weight = 0;
        for (int k = -2; k <= 2; ++k) {
            if (y + k < 0 || y + k >= height)
                continue;
            sum += kKernel[k + 2] * horizontal[size_t(y + k) * size_t(width) + size_t(x)];
            weight += kKernel[k + 2];
        }
        return (sum + weight / 2) / weight;
    };

    QImage out(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const int from = y - offset;
        for (int x = 0; x < width; ++x) {
            const QRgb p = in[x];
            const int a = qAlpha(p);
            const int shadow = from >= 0 ? (blurred(x, from) * 255 + 2040) / 4080 : 0;
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
