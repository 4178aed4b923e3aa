// Fitting a camera photo (6000 x 4000, RGB32) to the canvas width of 1600:
// Lanczos 3 on one and on two threads, the portable path for comparison, and
// Qt's own smooth scaling of the same picture for reference.
#include "imaging/Resample.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QRandomGenerator>

namespace {

using namespace morvane::imaging;

const QSize kTarget(1600, 1067);

// Gradients with noise, so nothing is flat and nothing can be skipped.
const QImage& photo()
{
    static const QImage image = [] {
        QImage img(6000, 4000, QImage::Format_RGB32);
        QRandomGenerator random(11);
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const int noise = static_cast<int>(random.bounded(32u));
                line[x] = qRgb((x * 255 / img.width() + noise) & 0xff, (y * 255 / img.height() + noise) & 0xff,
                               ((x + 2 * y) / 37 + noise) & 0xff);
            }
        }
        return img;
    }();
    return image;
}

void lanczos(benchmark::State& state, int threads, detail::Kernel kernel)
{
    const QImage& src = photo();
    if (kernel == detail::Kernel::Avx2 && !detail::avx2Available()) {
        state.SkipWithError("no AVX2 on this processor");
        return;
    }
    for (auto _ : state) {
        QImage out = detail::resampleLanczos3(src, kTarget, threads, kernel);
        if (out.size() != kTarget)
            state.SkipWithError("wrong output size");
        benchmark::DoNotOptimize(out.constBits());
    }
}

void BM_Lanczos3OneThread(benchmark::State& state) { lanczos(state, 1, detail::Kernel::Auto); }
void BM_Lanczos3TwoThreads(benchmark::State& state) { lanczos(state, 2, detail::Kernel::Auto); }
void BM_Lanczos3PortableOneThread(benchmark::State& state) { lanczos(state, 1, detail::Kernel::Portable); }

void BM_QtSmoothScaled(benchmark::State& state)
{
    const QImage& src = photo();
    for (auto _ : state) {
        QImage out = src.scaled(kTarget, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(out.constBits());
    }
}

void BM_Nearest(benchmark::State& state)
{
    const QImage& src = photo();
    for (auto _ : state) {
        QImage out = resampleNearest(src, kTarget);
        benchmark::DoNotOptimize(out.constBits());
    }
}

} // namespace

BENCHMARK(BM_Lanczos3OneThread)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Lanczos3TwoThreads)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Lanczos3PortableOneThread)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_QtSmoothScaled)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Nearest)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK_MAIN();
