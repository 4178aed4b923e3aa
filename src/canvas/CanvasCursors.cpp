#include "canvas/CanvasCursors.h"

#include <QPainter>
#include <QPixmap>

namespace morvane {

namespace {

QCursor magnifier(bool plus)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A white rim under the black lines keeps the cursor visible on dark photos.
    for (const auto& [colour, extra] : {std::pair{QColor(Qt::white), 2.0}, {QColor(Qt::black), 0.0}}) {
        painter.setPen(QPen(colour, 2 + extra, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(12, 12), 8, 8);
        painter.setPen(QPen(colour, 4 + extra, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(18, 18), QPointF(28, 28));
        painter.setPen(QPen(colour, 2 + extra, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8, 12), QPointF(16, 12));
        if (plus)
            painter.drawLine(QPointF(12, 8), QPointF(12, 16));
    }
    painter.end();
    return QCursor(pixmap, 12, 12);
}

} // namespace

QCursor zoomInCursor()
{
    static const QCursor cursor = magnifier(true);
    return cursor;
}

QCursor zoomOutCursor()
{
    static const QCursor cursor = magnifier(false);
    return cursor;
}

} // namespace morvane
