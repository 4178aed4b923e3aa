#include "common/Error.h"
#include "imaging/ImageIO.h"
#include "imaging/JpegCodec.h"
#include "imaging/PngCodec.h"
#include "imaging/codecs_fixtures.h"
#include "support/TempContent.h"

#include <png.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;
using namespace morvane::imaging;
using morvane::test::JpegKind;
using morvane::test::RawPng;

namespace {

// Mean absolute difference per colour channel.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

QImage photoLike(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 255) / size.width(), (y * 255) / size.height(),
                                      128 + ((x * y) % 37) - 18));
    return image;
}

QByteArray someJpeg(QSize size = QSize(64, 48))
{
    return encodeJpeg(photoLike(size), 90);
}

// PNG input kinds: raw samples and the ARGB they must decode to.
struct PngCase {
    RawPng png;
    QList<QRgb> expected; // row by row
};

PngCase paletteCase()
{
    PngCase c;
    c.png.width = 4;
    c.png.height = 2;
    c.png.colorType = PNG_COLOR_TYPE_PALETTE;
    c.png.bitDepth = 4;
    c.png.palette = {qRgba(255, 0, 0, 255), qRgba(0, 255, 0, 128), qRgba(0, 0, 255, 0),
                     qRgba(10, 20, 30, 1)};
    c.png.paletteAlpha = true;
    c.png.samples = {0x01, 0x23, 0x32, 0x10};
    c.expected = {c.png.palette[0], c.png.palette[1], c.png.palette[2], c.png.palette[3],
                  c.png.palette[3], c.png.palette[2], c.png.palette[1], c.png.palette[0]};
    return c;
}

PngCase grey1Case()
{
    PngCase c;
    c.png.width = 10;
    c.png.height = 1;
    c.png.colorType = PNG_COLOR_TYPE_GRAY;
    c.png.bitDepth = 1;
    c.png.samples = {0b10110000, 0b01000000};
    for (int bit : {1, 0, 1, 1, 0, 0, 0, 0, 0, 1})
        c.expected.append(bit ? qRgba(255, 255, 255, 255) : qRgba(0, 0, 0, 255));
    return c;
}

PngCase grey8TrnsCase()
{
    PngCase c;
    c.png.width = 3;
    c.png.height = 1;
    c.png.colorType = PNG_COLOR_TYPE_GRAY;
    c.png.trnsGrey = 77;
    c.png.samples = {0, 77, 200};
    c.expected = {qRgba(0, 0, 0, 255), qRgba(77, 77, 77, 0), qRgba(200, 200, 200, 255)};
    return c;
}

PngCase greyAlphaCase()
{
    PngCase c;
    c.png.width = 2;
    c.png.height = 1;
    c.png.colorType = PNG_COLOR_TYPE_GRAY_ALPHA;
    c.png.samples = {10, 0, 250, 99};
    c.expected = {qRgba(10, 10, 10, 0), qRgba(250, 250, 250, 99)};
    return c;
}

PngCase rgba16Case()
{
    PngCase c;
    c.png.width = 2;
    c.png.height = 1;
    c.png.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    c.png.bitDepth = 16;
    c.png.samples = {0xab, 0xcd, 0x12, 0x34, 0x00, 0xff, 0x80, 0x01,
                     0xff, 0xff, 0x00, 0x00, 0x7f, 0x7f, 0x01, 0x00};
    c.expected = {qRgba(0xab, 0x12, 0x00, 0x80), qRgba(0xff, 0x00, 0x7f, 0x01)};
    return c;
}

PngCase rgbTrnsCase()
{
    PngCase c;
    c.png.width = 2;
    c.png.height = 1;
    c.png.colorType = PNG_COLOR_TYPE_RGB;
    c.png.trnsRed = 1;
    c.png.trnsGreen = 2;
    c.png.trnsBlue = 3;
    c.png.samples = {1, 2, 3, 4, 5, 6};
    c.expected = {qRgba(1, 2, 3, 0), qRgba(4, 5, 6, 255)};
    return c;
}

PngCase interlacedCase()
{
    PngCase c;
    c.png.width = 11;
    c.png.height = 9;
    c.png.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    c.png.interlaced = true;
    for (int y = 0; y < c.png.height; ++y) {
        for (int x = 0; x < c.png.width; ++x) {
            const QRgb p = qRgba(x * 20, y * 25, (x * y) & 0xff, (x + y * 11) * 2);
            c.png.samples.insert(c.png.samples.end(),
                                 {std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)),
                                  std::uint8_t(qBlue(p)), std::uint8_t(qAlpha(p))});
            c.expected.append(p);
        }
    }
    return c;
}

QString writeTemp(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray qtEncoded(const QImage& image, const char* format)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        qFatal("cannot encode %s", format);
    return out;
}

// A one-pixel GIF, byte by byte: 2-colour table, the pixel has index 1.
QByteArray tinyGif()
{
    return QByteArray::fromHex("474946383961010001008000" "00ff000000ff00"
                               "2c00000000010001000002024401003b");
}

QByteArray gifOfSize(int width, int height)
{
    QByteArray gif = tinyGif();
    for (int at : {6, 24}) { // logical screen and image descriptor
        gif[at] = char(width & 0xff);
        gif[at + 1] = char(width >> 8);
        gif[at + 2] = char(height & 0xff);
        gif[at + 3] = char(height >> 8);
    }
    return gif;
}

QByteArray bmpHeader(qint32 width, qint32 height)
{
    QByteArray bmp = qtEncoded(QImage(QSize(4, 4), QImage::Format_RGB32), "bmp");
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = char((width >> (8 * i)) & 0xff);
        bmp[22 + i] = char((height >> (8 * i)) & 0xff);
    }
    return bmp;
}

} // namespace

class CodecsTest : public QObject {
    Q_OBJECT

private slots:
    void pngRoundTripKeepsAlphaExactly();
    void pngWriterOptions();
    void pngInputKinds_data();
    void pngInputKinds();

    void jpegQualityAndRoundTrip();
    void jpegColourSpaces_data();
    void jpegColourSpaces();
    void jpegReducedSize_data();
    void jpegReducedSize();
    void jpegReducedDecodeMatchesPlannedSize();
    void truncatedJpegPolicy();

    void registry_data();
    void registry();
    void verification_data();
    void verification();
    void brokenFiles_data();
    void brokenFiles();

    void otherFormatsRoundTrip_data();
    void otherFormatsRoundTrip();
    void writeErrorsNameTheFile();
};

void CodecsTest::pngRoundTripKeepsAlphaExactly()
{
    QImage hair = morvane::test::makeHairImage(QSize(37, 23));
    hair.setPixel(0, 0, qRgba(12, 34, 56, 0)); // colour under full transparency is kept too
    const QImage back = decodePng(encodePng(hair), QStringLiteral("hair.png"));
    QCOMPARE(back.format(), QImage::Format_ARGB32);
    QCOMPARE(back, hair);

    // Opaque pictures are stored as RGB (colour type 2 in IHDR) and come back opaque.
    const QImage photo = photoLike(QSize(20, 10));
    const QByteArray rgb = encodePng(photo);
    QCOMPARE(int(rgb[25]), PNG_COLOR_TYPE_RGB);
    QCOMPARE(decodePng(rgb, QStringLiteral("photo.png")), photo.convertToFormat(QImage::Format_ARGB32));
    // A premultiplied source is written un-premultiplied.
    const QImage pm = hair.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(decodePng(encodePng(pm), QStringLiteral("pm.png")), pm.convertToFormat(QImage::Format_ARGB32));
}

void CodecsTest::pngWriterOptions()
{
    const QImage image = photoLike(QSize(200, 150));
    const QByteArray stored = encodePng(image, PngOptions{0, false});
    const QByteArray best = encodePng(image, PngOptions{9, false});
    const QByteArray fast = encodePng(image, PngOptions{1, true});
    QVERIFY(stored.size() > best.size() * 2);
    for (const QByteArray& data : {stored, best, fast})
        QCOMPARE(decodePng(data, QStringLiteral("x.png")), image.convertToFormat(QImage::Format_ARGB32));
}

void CodecsTest::pngInputKinds_data()
{
    QTest::addColumn<QByteArray>("png");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<QRgb>>("expected");
    const QList<std::pair<const char*, PngCase>> cases = {
        {"palette 4-bit with tRNS", paletteCase()}, {"grey 1-bit", grey1Case()},
        {"grey 8-bit with tRNS", grey8TrnsCase()},  {"grey and alpha", greyAlphaCase()},
        {"RGBA 16-bit", rgba16Case()},              {"RGB with tRNS", rgbTrnsCase()},
        {"interlaced RGBA", interlacedCase()},
    };
    for (const auto& [name, c] : cases)
        QTest::newRow(name) << morvane::test::writeRawPng(c.png) << c.png.width << c.expected;
}

void CodecsTest::pngInputKinds()
{
    QFETCH(QByteArray, png);
    QFETCH(int, width);
    QFETCH(QList<QRgb>, expected);
    const QImage image = decodePng(png, QStringLiteral("kind.png"));
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QCOMPARE(image.width(), width);
    QCOMPARE(image.height(), int(expected.size()) / width);
    QList<QRgb> actual;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            actual.append(image.pixel(x, y));
    QCOMPARE(actual, expected);
}

void CodecsTest::jpegQualityAndRoundTrip()
{
    const QImage image = photoLike(QSize(320, 240));
    const QByteArray low = encodeJpeg(image, 20);
    const QByteArray standard = encodeJpeg(image);
    const QByteArray high = encodeJpeg(image, 100);
    QVERIFY(low.size() < standard.size());
    QVERIFY(standard.size() < high.size());
    QCOMPARE(standard, encodeJpeg(image, kDefaultJpegQuality));

    const QImage back = decodeJpeg(standard, QStringLiteral("photo.jpg"));
    QCOMPARE(back.format(), QImage::Format_RGB32);
    QCOMPARE(back.size(), image.size());
    QVERIFY2(meanDifference(back, image) < 5.0, qPrintable(QString::number(meanDifference(back, image))));
    QVERIFY(meanDifference(decodeJpeg(low, QStringLiteral("low.jpg")), image)
            > meanDifference(back, image));
    // Alpha is dropped, the colours stay.
    QImage withAlpha = image.convertToFormat(QImage::Format_ARGB32);
    QVERIFY(meanDifference(decodeJpeg(encodeJpeg(withAlpha), QStringLiteral("a.jpg")), image) < 5.0);
}

void CodecsTest::jpegColourSpaces_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("greyscale") << morvane::test::writeFlatJpeg(JpegKind::Grey, 40, 24, qRgb(90, 0, 0))
                               << qRgb(90, 90, 90);
    // Adobe CMYK is stored inverted: red = C * K / 255.
    QTest::newRow("Adobe CMYK") << morvane::test::writeFlatJpeg(JpegKind::AdobeCmyk, 40, 24, qRgba(200, 100, 50, 255))
                                << qRgb(200, 100, 50);
    QTest::newRow("Adobe CMYK with black") << morvane::test::writeFlatJpeg(JpegKind::AdobeCmyk, 40, 24, qRgba(255, 255, 255, 128))
                                           << qRgb(128, 128, 128);
    QTest::newRow("YCCK") << morvane::test::writeFlatJpeg(JpegKind::Ycck, 40, 24, qRgba(200, 100, 50, 255))
                          << qRgb(200, 100, 50);
    QTest::newRow("plain CMYK") << morvane::test::writeFlatJpeg(JpegKind::PlainCmyk, 40, 24, qRgba(55, 155, 205, 0))
                                << qRgb(200, 100, 50);
    QTest::newRow("progressive RGB") << morvane::test::writeFlatJpeg(JpegKind::Progressive, 40, 24, qRgb(10, 200, 120))
                                     << qRgb(10, 200, 120);
}

void CodecsTest::jpegColourSpaces()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(QRgb, expected);
    const QImage image = decodeJpeg(jpeg, QStringLiteral("kind.jpg"));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(40, 24));
    for (const QPoint at : {QPoint(0, 0), QPoint(39, 23), QPoint(17, 11)}) {
        const QRgb p = image.pixel(at);
        QVERIFY2(qAbs(qRed(p) - qRed(expected)) <= 3 && qAbs(qGreen(p) - qGreen(expected)) <= 3
                     && qAbs(qBlue(p) - qBlue(expected)) <= 3 && qAlpha(p) == 255,
                 qPrintable(QStringLiteral("%1 instead of %2").arg(p, 8, 16).arg(expected, 8, 16)));
    }
}

void CodecsTest::jpegReducedSize_data()
{
    QTest::addColumn<QSize>("declared");
    QTest::addColumn<int>("minSide");
    QTest::addColumn<QSize>("decoded");
    QTest::newRow("full size") << QSize(6000, 4000) << 0 << QSize(6000, 4000);
    QTest::newRow("90: 1/8") << QSize(6000, 4000) << 90 << QSize(750, 500);
    QTest::newRow("750: 1/8 exactly") << QSize(6000, 4000) << 750 << QSize(750, 500);
    QTest::newRow("751: 2/8") << QSize(6000, 4000) << 751 << QSize(1500, 1000);
    QTest::newRow("800: 2/8") << QSize(6000, 4000) << 800 << QSize(1500, 1000);
    QTest::newRow("2000: 3/8") << QSize(6000, 4000) << 2000 << QSize(2250, 1500);
    QTest::newRow("5000: 7/8") << QSize(6000, 4000) << 5000 << QSize(5250, 3500);
    QTest::newRow("larger than the image: no upscale") << QSize(6000, 4000) << 7000 << QSize(6000, 4000);
    QTest::newRow("portrait: longer side counts") << QSize(4000, 6000) << 90 << QSize(500, 750);
    QTest::newRow("odd size rounds up") << QSize(1001, 667) << 90 << QSize(126, 84);
    QTest::newRow("small picture stays whole") << QSize(100, 50) << 90 << QSize(100, 50);
}

void CodecsTest::jpegReducedSize()
{
    QFETCH(QSize, declared);
    QFETCH(int, minSide);
    QFETCH(QSize, decoded);
    const QByteArray header = morvane::test::withJpegSize(someJpeg(QSize(16, 16)), declared.width(), declared.height());
    QCOMPARE(jpegSize(header, QStringLiteral("big.jpg")), declared);
    QCOMPARE(jpegDecodedSize(header, QStringLiteral("big.jpg"), minSide), decoded);
}

void CodecsTest::jpegReducedDecodeMatchesPlannedSize()
{
    const QImage image = photoLike(QSize(1001, 667));
    const QByteArray jpeg = encodeJpeg(image);
    const QImage thumb = decodeJpeg(jpeg, QStringLiteral("t.jpg"), 90);
    QCOMPARE(thumb.size(), QSize(126, 84));
    QCOMPARE(thumb.size(), jpegDecodedSize(jpeg, QStringLiteral("t.jpg"), 90));
    QCOMPARE(thumb.format(), QImage::Format_RGB32);
    const QImage reference = image.scaled(thumb.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(meanDifference(thumb, reference) < 6.0);

    QTemporaryDir dir;
    const QString path = writeTemp(dir, QStringLiteral("t.JPEG"), jpeg);
    QCOMPARE(readImage(path, ReadOptions{90}).size(), QSize(126, 84));
    // Other formats decode whole; the caller scales.
    const QString png = writeTemp(dir, QStringLiteral("t.png"), encodePng(image));
    QCOMPARE(readImage(png, ReadOptions{90}).size(), image.size());
}

void CodecsTest::truncatedJpegPolicy()
{
    const QImage image = photoLike(QSize(640, 480));
    const QByteArray jpeg = encodeJpeg(image);
    const QString name = QStringLiteral("cut.jpg");

    // Only the end marker missing: every pixel is there.
    QCOMPARE(decodeJpeg(jpeg.left(jpeg.size() - 2), name).size(), image.size());

    // Cut in the middle of the scan: refused in full, kept as a thumbnail.
    const QByteArray half = jpeg.left(jpeg.size() / 2);
    try {
        decodeJpeg(half, name);
        QFAIL("a truncated JPEG decoded in full");
    } catch (const Error& e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot read the image file cut.jpg: the file is truncated"));
    }
    const QImage thumb = decodeJpeg(half, name, 60);
    QCOMPARE(thumb.size(), QSize(80, 60));
    const QImage reference = image.scaled(thumb.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(meanDifference(thumb.copy(0, 0, 80, 10), reference.copy(0, 0, 80, 10)) < 6.0);

    // Cut before any row of pixels: refused either way, also when progressive.
    const QByteArray progressive = morvane::test::writeFlatJpeg(JpegKind::Progressive, 300, 200, qRgb(1, 2, 3));
    for (const QByteArray& cut : {jpeg.left(jpeg.indexOf("\xff\xda") + 40), progressive.left(progressive.size() - 60)}) {
        QVERIFY_THROWS_EXCEPTION(Error, decodeJpeg(cut, name));
        QVERIFY_THROWS_EXCEPTION(Error, decodeJpeg(cut, name, 60));
    }
}

void CodecsTest::registry_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format");
    QTest::newRow("png") << "/a/7.png" << int(ImageFormat::Png);
    QTest::newRow("upper-case PNG") << "/a/7.PNG" << int(ImageFormat::Png);
    QTest::newRow("jpg") << "IMG_0042.JPG" << int(ImageFormat::Jpeg);
    QTest::newRow("jpeg") << "a.jpeg" << int(ImageFormat::Jpeg);
    QTest::newRow("jpe") << "a.Jpe" << int(ImageFormat::Jpeg);
    QTest::newRow("jfif") << "a.jfif" << int(ImageFormat::Jpeg);
    QTest::newRow("bmp") << "a.bmp" << int(ImageFormat::Bmp);
    QTest::newRow("gif") << "a.GIF" << int(ImageFormat::Gif);
    QTest::newRow("tif") << "a.tif" << int(ImageFormat::Tiff);
    QTest::newRow("tiff") << "a.TIFF" << int(ImageFormat::Tiff);
    QTest::newRow("ico") << "a.ico" << int(ImageFormat::Ico);
    QTest::newRow("txt") << "notes.txt" << int(ImageFormat::Unknown);
    QTest::newRow("pcx") << "a.pcx" << int(ImageFormat::Unknown);
    QTest::newRow("no extension") << "/a/png" << int(ImageFormat::Unknown);
    QTest::newRow("dot in the folder only") << "/a.png/readme" << int(ImageFormat::Unknown);
    QTest::newRow("double extension") << "a.png.txt" << int(ImageFormat::Unknown);
}

void CodecsTest::registry()
{
    QFETCH(QString, path);
    QFETCH(int, format);
    QCOMPARE(int(formatForPath(path)), format);
    QCOMPARE(hasRegisteredExtension(path), format != int(ImageFormat::Unknown));
    const QStringList all = registeredExtensions();
    QCOMPARE(all.size(), 10);
    for (const QString& extension : all)
        QVERIFY(hasRegisteredExtension(QStringLiteral("x.") + extension.toUpper()));
}

void CodecsTest::verification_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("valid");
    const QByteArray jpeg = someJpeg();
    const QByteArray png = encodePng(morvane::test::makeHairImage(QSize(8, 8)));
    const QImage icon = morvane::test::makeHairImage(QSize(16, 16));
    // A JPEG whose metadata pushes the frame header past the first 64 KiB.
    QByteArray bigMetadata = jpeg.left(2);
    for (int i = 0; i < 3; ++i)
        bigMetadata += QByteArray("\xff\xe1\xff\xf0", 4) + QByteArray(0xfff0 - 2, 'x');
    bigMetadata += jpeg.mid(2);

    QTest::newRow("JPEG as photo.jpg") << "photo.jpg" << jpeg << true;
    QTest::newRow("JPEG as upper-case .JPG") << "IMG_0042.JPG" << jpeg << true;
    QTest::newRow("JPEG with large metadata") << "meta.jpg" << bigMetadata << true;
    QTest::newRow("PNG as photo.jpg") << "photo.jpg" << png << false;
    QTest::newRow("PNG as 7.PNG") << "7.PNG" << png << true;
    QTest::newRow("JPEG as 7.png") << "7.png" << jpeg << false;
    QTest::newRow("text as notes.txt") << "notes.txt" << QByteArray("hello") << false;
    QTest::newRow("PNG as notes.txt") << "notes.txt" << png << false;
    QTest::newRow("empty jpg") << "empty.jpg" << QByteArray() << false;
    QTest::newRow("JPEG signature only") << "sig.jpg" << jpeg.left(4) << false;
    QTest::newRow("PNG header damaged") << "crc.png" << QByteArray(png).replace(16, 1, "\x7f") << false;
    QTest::newRow("truncated JPEG body") << "cut.jpg" << jpeg.left(jpeg.size() - 100) << true;
    QTest::newRow("PNG of 100000 x 100000") << "huge.png" << morvane::test::withPngSize(png, 100000, 100000) << false;
    QTest::newRow("PNG of 30000 x 10000") << "wide.png" << morvane::test::withPngSize(png, 30000, 10000) << true;
    QTest::newRow("PNG of 20000 x 20000") << "many.png" << morvane::test::withPngSize(png, 20000, 20000) << false;
    QTest::newRow("JPEG of 65500 x 65500") << "huge.jpg" << morvane::test::withJpegSize(jpeg, 65500, 65500) << false;
    QTest::newRow("BMP") << "a.bmp" << qtEncoded(photoLike(QSize(5, 5)), "bmp") << true;
    QTest::newRow("BMP of 40000 x 40000") << "huge.bmp" << bmpHeader(40000, 40000) << false;
    QTest::newRow("GIF") << "a.gif" << tinyGif() << true;
    QTest::newRow("GIF of 40000 x 40000") << "huge.gif" << gifOfSize(40000, 40000) << false;
    QTest::newRow("TIFF as .tif") << "a.tif" << qtEncoded(icon, "tiff") << true;
    QTest::newRow("ICO") << "a.ico" << qtEncoded(icon, "ico") << true;
    QTest::newRow("BMP as a.ico") << "a.ico" << qtEncoded(icon, "bmp") << false;
}

void CodecsTest::verification()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, valid);
    QTemporaryDir dir;
    QCOMPARE(verifyFormat(writeTemp(dir, name, content)), valid);
    QVERIFY(!verifyFormat(dir.filePath(QStringLiteral("missing.jpg"))));
    QVERIFY(!verifyFormat(dir.path() + QStringLiteral("/")));
}

void CodecsTest::brokenFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    const QByteArray jpeg = someJpeg();
    const QByteArray png = encodePng(photoLike(QSize(64, 48)), PngOptions{0, false});
    const QByteArray garbage = QByteArray::fromHex("deadbeef00112233445566778899").repeated(40);

    QTest::newRow("empty PNG") << "empty.png" << QByteArray() << "the file is empty";
    QTest::newRow("empty JPEG") << "empty.jpg" << QByteArray() << "the file is empty";
    QTest::newRow("empty BMP") << "empty.bmp" << QByteArray() << "the file is empty";
    QTest::newRow("garbage PNG") << "garbage.png" << garbage << "the content is not a PNG image";
    QTest::newRow("garbage JPEG") << "garbage.jpg" << garbage << "the content is not a JPEG image";
    QTest::newRow("garbage TIFF") << "garbage.tiff" << garbage << "the content is not a TIFF image";
    QTest::newRow("PNG named .jpg") << "photo.jpg" << png << "the content is not a JPEG image";
    QTest::newRow("PNG cut in the header") << "cut.png" << png.left(20) << "the file is truncated";
    QTest::newRow("PNG cut in the pixels") << "cut.png" << png.left(png.size() / 2) << "the file is truncated";
    QTest::newRow("PNG pixels damaged") << "crc.png" << QByteArray(png).replace(png.size() / 2, 8, "garbage!") << "";
    QTest::newRow("JPEG cut in the header") << "cut.jpg" << jpeg.left(100) << "the file is truncated";
    QTest::newRow("JPEG cut in the pixels") << "cut.jpg" << jpeg.left(jpeg.size() / 2) << "the file is truncated";
    QTest::newRow("JPEG with damaged tables") << "bad.jpg" << QByteArray(jpeg).replace(20, 60, QByteArray(60, '\xff')) << "";
    QTest::newRow("PNG of 100000 x 100000") << "huge.png" << morvane::test::withPngSize(png, 100000, 100000)
                                            << "the image is too large (100000 x 100000 pixels)";
    QTest::newRow("PNG of 20000 x 20000") << "many.png" << morvane::test::withPngSize(png, 20000, 20000)
                                          << "the image is too large (20000 x 20000 pixels)";
    QTest::newRow("JPEG of 65500 x 65500") << "huge.jpg" << morvane::test::withJpegSize(jpeg, 65500, 65500)
                                           << "the image is too large (65500 x 65500 pixels)";
    QTest::newRow("BMP of 40000 x 40000") << "huge.bmp" << bmpHeader(40000, 40000)
                                          << "the BMP header is damaged";
    QTest::newRow("GIF of 40000 x 40000") << "huge.gif" << gifOfSize(40000, 40000)
                                          << "the image is too large (40000 x 40000 pixels)";
    QTest::newRow("GIF cut") << "cut.gif" << tinyGif().left(12) << "";
    QTest::newRow("not an image type") << "notes.txt" << QByteArray("hello") << "the file type is not supported";
}

void CodecsTest::brokenFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = writeTemp(dir, name, content);
    try {
        const QImage image = readImage(path);
        QFAIL(qPrintable(QStringLiteral("decoded to %1 x %2").arg(image.width()).arg(image.height())));
    } catch (const Error& e) {
        const QString prefix = QStringLiteral("Cannot read the image file %1: ").arg(path);
        QVERIFY2(e.message().startsWith(prefix), qPrintable(e.message()));
        QVERIFY2(!e.message().endsWith(QLatin1Char('.')) && e.message().size() > prefix.size(),
                 qPrintable(e.message()));
        if (!reason.isEmpty())
            QCOMPARE(e.message().mid(prefix.size()), reason);
    }
}

void CodecsTest::otherFormatsRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("readFormat");
    QTest::addColumn<bool>("keepsAlpha");
    QTest::newRow("png") << "a.png" << int(QImage::Format_ARGB32) << true;
    QTest::newRow("jpg") << "a.jpg" << int(QImage::Format_RGB32) << false;
    QTest::newRow("bmp") << "a.BMP" << int(QImage::Format_RGB32) << false;
    QTest::newRow("tiff") << "a.tiff" << int(QImage::Format_ARGB32) << true;
    QTest::newRow("ico") << "a.ico" << int(QImage::Format_ARGB32) << true;
}

void CodecsTest::otherFormatsRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(int, readFormat);
    QFETCH(bool, keepsAlpha);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const QImage hair = morvane::test::makeHairImage(QSize(32, 24));
    writeImage(path, hair);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name}); // no temporary left
    QVERIFY(verifyFormat(path));
    const QImage back = readImage(path);
    QCOMPARE(int(back.format()), readFormat);
    QCOMPARE(back.size(), hair.size());
    if (keepsAlpha && name.endsWith(QLatin1String(".png")))
        QCOMPARE(back, hair);
    else if (keepsAlpha) // these plugins store premultiplied colours
        QCOMPARE(back, hair.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                           .convertToFormat(QImage::Format_ARGB32));
    else if (!name.endsWith(QLatin1String(".jpg")))
        QCOMPARE(back, hair.convertToFormat(QImage::Format_RGB32));

    // An existing file is replaced whole.
    writeImage(path, photoLike(QSize(10, 10)));
    QCOMPARE(readImage(path).size(), QSize(10, 10));
}

void CodecsTest::writeErrorsNameTheFile()
{
    QTemporaryDir dir;
    const QImage image = photoLike(QSize(8, 8));
    const QString gif = dir.filePath(QStringLiteral("a.gif"));
    const QString txt = dir.filePath(QStringLiteral("a.txt"));
    const QString missingFolder = dir.filePath(QStringLiteral("no/such/folder/a.png"));
    const QList<std::pair<QString, QString>> cases = {
        {gif, QStringLiteral("Cannot write the image file %1: GIF images cannot be written").arg(gif)},
        {txt, QStringLiteral("Cannot write the image file %1: the file type is not supported").arg(txt)},
        {missingFolder, QStringLiteral("Unable to write to %1").arg(missingFolder)},
    };
    for (const auto& [path, message] : cases) {
        try {
            writeImage(path, image);
            QFAIL(qPrintable(path));
        } catch (const Error& e) {
            QCOMPARE(e.message(), message);
        }
    }
    QVERIFY_THROWS_EXCEPTION(Error, encodeImage(QImage(), ImageFormat::Png));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

QTEST_GUILESS_MAIN(CodecsTest)
#include "tst_codecs.moc"
