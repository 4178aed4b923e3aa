#include "DemoContent.h"

#include "common/Error.h"
#include "imaging/JpegCodec.h"
#include "imaging/PngCodec.h"
#include "library/ContentPaths.h"
#include "library/HairTypes.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace morvane;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}

} // namespace

// The generator runs once on a temporary tree (it draws a few hundred
// pictures); the checks then look at what it laid down.
class TestMakeDemo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFolderExists();
    void hairstylesAreNumberedWithoutGaps();
    void hairstylesHaveSoftAlphaAndAnOpenFace();
    void lightAndDarkTypesDiffer();
    void everyStyles6HairstyleHasASidePicture();
    void photosAreJpegPortraits();
    void settingsFileHasNineKeys();
    void staticFilesAreCopied();
    void secondRunKeepsWhatExistsAndRestoresWhatIsMissing();
    void missingStaticFolderIsAnError();

private:
    QTemporaryDir m_program;
    QTemporaryDir m_static;
    demo::GenerationResult m_first;
};

void TestMakeDemo::initTestCase()
{
    QVERIFY(m_program.isValid() && m_static.isValid());
    writeAll(m_static.filePath(QStringLiteral("Morvane2010.html")), "<html>help</html>");
    QVERIFY(QDir(m_static.path()).mkpath(QStringLiteral("extra")));
    writeAll(m_static.filePath(QStringLiteral("extra/note.txt")), "note");
    m_first = demo::generateDemoContent(m_program.path(), m_static.path());
    QVERIFY(m_first.written > 0);
    QCOMPARE(m_first.kept, 0);
}

void TestMakeDemo::everyFolderExists()
{
    const ContentPaths paths(m_program.path());
    QStringList folders{paths.photosFolder(), paths.galleryFolder(), paths.previewFolder(),
                        paths.tempFolder()};
    for (const QString& group : styleGroupNames())
        for (const QString& type : hairTypeNames())
            folders << paths.hairTypeFolder(group, type);
    for (const QString& type : hairTypeNames())
        folders << QFileInfo(paths.sidePictureFile(type, 1)).path();
    for (const QString& folder : folders)
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
}

void TestMakeDemo::hairstylesAreNumberedWithoutGaps()
{
    const ContentPaths paths(m_program.path());
    for (int g = 0; g < styleGroupNames().size(); ++g) {
        for (int t = 0; t < hairTypeNames().size(); ++t) {
            const QString folder = paths.hairTypeFolder(styleGroupNames()[g], hairTypeNames()[t]);
            const QStringList files = QDir(folder).entryList(QDir::Files);
            const int count = demo::demoHairstyleCount(g, t);
            QVERIFY2(count >= (g == 6 && t == 0 ? 12 : 3), qPrintable(folder));
            QCOMPARE(files.size(), count);
            for (int n = 1; n <= count; ++n)
                QVERIFY2(files.contains(QString::number(n) + QStringLiteral(".PNG")),
                         qPrintable(folder + QStringLiteral(": ") + QString::number(n)));
        }
    }
}

void TestMakeDemo::hairstylesHaveSoftAlphaAndAnOpenFace()
{
    const ContentPaths paths(m_program.path());
    for (const QString& group : styleGroupNames()) {
        for (const QString& type : hairTypeNames()) {
            const QString file = paths.hairstyleFile(group, type, 1);
            const QImage image = imaging::decodePng(readAll(file), file);
            QVERIFY2(image.hasAlphaChannel(), qPrintable(file));
            QVERIFY2(image.width() >= 250 && image.width() <= 640, qPrintable(file));
            int clear = 0, partial = 0, solid = 0;
            for (int y = 0; y < image.height(); y += 2) {
                const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = 0; x < image.width(); x += 2) {
                    const int a = qAlpha(row[x]);
                    (a == 0 ? clear : a == 255 ? solid : partial)++;
                }
            }
            const int total = clear + partial + solid;
            QVERIFY2(solid > total / 8, qPrintable(file));
            QVERIFY2(partial > total / 200, qPrintable(file)); // soft edges, not cut-outs
            // The face: the lowest quarter of the middle column (below any
            // fringe) is open down to the bottom edge.
            const int x = image.width() / 2;
            const int from = image.height() * 3 / 4;
            int open = 0;
            for (int y = from; y < image.height(); ++y)
                if (qAlpha(image.pixel(x, y)) == 0)
                    ++open;
            QVERIFY2(open > (image.height() - from) * 9 / 10, qPrintable(file));
        }
    }
}

void TestMakeDemo::lightAndDarkTypesDiffer()
{
    const ContentPaths paths(m_program.path());
    auto meanLightness = [&](const QString& type) {
        double sum = 0;
        qint64 count = 0;
        for (int n = 1; n <= 3; ++n) {
            const QString file = paths.hairstyleFile(QStringLiteral("Styles1"), type, n);
            const QImage image = imaging::decodePng(readAll(file), file);
            for (int y = 0; y < image.height(); y += 3)
                for (int x = 0; x < image.width(); x += 3) {
                    const QRgb p = image.pixel(x, y);
                    if (qAlpha(p) == 255) {
                        sum += qGray(p);
                        ++count;
                    }
                }
        }
        return count ? sum / count : 0.0;
    };
    for (const auto& [light, dark] :
         {std::pair{"Short and Light", "Short and Dark"}, std::pair{"Medium and Light", "Medium and Dark"},
          std::pair{"Long and Light", "Long and Dark"}}) {
        const double l = meanLightness(QString::fromLatin1(light));
        const double d = meanLightness(QString::fromLatin1(dark));
        QVERIFY2(l > 85 && d < 70, qPrintable(QStringLiteral("%1 / %2").arg(l).arg(d)));
    }
}

void TestMakeDemo::everyStyles6HairstyleHasASidePicture()
{
    const ContentPaths paths(m_program.path());
    const QString group = QStringLiteral("Styles6");
    for (const QString& type : hairTypeNames()) {
        const int count = demo::demoHairstyleCount(styleGroupNames().indexOf(group),
                                                   hairTypeNames().indexOf(type));
        QCOMPARE(QDir(QFileInfo(paths.sidePictureFile(type, 1)).path()).entryList(QDir::Files).size(),
                 count);
        for (int n = 1; n <= count; ++n) {
            QVERIFY(QFileInfo::exists(paths.hairstyleFile(group, type, n)));
            const QString side = paths.sidePictureFile(type, n);
            QCOMPARE(imaging::decodeJpeg(readAll(side), side).size(), QSize(300, 400));
        }
    }
}

void TestMakeDemo::photosAreJpegPortraits()
{
    const ContentPaths paths(m_program.path());
    const QDir photos(paths.photosFolder());
    const QStringList files = photos.entryList(QDir::Files);
    QVERIFY(files.size() >= 4);
    bool large = false;
    for (const QString& name : files) {
        const QString file = photos.filePath(name);
        const QByteArray data = readAll(file);
        const QSize size = imaging::jpegSize(data, file);
        large = large || (size.width() >= 4000 && size.height() >= 3000);
        // A studio portrait: the backdrop in the corner is plain, the middle
        // (the face) is not the backdrop.
        const QImage image = imaging::decodeJpeg(data, file, 400);
        const QRgb corner = image.pixel(4, 4);
        const QRgb face = image.pixel(image.width() / 2, image.height() * 2 / 5);
        QVERIFY2(qAbs(qRed(corner) - qRed(face)) + qAbs(qGreen(corner) - qGreen(face))
                         + qAbs(qBlue(corner) - qBlue(face))
                     > 40,
                 qPrintable(file));
    }
    QVERIFY(large);
}

void TestMakeDemo::settingsFileHasNineKeys()
{
    const ContentPaths paths(m_program.path());
    const QByteArray text = readAll(paths.settingsFile());
    QCOMPARE(text.count("\r\n"), 10);
    QCOMPARE(text.count('\n'), 10);
    const SettingsFile settings(paths.settingsFile());
    const QStringList keys{QStringLiteral("Version"),      QStringLiteral("ThumbsSize"),
                           QStringLiteral("PercColorMix"), QStringLiteral("IntensityMakeUp"),
                           QStringLiteral("StylesButton"), QStringLiteral("TypeButton"),
                           QStringLiteral("AutoTime"),     QStringLiteral("SalonName"),
                           QStringLiteral("Language")};
    for (const QString& key : keys)
        QVERIFY2(!settings.read(key).isEmpty(), qPrintable(key));
    QCOMPARE(settings.read(QStringLiteral("ThumbsSize")), QStringLiteral("185"));
    QCOMPARE(settings.read(QStringLiteral("StylesButton")), QStringLiteral("Styles7"));
    QCOMPARE(settings.read(QStringLiteral("TypeButton")), QStringLiteral("Short and Light"));
    QCOMPARE(settings.read(QStringLiteral("Language")), QStringLiteral("EN"));
}

void TestMakeDemo::staticFilesAreCopied()
{
    const ContentPaths paths(m_program.path());
    QCOMPARE(readAll(paths.helpFile()), QByteArray("<html>help</html>"));
    QCOMPARE(readAll(paths.root() + QStringLiteral("extra/note.txt")), QByteArray("note"));
}

void TestMakeDemo::secondRunKeepsWhatExistsAndRestoresWhatIsMissing()
{
    const ContentPaths paths(m_program.path());
    const QByteArray edited = "[Morvane 2010]\r\nSalonName=Mine\r\n";
    writeAll(paths.settingsFile(), edited);
    writeAll(paths.helpFile(), "changed");
    const QString photo = paths.photosFolder() + QStringLiteral("/Anna.jpg");
    QVERIFY(QFile::exists(photo));
    writeAll(photo, "the user's own file");

    const QString removed = paths.hairstyleFile(QStringLiteral("Styles3"), QStringLiteral("Long and Dark"), 2);
    const QByteArray original = readAll(removed);
    QVERIFY(QFile::remove(removed));
    // A hairstyle saved with a lower-case extension counts as present.
    const QString lower = paths.hairTypeFolder(QStringLiteral("User"), QStringLiteral("For Men"))
        + QStringLiteral("/1.png");
    QVERIFY(QFile::rename(paths.hairstyleFile(QStringLiteral("User"), QStringLiteral("For Men"), 1), lower));

    const demo::GenerationResult second = demo::generateDemoContent(m_program.path(), m_static.path());
    QCOMPARE(second.written, 1);
    QCOMPARE(second.kept, m_first.written - 1);
    QCOMPARE(readAll(paths.settingsFile()), edited);
    QCOMPARE(readAll(paths.helpFile()), QByteArray("changed"));
    QCOMPARE(readAll(photo), QByteArray("the user's own file"));
    QVERIFY(!QFileInfo::exists(paths.hairstyleFile(QStringLiteral("User"), QStringLiteral("For Men"), 1)));
    // Drawn again from the same seed, byte for byte.
    QCOMPARE(readAll(removed), original);
}

void TestMakeDemo::missingStaticFolderIsAnError()
{
    QTemporaryDir program;
    try {
        demo::generateDemoContent(program.path(), program.filePath(QStringLiteral("nowhere")));
        QFAIL("no error");
    } catch (const Error& error) {
        QVERIFY2(error.message().contains(QStringLiteral("nowhere")), qPrintable(error.message()));
    }
}

QTEST_MAIN(TestMakeDemo)
#include "tst_makedemo.moc"
