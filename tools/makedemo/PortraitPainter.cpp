#include "PortraitPainter.h"

#include "DemoDrawing.h"
#include "DemoRandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <utility>
#include <vector>

namespace morvane::demo {

const QVector<PortraitDesign>& demoPortraits()
{
    // Head sizes are chosen so that, once a photo is fitted to a canvas of
    // about 1100 pixels, the face is about as wide as the catalogue's.
    static const QVector<PortraitDesign> portraits{
        {QStringLiteral("Daniel.jpg"), QSize(4000, 3000), QSize(1600, 1200), 168, 0.5, 0.34,
         QColor(214, 170, 138), QColor(58, 42, 32), QColor(86, 62, 40), QColor(46, 70, 104),
         QColor(112, 122, 134), true, false, -1.5, 11},
        {QStringLiteral("Carla.jpg"), QSize(1600, 1200), QSize(1600, 1200), 166, 0.47, 0.34,
         QColor(198, 146, 110), QColor(40, 28, 24), QColor(70, 46, 30), QColor(150, 40, 56),
         QColor(168, 158, 146), false, true, 2.0, 23},
        {QStringLiteral("Beatriz.jpg"), QSize(1200, 1600), QSize(1200, 1600), 134, 0.5, 0.3,
         QColor(236, 198, 172), QColor(196, 156, 96), QColor(76, 110, 128), QColor(238, 236, 230),
         QColor(138, 164, 182), false, false, 0.0, 37},
        {QStringLiteral("Anna.jpg"), QSize(800, 1000), QSize(800, 1000), 116, 0.5, 0.31,
         QColor(150, 102, 74), QColor(30, 22, 20), QColor(58, 38, 26), QColor(38, 120, 118),
         QColor(196, 188, 176), false, true, -1.0, 41},
    };
    return portraits;
}

namespace {

QPainterPath symmetricPath(double cx, double cy, double a,
                           const std::vector<std::pair<double, double>>& right)
{
    // `right` runs from the top centre down the right side to the bottom centre.
    QVector<QPointF> points;
    for (const auto& [x, y] : right)
        points << QPointF(cx + x * a, cy + y * a);
    for (auto it = right.rbegin() + 1; it != right.rend() - 1; ++it)
        points << QPointF(cx - it->first * a, cy + it->second * a);
    return smoothClosedPath(points);
}

void drawEye(QPainter& p, QPointF centre, double a, int side, const PortraitDesign& d,
             DemoRandom& rng)
{
    const double w = 0.17 * a;
    const double h = 0.075 * a;
    QPainterPath almond;
    const QPointF inner = centre + QPointF(-side * w, 0.01 * a);
    const QPointF outer = centre + QPointF(side * w, -0.005 * a);
    almond.moveTo(inner);
    almond.cubicTo(centre + QPointF(-side * w * 0.5, -h * 1.5), centre + QPointF(side * w * 0.5, -h * 1.6),
                   outer);
    almond.cubicTo(centre + QPointF(side * w * 0.5, h * 1.2), centre + QPointF(-side * w * 0.5, h * 1.25),
                   inner);
    // Lid crease and socket shadow.
    QRadialGradient socket(centre + QPointF(0, -0.05 * a), 0.3 * a);
    socket.setColorAt(0, withAlpha(scaled(d.skin, 0.7), 70));
    socket.setColorAt(1, withAlpha(scaled(d.skin, 0.7), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(socket);
    p.drawEllipse(centre + QPointF(0, -0.04 * a), 0.3 * a, 0.2 * a);

    p.setBrush(QColor(240, 236, 232));
    p.drawPath(almond);
    p.save();
    p.setClipPath(almond);
    const QPointF iris = centre + QPointF(side * 0.01 * a, 0.0);
    QRadialGradient irisFill(iris, 0.075 * a);
    irisFill.setColorAt(0, d.eyes.lighter(150));
    irisFill.setColorAt(0.7, d.eyes);
    irisFill.setColorAt(1, scaled(d.eyes, 0.5));
    p.setBrush(irisFill);
    p.drawEllipse(iris, 0.075 * a, 0.075 * a);
    p.setBrush(QColor(18, 14, 12));
    p.drawEllipse(iris, 0.032 * a, 0.032 * a);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(iris + QPointF(-0.022 * a, -0.024 * a), 0.014 * a, 0.014 * a);
    // Shadow of the upper lid on the eyeball.
    QLinearGradient lidShadow(0, centre.y() - h * 1.4, 0, centre.y());
    lidShadow.setColorAt(0, QColor(60, 40, 30, 120));
    lidShadow.setColorAt(1, QColor(60, 40, 30, 0));
    p.setBrush(lidShadow);
    p.drawRect(QRectF(centre.x() - w, centre.y() - h * 2, 2 * w, h * 2));
    p.restore();

    QPainterPath upper;
    upper.moveTo(inner);
    upper.cubicTo(centre + QPointF(-side * w * 0.5, -h * 1.5), centre + QPointF(side * w * 0.5, -h * 1.6),
                  outer + QPointF(side * 0.02 * a, -0.01 * a));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 28, 24, 230), d.man ? 0.016 * a : 0.022 * a, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(upper);
    QPainterPath crease;
    crease.moveTo(centre + QPointF(-side * w * 0.8, -h * 1.3));
    crease.quadTo(centre + QPointF(0, -h * 2.6), centre + QPointF(side * w * 0.95, -h * 1.1));
    p.setPen(QPen(withAlpha(scaled(d.skin, 0.62), 150), 0.012 * a, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(crease);
    QPainterPath lower;
    lower.moveTo(inner + QPointF(side * 0.02 * a, 0));
    lower.cubicTo(centre + QPointF(-side * w * 0.4, h * 1.3), centre + QPointF(side * w * 0.5, h * 1.2), outer);
    p.setPen(QPen(withAlpha(scaled(d.skin, 0.7), 120), 0.01 * a, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lower);
    if (!d.man) {
        p.setPen(QPen(QColor(30, 20, 18, 200), 0.008 * a, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 7; ++i) {
            const double t = 0.35 + 0.65 * i / 6.0;
            const QPointF base = upper.pointAtPercent(t);
            p.drawLine(base, base + QPointF(side * (0.01 + 0.03 * t) * a,
                                            -(0.03 + rng.range(0, 0.01)) * a));
        }
    }
}

} // namespace

QImage paintPortrait(const PortraitDesign& d)
{
    DemoRandom rng(d.seed);
    QImage image(d.drawSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double W = d.drawSize.width();
    const double H = d.drawSize.height();
    const double a = d.headRadius;
    const double cx = W * d.centreX;
    const double cy = H * d.centreY;

    // Studio backdrop: lit behind the sitter, falling off to the corners.
    {
        QRadialGradient backdrop(QPointF(cx + 0.3 * a, cy + 0.4 * a), std::hypot(W, H) * 0.6);
        backdrop.setColorAt(0, d.backdrop.lighter(125));
        backdrop.setColorAt(0.55, d.backdrop);
        backdrop.setColorAt(1, d.backdrop.darker(150));
        p.fillRect(image.rect(), backdrop);
    }

    p.translate(cx, cy);
    p.rotate(d.tilt);
    p.translate(-cx, -cy);

    // Soft shadow of the sitter on the backdrop.
    {
        QRadialGradient shadow(QPointF(cx + 0.5 * a, cy + 2.6 * a), 2.6 * a);
        shadow.setColorAt(0, QColor(0, 0, 0, 70));
        shadow.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(QPointF(cx + 0.5 * a, cy + 2.6 * a), 2.6 * a, 2.6 * a);
    }

    const QColor hairDeep = scaled(d.hair, 0.55);
    if (d.bun) {
        const QPointF bun(cx + 0.05 * a, cy - 1.22 * a);
        QRadialGradient fill(bun + QPointF(-0.1 * a, -0.12 * a), 0.45 * a);
        fill.setColorAt(0, d.hair.lighter(125));
        fill.setColorAt(1, hairDeep);
        p.setBrush(fill);
        p.drawEllipse(bun, 0.42 * a, 0.34 * a);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 40; ++i) {
            const double r0 = rng.range(0.1, 0.38);
            const double start = rng.range(0, 360);
            p.setPen(QPen(withAlpha(i % 3 ? hairDeep : d.hair.lighter(140), 120), 0.008 * a));
            p.drawArc(QRectF(bun.x() - r0 * a, bun.y() - r0 * 0.8 * a, 2 * r0 * a, 1.6 * r0 * a),
                      int(start * 16), int(rng.range(60, 160) * 16));
        }
    }

    // Neck and upper chest.
    const double neckBase = cy + 1.9 * a;
    {
        QPainterPath neck;
        neck.moveTo(cx - 0.5 * a, cy + 0.9 * a);
        neck.lineTo(cx + 0.5 * a, cy + 0.9 * a);
        neck.cubicTo(cx + 0.48 * a, neckBase - 0.4 * a, cx + 0.6 * a, neckBase, cx + 1.4 * a, neckBase + 0.4 * a);
        neck.lineTo(cx + 1.4 * a, neckBase + 1.6 * a);
        neck.lineTo(cx - 1.4 * a, neckBase + 1.6 * a);
        neck.lineTo(cx - 1.4 * a, neckBase + 0.4 * a);
        neck.cubicTo(cx - 0.6 * a, neckBase, cx - 0.48 * a, neckBase - 0.4 * a, cx - 0.5 * a, cy + 0.9 * a);
        QLinearGradient g(0, cy + 1.2 * a, 0, neckBase + a);
        g.setColorAt(0, scaled(d.skin, 0.72));
        g.setColorAt(0.35, scaled(d.skin, 0.9));
        g.setColorAt(1, d.skin);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(neck);
    }
    // Clothing over the shoulders, with a rounded neckline.
    {
        const double top = neckBase + 0.3 * a;
        QPainterPath cloth;
        cloth.moveTo(cx - 3.2 * a, H + 0.5 * a);
        cloth.cubicTo(cx - 3.0 * a, top + 0.6 * a, cx - 2.4 * a, top, cx - 1.3 * a, top - 0.05 * a);
        cloth.lineTo(cx - 0.75 * a, top - 0.15 * a);
        if (d.man) {
            cloth.lineTo(cx, top + 0.55 * a);
            cloth.lineTo(cx + 0.75 * a, top - 0.15 * a);
        } else {
            cloth.cubicTo(cx - 0.6 * a, top + 0.55 * a, cx + 0.6 * a, top + 0.55 * a, cx + 0.75 * a,
                          top - 0.15 * a);
        }
        cloth.lineTo(cx + 1.3 * a, top - 0.05 * a);
        cloth.cubicTo(cx + 2.4 * a, top, cx + 3.0 * a, top + 0.6 * a, cx + 3.2 * a, H + 0.5 * a);
        cloth.closeSubpath();
        QLinearGradient g(cx - 3 * a, top, cx + 3 * a, H);
        g.setColorAt(0, d.clothing.lighter(118));
        g.setColorAt(1, d.clothing.darker(135));
        p.setBrush(g);
        p.drawPath(cloth);
        // Folds.
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 6; ++i) {
            const double x = cx + rng.range(-2.6, 2.6) * a;
            QPainterPath fold;
            fold.moveTo(x, top + rng.range(0.4, 0.9) * a);
            fold.quadTo(x + rng.range(-0.3, 0.3) * a, top + 1.3 * a, x + rng.range(-0.4, 0.4) * a, H);
            p.setPen(QPen(withAlpha(d.clothing.darker(150), 50), 0.08 * a, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(fold);
        }
        if (d.man) {
            // Shirt collar.
            p.setPen(QPen(withAlpha(d.clothing.darker(170), 160), 0.015 * a));
            p.setBrush(d.clothing.lighter(112));
            QPolygonF left{QPointF(cx - 0.75 * a, top - 0.2 * a), QPointF(cx - 0.02 * a, top + 0.6 * a),
                           QPointF(cx - 0.4 * a, top + 0.55 * a), QPointF(cx - 0.95 * a, top + 0.05 * a)};
            QPolygonF right;
            for (const QPointF& q : left)
                right << QPointF(2 * cx - q.x(), q.y());
            p.drawPolygon(left);
            p.drawPolygon(right);
        }
    }

    // Ears.
    for (int side : {-1, 1}) {
        const QPointF ear(cx + side * 0.97 * a, cy + 0.42 * a);
        QRadialGradient g(ear, 0.3 * a);
        g.setColorAt(0, scaled(d.skin, 0.8));
        g.setColorAt(1, scaled(d.skin, 0.95));
        p.setPen(QPen(withAlpha(scaled(d.skin, 0.7), 160), 0.012 * a));
        p.setBrush(g);
        p.drawEllipse(ear, 0.14 * a, 0.3 * a);
    }

    // The face.
    const QPainterPath head = symmetricPath(
        cx, cy, a,
        {{0, -1.15}, {0.72, -0.98}, {0.97, -0.45}, {0.95, 0.15}, {0.9, 0.62}, {0.74, 1.12},
         {0.4, 1.47}, {0, 1.58}});
    {
        QRadialGradient g(QPointF(cx - 0.15 * a, cy + 0.25 * a), 1.5 * a);
        g.setColorAt(0, d.skin.lighter(108));
        g.setColorAt(0.6, d.skin);
        g.setColorAt(1, scaled(d.skin, 0.78));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(head);
        p.save();
        p.setClipPath(head);
        for (int side : {-1, 1}) {
            QRadialGradient cheek(QPointF(cx + side * 0.5 * a, cy + 0.78 * a), 0.32 * a);
            cheek.setColorAt(0, QColor(214, 110, 100, d.man ? 18 : 45));
            cheek.setColorAt(1, QColor(214, 110, 100, 0));
            p.setBrush(cheek);
            p.drawEllipse(QPointF(cx + side * 0.5 * a, cy + 0.78 * a), 0.32 * a, 0.32 * a);
        }
        if (d.man) {
            // A light shadow of stubble on the jaw and upper lip.
            QRadialGradient stubble(QPointF(cx, cy + 1.35 * a), 0.75 * a);
            stubble.setColorAt(0, withAlpha(scaled(d.hair, 0.8), 45));
            stubble.setColorAt(1, withAlpha(scaled(d.hair, 0.8), 0));
            p.setBrush(stubble);
            p.drawRect(QRectF(cx - a, cy + 0.85 * a, 2 * a, a));
        }
        p.restore();
    }

    // Hair: pulled back close to the head (women) or cut short (men).
    {
        const QPainterPath cap = d.man
            ? symmetricPath(cx, cy, a,
                            {{0, -1.22}, {0.7, -1.06}, {1.0, -0.52}, {1.0, 0.08}, {0.9, 0.1},
                             {0.82, -0.32}, {0.64, -0.58}, {0.4, -0.68}, {0, -0.7}})
            : symmetricPath(cx, cy, a,
                            {{0, -1.2}, {0.74, -1.02}, {1.0, -0.5}, {0.99, 0.0}, {0.92, 0.02},
                             {0.82, -0.4}, {0.52, -0.68}, {0, -0.76}});
        QLinearGradient g(0, cy - 1.2 * a, 0, cy);
        g.setColorAt(0, d.hair);
        g.setColorAt(1, hairDeep);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(cap);
        p.save();
        p.setClipPath(cap);
        const QPointF crown(cx, cy - 1.45 * a);
        for (int i = 0; i < 260; ++i) {
            const double u = rng.range(-1.0, 1.0);
            const QPointF start(cx + u * 1.0 * a, cy + (-0.72 + 0.7 * u * u) * a);
            QPainterPath strand;
            strand.moveTo(start);
            strand.quadTo(QPointF(start.x() * 0.8 + crown.x() * 0.2, cy - 1.0 * a), crown);
            const bool light = rng.chance(0.35);
            p.setPen(QPen(withAlpha(light ? d.hair.lighter(150) : hairDeep, int(rng.range(60, 140))),
                          rng.range(0.006, 0.014) * a));
            p.setBrush(Qt::NoBrush);
            p.drawPath(strand);
        }
        QRadialGradient sheen(QPointF(cx - 0.25 * a, cy - 0.95 * a), 0.5 * a);
        sheen.setColorAt(0, withAlpha(d.hair.lighter(170), 80));
        sheen.setColorAt(1, withAlpha(d.hair.lighter(170), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sheen);
        p.drawRect(QRectF(cx - a, cy - 1.5 * a, 2 * a, a));
        p.restore();
    }

    // Brows, eyes, nose and mouth.
    for (int side : {-1, 1}) {
        QPainterPath brow;
        brow.moveTo(cx + side * 0.16 * a, cy + 0.04 * a);
        brow.cubicTo(cx + side * 0.32 * a, cy - 0.06 * a, cx + side * 0.5 * a, cy - 0.07 * a,
                     cx + side * 0.62 * a, cy + 0.02 * a);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(scaled(d.hair, 0.6), 200), (d.man ? 0.06 : 0.04) * a, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawPath(brow);
        drawEye(p, QPointF(cx + side * 0.36 * a, cy + 0.22 * a), a, side, d, rng);
    }
    {
        p.setBrush(Qt::NoBrush);
        for (int side : {-1, 1}) {
            QPainterPath bridge;
            bridge.moveTo(cx + side * 0.12 * a, cy + 0.25 * a);
            bridge.quadTo(cx + side * 0.1 * a, cy + 0.55 * a, cx + side * 0.15 * a, cy + 0.76 * a);
            p.setPen(QPen(withAlpha(scaled(d.skin, 0.72), 70), 0.05 * a, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(bridge);
            QPainterPath wing;
            wing.moveTo(cx + side * 0.08 * a, cy + 0.86 * a);
            wing.quadTo(cx + side * 0.2 * a, cy + 0.86 * a, cx + side * 0.17 * a, cy + 0.74 * a);
            p.setPen(QPen(withAlpha(scaled(d.skin, 0.6), 160), 0.018 * a, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(wing);
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(scaled(d.skin, 0.4), 170));
            p.drawEllipse(QPointF(cx + side * 0.075 * a, cy + 0.85 * a), 0.04 * a, 0.02 * a);
            p.setBrush(Qt::NoBrush);
        }
        QRadialGradient tip(QPointF(cx - 0.02 * a, cy + 0.74 * a), 0.1 * a);
        tip.setColorAt(0, QColor(255, 255, 255, 60));
        tip.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(tip);
        p.drawEllipse(QPointF(cx - 0.02 * a, cy + 0.74 * a), 0.1 * a, 0.1 * a);
    }
    {
        const double my = cy + 1.12 * a;
        const double mw = (d.man ? 0.24 : 0.26) * a;
        const QColor lip = d.man ? mixColour(d.skin, QColor(170, 90, 90), 0.35)
                                 : mixColour(d.skin, QColor(180, 60, 70), 0.6);
        QPainterPath upper;
        upper.moveTo(cx - mw, my);
        upper.cubicTo(cx - 0.6 * mw, my - 0.06 * a, cx - 0.25 * mw, my - 0.1 * a, cx, my - 0.065 * a);
        upper.cubicTo(cx + 0.25 * mw, my - 0.1 * a, cx + 0.6 * mw, my - 0.06 * a, cx + mw, my);
        upper.quadTo(cx, my + 0.015 * a, cx - mw, my);
        QPainterPath lower;
        lower.moveTo(cx - mw, my);
        lower.quadTo(cx, my + 0.015 * a, cx + mw, my);
        lower.cubicTo(cx + 0.6 * mw, my + 0.12 * a, cx - 0.6 * mw, my + 0.12 * a, cx - mw, my);
        QLinearGradient g(0, my - 0.1 * a, 0, my + 0.12 * a);
        g.setColorAt(0, scaled(lip, 0.85));
        g.setColorAt(1, lip);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(upper);
        p.drawPath(lower);
        p.setBrush(QColor(255, 255, 255, 55));
        p.drawEllipse(QPointF(cx - 0.05 * a, my + 0.05 * a), 0.08 * a, 0.02 * a);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(scaled(lip, 0.45), 200), 0.012 * a, Qt::SolidLine, Qt::RoundCap));
        QPainterPath line;
        line.moveTo(cx - mw * 1.04, my - 0.004 * a);
        line.quadTo(cx, my + 0.02 * a, cx + mw * 1.04, my - 0.004 * a);
        p.drawPath(line);
        p.setPen(QPen(withAlpha(scaled(d.skin, 0.7), 80), 0.03 * a, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 0.1 * a, my + 0.22 * a), QPointF(cx + 0.1 * a, my + 0.22 * a));
    }
    p.end();

    QImage result = d.drawSize == d.size
        ? image
        : image.scaled(d.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    addGrain(result, 3, d.seed);
    return result;
}

} // namespace morvane::demo
