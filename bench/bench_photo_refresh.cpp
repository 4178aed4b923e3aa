// Refreshing a photo folder of 20 camera pictures (6000 x 4000 JPEG) into
// thumbnails: verification plus reduced-scale decoding, on one and on two
// threads, against djpeg -scale 1/8 run over the same files one by one.
#include "imaging/ImageIO.h"
#include "imaging/JpegCodec.h"
#include "library/FolderListing.h"
#include "library/ThumbnailLoader.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <chrono>

namespace {

constexpr int kPhotos = 20;

struct Folder {
    QTemporaryDir dir;
    QStringList paths;

    Folder()
    {
        // One picture encoded once, copied under 20 names: the decoding cost is the same.
        const QByteArray jpeg = morvane::imaging::encodeJpeg(morvane::bench::photoLikeImage(6000, 4000), 90);
        for (int i = 0; i < kPhotos; ++i) {
            const QString path = dir.filePath(QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(jpeg);
            paths.append(path);
        }
    }
};

Folder& folder()
{
    static Folder instance;
    return instance;
}

void refresh(benchmark::State& state, int threads)
{
    Folder& f = folder();
    for (auto _ : state) {
        const QStringList names = morvane::listOrdinaryFiles(f.dir.path());
        QStringList paths;
        for (const QString& name : names)
            paths.append(morvane::joinPath(f.dir.path(), name));
        auto loaded = morvane::loadThumbnails(paths, 90, threads, &morvane::imaging::verifyFormat);
        if (loaded.size() != kPhotos || loaded.front().image.isNull())
            state.SkipWithError("refresh lost photos");
        benchmark::DoNotOptimize(loaded);
    }
}

void BM_RefreshOneThread(benchmark::State& state) { refresh(state, 1); }
void BM_RefreshTwoThreads(benchmark::State& state) { refresh(state, 2); }

void BM_DjpegScaleEighth(benchmark::State& state)
{
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty()) {
        state.SkipWithError("djpeg not installed");
        return;
    }
    Folder& f = folder();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const QString& path : f.paths) {
            QProcess process;
            process.start(djpeg, {QStringLiteral("-scale"), QStringLiteral("1/8"), QStringLiteral("-outfile"),
                                  QStringLiteral("/dev/null"), path});
            process.waitForFinished(-1);
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

} // namespace

BENCHMARK(BM_RefreshOneThread)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RefreshTwoThreads)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DjpegScaleEighth)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);
BENCHMARK_MAIN();
