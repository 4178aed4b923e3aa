#include "canvas/Composition.h"
#include "common/Error.h"
#include "common/SafeFile.h"
#include "gallery/LayerFile.h"
#include "imaging/ImageIO.h"
#include "library/CameraImport.h"
#include "previews/PreviewRender.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace morvane;

namespace {

using Writer = std::function<void(const QString& path)>;

QImage smallPicture()
{
    QImage image(16, 12, QImage::Format_ARGB32);
    image.fill(QColor(200, 120, 40, 180));
    return image;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Every kind of file the program writes keeps the earlier file whole when
// the write is interrupted just before the new file would take its place.
class TestInterruptedWrites : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setBeforeCommitHookForTesting({}); }
    void earlierFileSurvives_data();
    void earlierFileSurvives();
};

void TestInterruptedWrites::earlierFileSurvives_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<Writer>("write");

    QTest::newRow("Save As JPEG, paste file") << "paste.jpg" << Writer([](const QString& path) {
        imaging::writeImage(path, smallPicture().convertToFormat(QImage::Format_RGB32));
    });
    QTest::newRow("Save As PNG, gallery picture") << "1.png" << Writer([](const QString& path) {
        imaging::writeImage(path, smallPicture());
    });
    QTest::newRow("preview picture") << "3.png" << Writer([](const QString& path) {
        writePreviewPicture(path, smallPicture());
    });
    QTest::newRow("layer file") << "1.lyr" << Writer([](const QString& path) {
        Composition composition;
        composition.photo().image = smallPicture().convertToFormat(QImage::Format_RGB32);
        composition.addHairLayer();
        LayerFile::save(path, composition);
    });
    QTest::newRow("settings file") << "morvane2010.ini" << Writer([](const QString& path) {
        SettingsFile(path).write(QStringLiteral("SalonName"), QStringLiteral("Nova"));
    });
    QTest::newRow("camera copy") << "IMG_1.JPG" << Writer([](const QString& path) {
        // The copy lands beside the earlier file under a new name; that
        // name must not appear either.
        QTemporaryDir card;
        const QString source = card.filePath(QStringLiteral("IMG_1.JPG"));
        imaging::writeImage(source, smallPicture().convertToFormat(QImage::Format_RGB32));
        transferPhoto(source, QFileInfo(path).absolutePath());
    });
}

void TestInterruptedWrites::earlierFileSurvives()
{
    QFETCH(QString, fileName);
    QFETCH(Writer, write);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    const QByteArray earlier = "[Morvane 2010]\nSalonName=Earlier\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(earlier);
    file.close();

    setBeforeCommitHookForTesting([](const QString& target) {
        throw Error(QStringLiteral("Unable to write to ") + target);
    });
    QVERIFY_THROWS_EXCEPTION(Error, write(path));
    setBeforeCommitHookForTesting({});

    QCOMPARE(readAll(path), earlier);
    // Nothing else is left behind: no temporary file, no half copy.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});
}

QTEST_MAIN(TestInterruptedWrites)
#include "tst_interruptedwrites.moc"
