#include "library/ThumbnailLoader.h"

#include "common/Error.h"
#include "imaging/ImageIO.h"

#include <QThread>

#include <atomic>
#include <optional>
#include <thread>

namespace morvane {

namespace {

std::optional<LoadedThumbnail> loadOne(const QString& path, int minSide,
                                       const std::function<bool(const QString&)>& keep)
{
    if (keep && !keep(path))
        return std::nullopt;
    LoadedThumbnail result{path, {}};
    try {
        imaging::ReadOptions options;
        options.minSide = minSide;
        result.image = imaging::readImage(path, options);
    } catch (const Error&) {
    } catch (const std::bad_alloc&) {
    }
    return result;
}

} // namespace

std::vector<LoadedThumbnail> loadThumbnails(const QStringList& paths, int minSide, int threads,
                                            const std::function<bool(const QString&)>& keep)
{
    const int count = static_cast<int>(paths.size());
    std::vector<std::optional<LoadedThumbnail>> results(count);
    if (threads <= 0)
        threads = qMax(1, QThread::idealThreadCount());
    threads = qMin(threads, qMax(1, count));

    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < count; i = next++)
            results[i] = loadOne(paths[i], minSide, keep);
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();

    std::vector<LoadedThumbnail> loaded;
    loaded.reserve(count);
    for (auto& result : results) {
        if (result)
            loaded.push_back(std::move(*result));
    }
    return loaded;
}

} // namespace morvane
