#include "colour/ColorsPage.h"

#include "app/Icons.h"
#include "app/PanelWidgets.h"
#include "colour/ColourMix.h"
#include "colour/ColourPalette.h"
#include "colour/ColourSwatch.h"
#include "colour/HsvBox.h"
#include "colour/LineWidthList.h"
#include "colour/TrackBar.h"

#include <QGroupBox>
#include <QLabel>
#include <QToolButton>


namespace morvane {

namespace {

QLabel* makeLabel(const QString& objectName, const QString& text, QWidget* parent,
                  const QRect& geometry, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QGroupBox* makeGroup(const QString& objectName, const QString& title, QWidget* parent,
                     const QRect& geometry)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(objectName);
    group->setGeometry(geometry);
    QPalette palette = group->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    group->setPalette(palette);
    return group;
}

} // namespace

ColorsPage::ColorsPage(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(305, 480);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setPixmap(renderPicture(QStringLiteral(":/icons/colorpreview.svg"), QSize(24, 24)));
    picture->setGeometry(16, 2, 24, 24);
    makeLabel(QStringLiteral("DRLabel8"), QStringLiteral("Color Panel"), this, QRect(45, 2, 150, 24), true);

    buildTopRow();
    buildSwatches();

    QGroupBox* gradient = makeGroup(QStringLiteral("GroupBox1"), QStringLiteral(" Gradient Box "), this,
                                    QRect(0, 109, 305, 161));
    m_gradient = new HsvBox(gradient);
    m_gradient->setObjectName(QStringLiteral("HSVBox1"));
    m_gradient->setGeometry(7, 14, 292, 139);

    buildToneBars();

    makeLabel(QStringLiteral("DRLabel13"), QStringLiteral("Color Mix Level"), this, QRect(1, 423, 110, 16));
    m_mixLevel = new TrackBar(0, 100, this);
    m_mixLevel->setObjectName(QStringLiteral("janTracker1"));
    m_mixLevel->setGeometry(1, 439, 100, 20);
    makeLabel(QStringLiteral("DRLabel17"), QStringLiteral("Line Width"), this, QRect(118, 423, 80, 16));
    m_lineWidth = new LineWidthList(this);
    m_lineWidth->setObjectName(QStringLiteral("LineWidthComboBox1"));
    m_lineWidth->setToolTip(QStringLiteral("Line Width drop-down list"));
    m_lineWidth->setGeometry(118, 440, 70, 22);
    makeLabel(QStringLiteral("DRLabel12"), QStringLiteral("Spray Intensity"), this, QRect(205, 423, 100, 16));
    m_makeUp = new TrackBar(0, 10, this);
    m_makeUp->setObjectName(QStringLiteral("janTracker2"));
    m_makeUp->setGeometry(205, 439, 100, 20);
}

void ColorsPage::buildTopRow()
{
    struct TopButton { const char* name; const char* icon; const char* hint; int left; QToolButton** slot; };
    const TopButton topButtons[] = {
        {"BT_LOCK", "lock", "Equals Base and Shade colors", 209, &m_lock},
        {"BT_UPDTHAIR", "updatecolour", "Update Color", 233, &m_updateColour},
        {"BitBtn2", "hideselection", "Hide Selection", 257, &m_hideSelection},
        {"BitBtn1", "undo", "Undo", 281, &m_undo},
    };
    for (const TopButton& top : topButtons) {
        QToolButton* button = makePictureButton(QLatin1String(top.name), QLatin1String(top.icon),
                                                QLatin1String(top.hint), QSize(23, 23), this);
        button->move(top.left, 5);
        button->setAutoRaise(false);
        *top.slot = button;
    }
    m_lock->setCheckable(true);
    m_lock->setChecked(true); // down at design
}

void ColorsPage::buildSwatches()
{
    QGroupBox* mix = makeGroup(QStringLiteral("GroupBox2"), QStringLiteral(" Mix Colors "), this,
                               QRect(0, 32, 305, 73));
    makeLabel(QStringLiteral("lbBase"), QStringLiteral("Base"), mix, QRect(40, 16, 60, 16));
    makeLabel(QStringLiteral("lbPlus"), QStringLiteral("+"), mix, QRect(90, 40, 16, 16), true);
    makeLabel(QStringLiteral("lbShade"), QStringLiteral("Shade"), mix, QRect(118, 16, 60, 16));
    makeLabel(QStringLiteral("lbEquals"), QStringLiteral("="), mix, QRect(176, 40, 16, 16), true);
    makeLabel(QStringLiteral("lbResult"), QStringLiteral("Result"), mix, QRect(207, 16, 60, 16));

    m_base = new ColourSwatch(toQColor(10342374), false, mix);
    m_base->setObjectName(QStringLiteral("BT_BASE"));
    m_base->setToolTip(QStringLiteral("Base Color: select it with the Eyedropper"));
    m_base->setGeometry(40, 33, 30, 30);
    m_shade = new ColourSwatch(toQColor(128), false, mix);
    m_shade->setObjectName(QStringLiteral("BT_SHADE"));
    m_shade->setToolTip(QStringLiteral("Shade Color: click on any color button below"));
    m_shade->setGeometry(118, 33, 30, 30);
    m_result = new ColourSwatch(Qt::white, true, mix);
    m_result->setObjectName(QStringLiteral("OvalButton1"));
    m_result->setToolTip(QStringLiteral("Result = Base + Shade Color Mixing"));
    m_result->setGeometry(207, 33, 60, 30);

    // The drop-down palette: a pick becomes the result colour.
    m_result->setDropDown(true);
    m_palette = new ColourPalette(this);
    m_palette->setObjectName(QStringLiteral("OvalButton1Palette"));
    m_palette->setWindowFlags(Qt::Popup);
    connect(m_result, &ColourSwatch::dropDownRequested, this, [this] {
        m_palette->adjustSize();
        m_palette->move(m_result->mapToGlobal(QPoint(0, m_result->height())));
        m_palette->show();
    });
    connect(m_palette, &ColourPalette::picked, this, [this](const QColor& colour) {
        m_palette->hide();
        m_result->setColour(colour);
    });
}

void ColorsPage::buildToneBars()
{
    struct Bar { const char* name; const char* label; const char* caption; int min; int max; QRect geometry; };
    const Bar bars[] = {
        {"spinRed", "DRLabel1", "Red", -255, 255, QRect(1, 303, 100, 20)},
        {"spinGreen", "DRLabel2", "Green", -255, 255, QRect(103, 303, 100, 20)},
        {"spinBlue", "DRLabel3", "Blue", -255, 255, QRect(205, 303, 100, 20)},
        {"spinContrast", "DRLabel4", "Contrast", -255, 255, QRect(1, 347, 150, 20)},
        {"spinBrightness", "DRLabel6", "Brightness", -255, 255, QRect(155, 347, 150, 20)},
        {"spinSharp", "DRLabel20", "Sharpness", 0, 20, QRect(1, 391, 150, 20)},
        {"spinShadow", "DRLabel14", "DropShadow", 0, 5, QRect(155, 391, 150, 20)},
    };
    for (const Bar& bar : bars) {
        makeLabel(QLatin1String(bar.label), QLatin1String(bar.caption), this,
                  QRect(bar.geometry.left(), bar.geometry.top() - 16, bar.geometry.width(), 16));
        auto* track = new TrackBar(bar.min, bar.max, this);
        track->setObjectName(QLatin1String(bar.name));
        track->setGeometry(bar.geometry);
    }
}

TrackBar* ColorsPage::toneBar(const QString& objectName) const
{
    return findChild<TrackBar*>(objectName, Qt::FindDirectChildrenOnly);
}

} // namespace morvane
