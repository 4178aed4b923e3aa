#include "colour/ToneAdjust.h"

#include <QTest>

#include <cmath>

using namespace morvane;

class TestToneAdjust : public QObject {
    Q_OBJECT
private slots:
    void displayFormula_data();
    void displayFormula();
    void displayToneKeepsAlphaAndPixels();
    void sharpenUsesTheSixteenNeighbours();
    void sharpenAtTheEdgesUsesFewerNeighbours();
    void sharpenFollowsTheRuleOnEveryPixel_data();
    void sharpenFollowsTheRuleOnEveryPixel();
    void dropShadowFallsBelowTheShape();
};

void TestToneAdjust::displayFormula_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("contrast");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("drawn");
    QTest::newRow("neutral") << 0 << 0 << 77 << 77;
    QTest::newRow("offset adds") << 50 << 0 << 100 << 150;
    QTest::newRow("offset clamps high") << 50 << 0 << 230 << 255;
    QTest::newRow("offset clamps low") << -40 << 0 << 30 << 0;
    QTest::newRow("contrast 10 doubles above") << 0 << 10 << 150 << 172;
    QTest::newRow("contrast 10 doubles below") << 0 << 10 << 100 << 72;
    QTest::newRow("contrast -100 gives 128") << 0 << -100 << 7 << 128;
    QTest::newRow("contrast -100 gives 128 with offset") << 90 << -100 << 250 << 128;
    // k = 1 - sqrt(255) / 10 = -0.5969 (-39116 / 65536): tones flip around 128.
    QTest::newRow("contrast -255 inverts dark") << 0 << -255 << 28 << 187;
    QTest::newRow("contrast -255 inverts light") << 0 << -255 << 228 << 69;
    // k = 1.1 is 72089 / 65536; 1.1 * 5 = 5.4999 is cut to 5.
    QTest::newRow("product towards zero above") << 0 << 1 << 133 << 133;
    QTest::newRow("product towards zero below") << 0 << 1 << 123 << 123;
    QTest::newRow("offset then contrast") << 10 << 10 << 128 << 148;
}

void TestToneAdjust::displayFormula()
{
    QFETCH(int, offset);
    QFETCH(int, contrast);
    QFETCH(int, channel);
    QFETCH(int, drawn);
    QCOMPARE(int(displayToneTable(offset, contrast)[size_t(channel)]), drawn);
}

void TestToneAdjust::displayToneKeepsAlphaAndPixels()
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(100, 150, 200, 40));
    image.setPixel(1, 0, qRgba(0, 255, 128, 255));
    const QImage before = image.copy();
    DisplayTone tone;
    tone.red = -40;
    tone.green = -40;
    tone.blue = 10;
    const QImage drawn = applyDisplayTone(image, tone);
    QCOMPARE(image, before);
    QCOMPARE(drawn.pixel(0, 0), qRgba(60, 110, 210, 40));
    QCOMPARE(drawn.pixel(1, 0), qRgba(0, 215, 138, 255));
    QCOMPARE(applyDisplayTone(image, DisplayTone{}), image);
}

void TestToneAdjust::sharpenUsesTheSixteenNeighbours()
{
    // 5 x 5 grey field of 100 with one bright centre pixel and a brighter
    // pixel in the centre's own row, which the mean leaves out.
    QImage image(5, 5, QImage::Format_ARGB32);
    image.fill(qRgba(100, 100, 100, 200));
    image.setPixel(2, 2, qRgba(140, 100, 60, 200));
    image.setPixel(0, 2, qRgba(250, 250, 250, 200));
    sharpen(image, 5);
    // Centre: m = 100, new = old + (old - 100) * 5 / 10.
    QCOMPARE(image.pixel(2, 2), qRgba(160, 100, 40, 200));
    // (1, 1) has 9 neighbours inside the image (columns and rows 0, 2, 3),
    // among them the centre and (0, 2): red m = 1090 / 9, so
    // 100 + (100 - 121.1) / 2 = 89.4 -> 89; green 91.7 -> 92; blue 93.9 -> 94.
    QCOMPARE(image.pixel(1, 1), qRgba(89, 92, 94, 200));
}

void TestToneAdjust::sharpenAtTheEdgesUsesFewerNeighbours()
{
    // Corner (0, 0) of a 3 x 3 image: only (1, 1), (1, 2), (2, 1), (2, 2).
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    image.setPixel(0, 0, qRgb(100, 100, 100));
    image.setPixel(2, 2, qRgb(200, 40, 0));
    image.setPixel(0, 1, qRgb(255, 255, 255)); // own column: not used
    sharpen(image, 10);
    // red m = 50: 100 + 50 = 150; green m = 10: 190; blue m = 0: 200.
    QCOMPARE(image.pixel(0, 0), qRgb(150, 190, 200));
    QCOMPARE(qAlpha(image.pixel(1, 1)), 255);
}

void TestToneAdjust::sharpenFollowsTheRuleOnEveryPixel_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("intensity");
    QTest::newRow("inner and edge pixels") << QSize(11, 9) << 7;
    QTest::newRow("strongest") << QSize(6, 13) << 20;
    QTest::newRow("too small for an inside") << QSize(3, 2) << 4;
}

void TestToneAdjust::sharpenFollowsTheRuleOnEveryPixel()
{
    QFETCH(QSize, size);
    QFETCH(int, intensity);
    QImage image(size, QImage::Format_ARGB32);
    quint32 seed = 12345;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            seed = seed * 1103515245u + 12345u;
            image.setPixel(x, y, seed | 0x10000000u);
        }
    }
    QImage sharp = image.copy();
    sharpen(sharp, intensity);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            int sum[3] = {0, 0, 0};
            int count = 0;
            for (int dy : {-2, -1, 1, 2}) {
                for (int dx : {-2, -1, 1, 2}) {
                    if (!image.valid(x + dx, y + dy))
                        continue;
                    const QRgb n = image.pixel(x + dx, y + dy);
                    sum[0] += qRed(n);
                    sum[1] += qGreen(n);
                    sum[2] += qBlue(n);
                    ++count;
                }
            }
            const QRgb old = image.pixel(x, y);
            const int own[3] = {qRed(old), qGreen(old), qBlue(old)};
            int expected[3];
            for (int c = 0; c < 3; ++c) {
                const double value = own[c] + (own[c] - double(sum[c]) / count) * intensity / 10.0;
                expected[c] = qBound(0, int(std::floor(value + 0.5 + 1e-9)), 255);
            }
            QCOMPARE(sharp.pixel(x, y), qRgba(expected[0], expected[1], expected[2], qAlpha(old)));
        }
    }
}

void TestToneAdjust::dropShadowFallsBelowTheShape()
{
    // An opaque 4 x 4 red square at the top of a transparent 12 x 16 picture.
    QImage image(12, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x)
            image.setPixel(x, y, qRgba(255, 0, 0, 255));
    const QImage shadowed = addDropShadow(image, 5);
    QCOMPARE(shadowed.size(), image.size());
    // The square itself is unchanged.
    QCOMPARE(shadowed.pixel(5, 2), qRgba(255, 0, 0, 255));
    // Below it, a black shadow: dense under the middle of the square
    // (5 + 1 rows down), none far beside it, none above the offset.
    const QRgb under = shadowed.pixel(5, 6);
    QCOMPARE(under & 0xffffffu, QRgb(0));
    QVERIFY(qAlpha(under) > 150);
    QCOMPARE(qAlpha(shadowed.pixel(0, 7)), 0);
    QCOMPARE(qAlpha(shadowed.pixel(5, 4)), 0);
    // Soft: the blur reaches past the square's edge.
    QVERIFY(qAlpha(shadowed.pixel(3, 7)) > 0);
    QVERIFY(qAlpha(shadowed.pixel(3, 7)) < qAlpha(shadowed.pixel(5, 7)));
    // A picture without alpha has nothing to cast a shadow through.
    QImage opaque(3, 3, QImage::Format_RGB32);
    opaque.fill(qRgb(1, 2, 3));
    QCOMPARE(addDropShadow(opaque, 3), opaque);
}

QTEST_GUILESS_MAIN(TestToneAdjust)
#include "tst_toneadjust.moc"
