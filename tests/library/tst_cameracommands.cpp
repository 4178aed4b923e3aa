#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "canvas/TryOn.h"
#include "imaging/ImageIO.h"
#include "library/CameraImportController.h"
#include "library/PhotosPage.h"
#include "library/ThumbnailView.h"
#include "platform/RemovableVolumes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

const QString kNoCamera = QStringLiteral("Your camera is not attached or there is no DCIM directory.");
const QString kQuestion = QStringLiteral("Do you want to transfer this photo from your camera?");

class FakeVolumes : public VolumeProvider {
public:
    std::vector<Volume> list;
    std::vector<Volume> volumes() const override { return list; }
};

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A main window with one hairstyle, and volumes made of folders of a
// temporary tree: "name:r" removable, "name:f" fixed, "name:rd" removable
// with a DCIM folder holding IMG_0042.JPG.
struct Fixture {
    TempContent content;
    QTemporaryDir drives;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    QString cameraPhoto;

    explicit Fixture(const QStringList& volumes)
    {
        content.writeSettings({QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                               QStringLiteral("PercColorMix=30"), QStringLiteral("IntensityMakeUp=5"),
                               QStringLiteral("StylesButton=Styles2"),
                               QStringLiteral("TypeButton=Long and Dark"),
                               QStringLiteral("AutoTime=2"), QStringLiteral("SalonName=S"),
                               QStringLiteral("Language=EN")});
        content.addHairstyle(QStringLiteral("Styles2"), QStringLiteral("Long and Dark"), 1);
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        window->formActivate();
        auto fake = std::make_unique<FakeVolumes>();
        for (const QString& volume : volumes) {
            const QString root = drives.filePath(volume.section(QLatin1Char(':'), 0, 0));
            const QString kind = volume.section(QLatin1Char(':'), 1);
            QDir().mkpath(root);
            if (kind == QLatin1String("rd")) {
                QDir().mkpath(root + QStringLiteral("/DCIM"));
                cameraPhoto = root + QStringLiteral("/DCIM/IMG_0042.JPG");
                imaging::writeImage(cameraPhoto, test::makePhotoImage(QSize(64, 48)));
            }
            fake->list.push_back({root, kind != QLatin1String("f")});
        }
        window->cameraImport().setVolumeProvider(std::move(fake));
    }

    PhotosPage* page() const { return window->photosPage(); }
    QToolButton* transfer() const { return page()->transferButton(); }
    QString inPhotos(const QString& name) const { return QDir(content.paths().photosFolder()).filePath(name); }
};

} // namespace

class TestCameraCommands : public QObject {
    Q_OBJECT
private slots:
    void cameraFolderOpensAndEnablesTransfer();
    void noCameraShowsTheMessage_data();
    void noCameraShowsTheMessage();
    void transferCopiesThePhotoOnTheCanvas();
    void transferWithoutAPhotoDoesNothing();
    void transferErrors_data();
    void transferErrors();
};

void TestCameraCommands::cameraFolderOpensAndEnablesTransfer()
{
    Fixture f({QStringLiteral("root:f"), QStringLiteral("card:rd")});
    QVERIFY(!f.transfer()->isEnabled());
    f.page()->cameraButton()->click();
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(QDir(f.page()->folder()).canonicalPath(), QFileInfo(f.cameraPhoto).canonicalPath());
    QCOMPARE(f.page()->view()->count(), 1);
    QCOMPARE(f.page()->view()->item(0).path, f.cameraPhoto);
    QVERIFY(f.transfer()->isEnabled());

    // Another folder picked in the tree keeps it; the Photos folder button disables it.
    QVERIFY(f.page()->openFolder(f.drives.path()));
    QVERIFY(f.transfer()->isEnabled());
    f.window->findChild<QToolButton*>(QStringLiteral("BT_FOTOSDIR"))->click();
    QVERIFY(!f.transfer()->isEnabled());

    // The Image menu's Camera Directory does what the button does.
    f.window->actions().action(QStringLiteral("CapturaTWAIN1"))->trigger();
    QVERIFY(f.transfer()->isEnabled());
    QCOMPARE(f.page()->view()->count(), 1);
}

void TestCameraCommands::noCameraShowsTheMessage_data()
{
    QTest::addColumn<QStringList>("volumes");
    QTest::newRow("no volumes") << QStringList{};
    QTest::newRow("only fixed volumes") << QStringList{"root:f", "home:f"};
    QTest::newRow("an empty card before the camera") << QStringList{"reader:r", "camera:rd"};
}

void TestCameraCommands::noCameraShowsTheMessage()
{
    QFETCH(QStringList, volumes);
    Fixture f(volumes);
    const QString before = f.page()->folder();
    f.page()->cameraButton()->click();
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].kind, MessageKind::Information);
    QCOMPARE(f.dialogs.messages[0].text, kNoCamera);
    QCOMPARE(f.page()->folder(), before);
    QVERIFY(!f.transfer()->isEnabled());
}

void TestCameraCommands::transferCopiesThePhotoOnTheCanvas()
{
    Fixture f({QStringLiteral("card:rd")});
    f.page()->cameraButton()->click();
    f.window->tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, f.cameraPhoto);
    const QByteArray original = readBytes(f.cameraPhoto);

    f.dialogs.answers = {Answer::Yes, Answer::Yes, Answer::No};
    f.transfer()->click();
    QCOMPARE(readBytes(f.inPhotos(QStringLiteral("IMG_0042.JPG"))), original);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].kind, MessageKind::Confirmation);
    QCOMPARE(f.dialogs.messages[0].text, kQuestion);
    QCOMPARE(f.dialogs.messages[0].buttons, MessageButtons::YesNo);
    // The list still shows the camera folder.
    QCOMPARE(f.page()->view()->item(0).path, f.cameraPhoto);

    f.transfer()->click(); // a second copy gets its own name
    QCOMPARE(readBytes(f.inPhotos(QStringLiteral("IMG_0042 (2).JPG"))), original);
    QCOMPARE(readBytes(f.inPhotos(QStringLiteral("IMG_0042.JPG"))), original);

    f.transfer()->click(); // No
    QVERIFY(!QFile::exists(f.inPhotos(QStringLiteral("IMG_0042 (3).JPG"))));
    QVERIFY(f.dialogs.errors.isEmpty());
}

void TestCameraCommands::transferWithoutAPhotoDoesNothing()
{
    Fixture f({QStringLiteral("card:rd")});
    f.page()->cameraButton()->click();
    f.transfer()->click();
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(QDir(f.content.paths().photosFolder()).isEmpty());
}

void TestCameraCommands::transferErrors_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("camera disconnected") << "source gone";
    QTest::newRow("no Photos folder") << "no photos";
    QTest::newRow("a pasted picture has no file") << "pasted";
}

void TestCameraCommands::transferErrors()
{
    QFETCH(QString, what);
    Fixture f({QStringLiteral("card:rd")});
    f.page()->cameraButton()->click();
    QString expected;
    if (what == QLatin1String("pasted")) {
        f.window->tryOn().PlacePhoto(TryOn::PhotoEntry::Paste, {}, test::makePhotoImage(QSize(30, 20)));
        expected = QStringLiteral("Cannot open file \"LbFN\". No such file or directory.");
    } else {
        f.window->tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, f.cameraPhoto);
        if (what == QLatin1String("source gone")) {
            QVERIFY(QFile::remove(f.cameraPhoto));
            expected = QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(f.cameraPhoto);
        } else {
            QVERIFY(QDir(f.content.paths().photosFolder()).removeRecursively());
            expected = QStringLiteral("Cannot create file \"%1\". No such file or directory.")
                           .arg(f.inPhotos(QStringLiteral("IMG_0042.JPG")));
        }
    }
    f.dialogs.answers = {Answer::Yes};
    f.transfer()->click();
    QCOMPARE(f.dialogs.errors, QStringList{expected});
    QVERIFY(!QFile::exists(f.inPhotos(QStringLiteral("IMG_0042.JPG"))));
}

QTEST_MAIN(TestCameraCommands)
#include "tst_cameracommands.moc"
