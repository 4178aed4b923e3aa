#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

namespace morvane::demo {

// A client photo of the demo: a studio portrait, head and shoulders, with
// the hair short or tied back so a hairstyle can be tried over it.
struct PortraitDesign {
    QString fileName;    // in the photos folder
    QSize size;          // of the written photo
    QSize drawSize;      // drawn at this size, then scaled up smoothly (may equal size)
    double headRadius;   // half the head's width, at the drawn size
    double centreX;      // skull centre, fraction of the drawn width
    double centreY;      // skull centre, fraction of the drawn height
    QColor skin;
    QColor hair;
    QColor eyes;
    QColor clothing;
    QColor backdrop;
    bool man = false;
    bool bun = false;    // a bun on top, else hair pulled back flat
    double tilt = 0;     // degrees
    quint64 seed = 1;
};

// The portraits the demo ships, largest first.
const QVector<PortraitDesign>& demoPortraits();

// Format_RGB32 of design.size.
QImage paintPortrait(const PortraitDesign& design);

} // namespace morvane::demo
