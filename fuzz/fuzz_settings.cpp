// The settings file reader and writer on arbitrary file content: every key
// reads, a write keeps the file readable and the written value reads back.
#include "common/Error.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("morvane2010.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qsizetype(size));
    }
    const morvane::SettingsFile settings(path);
    for (const char* key : {"Version", "ThumbsSize", "PercColorMix", "IntensityMakeUp", "StylesButton",
                            "TypeButton", "AutoTime", "SalonName", "Language"})
        (void)settings.read(QString::fromLatin1(key));
    try {
        settings.write(QStringLiteral("SalonName"), QStringLiteral("Fuzz Salon"));
        if (settings.read(QStringLiteral("SalonName")) != QStringLiteral("Fuzz Salon"))
            std::abort();
    } catch (const morvane::Error&) {
    }
    return 0;
}
