#include "colour/ColorsPage.h"

#include "app/Icons.h"
#include "app/PanelWidgets.h"
#include "colour/ColourMix.h"
#include "colour/ColourSwatch.h"
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

    struct TopButton { const char* name; const char* icon; const char* hint; int left; };
    const TopButton topButtons[] = {
        {"BT_LOCK", "lock", "Equals Base and Shade colors", 209},
        {"BT_UPDTHAIR", "updatecolour", "Update Color", 233},
        {"BitBtn2", "hideselection", "Hide Selection", 257},
        {"BitBtn1", "undo", "Undo", 281},
    };
    for (const TopButton& top : topButtons) {
        QToolButton* button = makePictureButton(QLatin1String(top.name), QLatin1String(top.icon),
                                                QLatin1String(top.hint), QSize(23, 23), this);
        button->move(top.left, 5);
        button->setAutoRaise(false);
        if (top.left == 209) {
            button->setCheckable(true);
            button->setChecked(true); // down at design
        }
    }

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

    makeGroup(QStringLiteral("GroupBox1"), QStringLiteral(" Gradient Box "), this, QRect(0, 109, 305, 161));

    makeLabel(QStringLiteral("DRLabel13"), QStringLiteral("Color Mix Level"), this, QRect(1, 421, 100, 16));
    m_mixLevel = new TrackBar(0, 100, this);
    m_mixLevel->setObjectName(QStringLiteral("janTracker1"));
    m_mixLevel->setGeometry(1, 439, 100, 36);
    makeLabel(QStringLiteral("DRLabel12"), QStringLiteral("Spray Intensity"), this, QRect(205, 421, 100, 16));
    m_makeUp = new TrackBar(0, 10, this);
    m_makeUp->setObjectName(QStringLiteral("janTracker2"));
    m_makeUp->setGeometry(205, 439, 100, 36);
}

} // namespace morvane
