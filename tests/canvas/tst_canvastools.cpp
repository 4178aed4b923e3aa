#include "CanvasFixture.h"

#include "app/Cursors.h"
#include "app/PageControl.h"
#include "canvas/LayerInteraction.h"
#include "canvas/Selection.h"
#include "canvas/ZoomControl.h"
#include "colour/ColorsPage.h"
#include "library/StylesPage.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace morvane;
using morvane::test::CanvasFixture;

namespace {

QLabel* zoomLabel(CanvasFixture& f)
{
    return f.window->actions().zoomLabel();
}

void sendWheel(CanvasFixture& f, QPoint at, int delta)
{
    QWheelEvent event(QPointF(at), f.canvas().mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&f.canvas(), &event);
}

void sendKey(CanvasFixture& f, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.canvas(), &event);
}

QImage cursorPicture(const QCursor& cursor)
{
    return cursor.pixmap().toImage();
}

} // namespace

class TestCanvasTools : public QObject {
    Q_OBJECT
private slots:
    void toolChoiceSwitchesButtonCursorAndMode_data();
    void toolChoiceSwitchesButtonCursorAndMode();
    void moveModeResetsTheTools();
    void gripResizeSetsTheRatiosForTheNextHairstyle_data();
    void gripResizeSetsTheRatiosForTheNextHairstyle();
    void pressPicksTheLayerUnderThePointer_data();
    void pressPicksTheLayerUnderThePointer();
    void pressTogglesTheCurrentFrameAndRecordsTheLayerPixel_data();
    void pressTogglesTheCurrentFrameAndRecordsTheLayerPixel();
    void lockedLayersNeitherMoveNorResize();
    void zoomCommandsAndWheel_data();
    void zoomCommandsAndWheel();
    void wheelKeepsThePointUnderThePointer();
    void originalSizeRestoresTheLoadedSizes();
    void lassoSelectsWhatItEnclosesAndEscWhitensIt();
    void ctrlPressSelectsARegionOfLikeColour();
    void escWithoutSelectionWhitensTheLayerOnlyInLassoMode();
    void eyedropperKeepsTheLassoOtherToolsEndIt();
    void hideSelectionTogglesOnlyTheOutline();
};

void TestCanvasTools::toolChoiceSwitchesButtonCursorAndMode_data()
{
    QTest::addColumn<QString>("control"); // a button or a menu item
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("cursorSlot"); // 0: a standard cursor
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("page");   // the page made active, or empty
    QTest::newRow("haircut button") << "BT_DRAW" << int(HaircutTool) << 2 << 0 << "";
    QTest::newRow("haircut menu") << "RetoqLapis" << int(HaircutTool) << 2 << 0 << "";
    QTest::newRow("eyedropper button") << "BT_CONTAGOTAS" << int(EyedropperTool) << 10 << 0 << "TabSheet3";
    QTest::newRow("blur button") << "BT_BLUR" << int(BlurTool) << 4 << 0 << "";
    QTest::newRow("smudge menu") << "RetoqSmudge" << int(SmudgeTool) << 6 << 0 << "";
    QTest::newRow("duplicate button") << "BT_CLONE" << int(DuplicateTool) << 5 << 0 << "";
    QTest::newRow("make-up button") << "BT_SPRAY" << int(MakeUpTool) << 11 << 0 << "TabSheet3";
    QTest::newRow("make-up menu") << "Maquiagem1" << int(MakeUpTool) << 11 << 0 << "TabSheet3";
    QTest::newRow("zoom") << "BT_ZOOM" << int(ZoomTool) << 0 << int(Qt::BitmapCursor) << "";
    QTest::newRow("lasso") << "BT_LACO" << int(LassoTool) << 0 << int(Qt::CrossCursor) << "";
}

void TestCanvasTools::toolChoiceSwitchesButtonCursorAndMode()
{
    QFETCH(QString, control);
    QFETCH(int, mode);
    QFETCH(int, cursorSlot);
    QFETCH(int, shape);
    QFETCH(QString, page);
    CanvasFixture f;
    QSignalSpy moveMode(&f.tools(), &ToolController::moveModeEntered);
    if (QToolButton* button = f.window->actions().button(control))
        button->click();
    else
        f.window->actions().action(control)->trigger();

    QCOMPARE(int(f.tools().mode()), mode);
    QVERIFY(!moveMode.isEmpty()); // every choice passes through move mode
    QToolButton* down = f.button(qPrintable(toolButtonName(ToolMode(mode))));
    QCOMPARE(f.window->actions().toolModes()->checkedButton(), down);
    if (cursorSlot)
        QCOMPARE(cursorPicture(f.canvas().cursor()), cursorPicture(f.window->cursors().cursor(cursorSlot)));
    else
        QCOMPARE(int(f.canvas().cursor().shape()), shape);
    QCOMPARE(f.tools().lassoMode(), mode == LassoTool);
    QCOMPARE(f.window->state().makeUpMode, mode == MakeUpTool);
    QCOMPARE(zoomLabel(f)->isVisibleTo(f.window.get()), mode == ZoomTool);
    if (!page.isEmpty())
        QCOMPARE(f.window->pageControl()->currentWidget()->objectName(), page);
    if (mode == ZoomTool)
        QCOMPARE(f.composition().currentLayer(), int(Composition::kPhotoLayer));
    if (mode == LassoTool) { // the hairstyle is hidden and the photo takes the selection
        QVERIFY(!f.composition().hair().visible);
        QCOMPARE(f.composition().currentLayer(), int(Composition::kPhotoLayer));
    }
}

void TestCanvasTools::moveModeResetsTheTools()
{
    CanvasFixture f;
    f.button("BT_ZOOM")->click();
    QVERIFY(zoomLabel(f)->isVisibleTo(f.window.get()));
    f.composition().setCurrentLayer(Composition::kHairLayer);
    Layer& hair = f.composition().hair();
    hair.frame = false;
    hair.shownWidth = 40; // half of its 80 pixels
    hair.image.setPixel(5, 5, qRgba(1, 2, 3, 255));
    auto* lock = f.window->colorsPage()->findChild<QToolButton*>(QStringLiteral("BT_LOCK"));
    lock->setChecked(false);
    QSignalSpy moveMode(&f.tools(), &ToolController::moveModeEntered);

    f.button("BT_SCROLL")->click();
    QCOMPARE(moveMode.count(), 1);
    QCOMPARE(int(f.tools().mode()), int(MoveTool));
    QVERIFY(f.button("BT_SCROLL")->isChecked());
    QVERIFY(!zoomLabel(f)->isVisibleTo(f.window.get()));
    QCOMPARE(zoomLabel(f)->text(), QStringLiteral("Zoom: 100%"));
    QCOMPARE(f.composition().hairWidthRatio(), 0.5);
    QCOMPARE(f.composition().hairHeightRatio(), 1.0);
    QVERIFY(f.composition().hair().frame);
    QCOMPARE(f.composition().hairSnapshot(), f.composition().hair().image);
    QVERIFY(!f.composition().photo().locked);
    QVERIFY(lock->isChecked());
    QCOMPARE(int(f.canvas().cursor().shape()), int(Qt::OpenHandCursor));
}

void TestCanvasTools::gripResizeSetsTheRatiosForTheNextHairstyle_data()
{
    QTest::addColumn<bool>("photoCurrent");
    QTest::addColumn<QPoint>("grip"); // where the drag starts
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<QRect>("shown"); // the resized layer's position and shown size
    // The hair layer at (20, 10), 80 x 60: its right grip at (100, 40).
    QTest::newRow("hair right edge to half, freely")
        << false << QPoint(100, 40) << QPoint(60, 40) << false << QRect(20, 10, 40, 60);
    QTest::newRow("hair corner with Alt keeps the aspect")
        << false << QPoint(100, 70) << QPoint(60, 65) << true << QRect(20, 10, 40, 30);
    QTest::newRow("hair left edge keeps the right edge")
        << false << QPoint(20, 40) << QPoint(40, 40) << false << QRect(40, 10, 60, 60);
    // The photo, 200 x 150 at (0, 0), resizes in proportion.
    QTest::newRow("photo right edge in proportion")
        << true << QPoint(200, 75) << QPoint(100, 75) << false << QRect(0, 0, 100, 75);
}

void TestCanvasTools::gripResizeSetsTheRatiosForTheNextHairstyle()
{
    QFETCH(bool, photoCurrent);
    QFETCH(QPoint, grip);
    QFETCH(QPoint, to);
    QFETCH(bool, alt);
    QFETCH(QRect, shown);
    CanvasFixture f;
    Composition& c = f.composition();
    c.hair().position = QPoint(20, 10);
    if (photoCurrent)
        c.setCurrentLayer(Composition::kPhotoLayer);
    const int layer = c.currentLayer();
    const Qt::KeyboardModifiers modifiers = alt ? Qt::AltModifier : Qt::NoModifier;

    f.press(grip, Qt::LeftButton, modifiers);
    f.moveTo((grip + to) / 2, modifiers);
    f.moveTo(to, modifiers);
    QCOMPARE(f.canvas().hint(), QStringLiteral("%1 x %2").arg(shown.width()).arg(shown.height()));
    f.release(to);
    QVERIFY(f.canvas().hint().isEmpty());
    QCOMPARE(c.layer(layer).shownRect(), shown);
    QCOMPARE(c.currentLayer(), layer);
    if (photoCurrent)
        return;

    // The release recomputed the ratios: the next hairstyle (60 x 40) takes the same scale.
    QCOMPARE(c.hairWidthRatio(), shown.width() / 80.0);
    QCOMPARE(c.hairHeightRatio(), shown.height() / 60.0);
    emit f.window->stylesPage()->hairstylePicked(f.content.paths().hairstyleFile(
        QStringLiteral("Styles2"), QStringLiteral("Long and Dark"), 2));
    QCOMPARE(c.hair().image.size(), QSize(60, 40));
    QCOMPARE(c.hair().shownSize(), QSize(qRound(60.0 * shown.width() / 80), qRound(40.0 * shown.height() / 60)));
    QCOMPARE(c.hair().position, shown.topLeft());
}

void TestCanvasTools::pressPicksTheLayerUnderThePointer_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("picked");
    QTest::addColumn<QPoint>("photoAt"); // after a drag by (10, 5)
    QTest::addColumn<QPoint>("hairAt");
    // Hairstyle column 0 is fully transparent; the hair layer is at (20, 10).
    QTest::newRow("through transparent hair: the photo")
        << QPoint(20, 20) << 0 << QPoint(10, 5) << QPoint(20, 10);
    QTest::newRow("on the hair") << QPoint(60, 20) << 1 << QPoint(0, 0) << QPoint(30, 15);
    QTest::newRow("photo beside the hair") << QPoint(150, 120) << 0 << QPoint(10, 5) << QPoint(20, 10);
    QTest::newRow("canvas background: nothing moves")
        << QPoint(400, 300) << 1 << QPoint(0, 0) << QPoint(20, 10);
}

void TestCanvasTools::pressPicksTheLayerUnderThePointer()
{
    QFETCH(QPoint, at);
    QFETCH(int, picked);
    QFETCH(QPoint, photoAt);
    QFETCH(QPoint, hairAt);
    CanvasFixture f;
    Composition& c = f.composition();
    c.hair().position = QPoint(20, 10);
    f.drag(at, at + QPoint(10, 5));
    QCOMPARE(c.currentLayer(), picked);
    QCOMPARE(c.photo().position, photoAt);
    QCOMPARE(c.hair().position, hairAt);
}

void TestCanvasTools::pressTogglesTheCurrentFrameAndRecordsTheLayerPixel_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("hairRect"); // position and shown size (image 80 x 60)
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("pixel");
    QTest::newRow("zoom 100") << 100.0 << QRect(0, 0, 80, 60) << QPoint(30, 40) << QPoint(30, 40);
    QTest::newRow("moved") << 100.0 << QRect(10, 20, 80, 60) << QPoint(30, 40) << QPoint(20, 20);
    QTest::newRow("stretched twice") << 100.0 << QRect(0, 0, 160, 120) << QPoint(31, 41) << QPoint(15, 20);
    QTest::newRow("zoom 200") << 200.0 << QRect(0, 0, 80, 60) << QPoint(61, 41) << QPoint(30, 20);
    QTest::newRow("zoom 50, outside the image")
        << 50.0 << QRect(0, 0, 80, 60) << QPoint(45, 10) << QPoint(91, 21);
}

void TestCanvasTools::pressTogglesTheCurrentFrameAndRecordsTheLayerPixel()
{
    QFETCH(double, zoom);
    QFETCH(QRect, hairRect);
    QFETCH(QPoint, at);
    QFETCH(QPoint, pixel);
    CanvasFixture f;
    Composition& c = f.composition();
    f.canvas().setZoom(zoom);
    c.hair().position = hairRect.topLeft();
    c.hair().shownWidth = hairRect.width();
    c.hair().shownHeight = hairRect.height();
    f.button("BT_DRAW")->click(); // no interaction of its own: nothing moves
    const bool frame = c.hair().frame;

    f.press(at);
    QCOMPARE(f.tools().lastPressPoint(), pixel);
    QVERIFY(f.tools().strokeInProgress());
    QCOMPARE(c.hair().frame, !frame);
    QVERIFY(!f.tools().keepAspect()); // the hair layer was current
    f.release(at);
    QVERIFY(!f.tools().strokeInProgress());
    f.press(at);
    QCOMPARE(c.hair().frame, frame);
    QCOMPARE(c.hair().shownRect(), hairRect);
}

void TestCanvasTools::lockedLayersNeitherMoveNorResize()
{
    Composition c;
    c.photo().image = QImage(200, 150, QImage::Format_RGB32);
    c.photo().image.fill(Qt::gray);
    c.addHairLayer();
    c.hair().image = QImage(80, 60, QImage::Format_ARGB32);
    c.hair().image.fill(qRgba(90, 60, 30, 255));
    c.hair().position = QPoint(20, 10);
    c.hair().locked = true;
    CanvasView view(c);
    view.resize(400, 300);
    LayerInteraction interaction(c, view);

    interaction.press(QPointF(100, 40), false); // the right grip
    interaction.move(QPointF(60, 40), Qt::NoModifier);
    interaction.release();
    interaction.press(QPointF(50, 30), false); // the middle
    interaction.move(QPointF(70, 50), Qt::NoModifier);
    interaction.release();
    QCOMPARE(c.hair().shownRect(), QRect(20, 10, 80, 60));

    c.hair().locked = false;
    interaction.press(QPointF(50, 30), false);
    interaction.move(QPointF(70, 50), Qt::NoModifier);
    interaction.release();
    QCOMPARE(c.hair().position, QPoint(40, 30));
}

void TestCanvasTools::zoomCommandsAndWheel_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<QString>("command");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("label");
    QTest::newRow("zoom in") << 100.0 << "ZoomIn1" << 105.0 << "Zoom: 105%";
    QTest::newRow("zoom out") << 100.0 << "ZoomOut1" << 95.0 << "Zoom: 95%";
    QTest::newRow("zoom out at 5: 0 is not applied") << 5.0 << "ZoomOut1" << 5.0 << "Zoom: 5%";
    QTest::newRow("zoom out at 7.5: halves to even") << 7.5 << "ZoomOut1" << 2.5 << "Zoom: 2%";
    QTest::newRow("zoom tool left") << 100.0 << "tool left" << 105.0 << "Zoom: 105%";
    QTest::newRow("zoom tool right") << 100.0 << "tool right" << 95.0 << "Zoom: 95%";
    QTest::newRow("wheel towards at 100") << 100.0 << "wheel towards" << 108.0 << "Zoom: 108%";
    QTest::newRow("wheel towards at 10") << 10.0 << "wheel towards" << 11.0 << "Zoom: 11%";
    QTest::newRow("wheel towards at 5") << 5.0 << "wheel towards" << 6.0 << "Zoom: 6%";
    QTest::newRow("wheel away at 100") << 100.0 << "wheel away" << 92.0 << "Zoom: 92%";
    QTest::newRow("wheel away at 1: 0 is not applied") << 1.0 << "wheel away" << 1.0 << "Zoom: 1%";
}

void TestCanvasTools::zoomCommandsAndWheel()
{
    QFETCH(double, start);
    QFETCH(QString, command);
    QFETCH(double, zoom);
    QFETCH(QString, label);
    CanvasFixture f;
    f.canvas().setZoom(start);
    const QPoint onPhoto = f.canvas().photoToView(QPointF(10, 10)).toPoint() + QPoint(1, 1);
    if (command.startsWith(QLatin1String("tool"))) {
        f.button("BT_ZOOM")->click();
        f.press(onPhoto, command.endsWith(QLatin1String("right")) ? Qt::RightButton : Qt::LeftButton);
    } else if (command.startsWith(QLatin1String("wheel"))) {
        sendWheel(f, onPhoto, command.endsWith(QLatin1String("towards")) ? -120 : 120);
    } else {
        f.action(qPrintable(command))->trigger();
        QVERIFY(zoomLabel(f)->isVisibleTo(f.window.get()));
    }
    QCOMPARE(f.canvas().zoom(), zoom);
    QCOMPARE(zoomLabel(f)->text(), label);
}

void TestCanvasTools::wheelKeepsThePointUnderThePointer()
{
    CanvasFixture f;
    const QPoint at(120, 90);
    const QPointF under = f.canvas().viewToPhoto(QPointF(at));
    sendWheel(f, at, -120);
    sendWheel(f, at, -120);
    QCOMPARE(f.canvas().zoom(), 117.0); // 100 + 8, then 108 + 9
    QCOMPARE(f.canvas().viewToPhoto(QPointF(at)), under);

    // The menu command centres the last press point.
    f.press(QPoint(50, 40));
    f.release(QPoint(50, 40));
    const QPointF pressed = f.canvas().viewToPhoto(QPointF(50, 40));
    f.action("ZoomIn1")->trigger();
    const QPointF centre(f.canvas().width() / 2.0, f.canvas().height() / 2.0);
    QCOMPARE(f.canvas().photoToView(pressed), centre);
}

void TestCanvasTools::originalSizeRestoresTheLoadedSizes()
{
    CanvasFixture f;
    Composition& c = f.composition();
    c.hair().position = QPoint(30, 20);
    c.hair().shownWidth = 123;
    c.hair().shownHeight = 45;
    c.photo().shownWidth = 150;
    c.photo().shownHeight = 90;
    f.button("BT_ORIGINAL")->click();
    QCOMPARE(c.hair().shownRect(), QRect(30, 20, 80, 60));
    QCOMPARE(c.photo().shownRect(), QRect(0, 0, 200, 150));
    QVERIFY(f.tools().keepAspect());
    // The ratios wait for the next release or move mode.
    f.button("BT_SCROLL")->click();
    QCOMPARE(c.hairWidthRatio(), 1.0);
}

void TestCanvasTools::lassoSelectsWhatItEnclosesAndEscWhitensIt()
{
    CanvasFixture f;
    Composition& c = f.composition();
    f.window->pageControl()->setCurrentIndex(0);
    f.button("BT_LACO")->click();
    const QImage before = c.photo().image;

    f.press(QPoint(10, 10));
    for (const QPoint p : {QPoint(60, 10), QPoint(60, 50), QPoint(10, 50)})
        f.moveTo(p);
    QVERIFY(c.selection().lassoInProgress());
    f.release(QPoint(10, 50));

    const Selection& selection = c.selection();
    QVERIFY(selection.hasArea());
    QCOMPARE(selection.layer(), int(Composition::kPhotoLayer));
    QCOMPARE(selection.bounds(), QRect(QPoint(10, 10), QPoint(59, 49)));
    QCOMPARE(f.window->pageControl()->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
    QCOMPARE(c.photoSnapshot(), before); // taken at the release

    sendKey(f, Qt::Key_Escape);
    QCOMPARE(c.photo().image.pixel(10, 10), qRgb(255, 255, 255));
    QCOMPARE(c.photo().image.pixel(59, 49), qRgb(255, 255, 255));
    QCOMPARE(c.photo().image.pixel(9, 10), before.pixel(9, 10));
    QCOMPARE(c.photo().image.pixel(60, 49), before.pixel(60, 49));
    f.action("Desfazer1")->trigger();
    QCOMPARE(c.photo().image, before);

    // A right press removes the selection.
    f.press(QPoint(30, 30), Qt::RightButton);
    f.release(QPoint(30, 30), Qt::RightButton);
    QVERIFY(c.selection().isEmpty());
}

void TestCanvasTools::ctrlPressSelectsARegionOfLikeColour()
{
    CanvasFixture f;
    Composition& c = f.composition();
    // Two areas: the left 100 columns grey, the rest 21 levels brighter.
    c.photo().image.fill(qRgb(100, 100, 100));
    for (int y = 0; y < 150; ++y)
        for (int x = 100; x < 200; ++x)
            c.photo().image.setPixel(x, y, qRgb(121, 100, 100));
    f.button("BT_LACO")->click();
    f.press(QPoint(20, 20), Qt::LeftButton, Qt::ControlModifier);
    f.release(QPoint(20, 20));
    QCOMPARE(c.selection().bounds(), QRect(0, 0, 100, 150));
    QVERIFY(!c.selection().outline().isEmpty());
}

void TestCanvasTools::escWithoutSelectionWhitensTheLayerOnlyInLassoMode()
{
    CanvasFixture f;
    Composition& c = f.composition();
    const QImage hair = c.hair().image;
    sendKey(f, Qt::Key_Escape);
    QCOMPARE(c.hair().image, hair); // move mode: Esc does nothing

    f.button("BT_LACO")->click();
    sendKey(f, Qt::Key_Escape);
    QImage white(c.photo().image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QCOMPARE(c.photo().image, white);
}

void TestCanvasTools::eyedropperKeepsTheLassoOtherToolsEndIt()
{
    CanvasFixture f;
    Composition& c = f.composition();
    f.button("BT_LACO")->click();
    f.drag(QPoint(10, 10), QPoint(10, 10)); // a click alone selects nothing
    QVERIFY(c.selection().isEmpty());
    f.press(QPoint(10, 10));
    for (const QPoint p : {QPoint(60, 10), QPoint(60, 50), QPoint(10, 50)})
        f.moveTo(p);
    f.release(QPoint(10, 50));
    QVERIFY(c.selection().hasArea());

    f.button("BT_CONTAGOTAS")->click();
    QVERIFY(f.tools().lassoMode());
    f.press(QPoint(30, 30)); // picking a colour keeps the selection
    f.release(QPoint(30, 30));
    QVERIFY(c.selection().hasArea());

    f.button("BT_BLUR")->click();
    QVERIFY(!f.tools().lassoMode());
    QVERIFY(c.selection().isEmpty());
    QVERIFY(!c.hair().visible); // the photo is current: the hairstyle stays hidden
    f.action("Inserir1")->trigger();
    QVERIFY(c.hair().visible);
}

void TestCanvasTools::hideSelectionTogglesOnlyTheOutline()
{
    CanvasFixture f;
    f.button("BT_LACO")->click();
    f.press(QPoint(10, 10), Qt::LeftButton, Qt::ControlModifier);
    f.release(QPoint(10, 10));
    auto* hide = f.window->colorsPage()->findChild<QToolButton*>(QStringLiteral("BitBtn2"));
    QVERIFY(f.canvas().selectionOutlineShown());
    hide->click();
    QVERIFY(!f.canvas().selectionOutlineShown());
    QVERIFY(f.composition().selection().hasArea());
    hide->click();
    QVERIFY(f.canvas().selectionOutlineShown());
}

QTEST_MAIN(TestCanvasTools)
#include "tst_canvastools.moc"
