#include "common/Error.h"
#include "imaging/Resample.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using namespace morvane::imaging;

namespace {

QImage noise(QSize size, QImage::Format format, quint32 seed)
{
    QImage image(size, format);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const QRgb v = random.generate();
            line[x] = format == QImage::Format_RGB32 ? (v | 0xff000000u) : v;
        }
    }
    return image;
}

QImage filled(QSize size, QImage::Format format, QRgb colour)
{
    QImage image(size, format);
    image.fill(colour);
    return image;
}

// Grey image, `low` left of column `edge` and `high` from it on.
QImage stepEdge(QSize size, int edge, int low, int high)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int v = x < edge ? low : high;
            image.setPixel(x, y, qRgb(v, v, v));
        }
    return image;
}

} // namespace

class ResampleTest : public QObject {
    Q_OBJECT

private slots:
    void sizesAndFlatImages_data();
    void sizesAndFlatImages();
    void nullAndEmpty();
    void sameSizeIsTheSource();
    void weightsSumToOne_data();
    void weightsSumToOne();
    void linearGradientAtPixelCentres_data();
    void linearGradientAtPixelCentres();
    void stepEdgeRingsSymmetrically_data();
    void stepEdgeRingsSymmetrically();
    void checkerboardShrinksToMidGrey_data();
    void checkerboardShrinksToMidGrey();
    void transparentPixelsDoNotBleed_data();
    void transparentPixelsDoNotBleed();
    void otherFormats();
    void threadsGiveTheSameResult_data();
    void threadsGiveTheSameResult();
    void avx2MatchesPortable_data();
    void avx2MatchesPortable();
    void tooLargeTargetThrows();
    void nearestPicksPixelCentres();
    void nearestKeepsFormatAndAlpha();
};

void ResampleTest::sizesAndFlatImages_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("target");
    QTest::newRow("1x1 up") << QSize(1, 1) << QSize(5, 3);
    QTest::newRow("to 1x1") << QSize(7, 5) << QSize(1, 1);
    QTest::newRow("column up") << QSize(1, 100) << QSize(3, 7);
    QTest::newRow("row to 1x1") << QSize(100, 1) << QSize(1, 1);
    QTest::newRow("odd mixed") << QSize(13, 17) << QSize(29, 3);
    QTest::newRow("width only") << QSize(41, 9) << QSize(16, 9);
    QTest::newRow("height only") << QSize(9, 41) << QSize(9, 70);
    QTest::newRow("photo fit") << QSize(601, 400) << QSize(160, 106);
    QTest::newRow("large factor") << QSize(997, 3) << QSize(2, 2);
    QTest::newRow("narrower than window") << QSize(6, 5) << QSize(50, 2);
}

// Every output pixel's weights sum to one, so a flat picture stays exactly flat.
void ResampleTest::sizesAndFlatImages()
{
    QFETCH(QSize, source);
    QFETCH(QSize, target);
    const struct {
        QImage::Format format;
        QRgb colour;
    } cases[] = {
        {QImage::Format_RGB32, qRgb(0, 0, 0)},
        {QImage::Format_RGB32, qRgb(255, 255, 255)},
        {QImage::Format_RGB32, qRgb(201, 17, 96)},
        {QImage::Format_ARGB32, qRgba(255, 255, 255, 255)},
        {QImage::Format_ARGB32, qRgba(200, 100, 50, 128)},
        {QImage::Format_ARGB32_Premultiplied, qRgba(100, 50, 25, 128)},
    };
    for (const auto& c : cases) {
        const QImage src = filled(source, c.format, c.colour);
        // ARGB32 is filtered premultiplied; a flat picture comes back as that round trip.
        const QRgb expected = c.format == QImage::Format_ARGB32 ? qUnpremultiply(qPremultiply(c.colour))
                                                                : src.pixel(0, 0);
        for (int threads : {1, 2}) {
            const QImage out = resampleLanczos3(src, target, threads);
            QCOMPARE(out.size(), target);
            QCOMPARE(out.format(), c.format);
            for (int y = 0; y < target.height(); ++y)
                for (int x = 0; x < target.width(); ++x)
                    if (out.pixel(x, y) != expected)
                        QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                             .arg(x)
                                             .arg(y)
                                             .arg(out.pixel(x, y), 8, 16)
                                             .arg(expected, 8, 16)));
        }
    }
}

void ResampleTest::nullAndEmpty()
{
    QVERIFY(resampleLanczos3(QImage(), QSize(10, 10)).isNull());
    const QImage src = filled(QSize(8, 8), QImage::Format_RGB32, qRgb(1, 2, 3));
    QVERIFY(resampleLanczos3(src, QSize(0, 10)).isNull());
    QVERIFY(resampleLanczos3(src, QSize(10, 0)).isNull());
    QVERIFY(resampleLanczos3(src, QSize(-1, -1)).isNull());
    QVERIFY(resampleNearest(QImage(), QSize(10, 10)).isNull());
    QVERIFY(resampleNearest(src, QSize(0, 3)).isNull());
}

void ResampleTest::sameSizeIsTheSource()
{
    const QImage src = noise(QSize(31, 7), QImage::Format_ARGB32, 3);
    QCOMPARE(resampleLanczos3(src, src.size()), src);
    QCOMPARE(resampleNearest(src, src.size()), src);
}

void ResampleTest::weightsSumToOne_data()
{
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::addColumn<int>("multiple");
    QTest::newRow("shrink 3.75") << 6000 << 1600 << 8;
    QTest::newRow("enlarge") << 10 << 77 << 2;
    QTest::newRow("huge factor") << 20000 << 3 << 8;
    QTest::newRow("tiny in") << 3 << 40 << 8;
}

// The table invariants the passes rely on: windows inside the image, weights
// outside count zero, each output's weights summing exactly to one, and
// wide windows (strong shrink) spreading their rounding evenly.
void ResampleTest::weightsSumToOne()
{
    QFETCH(int, in);
    QFETCH(int, out);
    QFETCH(int, multiple);
    const detail::AxisWeights w = detail::lanczos3Weights(in, out, multiple);
    QCOMPARE(w.taps % multiple, 0);
    for (int i = 0; i < out; ++i) {
        QVERIFY(w.start[i] >= 0);
        QVERIFY(w.start[i] + w.count[i] <= in);
        int sum = 0;
        for (int k = 0; k < w.taps; ++k) {
            const int v = w.weights[std::size_t(i) * w.taps + k];
            if (k >= w.count[i])
                QCOMPARE(v, 0);
            sum += v;
        }
        QCOMPARE(sum, detail::AxisWeights::kOne);
    }
    if (in / out > 1000) {
        // About 6.7 units per tap here: no single tap takes the whole rounding error.
        const auto [lo, hi] = std::minmax_element(w.weights.begin() + w.taps / 3, w.weights.begin() + w.taps / 2);
        QVERIFY(*hi - *lo <= 2);
    }
}

void ResampleTest::linearGradientAtPixelCentres_data()
{
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("halve") << 256 << 128;
    QTest::newRow("shrink 3.75") << 240 << 64;
    QTest::newRow("enlarge 4") << 64 << 256;
    QTest::newRow("enlarge 2.5") << 100 << 250;
}

// Away from the edges the filter reproduces a linear ramp, sampled at the
// centre of each output pixel: output x sits at source (x + 0.5) * in / out.
void ResampleTest::linearGradientAtPixelCentres()
{
    QFETCH(int, in);
    QFETCH(int, out);
    QImage src(in, 3, QImage::Format_RGB32);
    const double slope = 250.0 / in; // value per source pixel
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < in; ++x) {
            const int v = qRound((x + 0.5) * slope);
            src.setPixel(x, y, qRgb(v, v, v));
        }
    const QImage result = resampleLanczos3(src, QSize(out, 3));
    const double scale = double(in) / out;
    const int margin = int(std::ceil(3 * std::max(1.0, 1.0 / scale))) + 1; // output pixels near the edges
    for (int x = margin; x < out - margin; ++x) {
        const double expected = (x + 0.5) * scale * slope;
        const int got = qRed(result.pixel(x, 1));
        if (std::abs(got - expected) > 1.0)
            QFAIL(qPrintable(QStringLiteral("x %1: %2, expected %3").arg(x).arg(got).arg(expected)));
    }
}

void ResampleTest::stepEdgeRingsSymmetrically_data()
{
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("enlarge 3") << 40 << 120;
    QTest::newRow("enlarge 2.5") << 40 << 100;
    QTest::newRow("shrink 2") << 80 << 40;
    QTest::newRow("shrink 3.75") << 150 << 40;
}

void ResampleTest::stepEdgeRingsSymmetrically()
{
    QFETCH(int, in);
    QFETCH(int, out);
    constexpr int low = 64;
    constexpr int high = 192;
    const QImage src = stepEdge(QSize(in, 4), in / 2, low, high);

    // Horizontal edge, and the same picture turned a quarter for the other axis.
    const QImage across = resampleLanczos3(src, QSize(out, 4));
    QTransform quarter;
    quarter.rotate(90);
    const QImage down = resampleLanczos3(src.transformed(quarter), QSize(4, out));

    int minimum = 255, maximum = 0;
    for (int x = 0; x < out; ++x) {
        const int v = qRed(across.pixel(x, 0));
        for (int y = 1; y < 4; ++y)
            QCOMPARE(qRed(across.pixel(x, y)), v); // rows stay identical
        QCOMPARE(qRed(down.pixel(0, x)), v);      // the vertical pass filters alike
        QCOMPARE(qGreen(across.pixel(x, 0)), v);
        minimum = std::min(minimum, v);
        maximum = std::max(maximum, v);
        // Point symmetry about the edge: v(x) + v(mirror x) = low + high,
        // give or take one unit of rounding.
        const int mirrored = qRed(across.pixel(out - 1 - x, 0));
        QVERIFY2(std::abs(v + mirrored - (low + high)) <= 1, qPrintable(QString::number(x)));
    }
    // The usual Lanczos ringing: a small undershoot and overshoot, at most an
    // eighth of the step (about 11.5% when enlarging, less when shrinking).
    QVERIFY(minimum < low);
    QVERIFY(maximum > high);
    QVERIFY(low - minimum <= (high - low) / 8);
    QVERIFY(maximum - high <= (high - low) / 8);
    // Far from the edge the levels are exact.
    QCOMPARE(qRed(across.pixel(0, 0)), low);
    QCOMPARE(qRed(across.pixel(out - 1, 0)), high);
}

void ResampleTest::checkerboardShrinksToMidGrey_data()
{
    QTest::addColumn<QSize>("target");
    QTest::newRow("by 4") << QSize(16, 16);
    QTest::newRow("by 3.2") << QSize(20, 20);
    QTest::newRow("uneven") << QSize(9, 23);
}

void ResampleTest::checkerboardShrinksToMidGrey()
{
    QFETCH(QSize, target);
    QImage src(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            src.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage out = resampleLanczos3(src, target);
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            QVERIFY2(std::abs(qGray(out.pixel(x, y)) - 127.5) <= 4.5,
                     qPrintable(QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(qGray(out.pixel(x, y)))));
}

void ResampleTest::transparentPixelsDoNotBleed_data()
{
    QTest::addColumn<QSize>("target");
    QTest::newRow("shrink") << QSize(23, 17);
    QTest::newRow("enlarge") << QSize(150, 90);
}

// Hair over nothing: the colour stored under fully transparent pixels
// (black here, or white) must not darken or lighten the edge of the hair.
void ResampleTest::transparentPixelsDoNotBleed()
{
    QFETCH(QSize, target);
    const QRgb hair = qRgba(255, 0, 0, 255);
    auto picture = [&](QRgb hidden) {
        QImage image(60, 40, QImage::Format_ARGB32);
        image.fill(hidden);
        for (int y = 8; y < 30; ++y)
            for (int x = 11; x < 43; ++x)
                image.setPixel(x, y, hair);
        return image;
    };
    const QImage overBlack = resampleLanczos3(picture(qRgba(0, 0, 0, 0)), target);
    const QImage overWhite = resampleLanczos3(picture(qRgba(255, 255, 255, 0)), target);
    QCOMPARE(overBlack.format(), QImage::Format_ARGB32);
    QCOMPARE(overBlack, overWhite);

    int partial = 0;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x) {
            const QRgb p = overBlack.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            partial += qAlpha(p) < 255;
            // Red and alpha are filtered alike, so every visible pixel keeps full red.
            QCOMPARE(qRed(p), 255);
            QCOMPARE(qGreen(p), 0);
            QCOMPARE(qBlue(p), 0);
        }
    QVERIFY(partial > 0); // the edge really was softened
}

void ResampleTest::otherFormats()
{
    QImage rgb888 = noise(QSize(20, 10), QImage::Format_RGB32, 5).convertToFormat(QImage::Format_RGB888);
    const QImage out = resampleLanczos3(rgb888, QSize(7, 4));
    QCOMPARE(out.format(), QImage::Format_RGB32);
    QCOMPARE(out, resampleLanczos3(rgb888.convertToFormat(QImage::Format_RGB32), QSize(7, 4)));

    const QImage rgba = noise(QSize(20, 10), QImage::Format_ARGB32, 6).convertToFormat(QImage::Format_RGBA8888);
    const QImage outAlpha = resampleLanczos3(rgba, QSize(7, 4));
    QCOMPARE(outAlpha.format(), QImage::Format_ARGB32);
    QCOMPARE(outAlpha, resampleLanczos3(rgba.convertToFormat(QImage::Format_ARGB32), QSize(7, 4)));
}

void ResampleTest::threadsGiveTheSameResult_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("target");
    QTest::addColumn<int>("format");
    QTest::newRow("shrink rgb") << QSize(601, 403) << QSize(160, 107) << int(QImage::Format_RGB32);
    QTest::newRow("enlarge argb") << QSize(37, 29) << QSize(101, 77) << int(QImage::Format_ARGB32);
    QTest::newRow("few rows") << QSize(300, 3) << QSize(41, 2) << int(QImage::Format_RGB32);
}

void ResampleTest::threadsGiveTheSameResult()
{
    QFETCH(QSize, source);
    QFETCH(QSize, target);
    QFETCH(int, format);
    const QImage src = noise(source, QImage::Format(format), 9);
    const QImage one = resampleLanczos3(src, target, 1);
    QCOMPARE(one.size(), target);
    for (int threads : {2, 3, 16})
        QCOMPARE(resampleLanczos3(src, target, threads), one);
}

void ResampleTest::avx2MatchesPortable_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("target");
    QTest::addColumn<int>("format");
    QTest::newRow("photo fit rgb") << QSize(1203, 803) << QSize(320, 213) << int(QImage::Format_RGB32);
    QTest::newRow("photo fit argb") << QSize(1203, 803) << QSize(320, 213) << int(QImage::Format_ARGB32);
    QTest::newRow("enlarge odd") << QSize(37, 29) << QSize(101, 77) << int(QImage::Format_ARGB32);
    QTest::newRow("shrink height more") << QSize(50, 900) << QSize(45, 30) << int(QImage::Format_RGB32);
    QTest::newRow("width only, tail pixels") << QSize(333, 5) << QSize(101, 5) << int(QImage::Format_RGB32);
    QTest::newRow("height only, tail pixels") << QSize(13, 333) << QSize(13, 101) << int(QImage::Format_ARGB32);
    QTest::newRow("narrow source") << QSize(5, 5) << QSize(64, 64) << int(QImage::Format_RGB32);
}

void ResampleTest::avx2MatchesPortable()
{
    if (!detail::avx2Available())
        QSKIP("This processor has no AVX2");
    QFETCH(QSize, source);
    QFETCH(QSize, target);
    QFETCH(int, format);
    const QImage src = noise(source, QImage::Format(format), 12);
    const QImage portable = detail::resampleLanczos3(src, target, 1, detail::Kernel::Portable);
    const QImage avx2 = detail::resampleLanczos3(src, target, 1, detail::Kernel::Avx2);
    QCOMPARE(portable.size(), target);
    QCOMPARE(avx2, portable);
}

void ResampleTest::tooLargeTargetThrows()
{
    const QImage src = filled(QSize(4, 4), QImage::Format_RGB32, qRgb(1, 2, 3));
    QVERIFY_THROWS_EXCEPTION(morvane::Error, resampleLanczos3(src, QSize(100000, 100000)));
    QVERIFY_THROWS_EXCEPTION(morvane::Error, resampleNearest(src, QSize(40000, 2)));
}

void ResampleTest::nearestPicksPixelCentres()
{
    // Source pixel values are their own coordinates.
    QImage src(6, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            src.setPixel(x, y, qRgb(x, y, 0));

    struct Case {
        QSize target;
        QList<int> columns;
        QList<int> rows;
    };
    const Case cases[] = {
        {QSize(3, 2), {1, 3, 5}, {1, 3}},
        {QSize(12, 8), {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5}, {0, 0, 1, 1, 2, 2, 3, 3}},
        {QSize(4, 3), {0, 2, 3, 5}, {0, 2, 3}},
        {QSize(1, 1), {3}, {2}},
    };
    for (const Case& c : cases) {
        const QImage out = resampleNearest(src, c.target);
        QCOMPARE(out.size(), c.target);
        for (int y = 0; y < c.target.height(); ++y)
            for (int x = 0; x < c.target.width(); ++x)
                QCOMPARE(out.pixel(x, y), qRgb(c.columns[x], c.rows[y], 0));
    }
}

void ResampleTest::nearestKeepsFormatAndAlpha()
{
    const QImage argb = noise(QSize(5, 3), QImage::Format_ARGB32, 2);
    const QImage big = resampleNearest(argb, QSize(10, 6));
    QCOMPARE(big.format(), QImage::Format_ARGB32);
    QCOMPARE(big.pixel(9, 5), argb.pixel(4, 2)); // exact, alpha included
    QCOMPARE(resampleNearest(big, QSize(5, 3)), argb);

    QImage indexed(4, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0)});
    indexed.fill(0);
    indexed.setPixel(3, 3, 1);
    const QImage out = resampleNearest(indexed, QSize(2, 2));
    QCOMPARE(out.format(), QImage::Format_Indexed8);
    QCOMPARE(out.pixel(1, 1), qRgb(255, 0, 0));
    QCOMPARE(out.pixel(0, 0), qRgb(0, 0, 0));

    const QImage rgb888 = argb.convertToFormat(QImage::Format_RGB888);
    const QImage out888 = resampleNearest(rgb888, QSize(10, 6));
    QCOMPARE(out888.format(), QImage::Format_RGB888);
    QCOMPARE(out888.pixel(3, 2), rgb888.pixel(1, 1));
}

QTEST_GUILESS_MAIN(ResampleTest)
#include "tst_resample.moc"
