#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "canvas/Composition.h"
#include "canvas/LayerMerge.h"
#include "canvas/ToolMode.h"
#include "colour/ColorsPage.h"
#include "colour/ColourPalette.h"
#include "colour/ColourController.h"
#include "colour/ColourRetouch.h"
#include "colour/ColourSwatch.h"
#include "colour/LineWidthList.h"
#include "colour/Recolour.h"
#include "colour/TrackBar.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QPainter>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

constexpr QRgb kPhotoColour = 0xff5a3c1e; // (90, 60, 30)

// A hairstyle of 40 x 30: opaque brown with a transparent left quarter
// and a platinum highlight of (252, 252, 252) at (30, 5).
QImage hairFixture()
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(qRgba(120, 80, 40, 255));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 10; ++x)
            image.setPixel(x, y, qRgba(120, 80, 40, 0));
    image.setPixel(30, 5, qRgba(252, 252, 252, 255));
    return image;
}

// A main window whose canvas holds a 60 x 50 photo and the hair fixture at
// 0, 0, the hair layer current and both snapshots taken.
struct Fixture {
    TempContent content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    explicit Fixture(int colourMixLevel = 40)
    {
        content.writeSettings({QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                               QStringLiteral("PercColorMix=%1").arg(colourMixLevel),
                               QStringLiteral("IntensityMakeUp=0"),
                               QStringLiteral("StylesButton=Styles1"),
                               QStringLiteral("TypeButton=Short and Light"),
                               QStringLiteral("AutoTime=2"), QStringLiteral("SalonName=S"),
                               QStringLiteral("Language=EN")});
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        window->formActivate();
    }

    void placeComposition()
    {
        Composition& c = composition();
        QImage photo(60, 50, QImage::Format_RGB32);
        photo.fill(kPhotoColour);
        c.photo().image = photo;
        c.addHairLayer();
        c.hair().image = hairFixture();
        c.setCurrentLayer(Composition::kHairLayer);
        c.takeSnapshot(Composition::kPhotoLayer);
        c.takeSnapshot(Composition::kHairLayer);
        c.notifyChanged();
    }

    Composition& composition() { return window->composition(); }
    ColorsPage& page() { return *window->colorsPage(); }
    ColourController& colours() { return window->colourController(); }
    ColourRetouch& retouch() { return colours().retouch(); }
    TrackBar& bar(const char* name) { return *page().toneBar(QLatin1String(name)); }
    // A user drag of a tone bar to `value`.
    void drag(const char* name, int value)
    {
        TrackBar& b = bar(name);
        b.setSliderDown(true);
        b.setSliderPosition(value);
        b.setSliderDown(false);
    }
    QRgb drawnPixel(QPoint at)
    {
        CanvasView& canvas = *window->canvas();
        canvas.resize(200, 200);
        QImage shown(canvas.size(), QImage::Format_RGB32);
        QPainter painter(&shown);
        canvas.paintView(painter, shown.rect());
        return shown.pixel(at);
    }
    void stroke(ToolMode tool, QPoint from, QPoint to, int steps = 4)
    {
        retouch().press(tool, from, Qt::LeftButton, Qt::NoModifier);
        for (int i = 1; i <= steps; ++i)
            retouch().move(tool, from + (to - from) * i / steps, Qt::LeftButton, Qt::NoModifier);
        retouch().release(tool, to, Qt::LeftButton);
    }
};

QImage opaqueSnapshotMixed(ColourValue colour, int level)
{
    return mixFlatColour(hairFixture(), colour, level);
}

} // namespace

class TestColourController : public QObject {
    Q_OBJECT
private slots:
    void gradientClickWithLockMakesAllThreeTheColour();
    void gradientClickWithoutLockBlendsBaseAndShade();
    void gradientClickBeforeAPhotoOnlyChangesTheSwatches();
    void levelIsReadWhenTheColourIsApplied();
    void updateColourMakesTheMixTheNewBase();
    void photoCurrentWithoutLassoOnlyChangesTheSwatches();
    void lassoSelectionOfThePhotoIsRecoloured();
    void paletteAndBaseSwatchSetTheResult();
    void channelBarsTintTheDrawingOnly();
    void brightnessMovesTheThreeBars();
    void sharpnessIsAppliedOnceToTheSnapshot();
    void shadowThreeThenFiveGivesOneShadow();
    void haircutLeavesATransparentTrackThatUndoBringsBack();
    void makeUpWithIntensityZeroAfterBlurPaintsAtFifteen();
    void duplicateCopiesFromTheSourceOffset();
    void eyedropperSetsTheBaseColour();
    void smudgeTurnsClockwiseThroughFourCursors();
};

void TestColourController::gradientClickWithLockMakesAllThreeTheColour()
{
    Fixture f(40);
    f.placeComposition();
    QVERIFY(f.page().lockButton()->isChecked());
    const QColor picked(30, 140, 200);
    f.colours().HSVBox1Click(picked);
    QCOMPARE(f.page().baseSwatch()->colour(), picked);
    QCOMPARE(f.page().shadeSwatch()->colour(), picked);
    QCOMPARE(f.page().resultSwatch()->colour(), picked);
    QCOMPARE(f.composition().hair().image, opaqueSnapshotMixed(toColourValue(picked), 40));
    QCOMPARE(f.composition().hairSnapshot(), hairFixture());
    // The same colour again: the hair is as after one application.
    f.colours().HSVBox1Click(picked);
    QCOMPARE(f.composition().hair().image, opaqueSnapshotMixed(toColourValue(picked), 40));
}

void TestColourController::gradientClickWithoutLockBlendsBaseAndShade()
{
    Fixture f(0);
    f.placeComposition();
    f.page().lockButton()->setChecked(false);
    const QColor base = f.page().baseSwatch()->colour();
    f.colours().HSVBox1Click(QColor(0, 0, 128));
    const ColourValue expected = MixColors(toColourValue(base), colourValue(0, 0, 128), 127);
    QCOMPARE(toColourValue(f.page().resultSwatch()->colour()), expected);
    QCOMPARE(f.page().baseSwatch()->colour(), base);
    // Level 0: the silhouette in the result colour, alpha kept.
    QCOMPARE(f.composition().hair().image.pixel(20, 20), toQColor(expected).rgb());
    QCOMPARE(qAlpha(f.composition().hair().image.pixel(2, 2)), 0);
}

void TestColourController::gradientClickBeforeAPhotoOnlyChangesTheSwatches()
{
    Fixture f;
    f.colours().HSVBox1Click(QColor(10, 20, 30));
    QCOMPARE(f.page().resultSwatch()->colour(), QColor(10, 20, 30));
    QCOMPARE(f.composition().layerCount(), 1);
}

void TestColourController::levelIsReadWhenTheColourIsApplied()
{
    Fixture f(100);
    f.placeComposition();
    const QColor colour(200, 10, 10);
    f.colours().HSVBox1Click(colour);
    QCOMPARE(f.composition().hair().image, hairFixture()); // level 100 leaves the hair
    // Moving the bar recolours nothing; the next application reads it.
    f.drag("janTracker1", 50);
    QCOMPARE(f.page().colourMixLevel()->value(), 50);
    QCOMPARE(f.composition().hair().image, hairFixture());
    f.page().resultSwatch()->click();
    QCOMPARE(f.composition().hair().image, opaqueSnapshotMixed(toColourValue(colour), 50));
}

void TestColourController::updateColourMakesTheMixTheNewBase()
{
    Fixture f(50);
    f.placeComposition();
    const QColor colour(0, 90, 180);
    f.colours().HSVBox1Click(colour);
    const QImage once = f.composition().hair().image;
    f.page().updateColourButton()->click();
    QCOMPARE(f.composition().hairSnapshot(), once);
    f.colours().ApplyResultColour();
    QCOMPARE(f.composition().hair().image, mixFlatColour(once, toColourValue(colour), 50));
    // Undo goes back to the updated colour, not to the original hair.
    f.page().undoButton()->click();
    QCOMPARE(f.composition().hair().image, once);
}

void TestColourController::photoCurrentWithoutLassoOnlyChangesTheSwatches()
{
    Fixture f(0);
    f.placeComposition();
    f.composition().setCurrentLayer(Composition::kPhotoLayer);
    f.colours().HSVBox1Click(QColor(1, 2, 3));
    QCOMPARE(f.page().resultSwatch()->colour(), QColor(1, 2, 3));
    QCOMPARE(f.composition().hair().image, hairFixture());
    QCOMPARE(f.composition().photo().image.pixel(5, 5), kPhotoColour);
}

void TestColourController::lassoSelectionOfThePhotoIsRecoloured()
{
    Fixture f(0);
    f.placeComposition();
    Composition& c = f.composition();
    c.hair().visible = false;
    c.setCurrentLayer(Composition::kPhotoLayer);
    f.window->state().lassoMode = true;
    QImage mask(c.photo().image.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    for (int y = 20; y < 30; ++y)
        for (int x = 20; x < 26; ++x)
            mask.scanLine(y)[x] = 255;
    c.selection().selectMask(Composition::kPhotoLayer, mask);
    for (int round = 0; round < 2; ++round) {
        f.colours().HSVBox1Click(QColor(200, 30, 60));
        const QImage& photo = c.photo().image;
        QCOMPARE(photo.pixel(20, 20), qRgb(200, 30, 60));
        QCOMPARE(photo.pixel(25, 29), qRgb(200, 30, 60));
        QCOMPARE(photo.pixel(26, 25), kPhotoColour);
        QCOMPARE(photo.pixel(19, 20), kPhotoColour);
    }
    QCOMPARE(c.hair().image, hairFixture());
    QCOMPARE(c.photoSnapshot().pixel(20, 20), kPhotoColour);
}

void TestColourController::paletteAndBaseSwatchSetTheResult()
{
    Fixture f(0);
    f.placeComposition();
    // A new result colour (here from the base swatch) is applied at once and
    // becomes the make-up colour.
    f.page().baseSwatch()->setColour(QColor(9, 99, 199));
    f.page().baseSwatch()->click();
    QCOMPARE(f.page().resultSwatch()->colour(), QColor(9, 99, 199));
    QCOMPARE(f.retouch().airbrush().colour(), colourValue(9, 99, 199));
    QCOMPARE(f.composition().hair().image.pixel(20, 20), qRgb(9, 99, 199));
    // A pick from the drop-down palette, its red cell.
    ColourPalette& palette = *f.page().resultPalette();
    const int red = int(palette.colours().indexOf(QColor(255, 0, 0)));
    QVERIFY(red >= 0);
    QTest::mouseRelease(&palette, Qt::LeftButton, {}, palette.cellRect(red).center());
    QCOMPARE(f.page().resultSwatch()->colour(), QColor(255, 0, 0));
    QCOMPARE(f.composition().hair().image.pixel(20, 20), qRgb(255, 0, 0));
}

void TestColourController::channelBarsTintTheDrawingOnly()
{
    Fixture f;
    f.placeComposition();
    const QPoint inside(25, 15);
    QCOMPARE(f.drawnPixel(inside), qRgb(120, 80, 40));
    f.drag("spinRed", 50);
    QCOMPARE(f.drawnPixel(inside), qRgb(170, 80, 40));
    QCOMPARE(f.composition().hair().image, hairFixture());
    QCOMPARE(mergedCutToPhoto(f.composition()).pixel(inside), qRgb(120, 80, 40));
    // Back to 0: all three are 0, the tint stays; green 1 then applies 0, 1, 0.
    f.drag("spinRed", 0);
    QCOMPARE(f.drawnPixel(inside), qRgb(170, 80, 40));
    f.drag("spinGreen", 1);
    QCOMPARE(f.drawnPixel(inside), qRgb(120, 81, 40));
    // Contrast doubles the distance from 128; contrast 0 keeps it.
    f.drag("spinContrast", 10);
    QCOMPARE(f.drawnPixel(inside), qRgb(112, 34, 0));
    f.drag("spinContrast", 0);
    QCOMPARE(f.drawnPixel(inside), qRgb(112, 34, 0));
    // The photo has its own adjustments: none.
    QCOMPARE(f.drawnPixel(QPoint(50, 40)), kPhotoColour);
    // A new hair layer (a new photo placed) starts without them.
    f.composition().removeHairLayer();
    f.placeComposition();
    QCOMPARE(f.drawnPixel(inside), qRgb(120, 80, 40));
}

void TestColourController::brightnessMovesTheThreeBars()
{
    Fixture f;
    f.placeComposition();
    f.drag("spinBrightness", -40);
    for (const char* name : {"spinRed", "spinGreen", "spinBlue"})
        QCOMPARE(f.bar(name).value(), -40);
    QCOMPARE(f.drawnPixel(QPoint(25, 15)), qRgb(80, 40, 0));
}

void TestColourController::sharpnessIsAppliedOnceToTheSnapshot()
{
    Fixture f;
    f.placeComposition();
    for (int value : {5, 12, 7})
        f.drag("spinSharp", value);
    QImage expected = hairFixture();
    sharpen(expected, 7);
    QCOMPARE(f.composition().hair().image, expected);
    // 0 keeps the last sharpening.
    f.drag("spinSharp", 0);
    QCOMPARE(f.composition().hair().image, expected);
}

void TestColourController::shadowThreeThenFiveGivesOneShadow()
{
    Fixture f;
    f.placeComposition();
    f.drag("spinShadow", 3);
    QCOMPARE(f.composition().hair().image, addDropShadow(hairFixture(), 3));
    f.drag("spinShadow", 5);
    QCOMPARE(f.composition().hair().image, addDropShadow(hairFixture(), 5));
    f.drag("spinShadow", 0);
    QCOMPARE(f.composition().hair().image, hairFixture());
}

void TestColourController::haircutLeavesATransparentTrackThatUndoBringsBack()
{
    Fixture f;
    f.placeComposition();
    f.page().lineWidthList()->setLineWidth(5);
    f.stroke(HaircutTool, QPoint(15, 15), QPoint(35, 15));
    const QImage& cut = f.composition().hair().image;
    QCOMPARE(qAlpha(cut.pixel(25, 15)), 0);
    QCOMPARE(qAlpha(cut.pixel(25, 13)), 0);
    QCOMPARE(qAlpha(cut.pixel(25, 17)), 0);
    QCOMPARE(qAlpha(cut.pixel(25, 10)), 255);
    QCOMPARE(qAlpha(cut.pixel(25, 20)), 255);
    // The platinum highlight far from the line goes at the first step.
    QCOMPARE(qAlpha(cut.pixel(30, 5)), 0);
    f.page().undoButton()->click();
    QCOMPARE(f.composition().hair().image, hairFixture());

    // With the hairstyle hidden the line stays on the photo as white paint.
    f.composition().hair().visible = false;
    f.composition().setCurrentLayer(Composition::kPhotoLayer);
    f.stroke(HaircutTool, QPoint(5, 40), QPoint(50, 40));
    QCOMPARE(f.composition().photo().image.pixel(30, 40), qRgb(255, 255, 255));
    QCOMPARE(f.composition().photo().image.pixel(30, 30), kPhotoColour);
}

void TestColourController::makeUpWithIntensityZeroAfterBlurPaintsAtFifteen()
{
    Fixture f;
    f.placeComposition();
    f.composition().setCurrentLayer(Composition::kPhotoLayer);
    f.page().lineWidthList()->setLineWidth(3);
    f.page().makeUpIntensity()->setValue(0);
    f.page().resultSwatch()->setColour(QColor(0, 0, 0));
    QImage& photo = f.composition().photo().image;
    // A blur on a plain area changes nothing and sets the intensity to 15.
    f.stroke(BlurTool, QPoint(5, 5), QPoint(6, 5), 1);
    QCOMPARE(photo.pixel(5, 5), kPhotoColour);
    f.stroke(MakeUpTool, QPoint(30, 30), QPoint(30, 30), 1);
    QCOMPARE(photo.pixel(30, 30), qRgb(77, 51, 26)); // 85 % of (90, 60, 30)
    f.page().makeUpIntensity()->setValue(10);
    f.stroke(MakeUpTool, QPoint(40, 30), QPoint(40, 30), 1);
    QCOMPARE(photo.pixel(40, 30), qRgb(81, 54, 27)); // 90 %
}

void TestColourController::duplicateCopiesFromTheSourceOffset()
{
    Fixture f;
    f.placeComposition();
    f.composition().setCurrentLayer(Composition::kPhotoLayer);
    QImage& photo = f.composition().photo().image;
    for (int x = 0; x < photo.width(); ++x)
        photo.setPixel(x, 10, qRgb(x, 0, 0));
    f.page().lineWidthList()->setLineWidth(1);
    f.retouch().press(DuplicateTool, QPoint(10, 10), Qt::RightButton, Qt::NoModifier);
    f.stroke(DuplicateTool, QPoint(30, 10), QPoint(40, 10), 10);
    QCOMPARE(f.retouch().cloneSource(), QPoint(10, 10));
    QCOMPARE(f.retouch().cloneAnchor(), QPoint(30, 10));
    for (int x = 31; x <= 40; ++x)
        QCOMPARE(qRed(photo.pixel(x, 10)), x - 20);
    QCOMPARE(qRed(photo.pixel(30, 10)), 30);
    QCOMPARE(qRed(photo.pixel(41, 10)), 41);
}

void TestColourController::eyedropperSetsTheBaseColour()
{
    Fixture f;
    f.placeComposition();
    f.composition().setCurrentLayer(Composition::kPhotoLayer);
    f.composition().photo().image.setPixel(12, 7, qRgb(120, 80, 40));
    const QColor result = f.page().resultSwatch()->colour();
    f.retouch().press(EyedropperTool, QPoint(12, 7), Qt::LeftButton, Qt::NoModifier);
    QCOMPARE(toColourValue(f.page().baseSwatch()->colour()), ColourValue(2642040));
    QCOMPARE(f.retouch().penColour(), ColourValue(2642040));
    QCOMPARE(f.page().resultSwatch()->colour(), result);
}

void TestColourController::smudgeTurnsClockwiseThroughFourCursors()
{
    Fixture f;
    f.placeComposition();
    MainWindow& w = *f.window;
    const struct { int direction; int slot; } turns[] = {{2, 9}, {3, 7}, {4, 8}, {1, 6}};
    for (const auto& turn : turns) {
        f.retouch().press(SmudgeTool, QPoint(5, 5), Qt::RightButton, Qt::NoModifier);
        QCOMPARE(w.state().smudgeDirection, turn.direction);
        QCOMPARE(w.canvas()->cursor().pixmap().toImage(), w.cursors().cursor(turn.slot).pixmap().toImage());
    }
    // A right press paints nothing.
    QCOMPARE(f.composition().hair().image, hairFixture());
}

QTEST_MAIN(TestColourController)
#include "tst_colourcontroller.moc"
