// AVX2 versions of the two resampling passes. Same integer arithmetic as the
// portable ones (16-bit weights times 8-bit samples summed in 32 bits, then
// rounded, shifted and clamped), so the results are identical bit for bit.
#include "imaging/Resample.h"

#include <immintrin.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace morvane::imaging::detail {

namespace {

constexpr int kRound = 1 << (AxisWeights::kBits - 1);

// R rows at once, two output pixels at once: the low 128-bit lane works on
// output x, the high lane on output x + 1, four taps per step. The weight
// vectors are built once per step and used for every row.
template <int R>
void horizontalRows(const std::uint8_t* const* in, std::uint8_t* const* out, const AxisWeights& aw, PixelMode mode)
{
    // Pixels p0..p3 in each lane. A: channels of (p0, p1) as 16-bit pairs,
    // B: those of (p2, p3); madd then sums each pair with its two weights.
    const __m256i pixelsA = _mm256_setr_epi8(0, -1, 4, -1, 1, -1, 5, -1, 2, -1, 6, -1, 3, -1, 7, -1, //
                                             0, -1, 4, -1, 1, -1, 5, -1, 2, -1, 6, -1, 3, -1, 7, -1);
    const __m256i pixelsB = _mm256_setr_epi8(8, -1, 12, -1, 9, -1, 13, -1, 10, -1, 14, -1, 11, -1, 15, -1, //
                                             8, -1, 12, -1, 9, -1, 13, -1, 10, -1, 14, -1, 11, -1, 15, -1);
    // Weights w0..w3 of its output in each lane: (w0, w1) and (w2, w3), each
    // pair repeated for the four channels.
    const __m256i weightsA = _mm256_setr_epi8(0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, //
                                              0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3);
    const __m256i weightsB = _mm256_setr_epi8(4, 5, 6, 7, 4, 5, 6, 7, 4, 5, 6, 7, 4, 5, 6, 7, //
                                              4, 5, 6, 7, 4, 5, 6, 7, 4, 5, 6, 7, 4, 5, 6, 7);
    const __m256i round = _mm256_set1_epi32(kRound);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i alphaBytes = _mm_setr_epi8(3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15);
    const int taps = aw.taps;
    for (int x = 0; x < aw.outSize; x += 2) {
        // An odd last output is paired with itself and stored once.
        const int x1 = std::min(x + 1, aw.outSize - 1);
        const std::int16_t* w0 = aw.weights.data() + static_cast<std::size_t>(x) * taps;
        const std::int16_t* w1 = aw.weights.data() + static_cast<std::size_t>(x1) * taps;
        const qsizetype offset0 = static_cast<qsizetype>(aw.start[x]) * 4;
        const qsizetype offset1 = static_cast<qsizetype>(aw.start[x1]) * 4;
        __m256i acc[R];
        for (int r = 0; r < R; ++r)
            acc[r] = _mm256_setzero_si256();
        for (int k = 0; k < taps; k += 4) {
            const __m256i wb = _mm256_inserti128_si256(
                _mm256_castsi128_si256(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(w0 + k))),
                _mm_loadl_epi64(reinterpret_cast<const __m128i*>(w1 + k)), 1);
            const __m256i wa = _mm256_shuffle_epi8(wb, weightsA);
            const __m256i wc = _mm256_shuffle_epi8(wb, weightsB);
            for (int r = 0; r < R; ++r) {
                const __m256i p = _mm256_inserti128_si256(
                    _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in[r] + offset0 + 4 * k))),
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(in[r] + offset1 + 4 * k)), 1);
                const __m256i sa = _mm256_madd_epi16(_mm256_shuffle_epi8(p, pixelsA), wa);
                const __m256i sc = _mm256_madd_epi16(_mm256_shuffle_epi8(p, pixelsB), wc);
                acc[r] = _mm256_add_epi32(acc[r], _mm256_add_epi32(sa, sc));
            }
        }
        for (int r = 0; r < R; ++r) {
            __m256i v = _mm256_srai_epi32(_mm256_add_epi32(acc[r], round), AxisWeights::kBits);
            v = _mm256_packs_epi32(v, v);
            v = _mm256_packus_epi16(v, v);
            // Pixel x is in bytes 0..3 of the low lane, pixel x + 1 in those of the high lane.
            __m128i two = _mm_unpacklo_epi32(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
            if (mode == PixelMode::Opaque)
                two = _mm_or_si128(two, opaque);
            else
                two = _mm_min_epu8(two, _mm_shuffle_epi8(two, alphaBytes));
            if (x1 > x)
                _mm_storel_epi64(reinterpret_cast<__m128i*>(out[r] + 4 * x), two);
            else
                std::memcpy(out[r] + 4 * x, &two, 4);
        }
    }
}

inline std::uint8_t toByte(std::int32_t accumulator)
{
    return static_cast<std::uint8_t>(std::clamp((accumulator + kRound) >> AxisWeights::kBits, 0, 255));
}

} // namespace

void horizontalPassAvx2(const HorizontalJob& job)
{
    constexpr int kRows = 4;
    int row = job.rowBegin;
    const std::uint8_t* in[kRows];
    std::uint8_t* out[kRows];
    for (; row + kRows <= job.rowEnd; row += kRows) {
        for (int r = 0; r < kRows; ++r) {
            in[r] = job.in + (row + r) * job.inStride;
            out[r] = job.out + (row + r) * job.outStride;
        }
        horizontalRows<kRows>(in, out, *job.weights, job.mode);
    }
    for (; row < job.rowEnd; ++row) {
        in[0] = job.in + row * job.inStride;
        out[0] = job.out + row * job.outStride;
        horizontalRows<1>(in, out, *job.weights, job.mode);
    }
}

void verticalPassAvx2(const VerticalJob& job)
{
    const AxisWeights& aw = *job.weights;
    const int bytes = job.width * 4;
    const qsizetype stride = job.inStride;
    const __m256i zero = _mm256_setzero_si256();
    const __m256i round = _mm256_set1_epi32(kRound);
    const __m256i alphaBytes = _mm256_setr_epi8(3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15, //
                                                3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    std::vector<std::int32_t> pairWeights;
    std::vector<const std::uint8_t*> rows;

    for (int y = job.rowBegin; y < job.rowEnd; ++y) {
        const std::int16_t* w = aw.weights.data() + static_cast<std::size_t>(y) * aw.taps;
        const std::uint8_t* base = job.in + static_cast<qsizetype>(aw.start[y]) * stride;
        std::uint8_t* out = job.out + y * job.outStride;
        const int n = aw.count[y];
        const int pairs = (n + 1) / 2;

        // Rows in pairs (k, k + 1) with their weights side by side; an odd
        // last row is paired with itself at weight 0.
        pairWeights.resize(pairs);
        rows.resize(2 * pairs);
        for (int j = 0; j < pairs; ++j) {
            const int k = 2 * j;
            const std::uint16_t w0 = static_cast<std::uint16_t>(w[k]);
            const std::uint16_t w1 = k + 1 < n ? static_cast<std::uint16_t>(w[k + 1]) : 0;
            pairWeights[j] = static_cast<std::int32_t>(w0 | (std::uint32_t(w1) << 16));
            rows[k] = base + k * stride;
            rows[k + 1] = k + 1 < n ? rows[k] + stride : rows[k];
        }

        int x = 0;
        for (; x + 32 <= bytes; x += 32) {
            __m256i acc0 = zero, acc1 = zero, acc2 = zero, acc3 = zero;
            for (int j = 0; j < pairs; ++j) {
                const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[2 * j] + x));
                const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[2 * j + 1] + x));
                const __m256i lo = _mm256_unpacklo_epi8(a, b);
                const __m256i hi = _mm256_unpackhi_epi8(a, b);
                const __m256i wp = _mm256_set1_epi32(pairWeights[j]);
                acc0 = _mm256_add_epi32(acc0, _mm256_madd_epi16(_mm256_unpacklo_epi8(lo, zero), wp));
                acc1 = _mm256_add_epi32(acc1, _mm256_madd_epi16(_mm256_unpackhi_epi8(lo, zero), wp));
                acc2 = _mm256_add_epi32(acc2, _mm256_madd_epi16(_mm256_unpacklo_epi8(hi, zero), wp));
                acc3 = _mm256_add_epi32(acc3, _mm256_madd_epi16(_mm256_unpackhi_epi8(hi, zero), wp));
            }
            acc0 = _mm256_srai_epi32(_mm256_add_epi32(acc0, round), AxisWeights::kBits);
            acc1 = _mm256_srai_epi32(_mm256_add_epi32(acc1, round), AxisWeights::kBits);
            acc2 = _mm256_srai_epi32(_mm256_add_epi32(acc2, round), AxisWeights::kBits);
            acc3 = _mm256_srai_epi32(_mm256_add_epi32(acc3, round), AxisWeights::kBits);
            // The unpacks and packs work per 128-bit lane and undo each other,
            // so the bytes come back in their original order.
            __m256i v = _mm256_packus_epi16(_mm256_packs_epi32(acc0, acc1), _mm256_packs_epi32(acc2, acc3));
            if (job.mode == PixelMode::Opaque)
                v = _mm256_or_si256(v, opaque);
            else
                v = _mm256_min_epu8(v, _mm256_shuffle_epi8(v, alphaBytes));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), v);
        }
        // The last pixels of the row (fewer than 8).
        for (; x < bytes; x += 4) {
            std::int32_t acc[4] = {};
            for (int k = 0; k < n; ++k)
                for (int c = 0; c < 4; ++c)
                    acc[c] += w[k] * base[k * stride + x + c];
            std::uint8_t* o = out + x;
            for (int c = 0; c < 4; ++c)
                o[c] = toByte(acc[c]);
            if (job.mode == PixelMode::Opaque) {
                o[3] = 255;
            } else {
                for (int c = 0; c < 3; ++c)
                    o[c] = std::min(o[c], o[3]);
            }
        }
    }
}

} // namespace morvane::imaging::detail
