#include "app/MainWindow.h"
#include "imaging/ImageIO.h"
#include "library/DirTreeCombo.h"
#include "library/PanelMaximizer.h"
#include "library/PhotosPage.h"
#include "library/ThumbnailView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

// A content tree with its settings and one hairstyle to lay over a photo,
// and the main window built on it.
struct Fixture {
    TempContent content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    Fixture()
    {
        content.writeDefaultSettings();
        content.addHairstyle(QStringLiteral("Styles7"), QStringLiteral("Short and Light"), 1);
    }
    void build() { window = std::make_unique<MainWindow>(content.paths(), dialogs); }
    PhotosPage& page() const { return *window->photosPage(); }
    ThumbnailView& view() const { return *window->photosPage()->view(); }
    QString photosFolder() const { return QDir::cleanPath(content.paths().photosFolder()); }
    QString photo(const QString& name) const { return photosFolder() + QLatin1Char('/') + name; }
};

QStringList listedNames(const ThumbnailView& view)
{
    QStringList names;
    for (int i = 0; i < view.count(); ++i)
        names.append(QFileInfo(view.item(i).path).fileName());
    names.sort();
    return names;
}

QByteArray pngBytes()
{
    return imaging::encodeImage(test::makeHairImage(QSize(20, 20)), imaging::ImageFormat::Png);
}

void clickItem(ThumbnailView& view, int index, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, view.cellRect(index).center());
}

} // namespace

class PhotosPageTest : public QObject {
    Q_OBJECT
private slots:
    void listsOnlyVerifiedPhotos();
    void folderPathWithOrWithoutSeparator_data();
    void folderPathWithOrWithoutSeparator();
    void missingFolderKeepsPrevious();
    void deleteAsksOncePerSelectedPhoto();
    void pickEmitsPathOnlyWhileRestored();
    void photosFolderButtonReturnsToPhotos();
    void treePickOpensFolder();
};

void PhotosPageTest::listsOnlyVerifiedPhotos()
{
    Fixture f;
    f.content.addPhoto(QStringLiteral("anna.jpg"));
    f.content.addPhoto(QStringLiteral("bruno.JPG"));
    f.content.addPhoto(QStringLiteral("carla.png"));
    f.content.writeFile(QStringLiteral("Photos/photo.jpg"), pngBytes());   // a PNG named .jpg
    f.content.writeFile(QStringLiteral("Photos/notes.txt"), "client notes");
    QVERIFY(QFile::copy(f.photo(QStringLiteral("anna.jpg")), f.photo(QStringLiteral(".hidden.jpg"))));
    QDir(f.photosFolder()).mkdir(QStringLiteral("folder.jpg"));
    // A JPEG whose header passes but whose data is cut short cannot be decoded.
    QFile anna(f.photo(QStringLiteral("anna.jpg")));
    QVERIFY(anna.open(QIODevice::ReadOnly));
    f.content.writeFile(QStringLiteral("Photos/cut.jpg"), anna.read(200));
    f.build();
    f.window->photosPage()->refresh();

    QCOMPARE(listedNames(f.view()), (QStringList{QStringLiteral("anna.jpg"), QStringLiteral("bruno.JPG"),
                                                 QStringLiteral("carla.png")}));
    for (int i = 0; i < f.view().count(); ++i) {
        const ThumbnailView::Item& item = f.view().item(i);
        QVERIFY(!item.image.isNull());
        QCOMPARE(item.caption, QFileInfo(item.path).fileName().chopped(4));
    }
    QVERIFY(f.view().selectedIndexes().isEmpty());
}

void PhotosPageTest::folderPathWithOrWithoutSeparator_data()
{
    QTest::addColumn<bool>("trailingSeparator");
    QTest::newRow("picked in the tree") << false;
    QTest::newRow("opened with a separator") << true;
}

void PhotosPageTest::folderPathWithOrWithoutSeparator()
{
    QFETCH(bool, trailingSeparator);
    Fixture f;
    f.build();
    const QString folder = f.content.root() + QStringLiteral("Gallery/ana");
    QVERIFY(QDir().mkpath(folder));
    imaging::writeImage(folder + QStringLiteral("/visit.jpg"), test::makePhotoImage(QSize(40, 30)));

    const QString opened = trailingSeparator ? folder + QLatin1Char('/') : folder;
    QVERIFY(f.page().openFolder(opened));
    QCOMPARE(f.page().folder(), opened);
    QCOMPARE(f.view().count(), 1);
    QCOMPARE(f.view().item(0).path, folder + QStringLiteral("/visit.jpg"));
    QCOMPARE(f.view().item(0).caption, QStringLiteral("visit"));
}

void PhotosPageTest::missingFolderKeepsPrevious()
{
    Fixture f;
    f.content.addPhoto(QStringLiteral("anna.jpg"));
    f.build();
    const QString before = f.page().folder();
    QCOMPARE(QDir::cleanPath(before), f.photosFolder());
    QSignalSpy changes(f.page().folderPicker(), &DirTreeCombo::pathChanged);

    QVERIFY(!f.page().openFolder(f.content.root() + QStringLiteral("NoSuchFolder")));
    QCOMPARE(f.page().folder(), before);
    QCOMPARE(changes.count(), 0);
    f.page().refresh();
    QCOMPARE(listedNames(f.view()), QStringList{QStringLiteral("anna.jpg")});
}

void PhotosPageTest::deleteAsksOncePerSelectedPhoto()
{
    Fixture f;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
        f.content.addPhoto(QLatin1String(name));
    f.build();
    f.page().refresh();
    QCOMPARE(f.view().count(), 4);
    // Select three, leaving one unselected; the questions come in list order.
    QStringList selected;
    for (int i = 0; i < 3; ++i) {
        f.view().setSelected(i);
        selected.append(f.view().item(i).path);
    }
    const QString unselected = f.view().item(3).path;
    f.dialogs.answers = {Answer::Yes, Answer::No, Answer::Yes};

    f.window->findChild<QToolButton*>(QStringLiteral("BTDELETE"))->click();

    QCOMPARE(f.dialogs.messages.size(), 3);
    for (const ScriptedDialogs::Shown& shown : f.dialogs.messages) {
        QCOMPARE(shown.kind, MessageKind::Confirmation);
        QCOMPARE(shown.buttons, MessageButtons::YesNo);
        QCOMPARE(shown.text, QStringLiteral("Do you really want to DELETE the selected photo(s)?"));
    }
    QVERIFY(!QFile::exists(selected[0]));
    QVERIFY(QFile::exists(selected[1]));
    QVERIFY(!QFile::exists(selected[2]));
    QVERIFY(QFile::exists(unselected));
    // The list was refreshed.
    QCOMPARE(f.view().count(), 2);
    QVERIFY(f.dialogs.errors.isEmpty());
}

void PhotosPageTest::pickEmitsPathOnlyWhileRestored()
{
    Fixture f;
    f.content.addPhoto(QStringLiteral("anna.jpg"));
    f.content.addPhoto(QStringLiteral("bruno.jpg"));
    f.build();
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.page().refresh();
    QCOMPARE(f.view().count(), 2);
    QSignalSpy picks(&f.page(), &PhotosPage::photoPicked);

    clickItem(f.view(), 1);
    QCOMPARE(picks.count(), 1);
    QCOMPARE(picks.at(0).at(0).toString(), f.view().item(1).path);

    auto* maximizer = f.window->findChild<PanelMaximizer*>();
    QVERIFY(maximizer);
    maximizer->toggle();
    QVERIFY(f.window->state().panelMaximized);
    QCOMPARE(f.view().count(), 2);
    clickItem(f.view(), 0);
    QCOMPARE(picks.count(), 1); // not loaded
    QCOMPARE(f.view().selectedIndexes(), QList<int>{0}); // but selected

    maximizer->toggle();
    clickItem(f.view(), 0);
    QCOMPARE(picks.count(), 2);
}

void PhotosPageTest::photosFolderButtonReturnsToPhotos()
{
    Fixture f;
    f.content.addPhoto(QStringLiteral("anna.jpg"));
    f.build();
    const QString other = f.content.root() + QStringLiteral("Preview");
    QVERIFY(f.page().openFolder(other));
    QCOMPARE(f.view().count(), 0);
    auto* transfer = f.window->findChild<QToolButton*>(QStringLiteral("BT_TRANSFER"));
    transfer->setEnabled(true);

    f.window->findChild<QToolButton*>(QStringLiteral("BT_FOTOSDIR"))->click();
    QCOMPARE(f.page().folder(), f.content.paths().photosFolder());
    QCOMPARE(listedNames(f.view()), QStringList{QStringLiteral("anna.jpg")});
    QVERIFY(!transfer->isEnabled());
}

void PhotosPageTest::treePickOpensFolder()
{
    Fixture f;
    f.build();
    const QString folder = f.content.root() + QStringLiteral("Gallery/bea");
    QVERIFY(QDir().mkpath(folder));
    imaging::writeImage(folder + QStringLiteral("/first.jpg"), test::makePhotoImage(QSize(40, 30)));
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    DirTreeCombo* picker = f.page().folderPicker();
    QSignalSpy changes(picker, &DirTreeCombo::pathChanged);

    picker->showPopup();
    QTreeView* tree = picker->tree();
    QVERIFY(tree && tree->isVisible());
    QCOMPARE(tree->height() <= DirTreeCombo::kTreeHeight, true);
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    QVERIFY(model);
    const QModelIndex index = model->index(folder);
    QVERIFY(index.isValid());
    QVERIFY(model->isDir(index));
    tree->setCurrentIndex(index);
    QTest::keyClick(tree, Qt::Key_Return);

    QCOMPARE(changes.count(), 1);
    QCOMPARE(picker->selectedPath(), folder);
    QVERIFY(!tree->isVisible());
    QCOMPARE(f.view().count(), 1);
    QCOMPARE(picker->currentText(), QDir::toNativeSeparators(folder));
}

QTEST_MAIN(PhotosPageTest)
#include "tst_photospage.moc"
