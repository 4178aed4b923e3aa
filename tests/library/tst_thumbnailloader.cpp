#include "imaging/ImageIO.h"
#include "imaging/PngCodec.h"
#include "library/HairstyleCatalogue.h"
#include "library/ThumbnailLoader.h"
#include "support/TempContent.h"

#include <QFileInfo>
#include <QTest>

using namespace morvane;

class ThumbnailLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void photoFolderKeepsOnlyVerifiedPictures()
    {
        test::TempContent content;
        content.addPhoto(QStringLiteral("ana.jpg"));
        content.addPhoto(QStringLiteral("bia.JPG"));
        content.writeFile(QStringLiteral("Photos/photo.jpg"), imaging::encodePng(test::makeHairImage({8, 8})));
        content.writeFile(QStringLiteral("Photos/notes.txt"), "not a picture");
        content.writeFile(QStringLiteral("Photos/.hidden.jpg"), imaging::encodeJpeg(test::makePhotoImage({8, 8})));
        content.writeFile(QStringLiteral("Photos/broken.jpg"), "\xff\xd8\xff\xe0 truncated");

        const QStringList candidates = listPhotoCandidates(content.paths().photosFolder());
        const auto loaded = loadThumbnails(candidates, 90, 2, &imaging::verifyFormat);
        QStringList names;
        for (const LoadedThumbnail& thumbnail : loaded) {
            names.append(QFileInfo(thumbnail.path).fileName());
            QVERIFY(!thumbnail.image.isNull());
        }
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("ana.jpg"), QStringLiteral("bia.JPG")}));
    }

    void orderKeptAndFailuresGivePlaceholders()
    {
        test::TempContent content;
        const QString group = QStringLiteral("Styles7");
        const QString type = QStringLiteral("Short and Light");
        QStringList paths;
        for (int n = 1; n <= 9; ++n) {
            content.addHairstyle(group, type, n, QSize(10 + n, 20));
            paths.append(content.paths().hairstyleFile(group, type, n));
        }
        content.writeFile(QStringLiteral("Styles7/Short and Light/10.PNG"), "\x89PNG\r\n\x1a\n broken");
        paths.append(content.paths().hairstyleFile(group, type, 10));

        const auto loaded = loadThumbnails(paths, 90, 2);
        QCOMPARE(loaded.size(), std::size_t(10));
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(loaded[i].path, paths[i]);
            QCOMPARE(loaded[i].image.width(), 11 + i);
        }
        QVERIFY(loaded[9].image.isNull());
    }

    void hairstyleSearchIgnoresCaseOfPngExtension()
    {
        test::TempContent content;
        const QString group = QStringLiteral("User");
        const QString type = QStringLiteral("For Men");
        content.addHairstyle(group, type, 1);
        imaging::writeImage(content.root() + QStringLiteral("User/For Men/7.png"), test::makeHairImage({4, 4}));
        content.writeFile(QStringLiteral("User/For Men/readme.txt"), "x");
        content.writeFile(QStringLiteral("User/For Men/3.JPG"), "x");
        QStringList names;
        for (const QString& path : listHairstyleFiles(content.paths(), group, type))
            names.append(QFileInfo(path).fileName());
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("1.PNG"), QStringLiteral("7.png")}));
        QVERIFY(listHairstyleFiles(content.paths(), QString(), type).isEmpty());
        QVERIFY(listHairstyleFiles(content.paths(), QStringLiteral("Styles9"), type).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ThumbnailLoaderTest)
#include "tst_thumbnailloader.moc"
