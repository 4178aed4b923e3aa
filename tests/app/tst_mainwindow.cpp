#include "app/AboutBox.h"
#include "app/Application.h"
#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/TitleTexts.h"
#include "app/WaitCursor.h"
#include "colour/ColorsPage.h"
#include "colour/ColourSwatch.h"
#include "colour/TrackBar.h"
#include "gallery/GalleryPage.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "settings/PreferencesDialog.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QAction>
#include <QButtonGroup>
#include <QToolBar>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

QStringList defaultSettingsWith(const QStringList& overrides)
{
    QStringList lines{QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                      QStringLiteral("PercColorMix=30"), QStringLiteral("IntensityMakeUp=5"),
                      QStringLiteral("StylesButton=Styles7"),
                      QStringLiteral("TypeButton=Short and Light"), QStringLiteral("AutoTime=2"),
                      QStringLiteral("SalonName=Test Salon"), QStringLiteral("Language=EN")};
    for (const QString& line : overrides) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [&](const QString& l) { return l.startsWith(key + QLatin1Char('=')); }),
                    lines.end());
        if (line.contains(QLatin1Char('=')))
            lines.append(line);
    }
    return lines;
}

template <typename T>
T* child(QObject* owner, const char* name)
{
    T* found = owner->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("missing child %s", name);
    return found;
}

// Captures what the Help command hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

const char* const kPhotoActions[] = {
    "Salvarcomo1", "Imprimir1", "Desfazer1", "Copiar1", "Inserir1", "ApagarCabelo1", "Flip1",
    "ZoomOut1", "ZoomIn1", "OriginalPhotoSize1", "AutomaticHairstylesSequence1", "ColorPreview1",
    "PreviewHaistyles1", "Desenho1", "AddtoGallery1"};
const char* const kPhotoButtons[] = {
    "BT_SALVAR", "BT_IMPRIMIR", "BT_COPY", "BT_CLONE", "BT_CONTAGOTAS", "BT_BLUR", "BT_SMUDGE",
    "BT_LACO", "BT_DRAW", "BT_SPRAY", "BT_ZOOM", "BT_SCROLL", "BT_AUTO", "BT_GALLERY",
    "BT_PREVIEW", "BT_CORES", "BT_ORIGINAL"};
const char* const kAlwaysEnabledActions[] = {
    "AbrirFoto1", "ConfigurarImpressora1", "Sair1", "Colar1", "CapturaTWAIN1", "Opcoes1",
    "Createapersonsfolder1", "Deletegalleryphotos1", "Deletegalleryfolder1", "TopicosAjuda1",
    "SobreoPrograma1"};
const char* const kAlwaysEnabledButtons[] = {"BT_ABRIR", "BT_PASTE", "BT_SAIR"};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpAppliesTheSettings();
    void startUpStopsAtAFailedConversion_data();
    void startUpStopsAtAFailedConversion();
    void typeButtonNamingNoHairTypeStartsWithTheFirst();
    void enablePhotoToolsFollowsTheLayerCount();
    void languageIsPortugueseOnlyForExactlyBR_data();
    void languageIsPortugueseOnlyForExactlyBR();
    void tabChangeRunsOnlyOnTheUsersSelection();
    void everyMenuItemHasAnIconAndTheMenuShortcutsAreSet();
    void commandsExitHelpAboutPreferences();
};

void TestMainWindow::startUpAppliesTheSettings()
{
    TempContent content;
    content.writeSettings(defaultSettingsWith({QStringLiteral("StylesButton=User"),
                                               QStringLiteral("TypeButton=For Men"),
                                               QStringLiteral("PercColorMix=45")}));
    QDir gallery(content.paths().galleryFolder());
    gallery.mkpath(QStringLiteral("bob"));
    gallery.mkpath(QStringLiteral("Ana"));
    gallery.mkpath(QStringLiteral(".hidden"));
    content.writeFile(QStringLiteral("Gallery/notes.txt"), "not a folder");

    ScriptedDialogs dialogs;
    MainWindow window(content.paths(), dialogs);
    QVERIFY2(dialogs.errors.isEmpty(), qPrintable(dialogs.errors.join(QLatin1Char('\n'))));

    QCOMPARE(window.objectName(), QStringLiteral("TF_HAIR"));
    const QString caption = QLatin1Char(' ') + TitleTexts::captionTitle() + QStringLiteral(" 1.0")
                            + TitleTexts::captionSuffix();
    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(window.state().baseCaption, caption);
    QVERIFY(!TitleTexts::captionTitle().isEmpty());

    QVERIFY(child<QToolButton>(&window, "BT_SCROLL")->isChecked());
    QVERIFY(child<QToolButton>(&window, "BTUS")->isChecked());
    QVERIFY(!child<QToolButton>(&window, "BTS7")->isChecked());
    QVERIFY(child<QToolButton>(&window, "BTFM")->isChecked());
    QCOMPARE(window.hairTypeList()->currentRow(), 6);
    QCOMPARE(window.state().currentStyleGroup, QStringLiteral("User"));
    QCOMPARE(child<QLabel>(&window, "lbStyles")->text(), QStringLiteral("User - For Men"));

    QCOMPARE(window.colorsPage()->colourMixLevel()->value(), 45);
    QCOMPARE(window.colorsPage()->makeUpIntensity()->value(), 5);
    QCOMPARE(window.state().maximizedThumbnailSize, 185.0);
    QCOMPARE(window.colorsPage()->resultSwatch()->colour(), QColor(0xB2, 0x66, 0x4D));

    auto* persons = child<QComboBox>(&window, "cbGallery");
    QStringList names;
    for (int i = 0; i < persons->count(); ++i)
        names.append(persons->itemText(i));
    QCOMPARE(names, (QStringList{QStringLiteral(".hidden"), QStringLiteral("Ana"), QStringLiteral("bob")}));
    QCOMPARE(persons->currentIndex(), -1);
    QVERIFY(window.galleryPage()->openPerson().isEmpty());

    QCOMPARE(window.pageControl()->currentIndex(), 0);
    QCOMPARE(window.pageControl()->sheet(2)->brushColour(), QColor(0x42, 0x96, 0xE7));
    QVERIFY(window.pageControl()->paintedTabBar()->tabPainterInstalled());
    for (int slot = Cursors::kFirstSlot; slot <= Cursors::kLastSlot; ++slot) {
        QVERIFY(window.cursors().contains(slot));
        QVERIFY(!window.cursors().cursor(slot).pixmap().isNull());
    }
    QCOMPARE(Cursors::resourceName(7), QStringLiteral("SOUTH"));
    QVERIFY(window.state().firstActivationPending);
    QVERIFY(!window.state().portuguese);
    QVERIFY(!waitCursorShown());
    QVERIFY(!child<QListWidget>(&window, "CB_TIPO")->isVisibleTo(&window));
    QVERIFY(!child<QLabel>(&window, "lbZoom")->isVisibleTo(&window));

    window.formActivate();
    QVERIFY(!window.state().firstActivationPending);
    QCOMPARE(window.pageControl()->currentIndex(), 0);
}

void TestMainWindow::startUpStopsAtAFailedConversion_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("colourMix");
    QTest::newRow("PercColorMix missing")
        << defaultSettingsWith({QStringLiteral("PercColorMix")}) << "'' is not a valid integer value." << 0;
    QTest::newRow("IntensityMakeUp not a number")
        << defaultSettingsWith({QStringLiteral("IntensityMakeUp=abc")})
        << "'abc' is not a valid integer value." << 30;
    QTest::newRow("ThumbsSize missing")
        << defaultSettingsWith({QStringLiteral("ThumbsSize")}) << "'' is not a valid floating point value." << 30;
    QTest::newRow("no settings file") << QStringList() << "'' is not a valid integer value." << 0;
}

void TestMainWindow::startUpStopsAtAFailedConversion()
{
    QFETCH(QStringList, settings);
    QFETCH(QString, error);
    QFETCH(int, colourMix);
    TempContent content;
    if (!settings.isEmpty())
        content.writeSettings(settings + QStringList{QStringLiteral("Language=BR")});
    QDir(content.paths().galleryFolder()).mkpath(QStringLiteral("Ana"));

    ScriptedDialogs dialogs;
    MainWindow window(content.paths(), dialogs);
    QCOMPARE(dialogs.errors, QStringList{error});

    // The steps before the failure ran, the ones after it did not.
    QVERIFY(window.windowTitle().startsWith(QLatin1Char(' ') + TitleTexts::captionTitle()));
    QCOMPARE(window.colorsPage()->colourMixLevel()->value(), colourMix);
    QCOMPARE(child<QLabel>(&window, "lbStyles")->text(), QString());
    QVERIFY(window.state().currentStyleGroup.isEmpty());
    QCOMPARE(window.hairTypeList()->currentRow(), -1);
    QCOMPARE(child<QComboBox>(&window, "cbGallery")->count(), 0);
    QVERIFY(!window.state().portuguese);
    QCOMPARE(window.messageText(16), QStringLiteral("Reset to the default colors and options?"));
    QCOMPARE(window.colorsPage()->resultSwatch()->colour(), QColor(Qt::white));
    QVERIFY(child<QToolButton>(&window, "BTS7")->isChecked());

    // The window still opens and activates.
    window.show();
    window.formActivate();
    QVERIFY(window.isVisible());
    QVERIFY(!waitCursorShown());
    QVERIFY(!child<QToolButton>(&window, "BT_SALVAR")->isEnabled());
    QCOMPARE(window.pageControl()->currentIndex(), 0);
}

void TestMainWindow::typeButtonNamingNoHairTypeStartsWithTheFirst()
{
    TempContent content;
    content.writeSettings(defaultSettingsWith({QStringLiteral("StylesButton=styles3"),
                                               QStringLiteral("TypeButton=Long")}));
    ScriptedDialogs dialogs;
    MainWindow window(content.paths(), dialogs);
    QVERIFY(dialogs.errors.isEmpty());
    // A style group in other letter case matches nothing; BTS7 stays as designed.
    QVERIFY(window.state().currentStyleGroup.isEmpty());
    QVERIFY(child<QToolButton>(&window, "BTS7")->isChecked());
    QCOMPARE(window.hairTypeList()->currentRow(), 0);
    QVERIFY(child<QToolButton>(&window, "BTCC")->isChecked());
    QCOMPARE(child<QLabel>(&window, "lbStyles")->text(), QStringLiteral(" - Short and Light"));

    // A Portuguese label, as an earlier Portuguese dialog stored it, stands for its type.
    TempContent older;
    older.writeSettings(defaultSettingsWith({QStringLiteral("TypeButton=Longos e Escuros")}));
    MainWindow olderWindow(older.paths(), dialogs);
    QCOMPARE(olderWindow.hairTypeList()->currentRow(), 5);
    QCOMPARE(child<QLabel>(&olderWindow, "lbStyles")->text(), QStringLiteral("Styles7 - Long and Dark"));
}

void TestMainWindow::enablePhotoToolsFollowsTheLayerCount()
{
    TempContent content;
    content.writeDefaultSettings();
    ScriptedDialogs dialogs;
    MainWindow window(content.paths(), dialogs);

    auto check = [&](bool expected) {
        for (const char* name : kPhotoActions)
            QVERIFY2(child<QAction>(&window, name)->isEnabled() == expected, name);
        for (const char* name : kPhotoButtons)
            QVERIFY2(child<QToolButton>(&window, name)->isEnabled() == expected, name);
        for (const char* name : kAlwaysEnabledActions)
            QVERIFY2(child<QAction>(&window, name)->isEnabled(), name);
        for (const char* name : kAlwaysEnabledButtons)
            QVERIFY2(child<QToolButton>(&window, name)->isEnabled(), name);
    };
    QCOMPARE(window.composition().layerCount(), 1);
    window.formActivate();
    check(false);
    QVERIFY(!child<QMenu>(&window, "Desenho1")->menuAction()->isEnabled());

    window.composition().addHairLayer();
    window.formActivate();
    check(true);

    window.composition().removeHairLayer();
    window.formActivate();
    check(false);

    // Exactly the listed commands follow the call.
    window.EnablePhotoTools(false);
    QCOMPARE(window.actions().photoActions().size(), int(std::size(kPhotoActions)));
    QCOMPARE(window.actions().photoButtons().size(), int(std::size(kPhotoButtons)));
}

void TestMainWindow::languageIsPortugueseOnlyForExactlyBR_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("portuguese");
    QTest::newRow("BR") << "BR" << true;
    QTest::newRow("lower case") << "br" << false;
    QTest::newRow("other") << "EN" << false;
    QTest::newRow("none") << "" << false;
}

void TestMainWindow::languageIsPortugueseOnlyForExactlyBR()
{
    QFETCH(QString, language);
    QFETCH(bool, portuguese);
    TempContent content;
    content.writeSettings(defaultSettingsWith({QStringLiteral("Language=") + language}));
    ScriptedDialogs dialogs;
    ProgramWindows windows = createProgramWindows(content.paths(), dialogs);
    MainWindow& window = *windows.main;
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(window.state().portuguese, portuguese);

    auto pick = [portuguese](const char* english, const char* portugueseText) {
        return QString::fromUtf8(portuguese ? portugueseText : english);
    };
    QCOMPARE(window.messageText(16), pick("Reset to the default colors and options?",
                                          "Deseja voltar às configurações e cores iniciais?"));
    QCOMPARE(window.messageText(19), pick("Do you really want to DELETE ALL PHOTOS of ",
                                          "Confirma APAGAR TODA A GALERIA de "));
    // Not replaced in Portuguese.
    QCOMPARE(window.messageText(22), QStringLiteral("Do you want to transfer this photo from your camera?"));
    QCOMPARE(child<QAction>(&window, "AbrirFoto1")->text(), pick("&Open Photo", "&Abrir Foto"));
    QCOMPARE(child<QMenu>(&window, "Arquivo1")->title(), pick("&File", "&Arquivo"));
    QCOMPARE(child<QAction>(&window, "Opcoes1")->text(), pick("&Preferences", "&Preferências"));
    QCOMPARE(child<QToolButton>(&window, "BT_ZOOM")->toolTip(),
             pick("Zoom In (left button), Zoom Out (right)", "Zoom + (botão esquerdo), Zoom - (direito)"));
    QCOMPARE(child<QToolButton>(&window, "BTDELETE")->text(), pick("", "Apagar Foto(s)"));
    QCOMPARE(child<QToolButton>(&window, "BTCC")->toolTip(), pick("Short and Light", "Curtos e Claros"));
    QCOMPARE(child<QLabel>(&window, "lbStyles")->text(), QStringLiteral("Styles7 - Short and Light"));
    QCOMPARE(window.colorsPage()->colourMixLevel()->toolTip(), pick("", "Nível Color Mix"));
    QCOMPARE(child<QWidget>(&window, "BT_BASE")->toolTip(),
             pick("Base Color: select it with the Eyedropper", "Cor Base: Selecione-a com o Conta-Gotas"));
    // Style group hints stay.
    QCOMPARE(child<QToolButton>(&window, "BTS3")->toolTip(), QStringLiteral("Styles3"));

    QStringList tabs;
    for (int i = 0; i < window.pageControl()->count(); ++i)
        tabs.append(window.pageControl()->tabText(i));
    QCOMPARE(tabs, portuguese ? QStringList({"Fotos", "Cabelos", "Cores", "Galeria", "Preview"})
                              : QStringList({"Photos", "Styles", "Colors", "Gallery", "Preview"}));

    // The windows created after the main window follow its language.
    QCOMPARE(windows.preferences->windowTitle(), pick("Preferences", "Preferências"));
    QCOMPARE(child<QWidget>(windows.preferences.get(), "BT_GRAVAR")->property("text").toString(),
             pick("Save", "Gravar"));
}

void TestMainWindow::tabChangeRunsOnlyOnTheUsersSelection()
{
    TempContent content;
    content.writeDefaultSettings();
    ScriptedDialogs dialogs;
    MainWindow window(content.paths(), dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.formActivate();

    // A refresh of the Styles page rebuilds its list from the (empty)
    // hairstyle folder, so a leftover item shows whether it ran.
    ThumbnailView* styles = window.stylesPage()->view();
    auto leaveItem = [&] {
        styles->clear();
        styles->append({QStringLiteral("/nowhere/1.PNG"), QImage(), QStringLiteral("1")});
    };
    PageControl* pages = window.pageControl();
    QTabBar* bar = pages->tabBar();

    leaveItem();
    pages->setCurrentIndex(1); // by the program
    QCOMPARE(styles->count(), 1);
    pages->setCurrentIndex(0);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(pages->currentIndex(), 1);
    QCOMPARE(styles->count(), 0);

    leaveItem();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center()); // already active
    QCOMPARE(styles->count(), 1);

    // The keyboard is the user's too.
    pages->setCurrentIndex(0);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(pages->currentIndex(), 1);
    QCOMPARE(styles->count(), 0);
}

void TestMainWindow::everyMenuItemHasAnIconAndTheMenuShortcutsAreSet()
{
    TempContent content;
    content.writeDefaultSettings();
    ScriptedDialogs dialogs;
    MainWindow window(content.paths(), dialogs);
    int items = 0;
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || action->menu())
                continue;
            ++items;
            QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
            QVERIFY2(!action->icon().pixmap(24).toImage().isNull(), qPrintable(action->objectName()));
        }
    }
    QCOMPARE(items, 32);
    for (QToolButton* button : window.actions().toolBar()->findChildren<QToolButton*>()) {
        if (button->objectName().startsWith(QLatin1String("BT_")))
            QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
    }
    QCOMPARE(child<QAction>(&window, "Sair1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    QCOMPARE(child<QAction>(&window, "Opcoes1")->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(child<QAction>(&window, "TopicosAjuda1")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(child<QAction>(&window, "Inserir1")->shortcut(), QKeySequence(Qt::Key_Insert));
    QCOMPARE(child<QAction>(&window, "ApagarCabelo1")->shortcut(), QKeySequence(Qt::Key_Delete));
    QCOMPARE(child<QAction>(&window, "PreviewHaistyles1")->shortcut(), QKeySequence(Qt::Key_F12));
    // Group 1 is one radio group.
    QCOMPARE(window.actions().toolModes()->buttons().size(), 9);
    QVERIFY(window.actions().toolModes()->exclusive());
}

void TestMainWindow::commandsExitHelpAboutPreferences()
{
    TempContent content;
    content.writeDefaultSettings();
    ScriptedDialogs dialogs;
    ProgramWindows windows = createProgramWindows(content.paths(), dialogs);
    MainWindow& window = *windows.main;

    child<QAction>(&window, "SobreoPrograma1")->trigger();
    QCOMPARE(dialogs.dialogsShown, QStringList{QStringLiteral("TF_SOBRE")});
    QVERIFY(windows.about->findChild<QLabel*>(QStringLiteral("ProductName"))->text().endsWith(QStringLiteral(" 1.0")));

    child<QAction>(&window, "Opcoes1")->trigger();
    QCOMPARE(dialogs.dialogsShown.last(), QStringLiteral("TF_OPCOES"));

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    child<QAction>(&window, "TopicosAjuda1")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(content.root() + QStringLiteral("Morvane2010.html"))});

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    child<QToolButton>(&window, "BT_SAIR")->click();
    QVERIFY(!window.isVisible());
    QVERIFY(dialogs.messages.isEmpty()); // no question before closing
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
