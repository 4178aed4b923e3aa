#include "app/PanelWidgets.h"

#include "app/Icons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace morvane {

QFrame* makeBar(const QString& objectName, int height, QWidget* parent)
{
    auto* bar = new QFrame(parent);
    bar->setObjectName(objectName);
    bar->setFixedHeight(height);
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Sunken);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    bar->setPalette(palette);
    return bar;
}

TwoRowBar makeTwoRowBar(const QString& objectName, int height, QWidget* parent)
{
    QFrame* bar = makeBar(objectName, height, parent);
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(6, 3, 4, 3);
    rows->setSpacing(3);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    return {bar, rows, buttons};
}

QToolButton* makePictureButton(const QString& objectName, const QString& iconName,
                               const QString& hint, QSize size, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    if (!iconName.isEmpty()) {
        button->setIcon(programIcon(iconName));
        button->setIconSize(size - QSize(6, 6));
    }
    button->setToolTip(hint);
    button->setFixedSize(size);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

StepSpinBox::StepSpinBox(const QString& objectName, int minimum, int maximum, int value,
                         QWidget* parent)
    : QSpinBox(parent)
{
    setObjectName(objectName);
    setRange(minimum, maximum);
    setSingleStep(1);
    setValue(value);
    lineEdit()->setReadOnly(true);
    setAlignment(Qt::AlignRight);
}

int spinValueFor(const QSpinBox& spin, double value)
{
    if (std::isnan(value))
        return spin.minimum();
    const double held = std::clamp(value, double(spin.minimum()), double(spin.maximum()));
    return int(std::lround(held));
}

} // namespace morvane
