#include "canvas/CanvasView.h"
#include "canvas/Composition.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using morvane::CanvasView;
using morvane::Composition;

namespace {

QImage solid(QSize size, QColor colour, QImage::Format format)
{
    QImage image(size, format);
    image.fill(colour);
    return image;
}

// Paints the view into an image of its size, as the paint event does.
QImage render(CanvasView& view)
{
    QImage target(view.size(), QImage::Format_RGB32);
    QPainter painter(&target);
    view.paintView(painter, target.rect());
    return target;
}

} // namespace

class TestCanvasView : public QObject {
    Q_OBJECT
private slots:
    void conversionsFollowZoomAndOrigin_data();
    void conversionsFollowZoomAndOrigin();
    void zoomNotAboveZeroIsIgnored();
    void fitToViewUsesTheLimitingSide_data();
    void fitToViewUsesTheLimitingSide();
    void paintsLayersAtPositionShownSizeAndZoom();
    void repaintFollowsImageEditsAndHiddenLayers();
    void hugeZoomPaintsWithoutHugeCache();
};

void TestCanvasView::conversionsFollowZoomAndOrigin_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPointF>("origin");
    QTest::addColumn<QPointF>("photo");
    QTest::addColumn<QPointF>("view");
    QTest::newRow("identity") << 100.0 << QPointF(0, 0) << QPointF(30, 40) << QPointF(30, 40);
    QTest::newRow("half") << 50.0 << QPointF(0, 0) << QPointF(30, 40) << QPointF(15, 20);
    QTest::newRow("double, scrolled") << 200.0 << QPointF(10, 20) << QPointF(30, 40) << QPointF(40, 40);
    QTest::newRow("fit zoom") << 62.5 << QPointF(0, 0) << QPointF(1600, 1200) << QPointF(1000, 750);
}

void TestCanvasView::conversionsFollowZoomAndOrigin()
{
    QFETCH(double, zoom);
    QFETCH(QPointF, origin);
    QFETCH(QPointF, photo);
    QFETCH(QPointF, view);
    Composition composition;
    CanvasView canvas(composition);
    canvas.setZoom(zoom);
    canvas.setViewOrigin(origin);
    QCOMPARE(canvas.photoToView(photo), view);
    QCOMPARE(canvas.viewToPhoto(view), photo);
}

void TestCanvasView::zoomNotAboveZeroIsIgnored()
{
    Composition composition;
    CanvasView canvas(composition);
    QSignalSpy spy(&canvas, &CanvasView::zoomChanged);
    canvas.setZoom(0);
    canvas.setZoom(-5);
    canvas.setZoom(qQNaN());
    QCOMPARE(canvas.zoom(), 100.0);
    canvas.setZoom(2.5);
    QCOMPARE(canvas.zoom(), 2.5);
    QCOMPARE(spy.count(), 1);
}

void TestCanvasView::fitToViewUsesTheLimitingSide_data()
{
    QTest::addColumn<QSize>("photoSize");
    QTest::addColumn<QSize>("shown"); // 0 x 0: the image's own size
    QTest::addColumn<QSize>("viewSize");
    QTest::addColumn<double>("expected");
    QTest::newRow("wide photo") << QSize(1600, 1200) << QSize() << QSize(1000, 1000) << 62.5;
    QTest::newRow("tall photo") << QSize(1200, 1600) << QSize() << QSize(1000, 800) << 50.0;
    QTest::newRow("small photo grows") << QSize(100, 50) << QSize() << QSize(400, 400) << 400.0;
    QTest::newRow("shown size counts") << QSize(1600, 1200) << QSize(800, 600) << QSize(400, 400) << 50.0;
}

void TestCanvasView::fitToViewUsesTheLimitingSide()
{
    QFETCH(QSize, photoSize);
    QFETCH(QSize, shown);
    QFETCH(QSize, viewSize);
    QFETCH(double, expected);
    Composition composition;
    composition.photo().image = solid(photoSize, Qt::gray, QImage::Format_RGB32);
    composition.photo().shownWidth = shown.width();
    composition.photo().shownHeight = shown.height();
    CanvasView canvas(composition);
    canvas.resize(viewSize);
    canvas.setViewOrigin(QPointF(40, 40));
    canvas.fitToView();
    QCOMPARE(canvas.zoom(), expected);
    QCOMPARE(canvas.viewOrigin(), QPointF(0, 0));
    const QRect r = canvas.layerScreenRect(Composition::kPhotoLayer);
    QCOMPARE(r.topLeft(), QPoint(0, 0));
    QVERIFY(QRect(QPoint(0, 0), viewSize).contains(r));
}

void TestCanvasView::paintsLayersAtPositionShownSizeAndZoom()
{
    Composition composition;
    composition.photo().image = solid(QSize(200, 100), Qt::red, QImage::Format_RGB32);
    composition.photo().frame = false;
    composition.addHairLayer();
    // Half-transparent blue, 20 x 10 stretched to 40 x 20, at 100, 40.
    composition.hair().image = solid(QSize(20, 10), QColor(0, 0, 255, 128), QImage::Format_ARGB32);
    composition.hair().position = QPoint(100, 40);
    composition.hair().shownWidth = 40;
    composition.hair().shownHeight = 20;
    composition.hair().frame = false;

    CanvasView canvas(composition);
    canvas.resize(300, 200);
    canvas.setZoom(50);
    const QImage shot = render(canvas);

    // Photo: 100 x 50 on screen; hair: 20 x 10 at 50, 20.
    QCOMPARE(shot.pixelColor(10, 10), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(99, 49), QColor(Qt::red));
    const QColor blend = shot.pixelColor(60, 25);
    QVERIFY2(blend.red() > 100 && blend.red() < 150 && blend.blue() > 100 && blend.blue() < 150,
             qPrintable(blend.name()));
    QCOMPARE(shot.pixelColor(69, 29), blend);
    QCOMPARE(shot.pixelColor(70, 25), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(60, 30), QColor(Qt::red));
    // Outside the photo: the gradient, light blue at the top, darker below.
    const QColor top = shot.pixelColor(250, 0);
    const QColor bottom = shot.pixelColor(250, 199);
    QVERIFY(qAbs(top.red() - 0xAD) <= 2 && qAbs(top.blue() - 0xE6) <= 2);
    QVERIFY(qAbs(bottom.red() - 0x42) <= 3 && qAbs(bottom.blue() - 0xE7) <= 3);

    // Scrolled by 100, 40 photo pixels, the hair comes to the top left.
    canvas.setViewOrigin(QPointF(100, 40));
    QCOMPARE(render(canvas).pixelColor(0, 0), blend);

    // A frame is drawn on the layer's outline.
    canvas.setViewOrigin(QPointF(0, 0));
    composition.hair().frame = true;
    const QImage framed = render(canvas);
    QVERIFY(framed.pixelColor(50, 25) != blend);
    QCOMPARE(framed.pixelColor(60, 25), blend);
}

void TestCanvasView::repaintFollowsImageEditsAndHiddenLayers()
{
    Composition composition;
    composition.photo().image = solid(QSize(100, 100), Qt::red, QImage::Format_RGB32);
    composition.photo().frame = false;
    composition.addHairLayer();
    composition.hair().image = solid(QSize(100, 100), Qt::green, QImage::Format_ARGB32);
    composition.hair().frame = false;
    CanvasView canvas(composition);
    canvas.resize(100, 100);
    for (double zoom : {100.0, 50.0}) {
        canvas.setZoom(zoom);
        composition.hair().image.fill(Qt::green);
        QCOMPARE(render(canvas).pixelColor(10, 10), QColor(Qt::green));
        // An edit in place must not be hidden by the cached scaled image.
        composition.hair().image.fill(Qt::blue);
        QCOMPARE(render(canvas).pixelColor(10, 10), QColor(Qt::blue));
        composition.hair().visible = false;
        QCOMPARE(render(canvas).pixelColor(10, 10), QColor(Qt::red));
        composition.hair().visible = true;
        composition.photo().image.fill(Qt::yellow);
        composition.hair().image.fill(Qt::transparent);
        QCOMPARE(render(canvas).pixelColor(10, 10), QColor(Qt::yellow));
        composition.photo().image.fill(Qt::red);
    }
    composition.removeHairLayer();
    QCOMPARE(render(canvas).pixelColor(10, 10), QColor(Qt::red));
}

void TestCanvasView::hugeZoomPaintsWithoutHugeCache()
{
    // At 5000 % a cached 80000 x 60000 photo would need 19 GB.
    Composition composition;
    QImage photo = solid(QSize(1600, 1200), Qt::red, QImage::Format_RGB32);
    photo.setPixelColor(800, 600, Qt::green);
    composition.photo().image = photo;
    composition.photo().frame = false;
    CanvasView canvas(composition);
    canvas.resize(200, 200);
    canvas.setZoom(5000);
    canvas.setViewOrigin(QPointF(799, 599));
    const QImage shot = render(canvas);
    // Photo pixel 799, 599 fills 0..49; 800, 600 fills 50..99.
    QCOMPARE(shot.pixelColor(25, 25), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(51, 51), QColor(Qt::green));
    QCOMPARE(shot.pixelColor(98, 98), QColor(Qt::green));
    QCOMPARE(shot.pixelColor(101, 101), QColor(Qt::red));
}

QTEST_MAIN(TestCanvasView)
#include "tst_canvasview.moc"
