#include "library/PanelMaximizer.h"

#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/WaitCursor.h"
#include "canvas/CanvasView.h"
#include "gallery/GalleryPage.h"
#include "library/PhotosPage.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "platform/Guard.h"
#include "previews/PreviewPage.h"
#include "sideview/SideViewController.h"

#include <QBoxLayout>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {

constexpr int kLargestThumbnail = 500;

// Rounds to the nearest whole number, halves to the even one.
double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double rest = value - floor;
    if (rest > 0.5)
        return floor + 1;
    if (rest < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

template <typename T>
T* pageChild(QWidget* page, const char* name)
{
    return page ? page->findChild<T*>(QLatin1String(name)) : nullptr;
}

} // namespace

PanelMaximizer::PanelMaximizer(MainWindow& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("PanelMaximizer"));
    const QList<QWidget*> pages{window.photosPage(), window.stylesPage(), window.galleryPage(),
                                window.previewPage()};
    const char* const buttons[] = {"BTMAX1", "BTMAX2", "BTMAX3", "BTMAX4"};
    const char* const spins[] = {"jvSpinEdit1", "jvSpinEdit2", "jvSpinEdit3", "JvSpinEdit4"};
    for (int i = 0; i < 4; ++i) {
        m_buttons.append(pageChild<QToolButton>(pages[i], buttons[i]));
        m_spins.append(pageChild<QSpinBox>(pages[i], spins[i]));
        if (QToolButton* button = m_buttons.last())
            connect(button, &QToolButton::clicked, this,
                    [this] { guarded(m_window.dialogs(), &m_window, [this] { toggle(); }); });
        if (QSpinBox* spin = m_spins.last())
            connect(spin, &QSpinBox::valueChanged, this, [this, i] { spinChanged(i); });
    }
}

bool PanelMaximizer::isMaximized() const
{
    return m_window.state().panelMaximized;
}

void PanelMaximizer::toggle()
{
    if (isMaximized())
        restore();
    else
        maximize();
}

int PanelMaximizer::columnsFor(int width, int size)
{
    if (size < 1)
        return 0;
    return static_cast<int>(roundHalfEven(double(width) / size)) - 1;
}

void PanelMaximizer::setPanelFills(bool fills)
{
    PageControl* panel = m_window.pageControl();
    if (fills) {
        panel->setMinimumWidth(0);
        panel->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        panel->setFixedWidth(kRestoredWidth);
    }
    if (auto* box = qobject_cast<QBoxLayout*>(panel->parentWidget() ? panel->parentWidget()->layout() : nullptr))
        box->setStretchFactor(panel, fills ? 1 : 0);
}

void PanelMaximizer::maximize()
{
    showWaitCursor();
    CanvasView* canvas = m_window.canvas();
    canvas->setEnabled(false);
    canvas->hide();
    PageControl* panel = m_window.pageControl();
    panel->hide();
    setPanelFills(true);

    // The setting is a whole number of 50 to 500 when the Preferences
    // dialog wrote it; a hand-edited value is held to 1 ... 500 so that a
    // cell never grows without bound.
    const double wanted = m_window.state().maximizedThumbnailSize;
    const int size = std::isfinite(wanted)
                         ? static_cast<int>(roundHalfEven(std::clamp(wanted, 1.0, double(kLargestThumbnail))))
                         : 1;

    m_window.sideView().closeWindow();

    setSpinsVisible(true);
    for (ThumbnailView* view : m_window.thumbnailViews()) {
        view->setThumbnailSize(size, size);
        view->setColumns(columnsFor(m_window.width(), size));
    }
    m_window.state().panelMaximized = true;
    m_window.photosPage()->refresh();

    setHints(QStringLiteral("Minimize"));
    panel->show();
    showNormalCursor();
    emit maximizedChanged(true);
}

void PanelMaximizer::restore()
{
    setPanelFills(false);
    for (ThumbnailView* view : m_window.thumbnailViews()) {
        view->setThumbnailSize(kRestoredThumbnailSize, kRestoredThumbnailSize);
        view->setColumns(kRestoredColumns);
    }
    m_window.state().panelMaximized = false;
    setHints(QStringLiteral("Maximize"));
    setSpinsVisible(false);
    CanvasView* canvas = m_window.canvas();
    canvas->setEnabled(true);
    canvas->show();
    emit maximizedChanged(false);
}

void PanelMaximizer::setHints(const QString& hint)
{
    for (QToolButton* button : m_buttons) {
        if (button)
            button->setToolTip(hint);
    }
}

void PanelMaximizer::setSpinsVisible(bool visible)
{
    for (QSpinBox* spin : m_spins) {
        if (spin)
            spin->setVisible(visible);
    }
}

void PanelMaximizer::spinChanged(int page)
{
    if (!isMaximized())
        return;
    QSpinBox* spin = m_spins.at(page);
    ThumbnailView* view = m_window.thumbnailViews().at(page);
    const int size = spin->value();
    if (size < 1)
        return; // no column count for it: the view stays as it is
    view->setThumbnailSize(size, view->cellSize().height());
    view->setColumns(columnsFor(m_window.width(), size));
}

} // namespace morvane
