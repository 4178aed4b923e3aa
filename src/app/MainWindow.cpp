#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/Icons.h"
#include "app/InterfaceTexts.h"
#include "app/MainActions.h"
#include "app/MessageLabels.h"
#include "app/PageControl.h"
#include "app/TitleTexts.h"
#include "app/WaitCursor.h"
#include "autodisplay/AutoDisplay.h"
#include "canvas/CanvasView.h"
#include "canvas/ToolController.h"
#include "canvas/TryOn.h"
#include "colour/ColorsPage.h"
#include "colour/ColourController.h"
#include "colour/ColourMix.h"
#include "colour/ColourSwatch.h"
#include "colour/TrackBar.h"
#include "common/Conversions.h"
#include "gallery/GalleryController.h"
#include "gallery/GalleryPage.h"
#include "library/CameraImportController.h"
#include "library/HairTypes.h"
#include "library/PanelMaximizer.h"
#include "library/PhotosPage.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "previews/PreviewPage.h"
#include "previews/PreviewRuns.h"
#include "printing/PrintController.h"
#include "settings/PreferencesDialog.h"
#include "settings/SettingsFile.h"
#include "settings/StartSelection.h"
#include "sideview/SideViewController.h"

#include <QAction>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QUrl>

namespace morvane {

namespace {

// Design colours (the classic colour values, red in the low byte).
constexpr ColourValue kGradientStart = 15128749; // #ADD8E6
constexpr ColourValue kGradientEnd = 15177282;   // #4296E7
constexpr ColourValue kCellBackground = 12632256; // #C0C0C0
constexpr ColourValue kCellBorder = 8421504;      // #808080
constexpr ColourValue kSelectedTextBackground = 15128749;
constexpr ColourValue kSelectedText = 255;         // #FF0000
constexpr ColourValue kFormColour = 12639424;      // #C0DCC0

enum Page { PhotosTab = 0, StylesTab, ColorsTab, GalleryTab, PreviewTab };

} // namespace

MainWindow::MainWindow(const ContentPaths& paths, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_paths(paths), m_dialogs(dialogs)
{
    ensureResources();
    setObjectName(QStringLiteral("TF_HAIR"));
    resize(1024, 738);
    buildLayout();
    connectCommands();
    new PanelMaximizer(*this); // a child of the window: the panel's maximise and size spins
    m_sideView = new SideViewController(*this);
    m_autoDisplay = new AutoDisplay(*this);
    m_cameraImport = new CameraImportController(*this);
    m_previewRuns = new PreviewRuns(*this);
    m_printing = new PrintController(*this);
    m_galleryController = new GalleryController(*this);
    guarded(m_dialogs, this, [this] { formCreate(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildLayout()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setPointSize(8);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(kFormColour));
    setPalette(palette);

    m_actions = std::make_unique<MainActions>(this);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_canvas = new CanvasView(m_composition, central);
    m_canvas->setObjectName(QStringLiteral("Image1"));
    layout->addWidget(m_canvas, 1);

    m_pages = new PageControl(central);
    m_pages->setFixedWidth(314);
    auto addPage = [this](const char* sheet, const char* caption, QWidget* content) {
        TabSheet* page = m_pages->addSheet(QLatin1String(sheet), QLatin1String(caption));
        page->layout()->addWidget(content);
    };
    m_photos = new PhotosPage;
    m_styles = new StylesPage;
    m_colors = new ColorsPage;
    m_gallery = new GalleryPage;
    m_preview = new PreviewPage;
    addPage("TabSheet1", "Photos", m_photos);
    addPage("TabSheet2", "Styles", m_styles);
    addPage("TabSheet3", "Colors", m_colors);
    addPage("TabSheet4", "Gallery", m_gallery);
    addPage("TabSheet5", "Preview", m_preview);
    layout->addWidget(m_pages);
    setCentralWidget(central);

    MessageLabels::create(this);
    m_hairTypes = new QListWidget(this);
    m_hairTypes->setObjectName(QStringLiteral("CB_TIPO"));
    m_hairTypes->addItems(hairTypeNames());
    m_hairTypes->setCurrentRow(-1);
    m_hairTypes->hide();

    m_composition.setBackgroundColour(toQColor(kGradientStart));
    m_tryOn = new TryOn(*this);
    m_tools = new ToolController(*this);
    m_colourController = new ColourController(*this);
}

void MainWindow::connectCommands()
{
    MainActions& a = *m_actions;
    connect(a.action(QStringLiteral("Sair1")), &QAction::triggered, this, &QWidget::close);
    connect(a.button(QStringLiteral("BT_SAIR")), &QToolButton::clicked,
            a.action(QStringLiteral("Sair1")), &QAction::trigger);
    connect(a.button(QStringLiteral("BT_ABRIR")), &QToolButton::clicked,
            a.action(QStringLiteral("AbrirFoto1")), &QAction::trigger);
    connect(a.action(QStringLiteral("TopicosAjuda1")), &QAction::triggered, this, &MainWindow::openHelp);
    connect(a.action(QStringLiteral("SobreoPrograma1")), &QAction::triggered, this, &MainWindow::showAbout);
    connect(a.action(QStringLiteral("Opcoes1")), &QAction::triggered, this, &MainWindow::showPreferences);
    connect(m_pages, &PageControl::userChangedPage, this, &MainWindow::pageChangedByUser);

    TryOn& tryOn = *m_tryOn;
    connect(a.action(QStringLiteral("AbrirFoto1")), &QAction::triggered, this,
            [this, &tryOn] { runGuarded([&tryOn] { tryOn.openPhoto(); }); });
    connect(a.action(QStringLiteral("Inserir1")), &QAction::triggered, this,
            [this, &tryOn] { runGuarded([&tryOn] { tryOn.showHairstyle(); }); });
    connect(a.action(QStringLiteral("ApagarCabelo1")), &QAction::triggered, this,
            [this, &tryOn] { runGuarded([&tryOn] { tryOn.hideHairstyle(); }); });
    connect(a.action(QStringLiteral("Flip1")), &QAction::triggered, this,
            [this, &tryOn] { runGuarded([&tryOn] { tryOn.flip(); }); });
    connect(m_styles, &StylesPage::styleGroupClicked, this, &MainWindow::styleGroupClicked);
    connect(m_styles, &StylesPage::hairTypeClicked, this, &MainWindow::hairTypeClicked);
    connect(m_styles, &StylesPage::hairstylePicked, this, &MainWindow::hairstylePicked);
    connect(m_photos, &PhotosPage::photoPicked, this, [this, &tryOn](const QString& path) {
        runGuarded([&tryOn, path] { tryOn.PlacePhoto(TryOn::PhotoEntry::PhotoPick, path); });
    });
}

void MainWindow::runGuarded(const std::function<void()>& handler)
{
    guarded(m_dialogs, this, handler);
}

void MainWindow::RefrescaCabelos()
{
    QListWidgetItem* type = m_hairTypes->currentItem();
    m_styles->refresh(m_paths, m_state.currentStyleGroup, type ? type->text() : QString());
}

void MainWindow::styleGroupClicked(const QString& styleGroup)
{
    runGuarded([this, styleGroup] {
        m_state.currentStyleGroup = styleGroup;
        QListWidgetItem* type = m_hairTypes->currentItem();
        m_styles->setSelectionText(styleGroup, type ? type->text() : QString());
        RefrescaCabelos();
    });
}

void MainWindow::hairTypeClicked(int index)
{
    runGuarded([this, index] {
        m_hairTypes->setCurrentRow(index);
        QListWidgetItem* type = m_hairTypes->currentItem();
        m_styles->setSelectionText(m_state.currentStyleGroup, type ? type->text() : QString());
        RefrescaCabelos();
    });
}

void MainWindow::hairstylePicked(const QString& path)
{
    runGuarded([this, path] {
        if (m_composition.layerCount() == 1) {
            m_dialogs.message(this, MessageKind::Warning, messageText(4));
            return;
        }
        m_tryOn->ApplyHairstyle(path);
    });
}

QList<ThumbnailView*> MainWindow::thumbnailViews() const
{
    return {m_photos->view(), m_styles->view(), m_gallery->view(), m_preview->view()};
}

QString MainWindow::messageText(int number) const
{
    return MessageLabels::text(this, number);
}

void MainWindow::setPreferencesDialog(PreferencesDialog* preferences)
{
    m_preferences = preferences;
    if (m_preferences)
        connect(m_preferences, &PreferencesDialog::saved, this, &MainWindow::applyPreferences);
}

void MainWindow::formCreate()
{
    showWaitCursor();
    m_actions->button(QStringLiteral("BT_SCROLL"))->setChecked(true);

    m_canvas->setGradientColours(toQColor(kGradientStart), toQColor(kGradientEnd));
    m_canvas->update();
    for (ThumbnailView* view : thumbnailViews())
        view->setGradientColours(toQColor(kGradientStart), toQColor(kGradientEnd));

    m_pages->installTabPainter();

    m_pages->sheet(ColorsTab)->setBrushColour(toQColor(kGradientEnd));
    m_pages->setCurrentIndex(ColorsTab);
    m_pages->setCurrentIndex(PhotosTab);

    m_photos->openFolder(m_paths.photosFolder());

    const SettingsFile settings(m_paths.settingsFile());
    const QString version = settings.read(QStringLiteral("Version"));
    setWindowTitle(QLatin1Char(' ') + TitleTexts::captionTitle() + QLatin1Char(' ') + version
                   + TitleTexts::captionSuffix());
    m_state.baseCaption = windowTitle();

    // The mouse wheel zooms about the pointer: that is how the canvas view
    // zooms by wheel; there is nothing to switch here.

    m_cursors.load();

    for (ThumbnailView* view : thumbnailViews()) {
        view->setCellBackground(toQColor(kCellBackground));
        view->setSelectedTextBackground(toQColor(kSelectedTextBackground));
        view->setSelectedTextColour(toQColor(kSelectedText));
        view->setCellBorderColour(toQColor(kCellBorder));
    }
    m_preview->view()->clear();

    // The two track bars show their hints as tooltips (they have none in English).

    m_state.lassoMode = false;
    m_state.makeUpMode = false;
    m_state.firstActivationPending = true;
    m_state.galleryMode = false;
    m_state.folderDialogConfirmed = false;
    m_state.smudgeDirection = 1;

    m_colors->colourMixLevel()->setValue(toInteger(settings.read(QStringLiteral("PercColorMix"))));
    m_colors->makeUpIntensity()->setValue(toInteger(settings.read(QStringLiteral("IntensityMakeUp"))));
    const QString stylesButton = settings.read(QStringLiteral("StylesButton"));
    const QString typeButton = settings.read(QStringLiteral("TypeButton"));
    m_state.maximizedThumbnailSize = toFloat(settings.read(QStringLiteral("ThumbsSize")));

    applyStartSelection(stylesButton, typeButton);
    QListWidgetItem* type = m_hairTypes->currentItem();
    m_styles->selectionLabel()->setText(m_state.currentStyleGroup + QStringLiteral(" - ")
                                        + (type ? type->text() : QString()));

    m_gallery->fillPersonList(m_paths.galleryFolder());
    showNormalCursor();

    m_state.portuguese = settings.read(QStringLiteral("Language")) == QLatin1String("BR");
    if (m_state.portuguese)
        InterfaceTexts::apply(this, InterfaceTexts::mainWindowPortuguese());

    m_colors->resultSwatch()->setColour(toQColor(
        MixColors(toColourValue(m_colors->baseSwatch()->colour()),
                  toColourValue(m_colors->shadeSwatch()->colour()), 127)));
    showNormalCursor();
}

void MainWindow::applyStartSelection(const QString& stylesButton, const QString& typeButton)
{
    for (QToolButton* button : m_styles->styleGroupButtons()) {
        if (button->toolTip() == stylesButton) {
            button->setChecked(true);
            m_state.currentStyleGroup = stylesButton;
        }
    }
    // A TypeButton that names no hair type (an empty or mistyped value)
    // starts with the designed choice, the first hair type, so that the
    // hairstyle list and the caption have a type to work with. A Portuguese
    // label, as earlier Portuguese installations stored it, stands for its type.
    int typeIndex = hairTypeIndexForSetting(typeButton);
    if (typeIndex < 0)
        typeIndex = 0;
    m_styles->hairTypeButtons().at(typeIndex)->setChecked(true);
    m_hairTypes->setCurrentRow(typeIndex);
}

void MainWindow::EnablePhotoTools(bool enabled)
{
    for (QAction* action : m_actions->photoActions())
        action->setEnabled(enabled);
    for (QToolButton* button : m_actions->photoButtons())
        button->setEnabled(enabled);
}

void MainWindow::formActivate()
{
    // A maximised window already sits at the screen's corner; moving it
    // would take it out of the maximised state on some window managers.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        move(0, 0);
    EnablePhotoTools(m_composition.layerCount() == 2);
    if (m_state.firstActivationPending) {
        // Cleared first: a list that fails to fill (its error box hands the
        // focus back) must not run the first filling again at every activation.
        m_state.firstActivationPending = false;
        showWaitCursor();
        RefrescaCabelos();
        m_photos->refresh();
        m_pages->setCurrentIndex(PhotosTab);
        m_pages->update();
    }
    showNormalCursor();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guarded(m_dialogs, this, [this] { formActivate(); });
}

void MainWindow::pageChangedByUser(int index)
{
    guarded(m_dialogs, this, [this, index] {
        m_pages->update();
        switch (index) {
        case PhotosTab: m_photos->refresh(); break;
        case StylesTab: RefrescaCabelos(); break;
        case GalleryTab: {
            const QString person = m_gallery->openPerson();
            if (!person.isEmpty())
                m_gallery->refresh(person);
            break;
        }
        case PreviewTab: m_preview->refresh(); break;
        default: break; // Colors: nothing to refresh
        }
    });
}

void MainWindow::applyPreferences(int colourMixLevel, int makeUpIntensity, double maximizedThumbnailSize)
{
    m_colors->colourMixLevel()->setValue(colourMixLevel);
    m_colors->makeUpIntensity()->setValue(makeUpIntensity);
    m_state.maximizedThumbnailSize = maximizedThumbnailSize;
}

void MainWindow::openHelp()
{
    // The desktop opens the help document with its viewer; a missing file
    // is the viewer's to report.
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_paths.helpFile()));
}

void MainWindow::showAbout()
{
    if (m_about)
        m_dialogs.exec(*m_about);
}

void MainWindow::showPreferences()
{
    if (m_preferences)
        m_dialogs.exec(*m_preferences);
}

} // namespace morvane
