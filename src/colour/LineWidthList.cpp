#include "colour/LineWidthList.h"

#include <QPainter>
#include <QPixmap>

namespace morvane {

namespace {

QIcon lineIcon(int width)
{
    QPixmap picture(36, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const int thickness = qMin(width, 18);
    painter.fillRect(QRect(2, (20 - thickness) / 2, 32, thickness), Qt::black);
    return QIcon(picture);
}

} // namespace

LineWidthList::LineWidthList(QWidget* parent) : QComboBox(parent)
{
    setIconSize(QSize(36, 20));
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
