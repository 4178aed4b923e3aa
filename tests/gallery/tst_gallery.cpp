#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "canvas/Composition.h"
#include "canvas/TryOn.h"
#include "gallery/GalleryController.h"
#include "gallery/GalleryFolder.h"
#include "gallery/GalleryPage.h"
#include "gallery/HiddenText.h"
#include "gallery/LayerFile.h"
#include "gallery/NewFolderDialog.h"
#include "gallery/PlacementText.h"
#include "imaging/ImageIO.h"
#include "library/PhotosPage.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

const QString kGroup = QStringLiteral("Styles2");
const QString kType = QStringLiteral("Long and Dark");
const QString kPerson = QStringLiteral("Ana");

QString fixture(const QString& name)
{
    return qEnvironmentVariable("MORVANE_TEST_DATA") + QStringLiteral("/gallery/") + name;
}

QStringList entries(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// The New Gallery Folder dialog answered: OK with a name, Cancel, or its close box.
std::function<int(QDialog&)> typeAndPress(const QString& name, const QString& button)
{
    return [name, button](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(name);
        if (button == QLatin1String("close"))
            dialog.close();
        else
            dialog.findChild<QPushButton*>(button)->click();
        return dialog.result();
    };
}

// A content tree with three hairstyles of different sizes, a photo and a
// person folder, and a main window on it, first activation done.
struct Fixture {
    TempContent& content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    explicit Fixture(TempContent& tree) : content(tree)
    {
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        window->formActivate();
    }

    static void prepare(TempContent& content)
    {
        content.writeSettings({QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                               QStringLiteral("PercColorMix=30"), QStringLiteral("IntensityMakeUp=5"),
                               QStringLiteral("StylesButton=") + kGroup,
                               QStringLiteral("TypeButton=") + kType, QStringLiteral("AutoTime=2"),
                               QStringLiteral("SalonName=S"), QStringLiteral("Language=EN")});
        content.addHairstyle(kGroup, kType, 1, QSize(40, 50));
        content.addHairstyle(kGroup, kType, 2, QSize(60, 30));
        content.addHairstyle(kGroup, kType, 3, QSize(80, 90));
        content.addPhoto(QStringLiteral("client.jpg"), QSize(120, 90));
        QDir().mkdir(content.paths().personFolder(kPerson));
    }

    Composition& composition() { return window->composition(); }
    GalleryController& gallery() { return window->galleryController(); }
    GalleryPage& page() { return *window->galleryPage(); }
    ThumbnailView& view() { return *page().view(); }
    QString personPath() const { return content.paths().personFolder(kPerson); }
    QToolButton* pageButton(const char* name) { return page().findChild<QToolButton*>(QLatin1String(name)); }
    QToolButton* toolButton(const char* name) { return window->actions().button(QLatin1String(name)); }

    void placePhoto()
    {
        window->tryOn().PlacePhoto(TryOn::PhotoEntry::OpenPhoto,
                                   content.paths().photosFolder() + QStringLiteral("/client.jpg"));
    }
    void openPerson(const QString& person = kPerson)
    {
        QComboBox* list = page().personList();
        list->setCurrentIndex(list->findText(person));
    }
    // The stylist drags and resizes the hairstyle; the release recomputes the ratios.
    void moveHair(QPoint position, QSize shown)
    {
        composition().hair().position = position;
        composition().hair().shownWidth = shown.width();
        composition().hair().shownHeight = shown.height();
        composition().recomputeHairRatios();
        composition().notifyChanged();
    }
    void clickItem(int index)
    {
        QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, view().cellRect(index).center());
    }
    QString photoPath() const
    {
        return window->findChild<QLabel*>(QStringLiteral("LbFN"))->text();
    }
};

void compareCanvas(const Composition& actual, const Composition& expected)
{
    QCOMPARE(actual.layerCount(), expected.layerCount());
    QCOMPARE(actual.currentLayer(), expected.currentLayer());
    for (int index = 0; index < expected.layerCount(); ++index) {
        const Layer& a = actual.layer(index);
        const Layer& e = expected.layer(index);
        QCOMPARE(a.image, e.image);
        QCOMPARE(a.shownRect(), e.shownRect());
        QCOMPARE(a.visible, e.visible);
        QCOMPARE(a.frame, e.frame);
        QCOMPARE(a.locked, e.locked);
    }
}

// A copy of the canvas layers, to compare with later.
std::unique_ptr<Composition> copyOf(const Composition& source)
{
    auto copy = std::make_unique<Composition>();
    LayerFile::apply(LayerFile::decode(LayerFile::encode(source), QStringLiteral("copy")), *copy);
    return copy;
}

} // namespace

class TestGallery : public QObject {
    Q_OBJECT
private slots:
    void theFolderDialogCreatesOnlyOnOk_data();
    void theFolderDialogCreatesOnlyOnOk();
    void theFolderDialogSpeaksBothLanguages_data();
    void theFolderDialogSpeaksBothLanguages();
    void resultsComeBackAfterARestart();
    void withoutAnOpenFolderNothingIsSavedAndGalleryModeStays();
    void withThePhotoCurrentThePhotoIsStoredAndTheHairHidden();
    void anItemWithoutLayerFileBecomesThePhoto();
    void aBrokenItemShowsAnErrorAndKeepsTheCanvasSound_data();
    void aBrokenItemShowsAnErrorAndKeepsTheCanvasSound();
    void deletingTheSelectedItems_data();
    void deletingTheSelectedItems();
    void deletingThePersonFolder_data();
    void deletingThePersonFolder();
    void saveAsWritesTheMergedPictureCutToThePhoto_data();
    void saveAsWritesTheMergedPictureCutToThePhoto();
};

void TestGallery::theFolderDialogCreatesOnlyOnOk_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("persons"); // the list afterwards
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("error");
    const QStringList before{"Ana", "Zeca"};
    QTest::newRow("ok") << "Maria" << "BitBtn1" << QStringList{"Ana", "Maria", "Zeca"} << "Maria" << "";
    QTest::newRow("cancel") << "Maria" << "BitBtn2" << before << "" << "";
    QTest::newRow("close box") << "Maria" << "close" << before << "" << "";
    QTest::newRow("exists") << "Zeca" << "BitBtn1" << before << "" << "";
    QTest::newRow("exists on disk, not listed") << "Late" << "BitBtn1" << before << "" << "";
    QTest::newRow("empty") << "" << "BitBtn1" << before << "" << "";
    QTest::newRow("escaping") << "../Photos2" << "BitBtn1" << before << ""
                              << "Cannot create the folder ../Photos2.";
    QTest::newRow("nested, parent missing") << "Bia/2010" << "BitBtn1" << before << ""
                                            << "Cannot create the folder Bia/2010.";
}

void TestGallery::theFolderDialogCreatesOnlyOnOk()
{
    QFETCH(QString, name);
    QFETCH(QString, button);
    QFETCH(QStringList, persons);
    QFETCH(QString, open);
    QFETCH(QString, error);
    TempContent content;
    Fixture::prepare(content);
    QDir().mkdir(content.paths().personFolder(QStringLiteral("Zeca")));
    Fixture f(content);
    QDir().mkdir(content.paths().personFolder(QStringLiteral("Late"))); // made after start-up

    // Each run follows a successful creation: Cancel must not reuse its answer.
    f.dialogs.dialogScripts.push_back(typeAndPress(QStringLiteral("Temp1"), QStringLiteral("BitBtn1")));
    f.window->actions().action(QStringLiteral("Createapersonsfolder1"))->trigger();
    QDir(content.paths().personFolder(QStringLiteral("Temp1"))).removeRecursively();
    f.page().removePerson(QStringLiteral("Temp1"));

    f.dialogs.dialogScripts.push_back(typeAndPress(name, button));
    f.pageButton("BT_FOLDER")->click();
    QCOMPARE(f.dialogs.dialogsShown.last(), QStringLiteral("TF_FOLDER"));
    QStringList listed;
    for (int index = 0; index < f.page().personList()->count(); ++index)
        listed.append(f.page().personList()->itemText(index));
    QCOMPARE(listed, persons);
    QCOMPARE(f.page().openPerson(), open);
    QCOMPARE(f.window->state().folderDialogConfirmed, button == QLatin1String("BitBtn1"));
    QCOMPARE(f.dialogs.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(f.dialogs.messages.size(), 0);
    QStringList folders{"Ana", "Late", "Zeca"};
    if (!open.isEmpty()) {
        folders.append(open);
        folders.sort();
    }
    QCOMPARE(entries(content.paths().galleryFolder()), folders);
    QVERIFY(!QFileInfo::exists(content.root() + QStringLiteral("Photos2")));
}

void TestGallery::theFolderDialogSpeaksBothLanguages_data()
{
    QTest::addColumn<bool>("portuguese");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << false << QStringList{"New Gallery Folder", "New Folder Name:", "OK", "Cancel"};
    QTest::newRow("Portuguese") << true
                                << QStringList{"Criar Pasta Galeria", "Nome Nova Galeria:", "OK", "Cancelar"};
}

void TestGallery::theFolderDialogSpeaksBothLanguages()
{
    QFETCH(bool, portuguese);
    QFETCH(QStringList, texts);
    NewFolderDialog dialog(portuguese);
    QCOMPARE((QStringList{dialog.windowTitle(),
                          dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                          dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->text(),
                          dialog.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->text()}),
             texts);
    QCOMPARE(dialog.size(), QSize(320, 166));
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->isDefault());
    // Esc ends the dialog as Cancel does.
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.confirmed());
}

void TestGallery::resultsComeBackAfterARestart()
{
    TempContent content;
    Fixture::prepare(content);
    std::unique_ptr<Composition> first;
    std::unique_ptr<Composition> second;
    {
        Fixture f(content);
        f.placePhoto();
        f.dialogs.dialogScripts.push_back(typeAndPress(QStringLiteral("Maria"), QStringLiteral("BitBtn1")));
        f.pageButton("BT_FOLDER")->click();
        // Hairstyle 1 (40 x 50) at half its width and 1.2 times its height.
        f.moveHair(QPoint(7, -3), QSize(20, 60));
        first = copyOf(f.composition());
        f.toolButton("BT_GALLERY")->click();
        QCOMPARE(f.window->pageControl()->currentIndex(), 3);
        QVERIFY(!f.window->state().galleryMode);
        QCOMPARE(f.view().count(), 1);

        f.window->tryOn().ApplyHairstyle(QStringLiteral("2.png"));
        f.moveHair(QPoint(30, 11), QSize(45, 15));
        second = copyOf(f.composition());
        f.window->actions().action(QStringLiteral("AddtoGallery1"))->trigger();
        QCOMPARE(f.view().count(), 2);
        QVERIFY(f.dialogs.errors.isEmpty());
        QCOMPARE(entries(content.paths().personFolder(QStringLiteral("Maria"))),
                 (QStringList{"1.lyr", "1.png", "2.lyr", "2.png"}));
        // The picture is the hairstyle alone at its own size, with its transparency.
        const QImage picture = imaging::readImage(content.paths().personFolder(QStringLiteral("Maria"))
                                                  + QStringLiteral("/2.png"));
        QCOMPARE(picture.size(), QSize(60, 30));
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    }

    Fixture f(content);
    QCOMPARE(f.page().openPerson(), QString());
    f.placePhoto(); // another client's work on the canvas meanwhile
    f.window->tryOn().ApplyHairstyle(QStringLiteral("3.png"));
    f.openPerson(QStringLiteral("Maria"));
    QCOMPARE(f.view().count(), 2);
    const int itemOne = f.view().item(0).caption == QLatin1String("1") ? 0 : 1;
    f.clickItem(itemOne);
    QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join(' ')));
    compareCanvas(f.composition(), *first);
    QCOMPARE(f.composition().hairWidthRatio(), 0.5);
    QCOMPARE(f.composition().hairHeightRatio(), 1.2);
    QCOMPARE(f.composition().hairstyleImageSize(), QSize(40, 50));
    QCOMPARE(f.photoPath(), content.paths().photosFolder() + QStringLiteral("/client.jpg"));

    // The next hairstyle picked takes the saved scale, at the same place.
    f.window->tryOn().ApplyHairstyle(QStringLiteral("3.png"));
    QCOMPARE(f.composition().hair().shownRect(), QRect(7, -3, 40, 108));

    f.clickItem(1 - itemOne);
    compareCanvas(f.composition(), *second);
    QCOMPARE(f.composition().hairWidthRatio(), 0.75);
    QCOMPARE(f.composition().hairHeightRatio(), 0.5);
}

void TestGallery::withoutAnOpenFolderNothingIsSavedAndGalleryModeStays()
{
    TempContent content;
    Fixture::prepare(content);
    Fixture f(content);
    f.placePhoto();
    f.toolButton("BT_GALLERY")->click();
    QCOMPARE(f.dialogs.messageTexts(), QStringList{"First open or create a folder in the Gallery tab!"});
    QCOMPARE(f.dialogs.messages.first().kind, MessageKind::Information);
    QVERIFY(f.window->state().galleryMode);
    QCOMPARE(entries(f.personPath()), QStringList());

    // The next Save is a gallery save.
    f.openPerson();
    f.toolButton("BT_SALVAR")->click();
    QCOMPARE(entries(f.personPath()), (QStringList{"1.lyr", "1.png"}));
    QVERIFY(!f.window->state().galleryMode);
    QVERIFY(f.dialogs.saveRequests.isEmpty());
}

void TestGallery::withThePhotoCurrentThePhotoIsStoredAndTheHairHidden()
{
    TempContent content;
    Fixture::prepare(content);
    Fixture f(content);
    f.placePhoto();
    f.openPerson();
    // Gaps: item 2 was deleted, so two listed items give number 3, which is taken.
    GalleryFolder folder(content.paths(), kPerson);
    folder.savePicture(test::makePhotoImage(QSize(5, 5)), 0);
    folder.savePicture(test::makePhotoImage(QSize(5, 5)), 2);
    f.gallery().RefrescaGaleria(kPerson);
    QCOMPARE(f.view().count(), 2);

    f.composition().setCurrentLayer(Composition::kPhotoLayer); // as the zoom tool does
    f.toolButton("BT_GALLERY")->click();
    QCOMPARE(entries(f.personPath()), (QStringList{"1.png", "3.png", "4.lyr", "4.png"}));
    QCOMPARE(imaging::readImage(folder.picturePath(4)).size(), f.composition().photo().image.size());
    QVERIFY(!f.composition().hair().visible);
    const LayerFileContent saved = LayerFile::load(folder.layerFilePath(4));
    QVERIFY(saved.layers[1].visible);
    QCOMPARE(saved.currentLayer, 0);
    // After the refresh the last item listed is the selected one.
    QCOMPARE(f.view().selectedIndexes(), QList<int>{f.view().count() - 1});
}

void TestGallery::anItemWithoutLayerFileBecomesThePhoto()
{
    TempContent content;
    Fixture::prepare(content);
    Fixture f(content);
    GalleryFolder(content.paths(), kPerson).savePicture(test::makePhotoImage(QSize(33, 22)), 0);
    f.window->stylesPage()->view()->setSelected(1); // hairstyle 2
    f.openPerson();
    f.clickItem(0);
    QVERIFY(f.dialogs.errors.isEmpty());
    QCOMPARE(f.composition().layerCount(), 2);
    QCOMPARE(f.composition().photo().image, test::makePhotoImage(QSize(33, 22)));
    QCOMPARE(f.composition().hair().image.size(), QSize(60, 30));
    QVERIFY(!f.composition().hair().visible);
    QCOMPARE(f.composition().currentLayer(), Composition::kPhotoLayer);
    QVERIFY(f.toolButton("BT_SALVAR")->isEnabled());

    // A click on empty space of the view changes nothing.
    const QImage photo = f.composition().photo().image;
    QTest::mouseClick(f.view().viewport(), Qt::LeftButton, {}, QPoint(f.view().viewport()->width() - 2,
                                                                       f.view().viewport()->height() - 2));
    QCOMPARE(f.composition().photo().image, photo);
}

void TestGallery::aBrokenItemShowsAnErrorAndKeepsTheCanvasSound_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("layers");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("layersLoaded");
    QTest::newRow("truncated layer file") << "item.png" << "truncated.lyr" << "is truncated" << false;
    QTest::newRow("altered layer file") << "item.png" << "altered.lyr" << "checksum" << false;
    QTest::newRow("absurd sizes") << "item.png" << "absurd-size.lyr" << "larger than allowed" << false;
    QTest::newRow("picture without hidden text")
        << "no-text.png" << "item.lyr" << "'' is not a valid floating point value." << true;
    QTest::newRow("picture with garbage hidden text")
        << "garbage-text.png" << "item.lyr" << "'x,5' is not a valid floating point value." << true;
}

void TestGallery::aBrokenItemShowsAnErrorAndKeepsTheCanvasSound()
{
    QFETCH(QString, picture);
    QFETCH(QString, layers);
    QFETCH(QString, error);
    QFETCH(bool, layersLoaded);
    TempContent content;
    Fixture::prepare(content);
    QFile::copy(fixture(picture), content.paths().personFolder(kPerson) + QStringLiteral("/1.png"));
    QFile::copy(fixture(layers), content.paths().personFolder(kPerson) + QStringLiteral("/1.lyr"));
    Fixture f(content);
    f.placePhoto();
    f.moveHair(QPoint(3, 4), QSize(20, 25));
    const std::unique_ptr<Composition> before = copyOf(f.composition());
    const QString photoPath = f.photoPath();
    f.openPerson();
    f.clickItem(0);

    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY2(f.dialogs.errors.first().contains(error), qPrintable(f.dialogs.errors.first()));
    if (layersLoaded) {
        QCOMPARE(f.composition().photo().image.size(), QSize(6, 4));
        QCOMPARE(f.composition().hair().position, QPoint(-1, 2));
    } else {
        compareCanvas(f.composition(), *before);
    }
    // The values not read keep what they were.
    QCOMPARE(f.composition().hairWidthRatio(), 0.5);
    QCOMPARE(f.composition().hairHeightRatio(), 0.5);
    QCOMPARE(f.photoPath(), photoPath);
    QVERIFY(f.toolButton("BT_SALVAR")->isEnabled());
}

void TestGallery::deletingTheSelectedItems_data()
{
    QTest::addColumn<int>("answer"); // Answer
    QTest::newRow("yes") << int(Answer::Yes);
    QTest::newRow("no") << int(Answer::No);
}

void TestGallery::deletingTheSelectedItems()
{
    QFETCH(int, answer);
    TempContent content;
    Fixture::prepare(content);
    for (const char* name : {"1.png", "2.png"}) {
        imaging::writeImage(content.paths().personFolder(kPerson) + QLatin1Char('/') + QLatin1String(name),
                            test::makePhotoImage(QSize(4, 4)));
    }
    for (const char* name : {"1.lyr", "2.lyr", "2.jpg"})
        content.writeFile(QStringLiteral("Gallery/Ana/") + QLatin1String(name), "x");
    Fixture f(content);
    f.openPerson();
    // Right after the refresh the last item listed is selected: no click needed.
    const QString last = f.view().item(f.view().count() - 1).caption;
    QStringList left{"1.lyr", "1.png", "2.jpg", "2.lyr", "2.png"};
    if (answer == int(Answer::Yes)) {
        left.removeAll(last + QStringLiteral(".png"));
        left.removeAll(last + QStringLiteral(".lyr"));
    }
    f.dialogs.answers.push_back(Answer(answer));
    f.window->actions().action(QStringLiteral("Deletegalleryphotos1"))->trigger();
    QCOMPARE(f.dialogs.messageTexts(), QStringList{"Do you really want to DELETE the selected gallery photo?"});
    QCOMPARE(entries(f.personPath()), left);
    QCOMPARE(f.view().count(), answer == int(Answer::Yes) ? 1 : 2);
}

void TestGallery::deletingThePersonFolder_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("warnings");
    const QList<int> yesYes{int(Answer::Yes), int(Answer::Yes)};
    QTest::newRow("only items") << QStringList{} << yesYes << true << QStringList{} << QStringList{};
    QTest::newRow("a file the view does not list")
        << QStringList{"notes.txt", "3.jpg"} << yesYes << false << QStringList{"3.jpg", "notes.txt"}
        << QStringList{"Cannot remove directory Ana"};
    QTest::newRow("no to the second question")
        << QStringList{} << QList<int>{int(Answer::Yes), int(Answer::No)} << false
        << QStringList{"1.lyr", "1.png", "2.png"} << QStringList{};
}

void TestGallery::deletingThePersonFolder()
{
    QFETCH(QStringList, extra);
    QFETCH(QList<int>, answers);
    QFETCH(bool, removed);
    QFETCH(QStringList, left);
    QFETCH(QStringList, warnings);
    TempContent content;
    Fixture::prepare(content);
    GalleryFolder folder(content.paths(), kPerson);
    folder.savePicture(test::makePhotoImage(QSize(4, 4)), 0);
    folder.savePicture(test::makePhotoImage(QSize(4, 4)), 1);
    content.writeFile(QStringLiteral("Gallery/Ana/1.lyr"), "x");
    for (const QString& name : extra)
        content.writeFile(QStringLiteral("Gallery/Ana/") + name, "x");
    Fixture f(content);
    f.openPerson();
    for (int answer : answers)
        f.dialogs.answers.push_back(Answer(answer));
    f.pageButton("BT_DELDIR")->click();

    QStringList expectedTexts{"Do you really want to DELETE ALL PHOTOS of Ana?"};
    if (answers.size() > 1)
        expectedTexts.append(QStringLiteral("Are you sure? Confirm deletion of folder Ana?"));
    expectedTexts += warnings;
    QCOMPARE(f.dialogs.messageTexts(), expectedTexts);
    QCOMPARE(QFileInfo::exists(f.personPath()), !removed);
    if (!removed)
        QCOMPARE(entries(f.personPath()), left);
    QCOMPARE(f.page().personList()->findText(kPerson) >= 0, !removed);
    QCOMPARE(f.page().openPerson(), removed ? QString() : kPerson);
}

void TestGallery::saveAsWritesTheMergedPictureCutToThePhoto_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("hairShown");
    QTest::addColumn<QString>("name");
    QTest::newRow("inside the photo") << QPoint(10, 10) << true << "result.jpg";
    QTest::newRow("out on the left and top") << QPoint(-15, -20) << true << "result.png";
    QTest::newRow("out on the right and bottom") << QPoint(100, 70) << true << "result.bmp";
    QTest::newRow("hairstyle hidden") << QPoint(10, 10) << false << "result.png";
}

void TestGallery::saveAsWritesTheMergedPictureCutToThePhoto()
{
    QFETCH(QPoint, position);
    QFETCH(bool, hairShown);
    QFETCH(QString, name);
    TempContent content;
    Fixture::prepare(content);
    Fixture f(content);
    f.placePhoto();
    f.moveHair(position, QSize(40, 50));
    if (!hairShown)
        f.window->tryOn().hideHairstyle();
    const QString path = content.paths().photosFolder() + QLatin1Char('/') + name;
    f.dialogs.saveChoices.push_back({path, 60});
    f.window->actions().action(QStringLiteral("Salvarcomo1"))->trigger();

    QCOMPARE(f.dialogs.saveRequests.size(), 1);
    const SaveRequest& request = f.dialogs.saveRequests.first();
    QCOMPARE(request.folder, content.paths().photosFolder());
    QVERIFY(request.jpegQualityOption);
    QCOMPARE(request.defaultSuffix, QStringLiteral("jpg"));
    const QImage saved = imaging::readImage(path);
    QCOMPARE(saved.size(), QSize(120, 90));
    if (name.endsWith(QLatin1String(".png"))) {
        const QRgb hairPixel = f.composition().hair().image.pixel(39, 0); // opaque edge of the hair
        const QPoint onPhoto = position + QPoint(39, 0);
        const bool covered = QRect(0, 0, 120, 90).contains(onPhoto);
        if (covered)
            QCOMPARE(saved.pixel(onPhoto) == hairPixel, hairShown);
    }
    // The Photos list is refilled and shows the new file.
    bool listed = false;
    for (int index = 0; index < f.window->photosPage()->view()->count(); ++index)
        listed = listed || f.window->photosPage()->view()->item(index).path == path;
    QVERIFY(listed);
    QCOMPARE(entries(f.personPath()), QStringList());
}

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
