#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "canvas/Composition.h"
#include "canvas/LayerMerge.h"
#include "canvas/TryOn.h"
#include "colour/ColorsPage.h"
#include "colour/ColourSwatch.h"
#include "colour/TrackBar.h"
#include "common/Error.h"
#include "imaging/ImageIO.h"
#include "library/ContentPaths.h"
#include "library/ThumbnailView.h"
#include "previews/ColourSeries.h"
#include "previews/PreviewPage.h"
#include "previews/PreviewRender.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

const QString kGroup = QStringLiteral("Styles2");
const QString kType = QStringLiteral("Long and Dark");

// A main window over a content tree with `hairstyles` hairstyles of
// Styles2 / Long and Dark and a photo placed on the canvas.
struct Fixture {
    TempContent content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    explicit Fixture(const QList<int>& hairstyles)
    {
        content.writeSettings({QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                               QStringLiteral("PercColorMix=30"),
                               QStringLiteral("IntensityMakeUp=5"),
                               QStringLiteral("StylesButton=") + kGroup,
                               QStringLiteral("TypeButton=") + kType,
                               QStringLiteral("AutoTime=2"), QStringLiteral("SalonName=S"),
                               QStringLiteral("Language=EN")});
        for (int number : hairstyles)
            content.addHairstyle(kGroup, kType, number, QSize(20 + number, 30));
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        window->formActivate();
        window->tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick,
                                   content.addPhoto(QStringLiteral("client.jpg"), QSize(64, 48)));
    }

    Composition& composition() { return window->composition(); }
    void click(const char* button) { window->actions().button(QLatin1String(button))->click(); }
    QStringList previewFiles() const
    {
        QStringList names = QDir(content.paths().previewFolder()).entryList(QDir::Files);
        names.sort();
        return names;
    }
    QStringList listCaptions() const
    {
        QStringList captions;
        const ThumbnailView* view = window->previewPage()->view();
        for (int i = 0; i < view->count(); ++i)
            captions.append(view->item(i).caption);
        return captions;
    }
};

QStringList numbered(int from, int to, const QString& suffix = QString())
{
    QStringList names;
    for (int n = from; n <= to; ++n)
        names.append(QString::number(n) + suffix);
    return names;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

Layer layer(QSize size, QPoint position, QRgb colour, int transparentRightColumns = 0)
{
    Layer result;
    result.image = QImage(size, QImage::Format_ARGB32);
    result.image.fill(colour);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = size.width() - transparentRightColumns; x < size.width(); ++x)
            result.image.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    result.position = position;
    return result;
}

} // namespace

class TestPreviews : public QObject {
    Q_OBJECT
private slots:
    void pictureCoversBothLayersScaledToThePhotoWidth_data();
    void pictureCoversBothLayersScaledToThePhotoWidth();
    void hairWithinThePhotoGivesTheMergedPicture();
    void hairstyleRunGivesOnePictureANumberInNumberOrder();
    void aSecondRunLeavesOnlyItsOwnFiles();
    void aMissingHairstyleIsLeftOutAndNamed();
    void colourPreviewMixes45PercentHairWith55PercentSeriesColour();
    void theListIsNotRefreshedWithoutAHairLayer();
    void aPictureNameThatIsNoNumberStopsTheOrdering();
};

void TestPreviews::pictureCoversBothLayersScaledToThePhotoWidth_data()
{
    QTest::addColumn<QSize>("hairSize");
    QTest::addColumn<QPoint>("hairAt");
    QTest::addColumn<int>("transparentColumns");
    QTest::addColumn<QSize>("expected");
    // The photo is 40 x 30.
    QTest::newRow("hair inside the photo") << QSize(10, 10) << QPoint(5, 5) << 0 << QSize(40, 30);
    // Union 50 x 30, scaled to 40 wide: the photo part comes out smaller.
    QTest::newRow("hair sticking out on the right") << QSize(20, 10) << QPoint(30, 0) << 0
                                                    << QSize(40, 24);
    QTest::newRow("hair sticking out above and left") << QSize(20, 20) << QPoint(-10, -10) << 0
                                                      << QSize(40, 32);
    // The transparent part of the hair beyond the photo is trimmed away
    // after scaling: 40 / 50 of the 40 opaque union columns is 32.
    QTest::newRow("transparent hair beyond the photo") << QSize(20, 10) << QPoint(30, 0) << 10
                                                       << QSize(32, 24);
}

void TestPreviews::pictureCoversBothLayersScaledToThePhotoWidth()
{
    QFETCH(QSize, hairSize);
    QFETCH(QPoint, hairAt);
    QFETCH(int, transparentColumns);
    QFETCH(QSize, expected);
    Layer photo = layer(QSize(40, 30), QPoint(0, 0), qRgb(0, 0, 255));
    photo.image = photo.image.convertToFormat(QImage::Format_RGB32);
    const Layer hair = layer(hairSize, hairAt, qRgba(255, 0, 0, 255), transparentColumns);

    const QImage picture = renderPreviewPicture(photo, hair);
    QCOMPARE(picture.size(), expected);
    // The middle of the bottom row is always photo, and nothing is smoothed.
    QCOMPARE(picture.pixel(picture.width() / 2, picture.height() - 1), qRgb(0, 0, 255));
    if (hairAt.x() < 0) // the hair's own corner, and no photo above the photo's top
        QCOMPARE(picture.pixel(0, 0), qRgb(255, 0, 0));
}

void TestPreviews::hairWithinThePhotoGivesTheMergedPicture()
{
    // Half-transparent hair, shown larger than its own size, inside the photo.
    Composition composition;
    composition.photo().image = test::makePhotoImage(QSize(48, 40));
    composition.addHairLayer();
    composition.hair().image = test::makeHairImage(QSize(12, 10), qRgb(200, 120, 30));
    composition.hair().position = QPoint(7, 5);
    composition.hair().shownWidth = 30;
    composition.hair().shownHeight = 25;

    const QImage picture = renderPreviewPicture(composition.photo(), composition.hair());
    const QImage merged = mergeLayers(composition);
    QCOMPARE(picture.size(), merged.size());
    int worst = 0;
    for (int y = 0; y < merged.height(); ++y) {
        for (int x = 0; x < merged.width(); ++x) {
            const QRgb a = picture.pixel(x, y);
            const QRgb b = merged.pixel(x, y);
            QCOMPARE(qAlpha(a), 255);
            worst = std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                          qAbs(qBlue(a) - qBlue(b))});
        }
    }
    QVERIFY2(worst <= 1, qPrintable(QString::number(worst))); // rounding of the blend only
}

void TestPreviews::hairstyleRunGivesOnePictureANumberInNumberOrder()
{
    Fixture f({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    f.composition().hair().position = QPoint(3, 2);
    f.window->tryOn().hideHairstyle();
    f.click("BT_PREVIEW");

    QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join('\n')));
    QCOMPARE(f.previewFiles(), sorted(numbered(1, 12, ".png")));
    QCOMPARE(f.listCaptions(), numbered(1, 12));
    QCOMPARE(f.window->pageControl()->currentIndex(), 4);
    QCOMPARE(f.window->previewPage()->styleGroupLabel()->text(), kGroup);
    QCOMPARE(f.window->previewPage()->hairTypeLabel()->text(), kType);
    // Each picture is its own hairstyle (20 + n wide, at x = 3 on the photo).
    const QImage seventh = imaging::readImage(f.content.paths().previewFile(7));
    QCOMPARE(seventh.size(), QSize(64, 48));
    // The canvas ends with the last hairstyle, visible, at the user's place.
    const Layer& hair = f.composition().hair();
    QCOMPARE(hair.image.size(), QSize(32, 30));
    QCOMPARE(hair.position, QPoint(3, 2));
    QVERIFY(hair.visible);
    QCOMPARE(f.composition().currentLayer(), int(Composition::kHairLayer));
    QCOMPARE(f.window->tryOn().currentHairstyleNumber(), QStringLiteral("1"));
}

void TestPreviews::aSecondRunLeavesOnlyItsOwnFiles()
{
    Fixture f({1, 2, 3});
    f.content.writeFile(QStringLiteral("Preview/25.png"), "left over");
    f.content.writeFile(QStringLiteral("Preview/notes.txt"), "left over");
    f.content.writeFile(QStringLiteral("Preview/.hidden"), "left over");
    QDir(f.content.paths().previewFolder()).mkdir(QStringLiteral("kept"));
    f.click("BT_PREVIEW");
    f.click("BT_PREVIEW");
    QCOMPARE(f.previewFiles(), sorted(numbered(1, 3, ".png")));
    QVERIFY(QDir(f.content.paths().previewFolder() + QStringLiteral("/kept")).exists());
    QVERIFY(!QFile::exists(f.content.paths().previewFolder() + QStringLiteral("/.hidden")));

    // A preview folder removed by hand is made again rather than failing every picture.
    QVERIFY(QDir(f.content.paths().previewFolder()).removeRecursively());
    f.click("BT_PREVIEW");
    QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join('\n')));
    QCOMPARE(f.previewFiles(), sorted(numbered(1, 3, ".png")));
}

void TestPreviews::aMissingHairstyleIsLeftOutAndNamed()
{
    // The list holds three hairstyles, but number 3 has no picture.
    Fixture f({1, 2, 4});
    f.click("BT_PREVIEW");
    QCOMPARE(f.previewFiles(), sorted({QStringLiteral("1.png"), QStringLiteral("2.png")}));
    QCOMPARE(f.listCaptions(), numbered(1, 2));
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY2(f.dialogs.errors.first().startsWith(QStringLiteral("Hairstyle 3 left out: ")),
             qPrintable(f.dialogs.errors.first()));
    QCOMPARE(f.composition().hair().image.size(), QSize(22, 30)); // hairstyle 2
}

void TestPreviews::colourPreviewMixes45PercentHairWith55PercentSeriesColour()
{
    Fixture f({1});
    const QRgb own = qRgb(100, 60, 200);
    QImage flatHair(20, 30, QImage::Format_ARGB32);
    flatHair.fill(own);
    f.composition().hair().image = flatHair;
    f.composition().setHairSnapshot(flatHair);
    f.composition().hair().position = QPoint(4, 4);
    f.window->tryOn().hideHairstyle();
    TrackBar* level = f.window->colorsPage()->colourMixLevel();
    level->setValue(70);
    f.click("BT_CORES");

    QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join('\n')));
    QCOMPARE(f.previewFiles(), sorted(numbered(1, 15, ".png")));
    QCOMPARE(f.listCaptions(), numbered(1, 15));
    // Whole-number mix, halves to even: (own * 45 + colour * 55) / 100.
    auto mix = [](int ownChannel, int colourChannel) {
        const int sum = ownChannel * 45 + colourChannel * 55;
        const int whole = sum / 100;
        const int rest = sum % 100;
        return rest > 50 || (rest == 50 && whole % 2 == 1) ? whole + 1 : whole;
    };
    for (int k = 1; k <= 15; ++k) {
        const QImage picture = imaging::readImage(f.content.paths().previewFile(k));
        const QRgb series = toQColor(kColourPreviewSeries[k - 1]).rgb();
        QCOMPARE(picture.pixel(10, 10), qRgb(mix(qRed(own), qRed(series)),
                                              mix(qGreen(own), qGreen(series)),
                                              mix(qBlue(own), qBlue(series))));
    }
    // Afterwards: the hair in colour 15, shown, the bar back at its value.
    QCOMPARE(level->value(), 70);
    QCOMPARE(f.window->colorsPage()->resultSwatch()->colour(), toQColor(kColourPreviewSeries[14]));
    QCOMPARE(f.composition().hair().image.pixel(0, 0), qRgb(mix(100, 10), mix(60, 10), mix(200, 10)));
    QVERIFY(f.composition().hair().visible);
    QCOMPARE(f.composition().hairSnapshot(), flatHair);
}

void TestPreviews::theListIsNotRefreshedWithoutAHairLayer()
{
    TempContent content;
    content.writeDefaultSettings();
    ScriptedDialogs dialogs;
    MainWindow window(content.paths(), dialogs);
    imaging::writeImage(content.paths().previewFile(1), test::makeHairImage(QSize(8, 8)));
    window.previewPage()->refresh();
    QCOMPARE(window.previewPage()->view()->count(), 0);
}

void TestPreviews::aPictureNameThatIsNoNumberStopsTheOrdering()
{
    Fixture f({1, 2});
    f.click("BT_PREVIEW");
    imaging::writeImage(f.content.paths().previewFolder() + QStringLiteral("/extra.png"),
                        test::makeHairImage(QSize(8, 8)));
    f.content.writeFile(QStringLiteral("Preview/3.png"), "not a picture");
    QVERIFY_THROWS_EXCEPTION(Error, f.window->previewPage()->refresh());
    // The items added so far stay listed; the unreadable file is not among them.
    QCOMPARE(sorted(f.listCaptions()), sorted({"1", "2", "extra"}));
}

QTEST_MAIN(TestPreviews)
#include "tst_previews.moc"
