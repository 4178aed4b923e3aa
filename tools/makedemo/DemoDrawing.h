#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QVector>

namespace morvane::demo {

// Drawing helpers shared by the hairstyle, side picture and portrait painters.

QColor mixColour(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor colour, int alpha);
QColor scaled(const QColor& colour, double factor);

// A smooth closed outline through the points (Catmull-Rom turned into cubics).
QPainterPath smoothClosedPath(const QVector<QPointF>& points);
// A smooth open curve through the points.
QPainterPath smoothOpenPath(const QVector<QPointF>& points);

// Box blur of the alpha channel of a premultiplied image, `passes` times
// (three passes come close to a Gaussian). The colour channels are set to
// black so the result stays valid premultiplied data.
void blurAlpha(QImage& image, int radius, int passes = 3);

// Film grain: adds a small, deterministic luminance noise to an RGB32 image.
void addGrain(QImage& image, int amplitude, quint64 seed);

} // namespace morvane::demo
