#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

namespace morvane::imaging {

// Lanczos 3 resampling (a = 3), separable, in 14-bit fixed point.
//
// Format_RGB32 and Format_ARGB32 come back in their own format;
// Format_ARGB32_Premultiplied is filtered as it is and stays premultiplied.
// Any other format is converted first (to ARGB32 when it has an alpha channel,
// else to RGB32) and comes back in that format.
//
// Pictures with alpha are filtered in premultiplied space, so the colour hidden
// under fully transparent pixels never bleeds into the result (no dark fringes
// along the edges of a hairstyle); colour channels are kept at or below alpha.
//
// When shrinking, the filter support widens with the scale factor (3 source
// pixels times the factor on each side). Pixel centres map to pixel centres.
// Near the borders the filter is cut at the edge and its weights renormalised.
//
// `threads` > 1 splits the rows across that many threads; the result is the
// same bit for bit whatever the thread count and whichever code path runs.
// A null image or an empty target gives a null image; a target equal to the
// source size gives the source back unchanged. A target larger than the
// image size limit throws Error.
QImage resampleLanczos3(const QImage& src, QSize target, int threads = 1);

// Nearest pixel, no filtering: output pixel x takes source pixel
// floor((x + 0.5) * sourceWidth / targetWidth), likewise for rows. Keeps the
// format (and colour table) of any format of 8 bits per pixel or more; 1-bit
// formats are converted to ARGB32 or RGB32 first. Null in or empty target gives
// a null image.
QImage resampleNearest(const QImage& src, QSize target);

namespace detail {

// Which implementation of the hot loops runs. Auto picks AVX2 when the
// processor has it. Exposed so that tests and benchmarks can compare them.
enum class Kernel { Auto, Portable, Avx2 };

bool avx2Available();
QImage resampleLanczos3(const QImage& src, QSize target, int threads, Kernel kernel);

// Filter weights of one axis. Output pixel i reads `taps` consecutive input
// pixels from start[i]; weights[i * taps + k] is the weight of input pixel
// start[i] + k. Only the first count[i] of them can be non-zero (the window
// stops at the image edge when the image is shorter than `taps`); the others
// are 0. The weights of each output pixel sum exactly to kOne.
struct AxisWeights {
    static constexpr int kBits = 14;
    static constexpr int kOne = 1 << kBits;

    int inSize = 0;
    int outSize = 0;
    int taps = 0;
    std::vector<int> start;
    std::vector<int> count;
    std::vector<std::int16_t> weights;
};

// tapMultiple: `taps` is rounded up to a multiple of it, and windows are moved
// inwards (with leading zero weights) so that they stay inside the image
// whenever inSize >= taps.
AxisWeights lanczos3Weights(int inSize, int outSize, int tapMultiple);

// Pixel handling of a pass: Opaque forces alpha to 255 (RGB32), Premultiplied
// keeps every colour channel at or below alpha.
enum class PixelMode { Opaque, Premultiplied };

// One horizontal pass over rows [rowBegin, rowEnd): each row of `in` (inSize
// pixels of 4 bytes) becomes a row of `out` (outSize pixels).
struct HorizontalJob {
    const std::uint8_t* in;
    qsizetype inStride;
    std::uint8_t* out;
    qsizetype outStride;
    int rowBegin;
    int rowEnd;
    const AxisWeights* weights;
    PixelMode mode;
};

// One vertical pass producing output rows [rowBegin, rowEnd), each `width`
// pixels wide, from the rows of `in`.
struct VerticalJob {
    const std::uint8_t* in;
    qsizetype inStride;
    std::uint8_t* out;
    qsizetype outStride;
    int width;
    int rowBegin;
    int rowEnd;
    const AxisWeights* weights;
    PixelMode mode;
};

void horizontalPassPortable(const HorizontalJob& job);
void verticalPassPortable(const VerticalJob& job);
// AVX2 versions; the caller checks avx2Available(). The horizontal one needs
// weights->inSize >= weights->taps and taps a multiple of 4.
void horizontalPassAvx2(const HorizontalJob& job);
void verticalPassAvx2(const VerticalJob& job);

} // namespace detail

} // namespace morvane::imaging
