#include "colour/ColourPalette.h"

#include "colour/ColourMix.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace morvane {

namespace {

// The sixteen standard colours, then hair tones from platinum to black.
constexpr ColourValue kStandard[] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    0xC6E6F5, 0x8CC8E6, 0x508CC8, 0x1E5AA0, 0x143C78, 0x1E286E, 0x0F1E46, 0x0A0F1E,
};

} // namespace

ColourPalette::ColourPalette(QWidget* parent) : QWidget(parent)
{
    for (ColourValue value : kStandard)
        m_colours.append(toQColor(value));
    const QPalette system = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                     QPalette::Text, QPalette::Button, QPalette::ButtonText,
                                     QPalette::Highlight, QPalette::HighlightedText}) {
        m_colours.append(system.color(QPalette::Active, role));
    }
    setMouseTracking(false);
}

QRect ColourPalette::cellRect(int index) const
{
    const int column = index % kColumns;
    const int row = index / kColumns;
    return QRect(kSpacing + column * (kCell + kSpacing), kSpacing + row * (kCell + kSpacing), kCell, kCell);
}

QSize ColourPalette::sizeHint() const
{
    const int rows = (int(m_colours.size()) + kColumns - 1) / kColumns;
    return QSize(kSpacing + kColumns * (kCell + kSpacing), kSpacing + rows * (kCell + kSpacing));
}

void ColourPalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int i = 0; i < m_colours.size(); ++i) {
        const QRect cell = cellRect(i);
        painter.fillRect(cell, m_colours.at(i));
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
}

void ColourPalette::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    for (int i = 0; i < m_colours.size(); ++i) {
        if (cellRect(i).contains(at)) {
            emit picked(m_colours.at(i));
            return;
        }
    }
}

} // namespace morvane
