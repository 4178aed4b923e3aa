#include "colour/HsvBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace morvane {

namespace {
const QColor kBackground(0x42, 0x96, 0xE7); // 15177282
constexpr int kGap = 4;
} // namespace

HsvBox::HsvBox(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect HsvBox::fieldRect() const
{
    return QRect(0, 0, qMax(1, width() - kHueBarWidth - kGap), height());
}

QRect HsvBox::hueRect() const
{
    return QRect(width() - kHueBarWidth, 0, kHueBarWidth, height());
}

HsvBox::Part HsvBox::partAt(QPoint point) const
{
    if (fieldRect().contains(point))
        return Part::Field;
    if (hueRect().contains(point))
        return Part::HueBar;
    return Part::None;
}

int HsvBox::hueAtY(int y) const
{
    const int span = qMax(1, height() - 1);
    return qBound(0, (qBound(0, y, span) * 359 + span / 2) / span, 359);
}

QColor HsvBox::fieldColour(QPoint p, int hue) const
{
    const QRect field = fieldRect();
    const int sx = qMax(1, field.width() - 1);
    const int sy = qMax(1, field.height() - 1);
    const int saturation = (qBound(0, p.x(), sx) * 255 + sx / 2) / sx;
    const int value = 255 - (qBound(0, p.y(), sy) * 255 + sy / 2) / sy;
    return QColor::fromHsv(hue, saturation, value);
}

QColor HsvBox::colourAt(QPoint point) const
{
    switch (partAt(point)) {
    case Part::Field: return fieldColour(point - fieldRect().topLeft(), m_hue);
    case Part::HueBar: return QColor::fromHsv(hueAtY(point.y()), 255, 255);
    case Part::None: break;
    }
    return {};
}

QColor HsvBox::selectedColour() const
{
    return fieldColour(m_marker, m_hue);
}

void HsvBox::renderField()
{
    const QRect field = fieldRect();
    m_field = QImage(field.size(), QImage::Format_RGB32);
    for (int y = 0; y < field.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_field.scanLine(y));
        for (int x = 0; x < field.width(); ++x)
            line[x] = fieldColour(QPoint(x, y), m_hue).rgb();
    }
}

void HsvBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    renderField();
    m_hueBar = QImage(hueRect().size(), QImage::Format_RGB32);
    for (int y = 0; y < m_hueBar.height(); ++y) {
        const QRgb colour = QColor::fromHsv(hueAtY(y), 255, 255).rgb();
        auto* line = reinterpret_cast<QRgb*>(m_hueBar.scanLine(y));
        std::fill(line, line + m_hueBar.width(), colour);
    }
}

void HsvBox::paintEvent(QPaintEvent*)
{
    if (m_field.size() != fieldRect().size())
        renderField();
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.drawImage(fieldRect().topLeft(), m_field);
    painter.drawImage(hueRect().topLeft(), m_hueBar);

    // The marker in the field: a ring that shows on light and dark colours.
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QPointF(fieldRect().topLeft() + m_marker) + QPointF(0.5, 0.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(centre, 5, 5);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(centre, 4, 4);

    // The hue mark: a bar across the hue bar.
    const int span = qMax(1, height() - 1);
    const int y = (m_hue * span + 179) / 359;
    const QRect hueBar = hueRect();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(hueBar.left(), y - 2, hueBar.width() - 1, 4);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(hueBar.left() + 1, y, hueBar.right() - 1, y);
}

void HsvBox::track(QPoint point)
{
    if (m_dragging == Part::Field) {
        const QRect field = fieldRect();
        m_marker = QPoint(qBound(0, point.x() - field.left(), field.width() - 1),
                          qBound(0, point.y() - field.top(), field.height() - 1));
    } else if (m_dragging == Part::HueBar) {
        const int hue = hueAtY(point.y());
        if (hue != m_hue) {
            m_hue = hue;
            renderField();
        }
    }
    update();
}

void HsvBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_dragging = partAt(event->position().toPoint());
    track(event->position().toPoint());
}

void HsvBox::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging != Part::None)
        track(event->position().toPoint());
}

void HsvBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_dragging == Part::None)
        return;
    track(event->position().toPoint());
    m_dragging = Part::None;
    // In the field the marker is under the click; after a hue bar click it
    // shows the same saturation and value in the new hue.
    emit colourPicked(selectedColour());
}

} // namespace morvane
