#include "colour/Retouch.h"

#include <QTest>

using namespace morvane;

namespace {

QImage filled(int width, int height, QRgb colour, QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

} // namespace

class TestRetouch : public QObject {
    Q_OBJECT
private slots:
    void spotIsADiscWithPerChannelBlend();
    void spotKeepsAlphaAndWhitePaintsNothing();
    void airbrushKeepsPreviousSizeAndIntensity_data();
    void airbrushKeepsPreviousSizeAndIntensity();
    void whiteLineHasTheWidthAndKeepsAlpha();
    void nearWhiteBecomesTransparent();
    void cloneCopiesTheOffsetSquare();
    void cloneClipsAndOverlaps();
    void eyedropperReadsTheColourValue();
};

void TestRetouch::spotIsADiscWithPerChannelBlend()
{
    QImage image = filled(20, 20, qRgba(100, 50, 200, 255));
    Airbrush brush;
    brush.setSize(6);
    brush.setIntensity(30);
    brush.setColour(colourValue(0, 255, 1));
    brush.paintSpot(image, QPoint(10, 10));
    // Bounding square 7..12; (1 - 0.3) * own + 0.3 * spot, rounded.
    const QRgb painted = qRgba(70, 112, 140, 255);
    QCOMPARE(image.pixel(10, 10), painted);
    QCOMPARE(image.pixel(7, 10), painted);
    QCOMPARE(image.pixel(12, 9), painted);
    QCOMPARE(image.pixel(6, 10), qRgba(100, 50, 200, 255)); // left of the square
    QCOMPARE(image.pixel(13, 10), qRgba(100, 50, 200, 255)); // right of it
    QCOMPARE(image.pixel(7, 7), qRgba(100, 50, 200, 255));   // a corner, outside the disc
    QCOMPARE(image.pixel(12, 12), qRgba(100, 50, 200, 255));
    // Odd size 1 paints the one pixel at the point.
    brush.setSize(1);
    brush.paintSpot(image, QPoint(0, 0));
    QCOMPARE(image.pixel(0, 0), qRgba(70, 112, 140, 255));
    QCOMPARE(image.pixel(1, 0), qRgba(100, 50, 200, 255));
}

void TestRetouch::spotKeepsAlphaAndWhitePaintsNothing()
{
    QImage image = filled(8, 8, qRgba(10, 10, 10, 0));
    Airbrush brush;
    brush.setSize(4);
    brush.setIntensity(100);
    brush.setColour(colourValue(200, 100, 50));
    brush.paintSpot(image, QPoint(4, 4));
    QCOMPARE(image.pixel(4, 4), qRgba(200, 100, 50, 0));

    QImage photo = filled(8, 8, qRgb(10, 20, 30), QImage::Format_RGB32);
    const QImage before = photo.copy();
    brush.setColour(16777215);
    QVERIFY(brush.paintSpot(photo, QPoint(4, 4)).isEmpty());
    QCOMPARE(photo, before);
}

void TestRetouch::airbrushKeepsPreviousSizeAndIntensity_data()
{
    QTest::addColumn<int>("askedSize");
    QTest::addColumn<int>("askedIntensity");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("intensity");
    // Blur just ran: size 10, intensity 15.
    QTest::newRow("make-up intensity 0 keeps 15") << 10 << 0 << 10 << 15;
    QTest::newRow("make-up intensity 10") << 10 << 10 << 10 << 10;
    QTest::newRow("size 20 and intensity 100 accepted") << 20 << 100 << 20 << 100;
    QTest::newRow("size 21 and intensity 101 kept") << 21 << 101 << 10 << 15;
    QTest::newRow("size 0 and negative intensity kept") << 0 << -5 << 10 << 15;
}

void TestRetouch::airbrushKeepsPreviousSizeAndIntensity()
{
    QFETCH(int, askedSize);
    QFETCH(int, askedIntensity);
    QFETCH(int, size);
    QFETCH(int, intensity);
    Airbrush brush;
    brush.setSize(10);
    brush.setIntensity(15);
    brush.setSize(askedSize);
    brush.setIntensity(askedIntensity);
    QCOMPARE(brush.size(), size);
    QCOMPARE(brush.intensity(), intensity);

    // The intensity in use is the one painted: one spot of black on 200.
    QImage image = filled(30, 30, qRgb(200, 200, 200), QImage::Format_RGB32);
    brush.setColour(0);
    brush.paintSpot(image, QPoint(15, 15));
    QCOMPARE(qRed(image.pixel(15, 15)), (200 * (100 - intensity) + 50) / 100);
}

void TestRetouch::whiteLineHasTheWidthAndKeepsAlpha()
{
    QImage image = filled(40, 30, qRgba(60, 40, 20, 200));
    drawWhiteLine(image, QPoint(5, 15), QPoint(35, 15), 7);
    QCOMPARE(image.pixel(20, 15), qRgba(255, 255, 255, 200));
    QCOMPARE(image.pixel(20, 12), qRgba(255, 255, 255, 200));
    QCOMPARE(image.pixel(20, 18), qRgba(255, 255, 255, 200));
    QCOMPARE(image.pixel(20, 11), qRgba(60, 40, 20, 200));
    QCOMPARE(image.pixel(20, 19), qRgba(60, 40, 20, 200));
    // A line of width 1 from a point to itself marks that pixel.
    drawWhiteLine(image, QPoint(2, 2), QPoint(2, 2), 1);
    QCOMPARE(image.pixel(2, 2), qRgba(255, 255, 255, 200));
    QCOMPARE(image.pixel(3, 2), qRgba(60, 40, 20, 200));
}

void TestRetouch::nearWhiteBecomesTransparent()
{
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(250, 255, 252, 255));
    image.setPixel(1, 0, qRgba(249, 255, 255, 255));
    image.setPixel(2, 0, qRgba(252, 252, 252, 180));
    image.setPixel(3, 0, qRgba(255, 255, 255, 255));
    clearNearWhite(image, QRect(0, 0, 3, 1));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(1, 0)), 255);
    QCOMPARE(qAlpha(image.pixel(2, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(3, 0)), 255); // outside the area
}

void TestRetouch::cloneCopiesTheOffsetSquare()
{
    // Each pixel's red is its x, so copied columns show where they came from.
    QImage image(240, 80, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    // Source (100, 50), anchor (200, 50): the offset is (-100, 0).
    const QPoint offset = QPoint(100, 50) - QPoint(200, 50);
    for (int x = 201; x <= 210; ++x)
        cloneSquare(image, QPoint(x, 50), offset, 4);
    for (int x = 201; x <= 213; ++x) {
        QCOMPARE(qRed(image.pixel(x, 50)), x - 100);
        QCOMPARE(qGreen(image.pixel(x, 53)), 53);
    }
    QCOMPARE(qRed(image.pixel(200, 50)), 200);
    QCOMPARE(qRed(image.pixel(214, 50)), 214);
    QCOMPARE(qRed(image.pixel(205, 54)), 205);
}

void TestRetouch::cloneClipsAndOverlaps()
{
    QImage image(6, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 6; ++x)
        image.setPixel(x, 0, qRgba(x * 10, 0, 0, 100 + x));
    // Offset of one pixel: the squares overlap; source is read before writing.
    cloneSquare(image, QPoint(1, 0), QPoint(-1, 0), 3);
    QCOMPARE(qRed(image.pixel(1, 0)), 0);
    QCOMPARE(qRed(image.pixel(2, 0)), 10);
    QCOMPARE(qRed(image.pixel(3, 0)), 20);
    QCOMPARE(qAlpha(image.pixel(2, 0)), 102); // colours only
    // A source partly outside the picture copies only what exists.
    cloneSquare(image, QPoint(0, 0), QPoint(4, 0), 3);
    QCOMPARE(qRed(image.pixel(0, 0)), 40);
    QCOMPARE(qRed(image.pixel(1, 0)), 50);
    QCOMPARE(qRed(image.pixel(2, 0)), 10);
}

void TestRetouch::eyedropperReadsTheColourValue()
{
    QImage photo = filled(3, 3, qRgb(0, 0, 0), QImage::Format_RGB32);
    photo.setPixel(1, 2, qRgb(120, 80, 40));
    QCOMPARE(pickColour(photo, QPoint(1, 2)), ColourValue(2642040));
    QImage hair = filled(2, 2, qRgba(9, 8, 7, 0));
    QCOMPARE(pickColour(hair, QPoint(0, 0)), colourValue(9, 8, 7));
}

QTEST_GUILESS_MAIN(TestRetouch)
#include "tst_retouch.moc"
