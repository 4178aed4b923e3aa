#include "canvas/Composition.h"
#include "common/Error.h"
#include "gallery/LayerFile.h"
#include "support/TempContent.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

QString fixture(const QString& name)
{
    return qEnvironmentVariable("MORVANE_TEST_DATA") + QStringLiteral("/gallery/") + name;
}

void compareLayers(const Layer& actual, const Layer& expected)
{
    QCOMPARE(actual.image.size(), expected.image.size());
    QCOMPARE(actual.image.hasAlphaChannel(), expected.image.hasAlphaChannel());
    const QImage::Format format =
        expected.image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QCOMPARE(actual.image.convertToFormat(format), expected.image.convertToFormat(format));
    QCOMPARE(actual.position, expected.position);
    QCOMPARE(actual.shownWidth, expected.shownWidth);
    QCOMPARE(actual.shownHeight, expected.shownHeight);
    QCOMPARE(actual.visible, expected.visible);
    QCOMPARE(actual.frame, expected.frame);
    QCOMPARE(actual.locked, expected.locked);
}

} // namespace

class TestLayerFile : public QObject {
    Q_OBJECT
private slots:
    void everyAttributeComesBack_data();
    void everyAttributeComesBack();
    void eachLayerIsCompressedAtZlibsDefaultLevel();
    void aBrokenFileIsRefusedWithAClearError_data();
    void aBrokenFileIsRefusedWithAClearError();
    void loadingPutsBothLayersAndTheirSnapshotsOnTheCanvas();
};

void TestLayerFile::everyAttributeComesBack_data()
{
    QTest::addColumn<bool>("withHair");
    QTest::addColumn<bool>("hairVisible");
    QTest::addColumn<int>("current");
    QTest::newRow("photo alone") << false << false << 0;
    QTest::newRow("hair shown, current") << true << true << 1;
    QTest::newRow("hair hidden, photo current") << true << false << 0;
}

void TestLayerFile::everyAttributeComesBack()
{
    QFETCH(bool, withHair);
    QFETCH(bool, hairVisible);
    QFETCH(int, current);
    Composition saved;
    saved.photo().image = test::makePhotoImage(QSize(33, 21));
    saved.photo().shownWidth = 66;
    saved.photo().shownHeight = 42;
    saved.photo().locked = true;
    if (withHair) {
        saved.addHairLayer();
        Layer& hair = saved.hair();
        hair.image = test::makeHairImage(QSize(17, 23));
        hair.position = QPoint(-5, 12);
        hair.shownWidth = 9;
        hair.shownHeight = 30;
        hair.visible = hairVisible;
        hair.frame = false;
        hair.locked = !hairVisible;
    }
    saved.setCurrentLayer(current);

    const LayerFileContent back =
        LayerFile::decode(LayerFile::encode(saved), QStringLiteral("item.lyr"));
    QCOMPARE(int(back.layers.size()), saved.layerCount());
    QCOMPARE(back.currentLayer, current);
    for (int index = 0; index < saved.layerCount(); ++index)
        compareLayers(back.layers[size_t(index)], saved.layer(index));
    QCOMPARE(back.layers[0].image.format(), QImage::Format_RGB32);
    if (withHair) {
        QCOMPARE(back.layers[1].image.format(), QImage::Format_ARGB32);
        QVERIFY(!back.layers[1].frame);
    }
}

void TestLayerFile::eachLayerIsCompressedAtZlibsDefaultLevel()
{
    Composition saved;
    saved.photo().image = test::makePhotoImage(QSize(8, 8));
    const QByteArray file = LayerFile::encode(saved);
    QVERIFY(file.startsWith("IMAGEENLAYERS"));
    // After the file header, the layer counts and the photo layer's 36
    // bytes of attributes and sizes comes its zlib stream; 78 9C marks the
    // default level.
    const int stream = LayerFile::kHeaderLength + 8 + 36;
    QCOMPARE(quint8(file[stream]), quint8(0x78));
    QCOMPARE(quint8(file[stream + 1]), quint8(0x9C));
}

void TestLayerFile::aBrokenFileIsRefusedWithAClearError_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("truncated") << "truncated.lyr" << "is truncated";
    QTest::newRow("one byte altered") << "altered.lyr" << "its checksum does not match";
    QTest::newRow("a picture renamed") << "not-a-layer-file.lyr" << "is not a layer file";
    QTest::newRow("newer version") << "newer-version.lyr" << "has version 2";
    QTest::newRow("three layers") << "three-layers.lyr" << "holds 3 layers";
    QTest::newRow("2^31 layers") << "2g-layers.lyr" << "holds 2147483648 layers";
    QTest::newRow("absurd size") << "absurd-size.lyr" << "declares a picture of 100000 x 4 pixels";
    QTest::newRow("more pixels than the data can hold")
        << "more-pixels-than-held.lyr" << "declares more pixels than it holds";
    QTest::newRow("pixels do not match the size") << "inconsistent-pixels.lyr" << "holds a damaged picture";
    QTest::newRow("data after the end") << "trailing-data.lyr" << "has data after its end";
    QTest::newRow("missing") << "no-such-file.lyr" << "Cannot open the layer file";
}

void TestLayerFile::aBrokenFileIsRefusedWithAClearError()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    try {
        LayerFile::load(fixture(file));
        QFAIL("loaded");
    } catch (const Error& error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
        QVERIFY2(error.message().contains(file), qPrintable(error.message()));
    }
}

void TestLayerFile::loadingPutsBothLayersAndTheirSnapshotsOnTheCanvas()
{
    // The fixture written by the program: a 6 x 4 photo and a 3 x 2
    // hairstyle at -1, 2 shown at 6 x 4, without frame.
    const LayerFileContent content = LayerFile::load(fixture(QStringLiteral("item.lyr")));
    Composition canvas;
    canvas.photo().image = test::makePhotoImage(QSize(50, 40));
    canvas.addHairLayer();
    canvas.setHairSnapshot(test::makeHairImage(QSize(9, 9)));
    LayerFile::apply(content, canvas);

    QCOMPARE(canvas.layerCount(), 2);
    QCOMPARE(canvas.currentLayer(), 1);
    QCOMPARE(canvas.photo().image.size(), QSize(6, 4));
    QCOMPARE(canvas.photo().image.pixel(2, 3), qRgb(60, 120, 160));
    QCOMPARE(canvas.hair().image.pixel(2, 1), qRgba(122, 81, 40, 160));
    QCOMPARE(canvas.hair().position, QPoint(-1, 2));
    QCOMPARE(canvas.hair().shownSize(), QSize(6, 4));
    QVERIFY(!canvas.hair().frame);
    QCOMPARE(canvas.hairSnapshot(), canvas.hair().image);
    QCOMPARE(canvas.photoSnapshot(), canvas.photo().image);
}

QTEST_GUILESS_MAIN(TestLayerFile)
#include "tst_layerfile.moc"
