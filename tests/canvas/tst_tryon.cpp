#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "canvas/CanvasView.h"
#include "canvas/Composition.h"
#include "canvas/TryOn.h"
#include "common/Error.h"
#include "imaging/ImageIO.h"
#include "imaging/ImageOps.h"
#include "library/PhotosPage.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

const QString kGroup = QStringLiteral("Styles2");
const QString kType = QStringLiteral("Long and Dark");

// A content tree with hairstyles 1 to 3 of Styles2 / Long and Dark (each a
// different size) and a main window on it, first activation done.
struct Fixture {
    TempContent content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    explicit Fixture(bool withHairstyles = true)
    {
        content.writeSettings({QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                               QStringLiteral("PercColorMix=30"),
                               QStringLiteral("IntensityMakeUp=5"),
                               QStringLiteral("StylesButton=") + kGroup,
                               QStringLiteral("TypeButton=") + kType,
                               QStringLiteral("AutoTime=2"), QStringLiteral("SalonName=S"),
                               QStringLiteral("Language=EN")});
        if (withHairstyles) {
            content.addHairstyle(kGroup, kType, 1, QSize(41, 50));
            content.addHairstyle(kGroup, kType, 2, QSize(60, 30));
            content.addHairstyle(kGroup, kType, 3, QSize(80, 90));
        }
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        window->formActivate();
    }

    Composition& composition() { return window->composition(); }
    TryOn& tryOn() { return window->tryOn(); }
    int freeWidth() const { return window->width() - window->pageControl()->width(); }
    QString hairstyle(int number) const
    {
        return content.paths().hairstyleFile(kGroup, kType, number);
    }
};

} // namespace

class TestTryOn : public QObject {
    Q_OBJECT
private slots:
    void applyHairstyleSizesByTheRatiosAndSetsTheCaption_data();
    void applyHairstyleSizesByTheRatiosAndSetsTheCaption();
    void applyHairstyleKeepsTheLayerPlaceAndIgnoresTheFolder();
    void aMissingOrUndecodableHairstyleLeavesTheHairLayer();
    void placePhotoFitsAWidePhoto_data();
    void placePhotoFitsAWidePhoto();
    void photoPickKeepsTheRatiosAndStartsTheHairAtTheOrigin();
    void anUndecodablePhotoLeavesTheCanvas();
    void anEmptyHairstyleListPlacesThePhotoAlone();
    void openPhotoCancelledOrMissingChangesNothing();
    void showAndHideSetTheLayerAttributes();
    void flipMirrorsTheHairOnlyWhenItIsCurrent();
    void pickingAHairstyleBeforeAPhotoWarns();
    void pickingAHairstyleAppliesIt();
    void sideViewBoxIsUntickedOutsideStyles6();
};

void TestTryOn::applyHairstyleSizesByTheRatiosAndSetsTheCaption_data()
{
    QTest::addColumn<double>("widthRatio");
    QTest::addColumn<double>("heightRatio");
    QTest::addColumn<QSize>("shown"); // 0: the image's own size
    // Hairstyle 1 is 41 x 50: 20.5 and 12.5 round to even.
    QTest::newRow("no ratios yet") << 0.0 << 0.0 << QSize(0, 0);
    QTest::newRow("own size") << 1.0 << 1.0 << QSize(41, 50);
    QTest::newRow("halves to even") << 0.5 << 0.25 << QSize(20, 12);
    QTest::newRow("larger") << 1.5 << 2.0 << QSize(62, 100); // 61.5 -> 62
}

void TestTryOn::applyHairstyleSizesByTheRatiosAndSetsTheCaption()
{
    QFETCH(double, widthRatio);
    QFETCH(double, heightRatio);
    QFETCH(QSize, shown);
    Fixture f;
    f.tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, f.content.addPhoto("a.jpg"));
    f.composition().setHairRatios(widthRatio, heightRatio);
    f.tryOn().ApplyHairstyle(QStringLiteral("1.PNG"));

    const Layer& hair = f.composition().hair();
    QCOMPARE(hair.image.size(), QSize(41, 50));
    QCOMPARE(QSize(hair.shownWidth, hair.shownHeight), shown);
    QCOMPARE(f.composition().hairstyleImageSize(), QSize(41, 50));
    QCOMPARE(f.composition().currentLayer(), int(Composition::kHairLayer));
    QVERIFY(!hair.frame);
    QCOMPARE(f.composition().hairSnapshot(), hair.image);
    QCOMPARE(f.tryOn().currentHairstyleNumber(), QStringLiteral("1"));
    QCOMPARE(f.window->windowTitle(),
             f.window->state().baseCaption + QStringLiteral(" - Styles2 - Long and Dark: 1"));
}

void TestTryOn::applyHairstyleKeepsTheLayerPlaceAndIgnoresTheFolder()
{
    Fixture f;
    f.tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, f.content.addPhoto("a.jpg"));
    f.composition().hair().position = QPoint(7, 9);
    f.composition().hair().visible = false;
    // Only the number counts: the file is read from the current group and type.
    f.tryOn().ApplyHairstyle(QStringLiteral("/somewhere/else/3.png"));
    const Layer& hair = f.composition().hair();
    QCOMPARE(hair.image.size(), QSize(80, 90));
    QCOMPARE(hair.position, QPoint(7, 9));
    QVERIFY(!hair.visible);
    QCOMPARE(f.composition().layerCount(), 2);
    QVERIFY(f.window->windowTitle().endsWith(QStringLiteral(": 3")));
}

void TestTryOn::aMissingOrUndecodableHairstyleLeavesTheHairLayer()
{
    Fixture f;
    f.tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, f.content.addPhoto("a.jpg"));
    const QImage before = f.composition().hair().image;
    const QString title = f.window->windowTitle();

    QVERIFY_THROWS_EXCEPTION(Error, f.tryOn().ApplyHairstyle(QStringLiteral("9.PNG")));
    f.content.writeFile(QStringLiteral("Styles2/Long and Dark/4.PNG"), "not a picture");
    try {
        f.tryOn().ApplyHairstyle(QStringLiteral("4.PNG"));
        QFAIL("no error for an undecodable hairstyle");
    } catch (const Error& error) {
        QVERIFY2(error.message().contains(QStringLiteral("4.PNG")), qPrintable(error.message()));
    }
    QCOMPARE(f.composition().hair().image, before);
    QCOMPARE(f.window->windowTitle(), title);
    QCOMPARE(f.tryOn().currentHairstyleNumber(), QStringLiteral("1"));
}

void TestTryOn::placePhotoFitsAWidePhoto_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("extraWidth"); // beyond the free width; -1: a 4000 x 3000 photo
    QTest::addColumn<bool>("fitted");
    QTest::newRow("exactly the free width") << "exact.jpg" << 0 << false;
    QTest::newRow("one pixel wider, JPEG") << "wider.jpg" << 1 << true;
    QTest::newRow("one pixel wider, PNG") << "wider.png" << 1 << true;
    QTest::newRow("narrow") << "narrow.png" << -200 << false;
    QTest::newRow("24 MP camera photo") << "camera.jpg" << -1 << true;
}

void TestTryOn::placePhotoFitsAWidePhoto()
{
    QFETCH(QString, name);
    QFETCH(int, extraWidth);
    QFETCH(bool, fitted);
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    CanvasView* canvas = f.window->canvas();
    canvas->setZoom(250);
    canvas->setViewOrigin(QPointF(30, 40));

    const int freeWidth = f.freeWidth();
    const QSize size = extraWidth == -1 ? QSize(4000, 3000) : QSize(freeWidth + extraWidth, 301);
    const QString path = f.content.addPhoto(name, size);
    f.dialogs.openPaths.push_back(path);
    f.window->actions().action(QStringLiteral("AbrirFoto1"))->trigger();
    QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join('\n')));

    const Layer& photo = f.composition().photo();
    const QSize expected = imaging::fitToWidth(size, freeWidth);
    QCOMPARE(photo.image.size(), expected);
    QCOMPARE(photo.shownSize(), expected);
    QCOMPARE(f.tryOn().loadedPhotoSize(), expected);
    QCOMPARE(f.tryOn().currentPhotoPath(), path);
    QCOMPARE(canvas->viewOrigin(), QPointF(0, 0));
    if (fitted) {
        const double fit = std::min(double(canvas->width()) / expected.width(),
                                    double(canvas->height()) / expected.height()) * 100.0;
        QCOMPARE(canvas->zoom(), fit);
    } else {
        QCOMPARE(canvas->zoom(), 250.0);
    }
    // The first hairstyle at its own size (Open Photo sets the ratios to 1)
    // at the photo's top-left corner; move mode is on.
    QCOMPARE(f.composition().layerCount(), 2);
    QCOMPARE(f.composition().hair().shownSize(), QSize(41, 50));
    QCOMPARE(f.composition().hair().position, QPoint(0, 0));
    QCOMPARE(f.composition().hairWidthRatio(), 1.0);
    QVERIFY(f.window->actions().button(QStringLiteral("BT_SCROLL"))->isChecked());
    QVERIFY(f.window->actions().action(QStringLiteral("Flip1"))->isEnabled());
}

void TestTryOn::photoPickKeepsTheRatiosAndStartsTheHairAtTheOrigin()
{
    Fixture f;
    QVERIFY(!f.window->actions().action(QStringLiteral("Flip1"))->isEnabled());
    const QString first = f.content.addPhoto("first.jpg");
    emit f.window->photosPage()->photoPicked(first); // the Photos page's pick
    QVERIFY(f.dialogs.errors.isEmpty());
    // Before any Open Photo the ratios are 0: the hairstyle at its own size.
    QCOMPARE(f.composition().hairWidthRatio(), 0.0);
    QCOMPARE(f.composition().hair().shownSize(), QSize(41, 50));
    QCOMPARE(f.tryOn().currentPhotoPath(), first);
    QVERIFY(f.window->actions().action(QStringLiteral("Flip1"))->isEnabled());

    f.composition().hair().position = QPoint(12, 5);
    f.composition().hair().shownWidth = 82;
    f.composition().hair().shownHeight = 25;
    f.composition().recomputeHairRatios();

    const QString second = f.content.addPhoto("second.jpg", QSize(50, 70));
    f.tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, second);
    QCOMPARE(f.composition().hairWidthRatio(), 2.0);
    QCOMPARE(f.composition().hairHeightRatio(), 0.5);
    QCOMPARE(f.composition().hair().shownSize(), QSize(82, 25));
    QCOMPARE(f.composition().hair().position, QPoint(0, 0));
    QCOMPARE(f.composition().photo().image.size(), QSize(50, 70));
    QCOMPARE(f.tryOn().currentPhotoPath(), second);
}

void TestTryOn::anUndecodablePhotoLeavesTheCanvas()
{
    Fixture f;
    const QString good = f.content.addPhoto("good.jpg");
    f.tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, good);
    f.composition().hair().position = QPoint(3, 4);
    const QImage photoBefore = f.composition().photo().image;

    f.content.writeFile(QStringLiteral("Photos/broken.jpg"), QByteArray("\xFF\xD8\xFF\xE0garbage", 11));
    const QString broken = f.content.paths().photosFolder() + QStringLiteral("/broken.jpg");
    f.dialogs.openPaths.push_back(broken);
    f.window->actions().action(QStringLiteral("AbrirFoto1"))->trigger();

    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY2(f.dialogs.errors.first().contains(QStringLiteral("broken.jpg")),
             qPrintable(f.dialogs.errors.first()));
    QCOMPARE(f.composition().photo().image, photoBefore);
    QCOMPARE(f.composition().layerCount(), 2);
    QCOMPARE(f.composition().hair().position, QPoint(3, 4));
    QCOMPARE(f.tryOn().currentPhotoPath(), good);
    QCOMPARE(f.composition().hairWidthRatio(), 0.0); // Open Photo's first steps did not run
}

void TestTryOn::anEmptyHairstyleListPlacesThePhotoAlone()
{
    Fixture f(false);
    f.dialogs.openPaths.push_back(f.content.addPhoto("alone.jpg"));
    f.window->actions().action(QStringLiteral("AbrirFoto1"))->trigger();
    QVERIFY(f.dialogs.errors.isEmpty());
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.composition().layerCount(), 1);
    QCOMPARE(f.composition().photo().image.size(), QSize(64, 48));
    // No composition: the commands that need one stay off, as activation derives them.
    QVERIFY(!f.window->actions().action(QStringLiteral("Flip1"))->isEnabled());
    f.tryOn().showHairstyle();
    f.tryOn().flip();
    QCOMPARE(f.composition().layerCount(), 1);
}

void TestTryOn::openPhotoCancelledOrMissingChangesNothing()
{
    Fixture f;
    QAction* open = f.window->actions().action(QStringLiteral("AbrirFoto1"));
    open->trigger(); // no path queued: cancelled
    QCOMPARE(f.dialogs.openRequests.size(), 1);
    const FileRequest request = f.dialogs.openRequests.first();
    QCOMPARE(request.folder, f.content.paths().photosFolder());
    QVERIFY(request.preview);
    QCOMPARE(request.nameFilters.first(),
             QStringLiteral("All graphics (*.jpg *.jpeg *.gif *.tif *.tiff *.pcx *.png *.bmp "
                            "*.wmf *.emf *.ico *.cur *.avi)"));
    QCOMPARE(request.nameFilters.size(), 12);
    QCOMPARE(f.composition().layerCount(), 1);
    QVERIFY(f.dialogs.messages.isEmpty());

    f.dialogs.openPaths.push_back(f.content.paths().photosFolder() + QStringLiteral("/none.jpg"));
    f.window->actions().button(QStringLiteral("BT_ABRIR"))->click();
    QCOMPARE(f.dialogs.openRequests.size(), 2);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.first().kind, MessageKind::Error);
    QCOMPARE(f.dialogs.messages.first().text, QStringLiteral("File not found."));
    QCOMPARE(f.composition().layerCount(), 1);
    QCOMPARE(f.tryOn().currentPhotoPath(), QStringLiteral("LbFN"));
    QCOMPARE(f.composition().hairWidthRatio(), 0.0);
}

void TestTryOn::showAndHideSetTheLayerAttributes()
{
    Fixture f;
    f.tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, f.content.addPhoto("a.jpg"));
    f.composition().hair().position = QPoint(5, 6);
    const QImage image = f.composition().hair().image;

    f.window->actions().action(QStringLiteral("ApagarCabelo1"))->trigger();
    const Composition& c = f.composition();
    QVERIFY(!c.hair().visible);
    QVERIFY(c.hair().locked);
    QVERIFY(!c.photo().locked);
    QCOMPARE(c.currentLayer(), int(Composition::kPhotoLayer));

    f.window->actions().button(QStringLiteral("BT_DRAW"))->setChecked(true);
    f.window->actions().action(QStringLiteral("Inserir1"))->trigger();
    QVERIFY(c.hair().visible);
    QVERIFY(!c.hair().locked);
    // Show Hairstyle locks the photo, and its last step, move mode, unlocks it again.
    QVERIFY(!c.photo().locked);
    QCOMPARE(c.currentLayer(), int(Composition::kHairLayer));
    QVERIFY(f.window->actions().button(QStringLiteral("BT_SCROLL"))->isChecked());
    QCOMPARE(c.hair().image, image);
    QCOMPARE(c.hair().position, QPoint(5, 6));
}

void TestTryOn::flipMirrorsTheHairOnlyWhenItIsCurrent()
{
    Fixture f;
    f.tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, f.content.addPhoto("a.jpg"));
    f.composition().hair().shownWidth = 30;
    const QImage original = f.composition().hair().image;
    QAction* flip = f.window->actions().action(QStringLiteral("Flip1"));

    flip->trigger();
    QCOMPARE(f.composition().hair().image, imaging::mirrorHorizontal(original));
    QVERIFY(f.composition().hair().image != original);
    QCOMPARE(f.composition().hairSnapshot(), f.composition().hair().image);
    QCOMPARE(f.composition().hair().shownWidth, 30);
    flip->trigger();
    QCOMPARE(f.composition().hair().image, original);

    f.window->actions().action(QStringLiteral("ApagarCabelo1"))->trigger();
    flip->trigger();
    QCOMPARE(f.composition().hair().image, original);
}

void TestTryOn::pickingAHairstyleBeforeAPhotoWarns()
{
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->pageControl()->setCurrentIndex(1);
    ThumbnailView* view = f.window->stylesPage()->view();
    QCOMPARE(view->count(), 3);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cellRect(1).center());
    QCOMPARE(f.dialogs.messageTexts(),
             QStringList{QStringLiteral("First click on a photo, then choose a hairstyle!")});
    QCOMPARE(f.dialogs.messages.first().kind, MessageKind::Warning);
    QCOMPARE(f.composition().layerCount(), 1);
    QVERIFY(view->isSelected(1));
}

void TestTryOn::pickingAHairstyleAppliesIt()
{
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.dialogs.openPaths.push_back(f.content.addPhoto("a.jpg"));
    f.window->actions().action(QStringLiteral("AbrirFoto1"))->trigger();
    f.composition().hair().shownWidth = 82; // twice the width of hairstyle 1
    f.composition().recomputeHairRatios();

    f.window->pageControl()->setCurrentIndex(1);
    ThumbnailView* view = f.window->stylesPage()->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cellRect(2).center());
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.composition().hair().image.size(), QSize(80, 90));
    QCOMPARE(f.composition().hair().shownSize(), QSize(160, 90));
    QVERIFY(f.window->windowTitle().endsWith(QStringLiteral(" - Styles2 - Long and Dark: 3")));
    // The keys pick the neighbour as a click would.
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(f.tryOn().currentHairstyleNumber(), QStringLiteral("2"));
}

void TestTryOn::sideViewBoxIsUntickedOutsideStyles6()
{
    Fixture f;
    QCheckBox* side = f.window->stylesPage()->sideViewBox();
    QVERIFY(side->isChecked()); // ticked at start
    f.content.addHairstyle(QStringLiteral("Styles6"), kType, 1);
    f.tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, f.content.addPhoto("a.jpg"));
    QVERIFY(!side->isChecked());

    side->setChecked(true);
    f.window->state().currentStyleGroup = QStringLiteral("Styles6");
    f.tryOn().ApplyHairstyle(QStringLiteral("1.PNG"));
    QVERIFY(side->isChecked()); // Styles6 without a side picture: left as it was
}

QTEST_MAIN(TestTryOn)
#include "tst_tryon.moc"
