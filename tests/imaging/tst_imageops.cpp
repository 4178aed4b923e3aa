#include "imaging/ImageOps.h"

#include <QtTest>

using namespace morvane::imaging;

namespace {

// Transparent picture with opaque (or barely visible) pixels at the given points.
QImage withPixels(QSize size, const QList<QPoint>& points, int alpha = 255)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(qRgba(255, 255, 255, 0));
    for (const QPoint& p : points)
        image.setPixel(p, qRgba(10, 20, 30, alpha));
    return image;
}

QImage numbered(QSize size, QImage::Format format)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgba(x * 20, y * 30, 7, 40 + x * 10 + y));
    return image.convertToFormat(format);
}

} // namespace

class ImageOpsTest : public QObject {
    Q_OBJECT

private slots:
    void mirror_data();
    void mirror();
    void crop_data();
    void crop();
    void opaqueBounds_data();
    void opaqueBounds();
    void trimTransparent();
    void fitToWidth_data();
    void fitToWidth();
};

void ImageOpsTest::mirror_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("argb32") << int(QImage::Format_ARGB32);
    QTest::newRow("rgb32") << int(QImage::Format_RGB32);
    QTest::newRow("rgb888") << int(QImage::Format_RGB888);
}

void ImageOpsTest::mirror()
{
    QFETCH(int, format);
    const QImage src = numbered(QSize(7, 3), QImage::Format(format));
    const QImage once = mirrorHorizontal(src);
    QCOMPARE(once.format(), src.format());
    QCOMPARE(once.size(), src.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            QCOMPARE(once.pixel(x, y), src.pixel(6 - x, y)); // colour and alpha
    QCOMPARE(mirrorHorizontal(once), src);
    QVERIFY(mirrorHorizontal(QImage()).isNull());
}

void ImageOpsTest::crop_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("expected"); // in source coordinates; empty = null image
    QTest::newRow("inside") << QRect(1, 1, 3, 2) << QRect(1, 1, 3, 2);
    QTest::newRow("whole") << QRect(0, 0, 8, 6) << QRect(0, 0, 8, 6);
    QTest::newRow("past right and bottom") << QRect(5, 4, 10, 10) << QRect(5, 4, 3, 2);
    QTest::newRow("negative origin") << QRect(-3, -2, 5, 4) << QRect(0, 0, 2, 2);
    QTest::newRow("covers more than all") << QRect(-1, -1, 20, 20) << QRect(0, 0, 8, 6);
    QTest::newRow("outside") << QRect(8, 0, 3, 3) << QRect();
    QTest::newRow("empty") << QRect(2, 2, 0, 3) << QRect();
}

void ImageOpsTest::crop()
{
    QFETCH(QRect, rect);
    QFETCH(QRect, expected);
    const QImage src = numbered(QSize(8, 6), QImage::Format_ARGB32);
    const QImage out = morvane::imaging::crop(src, rect);
    if (expected.isEmpty()) {
        QVERIFY(out.isNull());
        return;
    }
    QCOMPARE(out.size(), expected.size());
    QCOMPARE(out.format(), src.format());
    QCOMPARE(out, src.copy(expected));
}

void ImageOpsTest::opaqueBounds_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QRect>("expected");
    const QSize size(9, 7);
    QTest::newRow("all transparent") << withPixels(size, {}) << QRect();
    QTest::newRow("top-left pixel") << withPixels(size, {{0, 0}}) << QRect(0, 0, 1, 1);
    QTest::newRow("bottom-right pixel") << withPixels(size, {{8, 6}}) << QRect(8, 6, 1, 1);
    QTest::newRow("two corners") << withPixels(size, {{8, 0}, {0, 6}}) << QRect(0, 0, 9, 7);
    QTest::newRow("scattered") << withPixels(size, {{4, 1}, {2, 3}, {6, 5}, {3, 2}}) << QRect(2, 1, 5, 5);
    QTest::newRow("alpha 1 counts") << withPixels(size, {{3, 4}}, 1) << QRect(3, 4, 1, 1);
    QTest::newRow("premultiplied")
        << withPixels(size, {{1, 2}, {5, 2}}).convertToFormat(QImage::Format_ARGB32_Premultiplied)
        << QRect(1, 2, 5, 1);
    QTest::newRow("rgba8888") << withPixels(size, {{7, 3}}).convertToFormat(QImage::Format_RGBA8888)
                              << QRect(7, 3, 1, 1);
    QImage opaque(size, QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QTest::newRow("no alpha channel") << opaque << QRect(0, 0, 9, 7);
    QTest::newRow("null") << QImage() << QRect();
}

void ImageOpsTest::opaqueBounds()
{
    QFETCH(QImage, image);
    QFETCH(QRect, expected);
    QCOMPARE(morvane::imaging::opaqueBounds(image), expected);
}

void ImageOpsTest::trimTransparent()
{
    const QImage src = withPixels(QSize(9, 7), {{4, 1}, {2, 3}, {6, 5}});
    const QImage trimmed = morvane::imaging::trimTransparent(src);
    QCOMPARE(trimmed, src.copy(2, 1, 5, 5));
    QCOMPARE(trimmed.pixel(0, 2), src.pixel(2, 3));

    QVERIFY(morvane::imaging::trimTransparent(withPixels(QSize(9, 7), {})).isNull());
    QImage opaque(5, 4, QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QCOMPARE(morvane::imaging::trimTransparent(opaque), opaque);
}

void ImageOpsTest::fitToWidth_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("exactly max width") << QSize(1000, 750) << 1000 << QSize(1000, 750);
    QTest::newRow("one pixel wider") << QSize(1001, 750) << 1000 << QSize(1000, 749);
    QTest::newRow("narrower") << QSize(640, 480) << 1000 << QSize(640, 480);
    QTest::newRow("camera photo") << QSize(6000, 4000) << 1600 << QSize(1600, 1067);
    QTest::newRow("half rounds up") << QSize(4, 3) << 2 << QSize(2, 2);
    QTest::newRow("below half rounds down") << QSize(10, 3) << 3 << QSize(3, 1);
    QTest::newRow("height at least 1") << QSize(5000, 2) << 100 << QSize(100, 1);
    QTest::newRow("tall") << QSize(3, 1000) << 1 << QSize(1, 333);
    QTest::newRow("width 0 counts as 1") << QSize(20, 40) << 0 << QSize(1, 2);
    QTest::newRow("empty size") << QSize(0, 0) << 10 << QSize(0, 0);
}

void ImageOpsTest::fitToWidth()
{
    QFETCH(QSize, size);
    QFETCH(int, maxWidth);
    QFETCH(QSize, expected);
    QCOMPARE(morvane::imaging::fitToWidth(size, maxWidth), expected);
}

QTEST_GUILESS_MAIN(ImageOpsTest)
#include "tst_imageops.moc"
