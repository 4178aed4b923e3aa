// Format verification and reading of a file of arbitrary content under
// each registered extension (the first byte picks the extension).
#include "common/Error.h"
#include "imaging/ImageIO.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    static const QStringList extensions{"png", "jpg", "jpeg", "bmp", "gif", "tif", "ico", "txt"};
    if (size == 0)
        return 0;
    const QString path = dir.filePath(QStringLiteral("input.") + extensions[data[0] % extensions.size()]);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    }
    if (morvane::imaging::verifyFormat(path)) {
        try {
            morvane::imaging::ReadOptions options;
            options.minSide = 90;
            (void)morvane::imaging::readImage(path, options);
        } catch (const morvane::Error&) {
        }
    }
    return 0;
}
