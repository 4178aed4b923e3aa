#include "common/Error.h"
#include "library/CameraImport.h"
#include "platform/RemovableVolumes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

class FakeVolumes : public VolumeProvider {
public:
    std::vector<Volume> list;
    std::vector<Volume> volumes() const override { return list; }
};

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CameraImportTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString folder(const QString& name) const
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }

private slots:
    void scan_data()
    {
        QTest::addColumn<QStringList>("roots");      // "name:r" removable, "name:f" fixed
        QTest::addColumn<QStringList>("withDcim");
        QTest::addColumn<QString>("found");          // empty: the message
        QTest::newRow("only fixed volumes") << QStringList{"root:f", "home:f"} << QStringList{"root"} << "";
        QTest::newRow("camera after fixed")
            << QStringList{"root:f", "card:r"} << QStringList{"card"} << "card/DCIM";
        QTest::newRow("first removable without DCIM stops the search")
            << QStringList{"reader:r", "camera:r"} << QStringList{"camera"} << "";
        QTest::newRow("lower-case dcim") << QStringList{"stick:r"} << QStringList{"stick:lower"} << "stick/dcim";
    }

    void scan()
    {
        QFETCH(QStringList, roots);
        QFETCH(QStringList, withDcim);
        QFETCH(QString, found);
        QTemporaryDir tree;
        FakeVolumes volumes;
        for (const QString& root : roots) {
            const QString name = root.section(QLatin1Char(':'), 0, 0);
            QDir().mkpath(tree.filePath(name));
            volumes.list.push_back({tree.filePath(name), root.endsWith(QLatin1String(":r"))});
        }
        for (const QString& entry : withDcim) {
            const bool lower = entry.endsWith(QLatin1String(":lower"));
            QDir().mkpath(tree.filePath(entry.section(QLatin1Char(':'), 0, 0) + (lower ? "/dcim" : "/DCIM")));
        }
        const auto folder = findCameraFolder(volumes);
        if (found.isEmpty())
            QVERIFY(!folder);
        else
            QCOMPARE(folder.value_or(QString()), tree.filePath(found));
    }

    void repeatedTransfersNeverOverwrite()
    {
        const QString camera = folder(QStringLiteral("camera/DCIM"));
        const QString photos = folder(QStringLiteral("Photos"));
        const QString source = camera + QStringLiteral("/IMG_0042.JPG");
        writeBytes(source, QByteArray("\xff\xd8 camera bytes \x00\x01", 18));

        QStringList made;
        for (int i = 0; i < 3; ++i)
            made.append(QFileInfo(transferPhoto(source, photos)).fileName());
        QCOMPARE(made, (QStringList{"IMG_0042.JPG", "IMG_0042 (2).JPG", "IMG_0042 (3).JPG"}));
        for (const QString& name : made)
            QCOMPARE(readBytes(photos + QLatin1Char('/') + name), readBytes(source));
        QCOMPARE(QDir(photos).entryList(QDir::Files).size(), 3);
    }

    void namesKeepTheExtension_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::newRow("free") << QStringList{} << "a.jpg" << "a.jpg";
        QTest::newRow("taken") << QStringList{"a.jpg"} << "a.jpg" << "a (2).jpg";
        QTest::newRow("gap filled") << QStringList{"a.jpg", "a (3).jpg"} << "a.jpg" << "a (2).jpg";
        QTest::newRow("two dots") << QStringList{"holiday.2024.jpeg"} << "holiday.2024.jpeg"
                                  << "holiday.2024 (2).jpeg";
        QTest::newRow("no extension") << QStringList{"photo"} << "photo" << "photo (2)";
    }

    void namesKeepTheExtension()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, name);
        QFETCH(QString, target);
        QTemporaryDir photos;
        for (const QString& file : existing)
            writeBytes(photos.filePath(file), "x");
        QCOMPARE(QFileInfo(transferTarget(photos.path(), name)).fileName(), target);
    }

    void fileErrors()
    {
        const QString photos = folder(QStringLiteral("Photos2"));
        const QString missing = m_dir.filePath(QStringLiteral("gone/IMG_1.JPG"));
        try {
            transferPhoto(missing, photos);
            QFAIL("no error");
        } catch (const Error& error) {
            QCOMPARE(error.message(),
                     QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing));
        }

        const QString source = folder(QStringLiteral("cam")) + QStringLiteral("/IMG_2.JPG");
        writeBytes(source, "bytes");
        const QString noPhotos = m_dir.filePath(QStringLiteral("NoPhotos"));
        try {
            transferPhoto(source, noPhotos);
            QFAIL("no error");
        } catch (const Error& error) {
            QVERIFY2(error.message().startsWith(
                         QStringLiteral("Cannot create file \"%1/IMG_2.JPG\". ").arg(noPhotos)),
                     qPrintable(error.message()));
        }
        QVERIFY(!QFileInfo::exists(noPhotos));
    }

    void systemVolumesAreListedInOrder()
    {
        const auto volumes = SystemVolumeProvider().volumes();
        QVERIFY(!volumes.empty());
        for (std::size_t i = 1; i < volumes.size(); ++i)
            QVERIFY(volumes[i - 1].rootPath <= volumes[i].rootPath);
    }
};

QTEST_GUILESS_MAIN(CameraImportTest)
#include "tst_cameraimport.moc"
