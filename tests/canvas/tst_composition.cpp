#include "canvas/Composition.h"
#include "common/Error.h"

#include <QSignalSpy>
#include <QTest>

using morvane::Composition;
using morvane::Layer;

class TestComposition : public QObject {
    Q_OBJECT
private slots:
    void startsWithPhotoLayerOnly();
    void hairLayerIsAddedOnceAndNeverAThird();
    void newHairLayerIsBlankAtPhotoSize();
    void removeHairLayerResetsPhotoAttributes();
    void shownSizeZeroMeansImageSize_data();
    void shownSizeZeroMeansImageSize();
    void missingLayerIsAnError();
    void hairRatiosCarryScale_data();
    void hairRatiosCarryScale();
    void recomputeKeepsRatioWhenImageSizeIsZero();
    void snapshotsAreCopies();
};

void TestComposition::startsWithPhotoLayerOnly()
{
    Composition c;
    QCOMPARE(c.layerCount(), 1);
    QVERIFY(!c.hasHairLayer());
    QCOMPARE(c.currentLayer(), Composition::kPhotoLayer);
    QCOMPARE(c.backgroundColour(), QColor(0xAD, 0xD8, 0xE6));
    QVERIFY(!c.photo().image.isNull());
    QCOMPARE(c.photo().image.pixelColor(0, 0), QColor(0xAD, 0xD8, 0xE6));
    QCOMPARE(c.photo().position, QPoint(0, 0));
    QVERIFY(c.photo().visible);
    QVERIFY(c.photo().frame);
    QVERIFY(!c.photo().locked);
    QCOMPARE(c.hairWidthRatio(), 0.0);
    QCOMPARE(c.hairHeightRatio(), 0.0);
}

void TestComposition::hairLayerIsAddedOnceAndNeverAThird()
{
    Composition c;
    QSignalSpy spy(&c, &Composition::changed);
    c.addHairLayer();
    QCOMPARE(c.layerCount(), 2);
    QVERIFY(c.hasHairLayer());
    QCOMPARE(c.currentLayer(), Composition::kHairLayer);
    QVERIFY(spy.count() >= 1);

    // A second add keeps the existing hair layer (and its edits).
    c.hair().position = QPoint(12, 7);
    c.setCurrentLayer(Composition::kPhotoLayer);
    c.addHairLayer();
    QCOMPARE(c.layerCount(), 2);
    QCOMPARE(c.hair().position, QPoint(12, 7));
    QCOMPARE(c.currentLayer(), Composition::kHairLayer);

    c.removeHairLayer();
    QCOMPARE(c.layerCount(), 1);
    c.removeHairLayer();
    QCOMPARE(c.layerCount(), 1);
}

void TestComposition::newHairLayerIsBlankAtPhotoSize()
{
    Composition c;
    c.setBackgroundColour(QColor(10, 20, 30));
    c.photo().image = QImage(64, 48, QImage::Format_RGB32);
    c.photo().image.fill(Qt::red);
    c.addHairLayer();
    const Layer& hair = c.hair();
    QCOMPARE(hair.image.size(), QSize(64, 48));
    QCOMPARE(hair.image.format(), QImage::Format_ARGB32);
    QCOMPARE(hair.image.pixel(0, 0), qRgba(10, 20, 30, 255));
    QCOMPARE(hair.image.pixel(63, 47), qRgba(10, 20, 30, 255));
    QCOMPARE(hair.position, QPoint(0, 0));
    QVERIFY(hair.visible);
    QVERIFY(!hair.locked);
    QCOMPARE(hair.shownWidth, 0);
    QCOMPARE(hair.shownHeight, 0);
    QCOMPARE(hair.shownSize(), QSize(64, 48));
}

void TestComposition::removeHairLayerResetsPhotoAttributes()
{
    Composition c;
    c.photo().image = QImage(64, 48, QImage::Format_RGB32);
    c.addHairLayer();
    Layer& p = c.photo();
    p.position = QPoint(5, 6);
    p.shownWidth = 30;
    p.shownHeight = 20;
    p.visible = false;
    p.locked = true;
    p.frame = false;

    QSignalSpy spy(&c, &Composition::changed);
    c.removeHairLayer();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(c.layerCount(), 1);
    QCOMPARE(c.currentLayer(), Composition::kPhotoLayer);
    QCOMPARE(c.photo().position, QPoint(0, 0));
    QCOMPARE(c.photo().shownSize(), QSize(64, 48));
    QVERIFY(c.photo().visible);
    QVERIFY(!c.photo().locked);
    QVERIFY(c.photo().frame);

    c.clearPhotoImage();
    QCOMPARE(c.photo().image.size(), QSize(64, 48));
    QCOMPARE(c.photo().image.pixelColor(10, 10), c.backgroundColour());
}

void TestComposition::shownSizeZeroMeansImageSize_data()
{
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<int>("shownWidth");
    QTest::addColumn<int>("shownHeight");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("both own") << QSize(40, 50) << 0 << 0 << QSize(40, 50);
    QTest::newRow("width stretched") << QSize(40, 50) << 80 << 0 << QSize(80, 50);
    QTest::newRow("height stretched") << QSize(40, 50) << 0 << 25 << QSize(40, 25);
    QTest::newRow("both set") << QSize(40, 50) << 7 << 9 << QSize(7, 9);
    QTest::newRow("null image") << QSize() << 0 << 0 << QSize(0, 0);
}

void TestComposition::shownSizeZeroMeansImageSize()
{
    QFETCH(QSize, imageSize);
    QFETCH(int, shownWidth);
    QFETCH(int, shownHeight);
    QFETCH(QSize, expected);
    Layer layer;
    if (imageSize.isValid())
        layer.image = QImage(imageSize, QImage::Format_ARGB32);
    layer.position = QPoint(3, 4);
    layer.shownWidth = shownWidth;
    layer.shownHeight = shownHeight;
    QCOMPARE(layer.shownSize(), expected);
    QCOMPARE(layer.shownRect(), QRect(QPoint(3, 4), expected));
}

void TestComposition::missingLayerIsAnError()
{
    Composition c;
    QVERIFY_THROWS_EXCEPTION(morvane::Error, c.hair());
    QVERIFY_THROWS_EXCEPTION(morvane::Error, c.setCurrentLayer(Composition::kHairLayer));
    QVERIFY_THROWS_EXCEPTION(morvane::Error, c.layer(-1));
    c.addHairLayer();
    QVERIFY_THROWS_EXCEPTION(morvane::Error, c.layer(2));
}

void TestComposition::hairRatiosCarryScale_data()
{
    QTest::addColumn<double>("widthRatio");
    QTest::addColumn<double>("heightRatio");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("zero gives own size") << 0.0 << 0.0 << QSize(40, 50) << QSize(0, 0);
    QTest::newRow("one") << 1.0 << 1.0 << QSize(40, 50) << QSize(40, 50);
    QTest::newRow("half") << 0.5 << 0.5 << QSize(40, 50) << QSize(20, 25);
    // 0.5 x 45 = 22.5 -> 22 and 0.5 x 47 = 23.5 -> 24: halves go to even.
    QTest::newRow("halves to even") << 0.5 << 0.5 << QSize(45, 47) << QSize(22, 24);
}

void TestComposition::hairRatiosCarryScale()
{
    QFETCH(double, widthRatio);
    QFETCH(double, heightRatio);
    QFETCH(QSize, imageSize);
    QFETCH(QSize, expected);
    Composition c;
    c.setHairRatios(widthRatio, heightRatio);
    QCOMPARE(c.shownSizeForHairstyle(imageSize), expected);
}

void TestComposition::recomputeKeepsRatioWhenImageSizeIsZero()
{
    Composition c;
    c.recomputeHairRatios(); // no hair layer: nothing happens
    QCOMPARE(c.hairWidthRatio(), 0.0);

    c.photo().image = QImage(100, 100, QImage::Format_RGB32);
    c.addHairLayer();
    c.hair().image = QImage(40, 50, QImage::Format_ARGB32);
    c.setHairstyleImageSize(QSize(40, 50));
    c.hair().shownWidth = 20;
    c.hair().shownHeight = 100;
    c.recomputeHairRatios();
    QCOMPARE(c.hairWidthRatio(), 0.5);
    QCOMPARE(c.hairHeightRatio(), 2.0);

    c.setHairstyleImageSize(QSize(0, 0));
    c.recomputeHairRatios();
    QCOMPARE(c.hairWidthRatio(), 0.5);
    QCOMPARE(c.hairHeightRatio(), 2.0);
}

void TestComposition::snapshotsAreCopies()
{
    Composition c;
    c.photo().image = QImage(8, 8, QImage::Format_RGB32);
    c.photo().image.fill(Qt::green);
    c.addHairLayer();
    c.hair().image.fill(Qt::transparent);
    c.takeSnapshot(Composition::kPhotoLayer);
    c.takeSnapshot(Composition::kHairLayer);
    c.photo().image.fill(Qt::blue);
    c.hair().image.fill(Qt::red);
    QCOMPARE(c.photoSnapshot().pixelColor(1, 1), QColor(Qt::green));
    QCOMPARE(c.hairSnapshot().pixel(1, 1), qRgba(0, 0, 0, 0));
}

QTEST_GUILESS_MAIN(TestComposition)
#include "tst_composition.moc"
