#include "CanvasFixture.h"

#include "canvas/ClipboardPicture.h"
#include "canvas/EditCommands.h"
#include "canvas/LayerMerge.h"
#include "canvas/Selection.h"
#include "imaging/ImageIO.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

using namespace morvane;
using morvane::test::CanvasFixture;

namespace {

QImage clipboardPicture()
{
    return pictureFromMimeData(QGuiApplication::clipboard()->mimeData());
}

QImage solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void undoTakesBackTheStrokeSinceThePress();
    void undoOfThePhotoNeverBringsBackAnEarlierPhoto();
    void copyPutsWhatTheCanvasShows_data();
    void copyPutsWhatTheCanvasShows();
    void pasteMakesThePictureTheNewPhoto_data();
    void pasteMakesThePictureTheNewPhoto();
    void pasteFailuresLeaveTheComposition_data();
    void pasteFailuresLeaveTheComposition();
};

void TestEditCommands::undoTakesBackTheStrokeSinceThePress()
{
    CanvasFixture f;
    Composition& c = f.composition();
    f.button("BT_DRAW")->click();
    const QImage before = c.hair().image;

    // A stroke: the press takes the snapshot, the moves paint on the layer.
    f.press(QPoint(30, 30));
    for (int x = 30; x < 40; ++x)
        c.hair().image.setPixel(x, 30, qRgba(255, 255, 255, 0));
    f.moveTo(QPoint(40, 30));
    f.release(QPoint(40, 30));
    QVERIFY(c.hair().image != before);

    f.action("Desfazer1")->trigger();
    QCOMPARE(c.hair().image, before);
    f.action("Desfazer1")->trigger(); // twice gives the same picture
    QCOMPARE(c.hair().image, before);

    // A second stroke: Undo goes back only to its press.
    c.hair().image.setPixel(1, 1, qRgba(0, 0, 0, 255));
    const QImage afterFirst = c.hair().image;
    f.press(QPoint(30, 30));
    c.hair().image.setPixel(2, 2, qRgba(0, 0, 0, 255));
    f.release(QPoint(30, 30));
    f.action("Desfazer1")->trigger();
    QCOMPARE(c.hair().image, afterFirst);
}

void TestEditCommands::undoOfThePhotoNeverBringsBackAnEarlierPhoto()
{
    CanvasFixture f;
    Composition& c = f.composition();
    c.hair().position = QPoint(100, 100);
    for (int i = 0; i < 2; ++i) { // the first press picks the photo, the second snapshots it
        f.press(QPoint(10, 10));
        f.release(QPoint(10, 10));
    }
    QCOMPARE(c.currentLayer(), int(Composition::kPhotoLayer));
    QCOMPARE(c.photoSnapshot(), c.photo().image);

    const QString other = f.content.addPhoto(QStringLiteral("next.png"), QSize(200, 150));
    QImage next(200, 150, QImage::Format_RGB32);
    next.fill(qRgb(10, 200, 30));
    imaging::writeImage(other, next);
    f.tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, other); // takes no snapshot of its own steps
    f.action("ApagarCabelo1")->trigger();
    f.action("Desfazer1")->trigger();
    QCOMPARE(c.photo().image.pixel(5, 5), qRgb(10, 200, 30));
}

void TestEditCommands::copyPutsWhatTheCanvasShows_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QSize>("size");
    QTest::newRow("hair sticking out of the photo") << "hair out" << QSize(200, 150);
    QTest::newRow("hairstyle hidden: the photo alone") << "hidden" << QSize(200, 150);
    QTest::newRow("a lasso selection: its part") << "selection" << QSize(30, 20);
}

void TestEditCommands::copyPutsWhatTheCanvasShows()
{
    QFETCH(QString, state);
    QFETCH(QSize, size);
    CanvasFixture f;
    Composition& c = f.composition();
    c.hair().image = solid(QSize(80, 60), qRgba(200, 20, 20, 255));
    c.hair().position = QPoint(150, 120); // 30 x 30 of it over the photo
    QImage expected;
    if (state == QLatin1String("hair out")) {
        expected = mergedCutToPhoto(c);
    } else if (state == QLatin1String("hidden")) {
        f.action("ApagarCabelo1")->trigger();
        expected = c.photo().image;
    } else {
        QImage mask(c.photo().image.size(), QImage::Format_Grayscale8);
        mask.fill(0);
        for (int y = 10; y < 30; ++y)
            for (int x = 40; x < 70; ++x)
                mask.scanLine(y)[x] = 255;
        c.selection().selectMask(Composition::kPhotoLayer, mask);
        expected = c.photo().image.copy(40, 10, 30, 20);
    }

    f.button("BT_COPY")->click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat(QStringLiteral("image/png")));
    QVERIFY(data->hasFormat(QLatin1String(kPictureMimeType)));
    const QImage copied = clipboardPicture();
    QCOMPARE(copied.size(), size);
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    if (state == QLatin1String("hair out"))
        QCOMPARE(copied.pixel(170, 140), qRgb(200, 20, 20));
}

void TestEditCommands::pasteMakesThePictureTheNewPhoto_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QRgb>("expected"); // the pasted colour, after the JPEG round trip
    QTest::newRow("own format, transparent over the canvas colour")
        << "own" << qRgb(0xAD, 0xD8, 0xE6);
    QTest::newRow("PNG") << "image/png" << qRgb(40, 120, 200);
    QTest::newRow("BMP") << "image/bmp" << qRgb(40, 120, 200);
    QTest::newRow("a picture of the toolkit") << "image" << qRgb(40, 120, 200);
}

void TestEditCommands::pasteMakesThePictureTheNewPhoto()
{
    QFETCH(QString, format);
    QFETCH(QRgb, expected);
    CanvasFixture f;
    Composition& c = f.composition();
    c.setHairRatios(0.5, 0.5);
    const QImage picture = format == QLatin1String("own") ? solid(QSize(120, 90), qRgba(0, 0, 0, 0))
                                                          : solid(QSize(120, 90), qRgb(40, 120, 200));
    auto* data = new QMimeData;
    if (format == QLatin1String("own"))
        data->setData(QLatin1String(kPictureMimeType), imaging::encodeImage(picture, imaging::ImageFormat::Png));
    else if (format == QLatin1String("image"))
        data->setImageData(picture);
    else
        data->setData(format, imaging::encodeImage(picture, format.endsWith(QLatin1String("png"))
                                                                ? imaging::ImageFormat::Png
                                                                : imaging::ImageFormat::Bmp));
    QGuiApplication::clipboard()->setMimeData(data);
    f.button("BT_ZOOM")->click();
    const QString photoPath = f.tryOn().currentPhotoPath();

    f.button("BT_PASTE")->click();
    QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join(QLatin1Char('\n'))));
    const QString pasteFile = f.content.paths().pasteFile();
    QCOMPARE(imaging::formatOfContent(imaging::readImageFileContent(pasteFile)), imaging::ImageFormat::Jpeg);
    QCOMPARE(c.photo().image, imaging::readImage(pasteFile));
    QCOMPARE(c.photo().image.size(), QSize(120, 90));
    const QRgb pasted = c.photo().image.pixel(60, 45);
    QVERIFY(qAbs(qRed(pasted) - qRed(expected)) <= 3 && qAbs(qGreen(pasted) - qGreen(expected)) <= 3
            && qAbs(qBlue(pasted) - qBlue(expected)) <= 3);
    // The first hairstyle at its own size at the photo's corner, move mode on.
    QCOMPARE(c.hair().shownRect(), QRect(0, 0, 80, 60));
    QCOMPARE(int(f.tools().mode()), int(MoveTool));
    QCOMPARE(f.tryOn().currentPhotoPath(), photoPath);
}

void TestEditCommands::pasteFailuresLeaveTheComposition_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("error"); // the default error box, else an information box
    QTest::newRow("no picture") << "text" << "There is no bitmap in the clipboard." << false;
    QTest::newRow("damaged PNG") << "damaged" << "" << true;
    QTest::newRow("no Temp folder") << "no temp" << "" << true;
}

void TestEditCommands::pasteFailuresLeaveTheComposition()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    QFETCH(bool, error);
    CanvasFixture f;
    Composition& c = f.composition();
    auto* data = new QMimeData;
    if (failure == QLatin1String("text"))
        data->setText(QStringLiteral("just words"));
    else if (failure == QLatin1String("damaged"))
        data->setData(QStringLiteral("image/png"), QByteArray("\x89PNG\r\n\x1a\n broken", 16));
    else
        data->setData(QStringLiteral("image/png"),
                      imaging::encodeImage(solid(QSize(30, 20), qRgb(1, 2, 3)), imaging::ImageFormat::Png));
    if (failure == QLatin1String("no temp"))
        QVERIFY(QDir(f.content.paths().tempFolder()).removeRecursively());
    QGuiApplication::clipboard()->setMimeData(data);
    const QImage photo = c.photo().image;
    const QImage hair = c.hair().image;

    f.action("Colar1")->trigger();
    if (error) {
        QCOMPARE(f.dialogs.errors.size(), 1);
    } else {
        QCOMPARE(f.dialogs.messageTexts(), QStringList{message});
        QCOMPARE(f.dialogs.messages.constFirst().kind, MessageKind::Information);
    }
    QCOMPARE(c.layerCount(), 2);
    QCOMPARE(c.photo().image, photo);
    QCOMPARE(c.hair().image, hair);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
