#include "colour/ColourSwatch.h"

#include <QMouseEvent>
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

void ColourSwatch::setDropDown(bool dropDown)
{
    m_dropDown = dropDown;
    update();
}

QRect ColourSwatch::dropDownRect() const
{
    return m_dropDown ? QRect(width() - kDropDownWidth, 0, kDropDownWidth, height()) : QRect();
}

void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && dropDownRect().contains(event->position().toPoint())) {
        event->accept();
        emit dropDownRequested();
        return;
    }
    QToolButton::mousePressEvent(event);
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_oval);
    QRect swatch = rect();
    if (m_dropDown) {
        const QRect arrow = dropDownRect();
        swatch.setRight(arrow.left() - 1);
        const QPointF c = QRectF(arrow).center();
        painter.setPen(Qt::NoPen);
        painter.setBrush(isEnabled() ? QColor(Qt::white) : QColor(0xC0, 0xC0, 0xC0));
        painter.drawPolygon(QPolygonF({c + QPointF(-4, -2), c + QPointF(4, -2), c + QPointF(0, 3)}));
    }
    const QRectF area = QRectF(swatch).adjusted(1.5, 1.5, -1.5, -1.5);
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
