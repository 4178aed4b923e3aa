#include "previews/PreviewRuns.h"

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/WaitCursor.h"
#include "canvas/Composition.h"
#include "colour/ColorsPage.h"
#include "colour/ColourSwatch.h"
#include "colour/Recolour.h"
#include "colour/TrackBar.h"
#include "common/Error.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "platform/Guard.h"
#include "previews/ColourSeries.h"
#include "previews/PreviewPage.h"
#include "previews/PreviewRender.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

namespace morvane {

namespace {

constexpr int kPreviewTab = 4;

} // namespace

PreviewRuns::PreviewRuns(MainWindow& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("PreviewRuns"));
    window.previewPage()->setSource(window.paths(), window.composition());

    const MainActions& actions = window.actions();
    QToolButton* hairButton = actions.button(QStringLiteral("BT_PREVIEW"));
    QToolButton* colourButton = actions.button(QStringLiteral("BT_CORES"));
    connect(hairButton, &QToolButton::clicked, this, [this] {
        guarded(m_window.dialogs(), &m_window, [this] { hairstylePreview(); });
    });
    connect(colourButton, &QToolButton::clicked, this, [this] {
        guarded(m_window.dialogs(), &m_window, [this] { colourPreview(); });
    });
    // The menu items click their tool buttons.
    connect(actions.action(QStringLiteral("PreviewHaistyles1")), &QAction::triggered, hairButton,
            &QToolButton::click);
    connect(actions.action(QStringLiteral("ColorPreview1")), &QAction::triggered, colourButton,
            &QToolButton::click);
}

void PreviewRuns::prepareHairLayer()
{
    Composition& composition = m_window.composition();
    composition.setCurrentLayer(Composition::kHairLayer);
    composition.hair().visible = true;
    composition.hair().frame = false;
    composition.notifyChanged();
}

void PreviewRuns::showPreviewPage()
{
    m_window.pageControl()->setCurrentIndex(kPreviewTab);
    m_window.previewPage()->refresh();
}

void PreviewRuns::hairstylePreview()
{
    const WaitCursorScope wait;
    Composition& composition = m_window.composition();
    clearPreviewFolder(m_window.paths());
    if (!composition.hasHairLayer())
        return;
    prepareHairLayer();
    const QPoint position = composition.hair().position;

    const QString styleGroup = m_window.state().currentStyleGroup;
    const QListWidgetItem* typeItem = m_window.hairTypeList()->currentItem();
    const QString hairType = typeItem ? typeItem->text() : QString();
    const int count = m_window.stylesPage()->view()->count();
    const HairstylePreviews previews = renderHairstylePreviews(
        m_window.paths(), styleGroup, hairType, count, composition);

    // The canvas ends with the last hairstyle of the type, at the user's
    // place and scale; caption, number and snapshot stay as they were.
    if (previews.lastNumber > 0) {
        Layer& hair = composition.hair();
        hair.image = previews.lastHairstyle;
        hair.position = position;
        const QSize shown = composition.shownSizeForHairstyle(hair.image.size());
        hair.shownWidth = shown.width();
        hair.shownHeight = shown.height();
        composition.notifyChanged();
    }

    showPreviewPage();
    PreviewPage* page = m_window.previewPage();
    page->styleGroupLabel()->setText(styleGroup);
    page->hairTypeLabel()->setText(hairType);
    if (!previews.failures.isEmpty())
        throw Error(previews.failures.join(QLatin1Char('\n')));
}

void PreviewRuns::colourPreview()
{
    const WaitCursorScope wait;
    Composition& composition = m_window.composition();
    clearPreviewFolder(m_window.paths());
    if (!composition.hasHairLayer())
        return;
    prepareHairLayer();
    ColorsPage* colours = m_window.colorsPage();
    TrackBar* level = colours->colourMixLevel();
    const int rememberedLevel = level->value();

    // Recolouring starts from the hair snapshot each time, so the colours do
    // not pile up; the pictures are rendered and written afterwards, in
    // parallel, from the fifteen hair layers.
    std::vector<Layer> hairs;
    hairs.reserve(kColourPreviewSeries.size());
    for (const ColourValue colour : kColourPreviewSeries) {
        colours->resultSwatch()->setColour(toQColor(colour));
        level->setValue(kColourPreviewLevel);
        ApplyResultColour(composition, colour, kColourPreviewLevel, nullptr);
        hairs.push_back(composition.hair());
    }
    composition.notifyChanged();
    renderPreviewSeries(m_window.paths(), composition.photo(), hairs);

    showPreviewPage();
    level->setValue(rememberedLevel); // the control only: nothing is recoloured at it
}

} // namespace morvane
