#include "canvas/Composition.h"
#include "colour/Recolour.h"

#include <QTest>

using namespace morvane;

namespace {

// A 4 x 2 hairstyle: opaque, half transparent and fully transparent pixels.
QImage hairFixture()
{
    QImage image(4, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 100, 50, 255));
    image.setPixel(1, 0, qRgba(10, 20, 30, 128));
    image.setPixel(2, 0, qRgba(255, 255, 255, 0));
    image.setPixel(3, 0, qRgba(0, 0, 0, 255));
    image.setPixel(0, 1, qRgba(101, 99, 1, 255));
    image.setPixel(1, 1, qRgba(100, 100, 100, 255));
    image.setPixel(2, 1, qRgba(37, 38, 39, 64));
    image.setPixel(3, 1, qRgba(250, 5, 128, 255));
    return image;
}

// The two-layer canvas with the fixture as the hair layer and its snapshot.
void placeHair(Composition& composition, const QImage& hair)
{
    QImage photo(8, 6, QImage::Format_RGB32);
    photo.fill(qRgb(90, 60, 30));
    composition.photo().image = photo;
    composition.takeSnapshot(Composition::kPhotoLayer);
    composition.addHairLayer();
    composition.hair().image = hair;
    composition.takeSnapshot(Composition::kHairLayer);
}

int expectedMix(int own, int flat, int level)
{
    // Reference: the exact fraction rounded to nearest, halves to even.
    const double value = (own * level + flat * (100 - level)) / 100.0;
    return qBound(0, int(std::nearbyint(value)), 255);
}

} // namespace

class TestRecolour : public QObject {
    Q_OBJECT
private slots:
    void mixesAtTheLevel_data();
    void mixesAtTheLevel();
    void roundsHalvesToEven();
    void repeatedColourStartsFromTheSnapshot();
    void updatedSnapshotMixesASecondTime();
    void photoCurrentWithoutLassoChangesNothing();
    void lassoRecoloursOnlyTheSelectedPixels();
};

void TestRecolour::mixesAtTheLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("100 leaves the hair") << 100;
    QTest::newRow("50 averages") << 50;
    QTest::newRow("0 flat silhouette") << 0;
    QTest::newRow("37") << 37;
}

void TestRecolour::mixesAtTheLevel()
{
    QFETCH(int, level);
    const ColourValue colour = colourValue(180, 40, 77);
    const QImage hair = hairFixture();
    const QImage mixed = mixFlatColour(hair, colour, level);
    QCOMPARE(mixed.size(), hair.size());
    for (int y = 0; y < hair.height(); ++y) {
        for (int x = 0; x < hair.width(); ++x) {
            const QRgb own = hair.pixel(x, y);
            const QRgb got = mixed.pixel(x, y);
            QCOMPARE(qAlpha(got), qAlpha(own));
            QCOMPARE(qRed(got), expectedMix(qRed(own), 180, level));
            QCOMPARE(qGreen(got), expectedMix(qGreen(own), 40, level));
            QCOMPARE(qBlue(got), expectedMix(qBlue(own), 77, level));
        }
    }
    if (level == 100)
        QCOMPARE(mixed, hair);
    if (level == 0)
        QCOMPARE(mixed.pixel(3, 1) & 0xffffffu, QRgb(0xB4284D));
}

void TestRecolour::roundsHalvesToEven()
{
    QImage one(2, 1, QImage::Format_ARGB32);
    one.setPixel(0, 0, qRgba(1, 3, 0, 255));
    one.setPixel(1, 0, qRgba(2, 4, 0, 255));
    const QImage mixed = mixFlatColour(one, colourValue(0, 0, 0), 50);
    // 0.5 -> 0, 1.5 -> 2, 1 -> 1, 2 -> 2
    QCOMPARE(qRed(mixed.pixel(0, 0)), 0);
    QCOMPARE(qGreen(mixed.pixel(0, 0)), 2);
    QCOMPARE(qRed(mixed.pixel(1, 0)), 1);
    QCOMPARE(qGreen(mixed.pixel(1, 0)), 2);
}

void TestRecolour::repeatedColourStartsFromTheSnapshot()
{
    Composition composition;
    placeHair(composition, hairFixture());
    const ColourValue colour = colourValue(20, 200, 90);
    ApplyResultColour(composition, colour, 50, nullptr);
    const QImage once = composition.hair().image;
    QCOMPARE(once, mixFlatColour(hairFixture(), colour, 50));
    ApplyResultColour(composition, colour, 50, nullptr);
    QCOMPARE(composition.hair().image, once);
    QCOMPARE(composition.hairSnapshot(), hairFixture());
}

void TestRecolour::updatedSnapshotMixesASecondTime()
{
    Composition composition;
    placeHair(composition, hairFixture());
    const ColourValue colour = colourValue(20, 200, 90);
    ApplyResultColour(composition, colour, 50, nullptr);
    composition.takeSnapshot(Composition::kHairLayer); // Update Color
    ApplyResultColour(composition, colour, 50, nullptr);
    QCOMPARE(composition.hair().image,
             mixFlatColour(mixFlatColour(hairFixture(), colour, 50), colour, 50));
}

void TestRecolour::photoCurrentWithoutLassoChangesNothing()
{
    Composition composition;
    placeHair(composition, hairFixture());
    composition.setCurrentLayer(Composition::kPhotoLayer);
    const QImage photo = composition.photo().image;
    QVERIFY(ApplyResultColour(composition, colourValue(1, 2, 3), 0, nullptr).isNull());
    QCOMPARE(composition.hair().image, hairFixture());
    QCOMPARE(composition.photo().image, photo);
}

void TestRecolour::lassoRecoloursOnlyTheSelectedPixels()
{
    Composition composition;
    placeHair(composition, hairFixture());
    composition.setCurrentLayer(Composition::kPhotoLayer);
    // A stale recolouring on the photo must not stay under the new one.
    composition.photo().image.fill(qRgb(1, 1, 1));

    LassoArea lasso;
    lasso.bounds = QRect(2, 1, 3, 2);
    lasso.mask = QImage(lasso.bounds.size(), QImage::Format_Grayscale8);
    lasso.mask.fill(0);
    lasso.mask.scanLine(0)[0] = 255; // photo (2, 1)
    lasso.mask.scanLine(1)[2] = 255; // photo (4, 2)
    ApplyResultColour(composition, colourValue(0, 0, 0), 0, &lasso);

    const QImage& photo = composition.photo().image;
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x) {
            const bool selected = QPoint(x, y) == QPoint(2, 1) || QPoint(x, y) == QPoint(4, 2);
            QCOMPARE(photo.pixel(x, y), selected ? qRgb(0, 0, 0) : qRgb(90, 60, 30));
        }
    }
    QCOMPARE(composition.hair().image, hairFixture());
}

QTEST_GUILESS_MAIN(TestRecolour)
#include "tst_recolour.moc"
