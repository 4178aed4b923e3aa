#include "app/MainWindow.h"
#include "canvas/Composition.h"
#include "canvas/TryOn.h"
#include "imaging/ImageIO.h"
#include "library/PanelMaximizer.h"
#include "library/StylesPage.h"
#include "sideview/SideViewController.h"
#include "sideview/SideViewWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

const QString kType = QStringLiteral("Long and Dark");

// Styles6 hairstyles 1 to 3 and 7 of "Long and Dark", side pictures for 7
// and 2 only (of different sizes), a Styles2 hairstyle 1, and a main window
// on the Styles6 list with its side view window.
struct Fixture {
    TempContent content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SideViewWindow> side;

    Fixture()
    {
        content.writeSettings({QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                               QStringLiteral("PercColorMix=30"),
                               QStringLiteral("IntensityMakeUp=5"),
                               QStringLiteral("StylesButton=Styles6"),
                               QStringLiteral("TypeButton=") + kType,
                               QStringLiteral("AutoTime=2"), QStringLiteral("SalonName=S"),
                               QStringLiteral("Language=EN")});
        for (int number : {1, 2, 3, 7})
            content.addHairstyle(QStringLiteral("Styles6"), kType, number);
        content.addHairstyle(QStringLiteral("Styles2"), kType, 1);
        addSidePicture(7, QSize(30, 44));
        addSidePicture(2, QSize(50, 36));
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        side = std::make_unique<SideViewWindow>();
        window->sideView().setWindow(side.get());
        window->formActivate();
    }

    void addSidePicture(int number, QSize size) const
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(qRgb(20 * number, 90, 160));
        imaging::writeImage(content.paths().sidePictureFile(kType, number), picture);
    }
    QCheckBox* box() const { return window->stylesPage()->sideViewBox(); }
    void placePhoto() const
    {
        window->tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, content.addPhoto("client.jpg"));
    }
    void chooseGroup(const QString& group) const
    {
        for (QToolButton* button : window->stylesPage()->styleGroupButtons()) {
            if (button->toolTip() == group)
                button->click();
        }
        QCOMPARE(window->state().currentStyleGroup, group);
    }
    void apply(int number) const
    {
        window->tryOn().ApplyHairstyle(QString::number(number) + QStringLiteral(".png"));
    }
};

} // namespace

class TestSideView : public QObject {
    Q_OBJECT
private slots:
    void windowAsDesigned();
    void aStyles6HairstyleWithASidePictureShowsIt();
    void anotherGroupHidesItAndTickingWarns();
    void untickedBoxIsTickedAgainByTheNextSidePicture();
    void aHairstyleWithoutSidePictureChangesNothing();
    void tickingWithoutSidePictureReportsTheFile();
    void tickingBeforeAPhotoOnlyChangesTheBox();
    void closingUnticksTheBox_data();
    void closingUnticksTheBox();
};

void TestSideView::windowAsDesigned()
{
    SideViewWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("TF_SIDE"));
    QVERIFY(!window.isVisible());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!window.testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(window.pos(), QPoint(679, 98));
    QCOMPARE(SideViewWindow::designedClientSize(120), QSize(277, 398));
    QCOMPARE(SideViewWindow::designedClientSize(96), QSize(222, 318));
    // A fixed border: the client size cannot be dragged.
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.size(), SideViewWindow::designedClientSize(window.screen()->logicalDotsPerInch()));
    QVERIFY(window.findChild<SidePictureView*>(QStringLiteral("Image6b")));
}

void TestSideView::aStyles6HairstyleWithASidePictureShowsIt()
{
    Fixture f;
    f.placePhoto();
    f.apply(7);
    QVERIFY(f.side->isVisible());
    QVERIFY(f.box()->isChecked());
    QCOMPARE(f.side->windowTitle(), QStringLiteral("Long and Dark: 7"));
    QCOMPARE(f.side->size(), QSize(30, 44));
    QCOMPARE(f.side->pictureView()->picture(),
             imaging::readImage(f.content.paths().sidePictureFile(kType, 7)));
    // The hairstyle itself was laid as usual.
    QCOMPARE(f.window->composition().hairSnapshot(), f.window->composition().hair().image);
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(f.dialogs.errors.isEmpty());

    f.apply(2);
    QCOMPARE(f.side->windowTitle(), QStringLiteral("Long and Dark: 2"));
    QCOMPARE(f.side->size(), QSize(50, 36));
}

void TestSideView::anotherGroupHidesItAndTickingWarns()
{
    Fixture f;
    f.placePhoto();
    f.apply(7);
    f.chooseGroup(QStringLiteral("Styles2"));
    f.apply(1);
    QVERIFY(!f.side->isVisible());
    QVERIFY(!f.box()->isChecked());

    f.box()->click();
    QVERIFY(f.box()->isChecked());
    QVERIFY(!f.side->isVisible());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].kind, MessageKind::Warning);
    QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("Only Styles 6 have side view!"));
}

void TestSideView::untickedBoxIsTickedAgainByTheNextSidePicture()
{
    Fixture f;
    f.placePhoto();
    f.apply(7);
    f.box()->click();
    QVERIFY(!f.box()->isChecked());
    QVERIFY(!f.side->isVisible());

    f.apply(2);
    QVERIFY(f.box()->isChecked());
    QVERIFY(f.side->isVisible());
    QCOMPARE(f.side->windowTitle(), QStringLiteral("Long and Dark: 2"));
    QVERIFY(f.dialogs.errors.isEmpty());

    // Ticking by hand shows the current side picture in a window that keeps its size.
    f.box()->click();
    f.side->setClientSize(QSize(90, 90));
    f.box()->click();
    QVERIFY(f.side->isVisible());
    QCOMPARE(f.side->size(), QSize(90, 90));
    QCOMPARE(f.side->pictureView()->picture().size(), QSize(50, 36));
    QCOMPARE(f.side->windowTitle(), QStringLiteral("Long and Dark: 2"));
}

void TestSideView::aHairstyleWithoutSidePictureChangesNothing()
{
    Fixture f;
    f.placePhoto(); // hairstyle 1 has no side picture: the window stays hidden
    QVERIFY(!f.side->isVisible());
    QVERIFY(f.box()->isChecked());
    f.apply(7);
    f.apply(3);
    QVERIFY(f.side->isVisible());
    QVERIFY(f.box()->isChecked());
    QCOMPARE(f.side->windowTitle(), QStringLiteral("Long and Dark: 7"));
    QCOMPARE(f.side->size(), QSize(30, 44));
}

void TestSideView::tickingWithoutSidePictureReportsTheFile()
{
    Fixture f;
    f.placePhoto();
    f.box()->click(); // unticked: hidden
    f.apply(3);
    f.box()->click();
    QVERIFY(f.box()->isChecked());
    QVERIFY(!f.side->isVisible());
    QCOMPARE(f.dialogs.errors,
             QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                             .arg(f.content.paths().sidePictureFile(kType, 3))});

    // A side picture that is not a JPEG is reported too, and nothing shows.
    f.content.writeFile(QStringLiteral("Styles6b/Long and Dark/3.JPG"), "not a picture");
    f.box()->click();
    f.box()->click();
    QCOMPARE(f.dialogs.errors.size(), 2);
    QVERIFY(!f.side->isVisible());
    // During the hairstyle's own update it is reported and the hairstyle is still laid.
    f.apply(3);
    QCOMPARE(f.dialogs.errors.size(), 3);
    QCOMPARE(f.window->tryOn().currentHairstyleNumber(), QStringLiteral("3"));
    QCOMPARE(f.window->composition().hairSnapshot(), f.window->composition().hair().image);
}

void TestSideView::tickingBeforeAPhotoOnlyChangesTheBox()
{
    Fixture f;
    f.box()->click();
    f.box()->click();
    QVERIFY(f.box()->isChecked());
    QVERIFY(!f.side->isVisible());
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(f.dialogs.errors.isEmpty());
}

void TestSideView::closingUnticksTheBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("its close box") << "close";
    QTest::newRow("Hide Hairstyle") << "hide";
    QTest::newRow("maximising the panel") << "maximize";
}

void TestSideView::closingUnticksTheBox()
{
    QFETCH(QString, how);
    Fixture f;
    f.placePhoto();
    f.apply(7);
    QVERIFY(f.side->isVisible());
    if (how == QLatin1String("close"))
        f.side->close();
    else if (how == QLatin1String("hide"))
        f.window->tryOn().hideHairstyle();
    else
        f.window->findChild<PanelMaximizer*>()->toggle();
    QVERIFY(!f.side->isVisible());
    QVERIFY(!f.box()->isChecked());

    // Show Hairstyle brings the window back only while the box is ticked.
    if (how == QLatin1String("hide")) {
        f.window->tryOn().showHairstyle();
        QVERIFY(!f.side->isVisible());
        f.box()->click();
        QVERIFY(f.side->isVisible());
    }
}

QTEST_MAIN(TestSideView)
#include "tst_sideview.moc"
