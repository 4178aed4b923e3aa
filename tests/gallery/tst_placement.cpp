#include "common/Error.h"
#include "gallery/HiddenText.h"
#include "gallery/PlacementText.h"
#include "imaging/PngCodec.h"
#include "support/TempContent.h"

#include <QTest>

using namespace morvane;

namespace {

// The colour byte `index` of a picture in the stored order: blue, green,
// red of each pixel, row by row from the top.
int colourByte(const QImage& image, int index)
{
    const int pixel = index / 3;
    const QRgb value = image.pixel(pixel % image.width(), pixel / image.width());
    switch (index % 3) {
    case 0: return qBlue(value);
    case 1: return qGreen(value);
    default: return qRed(value);
    }
}

// Sets the lowest bits of the first colour bytes to `stored`, least
// significant bit first.
void layBits(QImage& image, const QByteArray& stored)
{
    for (int index = 0; index < stored.size() * 8; ++index) {
        const int bit = (quint8(stored[index / 8]) >> (index % 8)) & 1;
        const int pixel = index / 3;
        const QRgb value = image.pixel(pixel % image.width(), pixel / image.width());
        int channel[3] = {qBlue(value), qGreen(value), qRed(value)};
        channel[index % 3] = (channel[index % 3] & ~1) | bit;
        image.setPixel(pixel % image.width(), pixel / image.width(),
                       qRgba(channel[2], channel[1], channel[0], qAlpha(value)));
    }
}

QImage filled(QSize size, int value, int alpha = 255)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(qRgba(value, value, value, alpha));
    return image;
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void ratiosAreWrittenWithACommaAndNoExponent_data();
    void ratiosAreWrittenWithACommaAndNoExponent();
    void ratiosReadBackOrNameTheBadText_data();
    void ratiosReadBackOrNameTheBadText();
    void theTextSplitsAtTheFirstSeparators_data();
    void theTextSplitsAtTheFirstSeparators();
    void hiddenBitsOfASmallPictureAreExact_data();
    void hiddenBitsOfASmallPictureAreExact();
    void hiddenTextSurvivesAPngWithAlpha();
    void aPictureTooSmallKeepsTheBeginning();
    void theReaderRefusesAnUnsoundHeader_data();
    void theReaderRefusesAnUnsoundHeader();
    void bytesOfAnEarlierInstallationReadAsWindows1252();
};

void TestPlacement::ratiosAreWrittenWithACommaAndNoExponent_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("three quarters") << 0.75 << "0,75";
    QTest::newRow("whole") << 1.0 << "1";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("above one") << 123.456 << "123,456";
    QTest::newRow("tiny, no exponent") << 0.00005 << "0,00005";
    QTest::newRow("one pixel of a wide hairstyle") << 1.0 / 30000 << "0,0000333333333333333";
}

void TestPlacement::ratiosAreWrittenWithACommaAndNoExponent()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(PlacementText::ratioText(value), text);
    QCOMPARE(PlacementText::ratioFromText(text), value);
}

void TestPlacement::ratiosReadBackOrNameTheBadText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // < 0: refused
    QTest::newRow("comma") << "0,5" << 0.5;
    QTest::newRow("whole") << "2" << 2.0;
    QTest::newRow("leading comma") << ",5" << 0.5;
    QTest::newRow("empty") << "" << -1.0;
    QTest::newRow("letters") << "abc" << -1.0;
    QTest::newRow("point") << "0.5" << -1.0;
    QTest::newRow("two commas") << "1,2,3" << -1.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("exponent") << "1E5" << -1.0;
    QTest::newRow("blank around") << " 1" << -1.0;
    QTest::newRow("absurdly large") << "99999999" << -1.0;
}

void TestPlacement::ratiosReadBackOrNameTheBadText()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    if (value >= 0) {
        QCOMPARE(PlacementText::ratioFromText(text), value);
        return;
    }
    try {
        PlacementText::ratioFromText(text);
        QFAIL("accepted");
    } catch (const Error& error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void TestPlacement::theTextSplitsAtTheFirstSeparators_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("built") << PlacementText::build({0.5, 1.25, QSize(40, 50), "/home/a.b/x-y*z$1.jpg"})
                           << QStringList{"0,5", "1,25", "40", "50", "/home/a.b/x-y*z$1.jpg"};
    QTest::newRow("windows path") << "1.1-300*420$C:\\Morvane 2010\\Photos\\ana-1.jpg"
                                  << QStringList{"1", "1", "300", "420", "C:\\Morvane 2010\\Photos\\ana-1.jpg"};
    QTest::newRow("no text") << "" << QStringList{"", "", "", "", ""};
    QTest::newRow("cut short") << "0,5.0,7" << QStringList{"0,5", "0,7", "", "", ""};
}

void TestPlacement::theTextSplitsAtTheFirstSeparators()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    const PlacementText::Fields split = PlacementText::split(text);
    QCOMPARE((QStringList{split.widthRatio, split.heightRatio, split.hairstyleWidth,
                          split.hairstyleHeight, split.photoPath}),
             fields);
}

void TestPlacement::hiddenBitsOfASmallPictureAreExact_data()
{
    // "A" in an 8 x 3 picture: 9 stored bytes fill its 72 colour bytes.
    // Header 00 00 00 00 01 00 00 00, then 0x41; bits least significant first.
    QTest::addColumn<int>("fill");
    QTest::addColumn<int>("one");  // a colour byte that holds a 1 bit
    QTest::addColumn<int>("zero"); // one that holds a 0 bit
    QTest::newRow("odd values: a 0 raises them") << 3 << 3 << 4;
    QTest::newRow("even values: a 1 raises them") << 200 << 201 << 200;
    QTest::newRow("255 becomes 254 for a 0") << 255 << 255 << 254;
}

void TestPlacement::hiddenBitsOfASmallPictureAreExact()
{
    QFETCH(int, fill);
    QFETCH(int, one);
    QFETCH(int, zero);
    QImage image = filled(QSize(8, 3), fill, 77);
    HiddenText::write(image, "A");
    const QList<int> ones{32, 64, 70}; // length bit 0; 0x41 = bits 0 and 6
    for (int index = 0; index < 72; ++index)
        QCOMPARE(colourByte(image, index), ones.contains(index) ? one : zero);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 8; ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 77);
    }
    QCOMPARE(HiddenText::read(image), QByteArray("A"));
}

void TestPlacement::hiddenTextSurvivesAPngWithAlpha()
{
    // The hairstyle alone: colours under fully transparent pixels carry bits too.
    QImage hair = test::makeHairImage(QSize(30, 20));
    const QString text = PlacementText::build({0.75, 1, QSize(30, 20), QStringLiteral("/Fotos/José.jpg")});
    HiddenText::write(hair, PlacementText::encode(text));
    const QImage back = imaging::decodePng(imaging::encodePng(hair), QStringLiteral("hair.png"));
    QCOMPARE(PlacementText::decode(HiddenText::read(back)), text);
    const QImage original = test::makeHairImage(QSize(30, 20));
    for (int x = 0; x < 30; ++x)
        QCOMPARE(qAlpha(back.pixel(x, 5)), qAlpha(original.pixel(x, 5)));
}

void TestPlacement::aPictureTooSmallKeepsTheBeginning()
{
    // 36 colour bytes: the header and half a byte of text fit; only whole bytes read back.
    QImage small = filled(QSize(4, 3), 100);
    HiddenText::write(small, "0,5.1-40*50$/p.jpg");
    QCOMPARE(HiddenText::read(small), QByteArray());
    // 108 colour bytes: the header and five characters.
    QImage larger = filled(QSize(12, 3), 100);
    HiddenText::write(larger, "0,5.1-40*50$/p.jpg");
    QCOMPARE(HiddenText::read(larger), QByteArray("0,5.1"));
}

void TestPlacement::theReaderRefusesAnUnsoundHeader_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("first bytes not zero") << QByteArray("\x01\0\0\0\x02\0\0\0", 8);
    QTest::newRow("length as long as the colour bytes") << QByteArray("\0\0\0\0\xB4\0\0\0", 8);
    QTest::newRow("length of 4 GB") << QByteArray("\0\0\0\0\xff\xff\xff\xff", 8);
    QTest::newRow("length with the top bit set") << QByteArray("\0\0\0\0\0\0\0\x80", 8);
}

void TestPlacement::theReaderRefusesAnUnsoundHeader()
{
    QFETCH(QByteArray, header);
    // 10 x 6 pixels: 180 colour bytes (0xB4). The stored bytes are laid in
    // by hand, one bit in the lowest bit of each colour byte.
    QImage image = filled(QSize(10, 6), 10);
    layBits(image, header + "xy");
    QCOMPARE(HiddenText::read(image), QByteArray());
    // The same picture with a sound header gives the data back.
    layBits(image, QByteArray("\0\0\0\0\x02\0\0\0xy", 10));
    QCOMPARE(HiddenText::read(image), QByteArray("xy"));
}

void TestPlacement::bytesOfAnEarlierInstallationReadAsWindows1252()
{
    QImage image = filled(QSize(20, 10), 0);
    HiddenText::write(image, QByteArray("1.1-2*3$C:\\Fotos\\Jos\xE9.jpg"));
    QCOMPARE(PlacementText::decode(HiddenText::read(image)),
             QStringLiteral("1.1-2*3$C:\\Fotos\\José.jpg"));
}

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
