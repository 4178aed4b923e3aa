#include "canvas/MagicWand.h"
#include "canvas/Selection.h"

#include <QTest>

using namespace morvane;

namespace {

QImage grey(QSize size, int level)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(level, level, level));
    return image;
}

QRect selectedRect(const QImage& mask)
{
    QRect r;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (mask.constScanLine(y)[x])
                r |= QRect(x, y, 1, 1);
    return r;
}

double outlineLength(const QList<QLineF>& lines)
{
    double length = 0;
    for (const QLineF& line : lines)
        length += line.length();
    return length;
}

} // namespace

class TestSelection : public QObject {
    Q_OBJECT
private slots:
    void lassoSelectsThePixelCentresItEncloses_data();
    void lassoSelectsThePixelCentresItEncloses();
    void magicWandJoinsLikeColoursThatTouch_data();
    void magicWandJoinsLikeColoursThatTouch();
    void outlineRunsAlongTheSelectedArea();
    void whiteningAndTheSelectedPartKeepToTheSelection();
};

void TestSelection::lassoSelectsThePixelCentresItEncloses_data()
{
    QTest::addColumn<QPolygonF>("lasso");
    QTest::addColumn<QRect>("bounds"); // empty: nothing selected
    QTest::newRow("rectangle") << QPolygonF({{2, 3}, {12, 3}, {12, 8}, {2, 8}}) << QRect(2, 3, 10, 5);
    QTest::newRow("clipped to the image")
        << QPolygonF({{-5, -5}, {5, -5}, {5, 5}, {-5, 5}}) << QRect(0, 0, 5, 5);
    QTest::newRow("a click") << QPolygonF({{4, 4}}) << QRect();
    QTest::newRow("a line") << QPolygonF({{1, 1}, {10, 10}, {1, 1}}) << QRect();
    QTest::newRow("outside the image") << QPolygonF({{30, 30}, {40, 30}, {40, 40}}) << QRect();
}

void TestSelection::lassoSelectsThePixelCentresItEncloses()
{
    QFETCH(QPolygonF, lasso);
    QFETCH(QRect, bounds);
    Selection selection;
    selection.beginLasso(0, lasso.constFirst());
    for (qsizetype i = 1; i < lasso.size(); ++i)
        selection.extendLasso(lasso[i]);
    QVERIFY(selection.lassoInProgress());
    selection.finishLasso(QSize(20, 16));
    QVERIFY(!selection.lassoInProgress());
    QCOMPARE(selection.hasArea(), !bounds.isEmpty());
    QCOMPARE(selection.bounds(), bounds);
    if (!bounds.isEmpty()) {
        QCOMPARE(selection.mask().size(), QSize(20, 16));
        QCOMPARE(selectedRect(selection.mask()), bounds);
    }
}

void TestSelection::magicWandJoinsLikeColoursThatTouch_data()
{
    QTest::addColumn<int>("rightLevel"); // the right half's grey; the left is 100
    QTest::addColumn<QRect>("region");   // pressed at (1, 1)
    QTest::newRow("within the tolerance") << 100 + kMagicWandTolerance << QRect(0, 0, 10, 6);
    QTest::newRow("one beyond") << 100 + kMagicWandTolerance + 1 << QRect(0, 0, 5, 6);
    QTest::newRow("darker beyond") << 100 - kMagicWandTolerance - 1 << QRect(0, 0, 5, 6);
}

void TestSelection::magicWandJoinsLikeColoursThatTouch()
{
    QFETCH(int, rightLevel);
    QFETCH(QRect, region);
    QImage image = grey(QSize(10, 6), 100);
    for (int y = 0; y < 6; ++y)
        for (int x = 5; x < 10; ++x)
            image.setPixel(x, y, qRgb(rightLevel, rightLevel, rightLevel));
    QCOMPARE(selectedRect(magicWandRegion(image, QPoint(1, 1))), region);
}

void TestSelection::outlineRunsAlongTheSelectedArea()
{
    // A like-coloured pixel touching the region only at a corner stays out,
    // as does the alpha-different pixel of a hairstyle.
    QImage hair(6, 6, QImage::Format_ARGB32);
    hair.fill(qRgba(50, 40, 30, 255));
    for (int y = 3; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            hair.setPixel(x, y, qRgba(200, 200, 200, 255));
    hair.setPixel(2, 3, qRgba(50, 40, 30, 255)); // joins from above
    hair.setPixel(3, 4, qRgba(50, 40, 30, 255)); // touches (2, 3) at a corner only
    hair.setPixel(5, 0, qRgba(50, 40, 30, 0));   // like colour, transparent
    const QImage region = magicWandRegion(hair, QPoint(0, 0));
    QVERIFY(region.constScanLine(3)[2]);
    QVERIFY(!region.constScanLine(4)[3]);
    QVERIFY(!region.constScanLine(0)[5]);
    QVERIFY(magicWandRegion(hair, QPoint(6, 0)).isNull());

    // A 6 x 3 block less its top-right pixel, plus one pixel below: the
    // perimeter 18 of the block (a missing corner changes nothing) and two
    // sides more for the pixel below.
    Selection selection;
    selection.selectMask(0, region);
    QCOMPARE(selection.bounds(), QRect(0, 0, 6, 4));
    QCOMPARE(outlineLength(selection.outline()), 20.0);
}

void TestSelection::whiteningAndTheSelectedPartKeepToTheSelection()
{
    QImage mask(8, 8, QImage::Format_Grayscale8);
    mask.fill(0);
    mask.scanLine(2)[3] = 255;
    mask.scanLine(4)[5] = 255;
    Selection selection;
    selection.selectMask(1, mask);

    QImage hair(8, 8, QImage::Format_ARGB32);
    hair.fill(qRgba(10, 20, 30, 77));
    whitenSelection(hair, selection);
    QCOMPARE(hair.pixel(3, 2), qRgba(255, 255, 255, 77)); // alpha kept
    QCOMPARE(hair.pixel(5, 4), qRgba(255, 255, 255, 77));
    QCOMPARE(hair.pixel(4, 3), qRgba(10, 20, 30, 77));

    QImage photo = grey(QSize(8, 8), 90);
    const QImage part = selectedPart(photo, selection);
    QCOMPARE(part.size(), QSize(3, 3));
    QCOMPARE(part.pixel(0, 0), qRgb(90, 90, 90));
    QCOMPARE(part.pixel(2, 2), qRgb(90, 90, 90));
    QCOMPARE(qAlpha(part.pixel(1, 1)), 0);

    // A selection reaching beyond a smaller image is taken where they overlap.
    QImage small = grey(QSize(4, 4), 90);
    whitenSelection(small, selection);
    QCOMPARE(small.pixel(3, 2), qRgb(255, 255, 255));
    const QImage smallPart = selectedPart(small, selection);
    QCOMPARE(smallPart.size(), QSize(1, 2));
    QCOMPARE(qAlpha(smallPart.pixel(0, 1)), 0);

    Selection none;
    whitenSelection(photo, none);
    QCOMPARE(photo, grey(QSize(8, 8), 255));
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
