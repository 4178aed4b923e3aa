#pragma once

// Shared pieces of the benchmark programs.

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <random>

namespace morvane::bench {

// A photo-like picture: soft gradients and broad shapes with sensor-like
// noise on top, so codecs and filters have real work to do.
inline QImage photoLikeImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 rng(2010);
    std::uniform_int_distribution<int> noise(-10, 10);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int fy = (y * 255) / height;
        for (int x = 0; x < width; ++x) {
            const int fx = (x * 255) / width;
            const int wave = ((x / 37 + y / 53) % 7) * 9;
            const int n = noise(rng);
            line[x] = qRgb(qBound(0, fx / 2 + 60 + wave + n, 255),
                           qBound(0, fy / 2 + 50 + (wave ^ 24) + n, 255),
                           qBound(0, (fx + fy) / 3 + 40 + n, 255));
        }
    }
    return image;
}

// main() of a benchmark that needs a QApplication (offscreen); `setUp`
// runs once before the benchmarks, e.g. to make fixtures outside the timing.
inline int runWithApplication(int argc, char** argv, const std::function<void()>& setUp = {})
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (setUp)
        setUp();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace morvane::bench
