#include "canvas/Composition.h"
#include "common/Error.h"
#include "common/SafeFile.h"
#include "gallery/GalleryFolder.h"
#include "gallery/HiddenText.h"
#include "gallery/LayerFile.h"
#include "imaging/ImageIO.h"
#include "support/TempContent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace morvane;
using morvane::test::TempContent;

namespace {

const QString kPerson = QStringLiteral("Ana");

void touch(const TempContent& content, const QString& name, const QByteArray& bytes = "x")
{
    content.writeFile(QStringLiteral("Gallery/Ana/") + name, bytes);
}

QStringList entries(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

} // namespace

class TestGalleryFolder : public QObject {
    Q_OBJECT
private slots:
    void theItemNumberNeverBelongsToAnExistingItem_data();
    void theItemNumberNeverBelongsToAnExistingItem();
    void aSavedPictureLeavesEarlierItemsAlone();
    void anItemIsALayerFileAndAMarkedPicture();
    void aPictureThatCannotBeWrittenLeavesNoHalfItem();
    void folderCreation_data();
    void folderCreation();
    void deletingItemsTakesTheirLayerFiles();
};

void TestGalleryFolder::theItemNumberNeverBelongsToAnExistingItem_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("number");
    QTest::newRow("empty folder") << QStringList{} << 0 << 1;
    QTest::newRow("three items") << QStringList{"1.png", "1.lyr", "2.png", "2.lyr", "3.png"} << 3 << 4;
    QTest::newRow("a gap in the middle") << QStringList{"1.png", "2.png", "4.png", "4.lyr"} << 3 << 5;
    QTest::newRow("a layer file left alone") << QStringList{"1.png", "2.lyr"} << 1 << 3;
    QTest::newRow("letter case of a copied item") << QStringList{"1.png", "2.PNG"} << 1 << 3;
    QTest::newRow("several taken in a row") << QStringList{"2.png", "3.png", "4.png", "6.png"} << 1 << 5;
}

void TestGalleryFolder::theItemNumberNeverBelongsToAnExistingItem()
{
    QFETCH(QStringList, files);
    QFETCH(int, listed);
    QFETCH(int, number);
    TempContent content;
    QDir().mkdir(content.paths().personFolder(kPerson));
    for (const QString& file : files)
        touch(content, file);
    QCOMPARE(GalleryFolder(content.paths(), kPerson).nextItemNumber(listed), number);
}

void TestGalleryFolder::aSavedPictureLeavesEarlierItemsAlone()
{
    TempContent content;
    QDir().mkdir(content.paths().personFolder(kPerson));
    touch(content, QStringLiteral("1.png"));
    touch(content, QStringLiteral("3.png"), "third item");
    const GalleryFolder folder(content.paths(), kPerson);
    // Item 2 was deleted: two are listed, so the count says 3, which is taken.
    const QString path = folder.savePicture(test::makePhotoImage(QSize(10, 8)), 2);
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("4.png"));
    QCOMPARE(imaging::readImage(path).size(), QSize(10, 8));
    QFile third(folder.picturePath(3));
    QVERIFY(third.open(QIODevice::ReadOnly));
    QCOMPARE(third.readAll(), QByteArray("third item"));
}

void TestGalleryFolder::anItemIsALayerFileAndAMarkedPicture()
{
    TempContent content;
    QDir().mkdir(content.paths().personFolder(kPerson));
    Composition canvas;
    canvas.photo().image = test::makePhotoImage(QSize(20, 16));
    canvas.addHairLayer();
    canvas.hair().image = test::makeHairImage(QSize(12, 10));
    const GalleryFolder folder(content.paths(), kPerson);
    const QString path = folder.saveItem(canvas, canvas.hair().image, QStringLiteral("1.1-12*10$/p.jpg"), 0);

    QCOMPARE(entries(folder.path()), (QStringList{"1.lyr", "1.png"}));
    QCOMPARE(path, folder.picturePath(1));
    const QImage picture = imaging::readImage(path);
    QCOMPARE(picture.size(), QSize(12, 10));
    QCOMPARE(HiddenText::read(picture), QByteArray("1.1-12*10$/p.jpg"));
    QCOMPARE(int(LayerFile::load(folder.layerFilePath(1)).layers.size()), 2);
}

void TestGalleryFolder::aPictureThatCannotBeWrittenLeavesNoHalfItem()
{
    TempContent content;
    QDir().mkdir(content.paths().personFolder(kPerson));
    Composition canvas;
    canvas.photo().image = test::makePhotoImage(QSize(20, 16));
    setBeforeCommitHookForTesting([](const QString& path) {
        if (path.endsWith(QStringLiteral(".png")))
            throw Error(QStringLiteral("Unable to write to ") + path);
    });
    const GalleryFolder folder(content.paths(), kPerson);
    QVERIFY_THROWS_EXCEPTION(Error, folder.saveItem(canvas, canvas.photo().image, QString(), 0));
    setBeforeCommitHookForTesting({});
    QCOMPARE(entries(folder.path()), QStringList());
}

void TestGalleryFolder::folderCreation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("result"); // "created", "exists" or "refused"
    QTest::addColumn<QString>("madeFolder"); // relative to the content root
    QTest::newRow("new") << "Maria" << "created" << "Gallery/Maria";
    QTest::newRow("exists") << "Ana" << "exists" << "";
    QTest::newRow("exists in another letter case") << "ana" << "exists" << "";
    QTest::newRow("empty name: the Gallery folder itself") << "" << "exists" << "";
    QTest::newRow("nested under an existing folder") << "Ana/2010" << "created" << "Gallery/Ana/2010";
    QTest::newRow("nested under a missing folder") << "Bia/2010" << "refused" << "";
    QTest::newRow("leaving the gallery") << "../Maria" << "refused" << "";
    QTest::newRow("leaving it further in") << "Ana/../../Maria" << "refused" << "";
    QTest::newRow("an absolute path") << "/tmp/morvane-gallery-escape" << "refused" << "";
}

void TestGalleryFolder::folderCreation()
{
    QFETCH(QString, name);
    QFETCH(QString, result);
    QFETCH(QString, madeFolder);
    TempContent content;
    QDir().mkdir(content.paths().personFolder(kPerson));
    const QStringList before = entries(content.root());
    try {
        const GalleryFolder::Creation creation = GalleryFolder::create(content.paths(), name);
        QCOMPARE(creation == GalleryFolder::Creation::Created ? QStringLiteral("created")
                                                              : QStringLiteral("exists"),
                 result);
    } catch (const Error& error) {
        QCOMPARE(QStringLiteral("refused"), result);
        QCOMPARE(error.message(), QStringLiteral("Cannot create the folder ") + name);
    }
    if (!madeFolder.isEmpty())
        QVERIFY(QFileInfo(content.root() + madeFolder).isDir());
    QCOMPARE(entries(content.root()), before);
    QCOMPARE(entries(content.paths().galleryFolder()),
             result == QLatin1String("created") && !name.contains(QLatin1Char('/'))
                 ? (QStringList{"Ana", name})
                 : QStringList{"Ana"});
    QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/morvane-gallery-escape")));
}

void TestGalleryFolder::deletingItemsTakesTheirLayerFiles()
{
    TempContent content;
    for (const char* name : {"1.png", "1.lyr", "2.png", "3.png", "3.lyr", "3.jpg", "notes.txt"})
        touch(content, QLatin1String(name));
    const GalleryFolder folder(content.paths(), kPerson);
    GalleryFolder::deleteItems({folder.picturePath(1), folder.picturePath(2)});
    QCOMPARE(entries(folder.path()), (QStringList{"3.jpg", "3.lyr", "3.png", "notes.txt"}));
    QVERIFY(!folder.removeFolder());
    GalleryFolder::deleteItems({folder.picturePath(3)});
    QFile::remove(folder.path() + QStringLiteral("/3.jpg"));
    QFile::remove(folder.path() + QStringLiteral("/notes.txt"));
    QVERIFY(folder.removeFolder());
    QVERIFY(!QFileInfo::exists(folder.path()));
}

QTEST_GUILESS_MAIN(TestGalleryFolder)
#include "tst_galleryfolder.moc"
