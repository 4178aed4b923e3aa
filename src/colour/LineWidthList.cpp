#include "colour/LineWidthList.h"

#include <QPainter>
#include <QPixmap>

namespace morvane {

namespace {

QIcon lineIcon(int width)
{
    QPixmap picture(22, 14);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const int thickness = qMax(1, qMin(width, 20) * 12 / 20);
    painter.fillRect(QRect(1, (14 - thickness) / 2, 20, thickness), Qt::black);
    return QIcon(picture);
}

} // namespace

LineWidthList::LineWidthList(QWidget* parent) : QComboBox(parent)
{
    setIconSize(QSize(22, 14));
    for (int width = 1; width <= kMaxWidth; ++width)
        addItem(lineIcon(width), QString::number(width), width);
    setCurrentIndex(kStartWidth - 1);
    setMaxVisibleItems(kMaxWidth);
}

void LineWidthList::setLineWidth(int width)
{
    if (width >= 1 && width <= kMaxWidth)
        setCurrentIndex(width - 1);
}

} // namespace morvane
