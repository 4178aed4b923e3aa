#include "DemoContent.h"

#include "HairPainter.h"
#include "PortraitPainter.h"

#include "common/Error.h"
#include "common/SafeFile.h"
#include "imaging/JpegCodec.h"
#include "imaging/PngCodec.h"
#include "library/ContentPaths.h"
#include "library/HairTypes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QtConcurrent/QtConcurrentMap>

#include <functional>
#include <vector>

namespace morvane::demo {

namespace {

constexpr int kStyles6 = 5;
constexpr int kStyles7 = 6;
constexpr int kPhotoQuality = 92;
constexpr int kSidePictureQuality = 90;

struct Job {
    QString path;
    std::function<QByteArray()> make;
};

bool existsIgnoringCase(const QString& path)
{
    return QFileInfo::exists(resolveIgnoringCase(path));
}

void makeFolder(const QString& path)
{
    const QString existing = resolveIgnoringCase(path);
    if (QFileInfo(existing).isDir())
        return;
    if (!QDir().mkpath(path))
        throw Error(QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(path)));
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open file \"%1\". %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Cannot read file \"%1\". %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return data;
}

} // namespace

int demoHairstyleCount(int groupIndex, int typeIndex)
{
    if (groupIndex == kStyles7)
        return typeIndex == 0 ? 12 : 5;
    return 3;
}

QByteArray demoSettingsText()
{
    const char* const lines[] = {
        "[Morvane 2010]",        "Version=1.0",
        "ThumbsSize=185",        "PercColorMix=30",
        "IntensityMakeUp=5",     "StylesButton=Styles7",
        "TypeButton=Short and Light", "AutoTime=2",
        "SalonName=Salon Aurelia Hair Studio", "Language=EN",
    };
    QByteArray text;
    for (const char* line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

GenerationResult generateDemoContent(const QString& programFolder, const QString& staticFolder)
{
    const ContentPaths paths(programFolder);
    const QStringList& groups = styleGroupNames();
    const QStringList& types = hairTypeNames();

    const QDir staticDir(staticFolder);
    if (!staticDir.exists())
        throw Error(QStringLiteral("The folder %1 does not exist")
                        .arg(QDir::toNativeSeparators(staticFolder)));

    makeFolder(paths.root());
    makeFolder(paths.photosFolder());
    for (const QString& group : groups)
        for (const QString& type : types)
            makeFolder(paths.hairTypeFolder(group, type));
    for (const QString& type : types)
        makeFolder(QFileInfo(paths.sidePictureFile(type, 1)).path());
    makeFolder(paths.galleryFolder());
    makeFolder(paths.previewFolder());
    makeFolder(paths.tempFolder());

    std::vector<Job> jobs;
    jobs.push_back({paths.settingsFile(), [] { return demoSettingsText(); }});

    for (const PortraitDesign& portrait : demoPortraits()) {
        jobs.push_back({paths.photosFolder() + QLatin1Char('/') + portrait.fileName, [portrait] {
                            return imaging::encodeJpeg(paintPortrait(portrait), kPhotoQuality,
                                                       portrait.fileName);
                        }});
    }
    for (int g = 0; g < int(groups.size()); ++g) {
        for (int t = 0; t < int(types.size()); ++t) {
            for (int n = 1; n <= demoHairstyleCount(g, t); ++n) {
                const QString file = paths.hairstyleFile(groups[g], types[t], n);
                jobs.push_back({file, [g, t, n, file] {
                                    imaging::PngOptions options;
                                    options.compressionLevel = 3;
                                    return imaging::encodePng(paintHairstyle(designHairstyle(g, t, n)),
                                                              options, file);
                                }});
                if (g == kStyles6) {
                    const QString side = paths.sidePictureFile(types[t], n);
                    jobs.push_back({side, [g, t, n, side] {
                                        return imaging::encodeJpeg(
                                            paintSidePicture(designHairstyle(g, t, n)),
                                            kSidePictureQuality, side);
                                    }});
                }
            }
        }
    }

    // Static files: every file under the static folder, at the same place
    // below the program folder.
    QDirIterator it(staticDir.absolutePath(), QDir::Files | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = staticDir.relativeFilePath(source);
        jobs.push_back({paths.root() + relative, [source] { return readWhole(source); }});
    }

    GenerationResult result;
    std::vector<Job*> missing;
    for (Job& job : jobs) {
        if (existsIgnoringCase(job.path))
            ++result.kept;
        else
            missing.push_back(&job);
    }

    // The pictures are drawn in parallel. Painting inside the pool's own
    // threads also keeps the raster engine from handing each fill to the
    // same pool, which costs more than it saves for many small shapes.
    QMutex mutex;
    QString firstError;
    QtConcurrent::blockingMap(missing, [&](Job* job) {
        try {
            makeFolder(QFileInfo(job->path).path());
            writeFileAtomically(job->path, job->make());
        } catch (const Error& error) {
            QMutexLocker lock(&mutex);
            if (firstError.isEmpty())
                firstError = error.message();
        } catch (const std::exception& error) {
            QMutexLocker lock(&mutex);
            if (firstError.isEmpty())
                firstError = QStringLiteral("Unable to write to %1: %2")
                                 .arg(QDir::toNativeSeparators(job->path),
                                      QString::fromLocal8Bit(error.what()));
        }
    });
    if (!firstError.isEmpty())
        throw Error(firstError);
    result.written = int(missing.size());
    return result;
}

} // namespace morvane::demo
