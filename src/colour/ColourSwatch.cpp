#include "colour/ColourSwatch.h"

#include <QPainter>

namespace morvane {

ColourSwatch::ColourSwatch(const QColor& colour, bool oval, QWidget* parent)
    : QToolButton(parent), m_colour(colour), m_oval(oval)
{
    setAutoRaise(false);
    setFocusPolicy(Qt::NoFocus);
}

void ColourSwatch::setColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
    emit colourChanged(m_colour);
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_oval);
    const QRectF area = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const QColor edge = isDown() ? QColor(0x80, 0x80, 0x80) : QColor(Qt::white);
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(m_colour);
    if (m_oval)
        painter.drawRoundedRect(area, area.height() / 2, area.height() / 2);
    else
        painter.drawRect(area);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
    painter.setBrush(Qt::NoBrush);
    if (m_oval)
        painter.drawRoundedRect(area.adjusted(-1, -1, 1, 1), area.height() / 2 + 1, area.height() / 2 + 1);
    else
        painter.drawRect(area.adjusted(-1, -1, 1, 1));
}

} // namespace morvane
