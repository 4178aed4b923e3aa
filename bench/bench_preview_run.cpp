// The hairstyle preview run: 30 hairstyles of 800 x 1000 over a 1600 x 1200
// photo, each read, merged, scaled, trimmed and written as a preview picture
// on two threads. The goal is at most 1.5 s for the whole run. The single
// picture steps are measured apart: render, and the PNG write with the
// scratch setting against libpng's defaults.

#include "canvas/Composition.h"
#include "common/SafeFile.h"
#include "imaging/ImageIO.h"
#include "imaging/PngCodec.h"
#include "library/ContentPaths.h"
#include "previews/PreviewRender.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <ctime>
#include <memory>
#include <random>

namespace {

using namespace morvane;

const QString kGroup = QStringLiteral("Styles1");
const QString kType = QStringLiteral("Short and Light");
constexpr int kHairstyles = 30;

// A hairstyle-like picture: an opaque body with soft, noisy edges and
// transparent surroundings.
QImage hairstyleImage(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_ARGB32);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> noise(-12, 12);
    const double cx = width / 2.0;
    const double cy = height * 0.45;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double dx = (x - cx) / (width * 0.45);
            const double dy = (y - cy) / (height * 0.5);
            const double d = std::sqrt(dx * dx + dy * dy);
            const int alpha = d < 0.85 ? 255 : d < 1.0 ? int((1.0 - d) / 0.15 * 255) : 0;
            const int n = noise(rng);
            line[x] = qRgba(qBound(0, 110 + n + (y / 9) % 20, 255), qBound(0, 70 + n, 255),
                            qBound(0, 40 + n, 255), alpha);
        }
    }
    return image;
}

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<ContentPaths> paths;
    std::unique_ptr<Composition> composition;
    QImage picture; // one preview picture, for the write benchmarks

    Fixture()
    {
        paths = std::make_unique<ContentPaths>(dir.path());
        QDir().mkpath(paths->hairTypeFolder(kGroup, kType));
        QDir().mkpath(paths->previewFolder());
        for (int n = 1; n <= kHairstyles; ++n)
            imaging::writeImage(paths->hairstyleFile(kGroup, kType, n),
                                hairstyleImage(800, 1000, n));
        composition = std::make_unique<Composition>();
        composition->photo().image = bench::photoLikeImage(1600, 1200);
        composition->addHairLayer();
        composition->hair().image = hairstyleImage(800, 1000, 1);
        composition->hair().position = QPoint(400, 60);
        composition->setHairRatios(1.0, 1.0);
        picture = renderPreviewPicture(composition->photo(), composition->hair());
    }
};

Fixture* fixture = nullptr;

// Besides the wall time, the CPU time of every thread of the process per run:
// on a shared, busy machine the wall time overstates the run, while half the
// process CPU time is what two free cores need.
void BM_HairstylePreviewRun(benchmark::State& state)
{
    double cpuMs = 0.0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        clearPreviewFolder(*fixture->paths);
        const HairstylePreviews result = renderHairstylePreviews(
            *fixture->paths, kGroup, kType, kHairstyles, *fixture->composition, 2);
        if (result.lastNumber != kHairstyles || !result.failures.isEmpty())
            state.SkipWithError("the run left hairstyles out");
        cpuMs += double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC;
    }
    state.counters["process_cpu_ms"] = benchmark::Counter(cpuMs / double(state.iterations()));
}
BENCHMARK(BM_HairstylePreviewRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_RenderOnePicture(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            renderPreviewPicture(fixture->composition->photo(), fixture->composition->hair()));
}
BENCHMARK(BM_RenderOnePicture)->Unit(benchmark::kMillisecond);

void BM_ReadHairstyle(benchmark::State& state)
{
    const QString path = fixture->paths->hairstyleFile(kGroup, kType, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(imaging::readImage(path));
}
BENCHMARK(BM_ReadHairstyle)->Unit(benchmark::kMillisecond);

void BM_WritePicture(benchmark::State& state)
{
    const bool scratch = state.range(0) == 1;
    const QString path = fixture->paths->previewFile(999);
    for (auto _ : state) {
        if (scratch)
            writePreviewPicture(path, fixture->picture);
        else
            writeFileAtomically(path, imaging::encodePng(fixture->picture));
    }
    state.SetLabel(scratch ? "scratch setting" : "libpng defaults");
}
BENCHMARK(BM_WritePicture)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    Fixture* owned = nullptr;
    const int result = bench::runWithApplication(argc, argv, [&owned] {
        owned = new Fixture;
        fixture = owned;
    });
    delete owned;
    return result;
}
