// Thumbnail decoding of a 24-megapixel camera photo: our DCT-scaled decode
// against a full decode plus downscale, and against libjpeg-turbo's own
// djpeg tool run as a child process (with a tiny file to show what starting
// the process costs, so the two can be compared fairly).

#include "imaging/ImageIO.h"
#include "imaging/JpegCodec.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace morvane::imaging;

constexpr int kThumbnailSide = 90;

struct Files {
    QTemporaryDir dir;
    QString photo;
    QString tiny;
    QByteArray photoData;
};

const Files& files()
{
    static Files* f = [] {
        auto* made = new Files;
        made->photo = made->dir.filePath(QStringLiteral("photo_6000x4000.jpg"));
        made->tiny = made->dir.filePath(QStringLiteral("tiny_8x8.jpg"));
        made->photoData = encodeJpeg(morvane::bench::photoLikeImage(6000, 4000), 90);
        writeImage(made->tiny, morvane::bench::photoLikeImage(8, 8), WriteOptions{90});
        QFile out(made->photo);
        if (!out.open(QIODevice::WriteOnly) || out.write(made->photoData) != made->photoData.size())
            std::abort();
        return made;
    }();
    return *f;
}

void BM_ReducedScaleDecode(benchmark::State& state)
{
    const QString path = files().photo;
    for (auto _ : state) {
        QImage thumb = readImage(path, ReadOptions{kThumbnailSide});
        benchmark::DoNotOptimize(thumb.constBits());
        if (thumb.width() != 750)
            state.SkipWithError("unexpected scale");
    }
    state.counters["file_MB"] = double(files().photoData.size()) / 1e6;
}
BENCHMARK(BM_ReducedScaleDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReducedScaleDecodeFromMemory(benchmark::State& state)
{
    const QByteArray data = files().photoData;
    for (auto _ : state) {
        QImage thumb = decodeJpeg(data, QStringLiteral("photo"), kThumbnailSide);
        benchmark::DoNotOptimize(thumb.constBits());
    }
}
BENCHMARK(BM_ReducedScaleDecodeFromMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FullDecodeThenDownscale(benchmark::State& state)
{
    const QString path = files().photo;
    for (auto _ : state) {
        const QImage full = readImage(path);
        QImage thumb = full.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation);
        benchmark::DoNotOptimize(thumb.constBits());
    }
}
BENCHMARK(BM_FullDecodeThenDownscale)->Unit(benchmark::kMillisecond)->UseRealTime();

struct ChildRun {
    double wallSeconds = -1;
    double cpuSeconds = 0; // user + system time of the child
};

double seconds(const timeval& t)
{
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

// One `djpeg -scale 1/8 -outfile /dev/null <file>` run.
ChildRun runDjpeg(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    char program[] = "djpeg";
    char scaleFlag[] = "-scale";
    char scale[] = "1/8";
    char outFlag[] = "-outfile";
    char devNull[] = "/dev/null";
    char* argv[] = {program, scaleFlag, scale, outFlag, devNull, const_cast<char*>(file.constData()), nullptr};
    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "djpeg", nullptr, nullptr, argv, environ) != 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return run;
    run.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return run;
}

void djpegBenchmark(benchmark::State& state, const QString& path)
{
    double childCpu = 0;
    for (auto _ : state) {
        const ChildRun run = runDjpeg(path);
        if (run.wallSeconds < 0) {
            state.SkipWithError("djpeg failed (is libjpeg-turbo-progs installed?)");
            break;
        }
        state.SetIterationTime(run.wallSeconds);
        childCpu += run.cpuSeconds;
    }
    // The "CPU" column only sees this process; this is the child's own time.
    state.counters["child_cpu_ms"] =
        benchmark::Counter(childCpu * 1e3, benchmark::Counter::kAvgIterations);
}

void BM_DjpegScale8(benchmark::State& state)
{
    djpegBenchmark(state, files().photo);
}
BENCHMARK(BM_DjpegScale8)->Unit(benchmark::kMillisecond)->UseManualTime();

// The same tool on an 8 x 8 file: nearly all of it is starting the process.
void BM_DjpegProcessStartTinyFile(benchmark::State& state)
{
    djpegBenchmark(state, files().tiny);
}
BENCHMARK(BM_DjpegProcessStartTinyFile)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
