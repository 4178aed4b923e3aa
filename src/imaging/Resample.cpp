#include "imaging/Resample.h"

#include "common/Error.h"
#include "imaging/ImageLimits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <thread>

namespace morvane::imaging {

namespace detail {

namespace {

constexpr int kRound = 1 << (AxisWeights::kBits - 1);

double sinc(double x)
{
    if (x == 0.0)
        return 1.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

double lanczos3(double x)
{
    if (x <= -3.0 || x >= 3.0)
        return 0.0;
    return sinc(x) * sinc(x / 3.0);
}

inline std::uint8_t toByte(std::int32_t accumulator)
{
    const std::int32_t v = (accumulator + kRound) >> AxisWeights::kBits;
    return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

inline void finishPixel(std::uint8_t* p, PixelMode mode)
{
    if (mode == PixelMode::Opaque) {
        p[3] = 255;
    } else {
        p[0] = std::min(p[0], p[3]);
        p[1] = std::min(p[1], p[3]);
        p[2] = std::min(p[2], p[3]);
    }
}

} // namespace

AxisWeights lanczos3Weights(int inSize, int outSize, int tapMultiple)
{
    AxisWeights result;
    result.inSize = inSize;
    result.outSize = outSize;
    if (inSize <= 0 || outSize <= 0)
        return result;

    const double scale = static_cast<double>(inSize) / outSize;
    const double filterScale = std::max(scale, 1.0);
    const double support = 3.0 * filterScale;

    // First the window of every output pixel, to size the table.
    std::vector<int> lo(outSize), hi(outSize);
    int widest = 1;
    for (int i = 0; i < outSize; ++i) {
        const double centre = (i + 0.5) * scale;
        // Input pixel j (centre j + 0.5) is inside when |j + 0.5 - centre| < support.
        int first = static_cast<int>(std::ceil(centre - support - 0.5));
        int last = static_cast<int>(std::floor(centre + support - 0.5));
        first = std::clamp(first, 0, inSize - 1);
        last = std::clamp(last, first, inSize - 1);
        lo[i] = first;
        hi[i] = last;
        widest = std::max(widest, last - first + 1);
    }
    const int multiple = std::max(tapMultiple, 1);
    const int taps = (widest + multiple - 1) / multiple * multiple;
    result.taps = taps;
    result.start.resize(outSize);
    result.count.resize(outSize);
    result.weights.assign(static_cast<std::size_t>(outSize) * taps, 0);

    std::vector<double> w;
    for (int i = 0; i < outSize; ++i) {
        const double centre = (i + 0.5) * scale;
        const int n = hi[i] - lo[i] + 1;
        w.assign(n, 0.0);
        double sum = 0.0;
        for (int k = 0; k < n; ++k) {
            w[k] = lanczos3((lo[i] + k + 0.5 - centre) / filterScale);
            sum += w[k];
        }
        if (!(sum > 1e-9)) {
            // Cannot happen with this kernel (the nearest tap is always well
            // inside the main lobe), but never divide by nothing.
            std::fill(w.begin(), w.end(), 0.0);
            w[std::clamp(static_cast<int>(centre) - lo[i], 0, n - 1)] = 1.0;
            sum = 1.0;
        }

        // Place the window; keep it inside the image when it fits.
        int start = lo[i];
        int offset = 0;
        if (inSize >= taps) {
            start = std::min(lo[i], inSize - taps);
            offset = lo[i] - start;
            result.count[i] = taps;
        } else {
            start = 0;
            offset = lo[i];
            result.count[i] = inSize;
        }
        result.start[i] = start;

        // Quantise the running sum, so the rounding errors do not pile up and
        // the fixed-point weights add up to exactly kOne.
        std::int16_t* out = result.weights.data() + static_cast<std::size_t>(i) * taps + offset;
        double running = 0.0;
        long previous = 0;
        for (int k = 0; k < n; ++k) {
            running += w[k] / sum;
            const long quantised = k == n - 1 ? AxisWeights::kOne : std::lround(running * AxisWeights::kOne);
            out[k] = static_cast<std::int16_t>(quantised - previous);
            previous = quantised;
        }
    }
    return result;
}

void horizontalPassPortable(const HorizontalJob& job)
{
    const AxisWeights& aw = *job.weights;
    for (int row = job.rowBegin; row < job.rowEnd; ++row) {
        const std::uint8_t* in = job.in + row * job.inStride;
        std::uint8_t* out = job.out + row * job.outStride;
        for (int x = 0; x < aw.outSize; ++x) {
            const std::int16_t* w = aw.weights.data() + static_cast<std::size_t>(x) * aw.taps;
            const std::uint8_t* p = in + static_cast<qsizetype>(aw.start[x]) * 4;
            const int n = aw.count[x];
            std::int32_t acc[4] = {};
            for (int k = 0; k < n; ++k) {
                const std::int32_t wk = w[k];
                for (int c = 0; c < 4; ++c)
                    acc[c] += wk * p[4 * k + c];
            }
            std::uint8_t* o = out + 4 * x;
            for (int c = 0; c < 4; ++c)
                o[c] = toByte(acc[c]);
            finishPixel(o, job.mode);
        }
    }
}

namespace {

// Accumulates `len` bytes of n rows; a fixed length lets the compiler turn
// the inner loop into plain vector code.
template <int Len>
inline void verticalChunk(const std::uint8_t* base, qsizetype stride, const std::int16_t* w, int n,
                          std::uint8_t* out, PixelMode mode)
{
    std::array<std::int32_t, Len> acc{};
    for (int k = 0; k < n; ++k) {
        const std::uint8_t* p = base + k * stride;
        const std::int32_t wk = w[k];
        for (int i = 0; i < Len; ++i)
            acc[i] += wk * p[i];
    }
    for (int i = 0; i < Len; ++i)
        out[i] = toByte(acc[i]);
    for (int i = 0; i < Len; i += 4)
        finishPixel(out + i, mode);
}

void verticalTail(const std::uint8_t* base, qsizetype stride, const std::int16_t* w, int n,
                  std::uint8_t* out, int len, PixelMode mode)
{
    std::int32_t acc[64] = {};
    for (int k = 0; k < n; ++k) {
        const std::uint8_t* p = base + k * stride;
        for (int i = 0; i < len; ++i)
            acc[i] += w[k] * p[i];
    }
    for (int i = 0; i < len; ++i)
        out[i] = toByte(acc[i]);
    for (int i = 0; i < len; i += 4)
        finishPixel(out + i, mode);
}

} // namespace

void verticalPassPortable(const VerticalJob& job)
{
    constexpr int kChunk = 64;
    const AxisWeights& aw = *job.weights;
    const int bytes = job.width * 4;
    for (int y = job.rowBegin; y < job.rowEnd; ++y) {
        const std::int16_t* w = aw.weights.data() + static_cast<std::size_t>(y) * aw.taps;
        const std::uint8_t* base = job.in + static_cast<qsizetype>(aw.start[y]) * job.inStride;
        std::uint8_t* out = job.out + y * job.outStride;
        const int n = aw.count[y];
        int x = 0;
        for (; x + kChunk <= bytes; x += kChunk)
            verticalChunk<kChunk>(base + x, job.inStride, w, n, out + x, job.mode);
        if (x < bytes)
            verticalTail(base + x, job.inStride, w, n, out + x, bytes - x, job.mode);
    }
}

bool avx2Available()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool available = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return available;
#else
    return false;
#endif
}

namespace {

// Runs fn(begin, end) on `threads` contiguous slices of [0, rows).
template <typename Fn>
void splitRows(int rows, int threads, Fn fn)
{
    threads = std::clamp(threads, 1, std::max(rows, 1));
    if (threads == 1) {
        fn(0, rows);
        return;
    }
    std::vector<std::thread> workers;
    workers.reserve(threads - 1);
    for (int t = 1; t < threads; ++t) {
        const int begin = static_cast<int>(static_cast<long long>(rows) * t / threads);
        const int end = static_cast<int>(static_cast<long long>(rows) * (t + 1) / threads);
        workers.emplace_back([fn, begin, end] { fn(begin, end); });
    }
    fn(0, static_cast<int>(static_cast<long long>(rows) / threads));
    for (std::thread& worker : workers)
        worker.join();
}

// Relative cost of a horizontal tap against a vertical one: about 1.1 with
// AVX2 and several times that in the portable code, whose horizontal pass the
// compiler does not vectorise. One value for both, so both pick the same order.
constexpr double kHorizontalTapCost = 1.5;

struct Plane {
    const std::uint8_t* bits;
    qsizetype stride;
};

struct Passes {
    bool avx2;
    PixelMode mode;
    int threads;

    void horizontal(Plane in, std::uint8_t* out, qsizetype outStride, int rows, const AxisWeights& aw) const
    {
        const bool fast = avx2 && aw.inSize >= aw.taps && aw.taps % 4 == 0;
        splitRows(rows, threads, [&](int begin, int end) {
            const HorizontalJob job{in.bits, in.stride, out, outStride, begin, end, &aw, mode};
            if (fast)
                horizontalPassAvx2(job);
            else
                horizontalPassPortable(job);
        });
    }

    void vertical(Plane in, std::uint8_t* out, qsizetype outStride, int width, const AxisWeights& aw) const
    {
        splitRows(aw.outSize, threads, [&](int begin, int end) {
            const VerticalJob job{in.bits, in.stride, out, outStride, width, begin, end, &aw, mode};
            if (avx2)
                verticalPassAvx2(job);
            else
                verticalPassPortable(job);
        });
    }
};

// src is RGB32 or ARGB32_Premultiplied; the result has its format.
QImage resampleDirect(const QImage& src, QSize target, int threads, bool avx2)
{
    const int inW = src.width();
    const int inH = src.height();
    const int outW = target.width();
    const int outH = target.height();
    const PixelMode mode =
        src.format() == QImage::Format_RGB32 ? PixelMode::Opaque : PixelMode::Premultiplied;

    QImage out(target, src.format());
    if (out.isNull())
        throw Error(QStringLiteral("Not enough memory to resample a picture to %1 x %2 pixels")
                        .arg(outW)
                        .arg(outH));

    const Passes passes{avx2, mode, threads};
    const Plane source{src.constBits(), src.bytesPerLine()};
    const bool doX = outW != inW;
    const bool doY = outH != inH;
    AxisWeights wx, wy;
    if (doX)
        wx = lanczos3Weights(inW, outW, 4);
    if (doY)
        wy = lanczos3Weights(inH, outH, 2);

    if (doX && !doY) {
        passes.horizontal(source, out.bits(), out.bytesPerLine(), inH, wx);
        return out;
    }
    if (doY && !doX) {
        passes.vertical(source, out.bits(), out.bytesPerLine(), inW, wy);
        return out;
    }

    // Both axes: run first the pass that leaves less work for the second.
    // Counted in pixel-taps, a horizontal tap weighing kHorizontalTapCost
    // vertical ones. The order changes the rounding in between, so it depends
    // on the sizes only, never on the code path or the thread count.
    const double xFactor = kHorizontalTapCost;
    const double costXFirst = xFactor * inH * outW * wx.taps + double(outH) * outW * wy.taps;
    const double costYFirst = double(inW) * outH * wy.taps + xFactor * outH * outW * wx.taps;
    if (costXFirst <= costYFirst) {
        const qsizetype stride = qsizetype(outW) * 4;
        auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(stride * inH);
        passes.horizontal(source, buffer.get(), stride, inH, wx);
        passes.vertical(Plane{buffer.get(), stride}, out.bits(), out.bytesPerLine(), outW, wy);
    } else {
        const qsizetype stride = qsizetype(inW) * 4;
        auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(stride * outH);
        passes.vertical(source, buffer.get(), stride, inW, wy);
        passes.horizontal(Plane{buffer.get(), stride}, out.bits(), out.bytesPerLine(), outH, wx);
    }
    return out;
}

} // namespace

QImage resampleLanczos3(const QImage& src, QSize target, int threads, Kernel kernel)
{
    if (src.isNull() || target.isEmpty())
        return QImage();
    if (target == src.size())
        return src;
    if (!imageSizeAllowed(target.width(), target.height()))
        throw Error(QStringLiteral("Cannot resample a picture to %1 x %2 pixels: that is beyond the size limit")
                        .arg(target.width())
                        .arg(target.height()));

    bool avx2 = false;
    switch (kernel) {
    case Kernel::Auto:
        avx2 = avx2Available();
        break;
    case Kernel::Portable:
        break;
    case Kernel::Avx2:
        if (!avx2Available())
            throw Error(QStringLiteral("This processor has no AVX2 instructions"));
        avx2 = true;
        break;
    }

    switch (src.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return resampleDirect(src, target, threads, avx2);
    case QImage::Format_ARGB32:
        return resampleDirect(src.convertToFormat(QImage::Format_ARGB32_Premultiplied), target, threads, avx2)
            .convertToFormat(QImage::Format_ARGB32);
    default:
        if (src.hasAlphaChannel())
            return resampleLanczos3(src.convertToFormat(QImage::Format_ARGB32), target, threads, kernel);
        return resampleDirect(src.convertToFormat(QImage::Format_RGB32), target, threads, avx2);
    }
}

} // namespace detail

QImage resampleLanczos3(const QImage& src, QSize target, int threads)
{
    return detail::resampleLanczos3(src, target, threads, detail::Kernel::Auto);
}

QImage resampleNearest(const QImage& src, QSize target)
{
    if (src.isNull() || target.isEmpty())
        return QImage();
    if (target == src.size())
        return src;
    if (!imageSizeAllowed(target.width(), target.height()))
        throw Error(QStringLiteral("Cannot resample a picture to %1 x %2 pixels: that is beyond the size limit")
                        .arg(target.width())
                        .arg(target.height()));
    if (src.depth() < 8)
        return resampleNearest(
            src.convertToFormat(src.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32), target);

    QImage out(target, src.format());
    if (out.isNull())
        throw Error(QStringLiteral("Not enough memory to resample a picture to %1 x %2 pixels")
                        .arg(target.width())
                        .arg(target.height()));
    out.setColorTable(src.colorTable());
    out.setDotsPerMeterX(src.dotsPerMeterX());
    out.setDotsPerMeterY(src.dotsPerMeterY());

    const int inW = src.width();
    const int inH = src.height();
    const int outW = target.width();
    const int outH = target.height();
    // Source of output pixel i: floor((2i + 1) * in / (2 * out)).
    std::vector<int> columns(outW);
    for (int x = 0; x < outW; ++x)
        columns[x] = static_cast<int>((2LL * x + 1) * inW / (2LL * outW));

    const int bytesPerPixel = src.depth() / 8;
    for (int y = 0; y < outH; ++y) {
        const int sy = static_cast<int>((2LL * y + 1) * inH / (2LL * outH));
        const uchar* in = src.constScanLine(sy);
        uchar* line = out.scanLine(y);
        switch (bytesPerPixel) {
        case 4: {
            const auto* in32 = reinterpret_cast<const quint32*>(in);
            auto* out32 = reinterpret_cast<quint32*>(line);
            for (int x = 0; x < outW; ++x)
                out32[x] = in32[columns[x]];
            break;
        }
        case 1:
            for (int x = 0; x < outW; ++x)
                line[x] = in[columns[x]];
            break;
        default:
            for (int x = 0; x < outW; ++x)
                std::memcpy(line + qsizetype(x) * bytesPerPixel, in + qsizetype(columns[x]) * bytesPerPixel,
                            bytesPerPixel);
            break;
        }
    }
    return out;
}

} // namespace morvane::imaging
