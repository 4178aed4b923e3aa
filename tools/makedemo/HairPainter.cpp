#include "HairPainter.h"

#include "DemoDrawing.h"
#include "DemoRandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace morvane::demo {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Palette {
    QColor deep, shadow, base, light, sheen;
};

Palette paletteFor(const HairDesign& d)
{
    Palette p;
    p.base = d.colour;
    p.deep = scaled(d.colour, d.dark ? 0.5 : 0.42);
    p.shadow = scaled(d.colour, d.dark ? 0.72 : 0.66);
    p.light = mixColour(d.colour, QColor(255, 246, 228), d.dark ? 0.16 : 0.3);
    p.sheen = d.dark ? mixColour(d.colour, QColor(190, 178, 170), 0.5)
                     : mixColour(d.colour, QColor(255, 252, 240), 0.6);
    return p;
}

// One lock of hair: a centre line with a width; drawn as a soft ribbon with
// thin strands along it and a sheen where the light catches it.
struct Lock {
    std::vector<QPointF> points;
    std::vector<float> sheen; // 0..1 per point
    double width = 10;
    double shade = 0.5; // 0 deep .. 1 light
    int strands = 6;
    double startTaper = 0.55;
};

double taperAt(double t, double startTaper)
{
    const double rise = std::min(1.0, startTaper + t * 4.0);
    const double fall = t > 0.72 ? 1.0 - std::pow((t - 0.72) / 0.28, 1.3) * 0.88 : 1.0;
    return rise * fall;
}

QColor toneColour(const Palette& pal, double tone)
{
    tone = std::clamp(tone, 0.0, 1.0);
    if (tone < 0.5)
        return mixColour(pal.deep, pal.base, tone * 2.0);
    return mixColour(pal.base, pal.light, (tone - 0.5) * 2.0);
}

void drawLock(QPainter& p, const Lock& lock, const Palette& pal, DemoRandom& rng)
{
    const int n = int(lock.points.size());
    if (n < 3)
        return;
    std::vector<QPointF> normals(n);
    std::vector<double> along(n, 0.0);
    for (int i = 0; i < n; ++i) {
        const QPointF d = lock.points[std::min(i + 1, n - 1)] - lock.points[std::max(i - 1, 0)];
        const double len = std::hypot(d.x(), d.y());
        normals[i] = len > 0 ? QPointF(-d.y() / len, d.x() / len) : QPointF(1, 0);
        if (i > 0) {
            const QPointF s = lock.points[i] - lock.points[i - 1];
            along[i] = along[i - 1] + std::hypot(s.x(), s.y());
        }
    }
    const double total = std::max(1.0, along[n - 1]);

    QPolygonF ribbon;
    ribbon.reserve(2 * n);
    for (int i = 0; i < n; ++i)
        ribbon << lock.points[i]
                + normals[i] * (lock.width * 0.4 * taperAt(along[i] / total, lock.startTaper));
    for (int i = n - 1; i >= 0; --i)
        ribbon << lock.points[i]
                - normals[i] * (lock.width * 0.4 * taperAt(along[i] / total, lock.startTaper));
    // The ribbon is narrower than the strands' reach, so its edge hides under
    // them and it can be filled without antialiasing, which is much faster.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(toneColour(pal, lock.shade * 0.8), 235));
    p.drawPolygon(ribbon, Qt::WindingFill);
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, true);

    for (int j = 0; j < lock.strands; ++j) {
        const double offset = rng.range(-0.48, 0.48);
        const double endFraction = rng.range(0.8, 1.02);
        const double wobblePhase = rng.range(0, 2 * kPi);
        const double wobble = rng.range(0.2, 0.9);
        QColor colour = toneColour(pal, lock.shade + rng.range(-0.4, 0.4));
        colour.setAlpha(int(rng.range(140, 235)));
        QPolygonF line;
        line.reserve(n);
        for (int i = 0; i < n; ++i) {
            const double t = along[i] / total;
            if (t > endFraction)
                break;
            line << lock.points[i]
                    + normals[i]
                        * (offset * lock.width * taperAt(t, lock.startTaper)
                           + wobble * std::sin(along[i] * 0.08 + wobblePhase));
        }
        // One-pixel pens take the fast path of the raster engine.
        p.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
    }

    // Sheen: the stretches where the light catches the lock.
    if (lock.sheen.size() != std::size_t(n))
        return;
    int i = 0;
    while (i < n) {
        if (lock.sheen[i] < 0.12f) {
            ++i;
            continue;
        }
        const int begin = i;
        float peak = 0;
        while (i < n && lock.sheen[i] >= 0.12f)
            peak = std::max(peak, lock.sheen[i++]);
        if (i - begin < 3)
            continue;
        for (int k = 0; k < 3; ++k) {
            const double offset = rng.range(-0.3, 0.3) * lock.width;
            QPolygonF line;
            for (int m = begin; m < i; ++m)
                line << lock.points[m] + normals[m] * offset;
            const double w = k == 0 ? lock.width * 0.4 : 1.0;
            const int alpha = int((k == 0 ? 70 : 150) * peak * lock.shade);
            p.setPen(QPen(withAlpha(pal.sheen, alpha), w, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            p.drawPolyline(line);
        }
    }
    p.setPen(Qt::NoPen);
}

// The outline of the face, from the hairline to the chin, around the point
// (cx, cy) = the centre of the skull; a = half the head's width.
QPainterPath facePath(double cx, double cy, double a, bool men)
{
    const std::vector<std::pair<double, double>> right = men
        ? std::vector<std::pair<double, double>>{{0.0, -0.7}, {0.42, -0.68}, {0.66, -0.56},
                                                 {0.8, -0.3}, {0.85, 0.05}, {0.87, 0.45},
                                                 {0.77, 1.05}, {0.42, 1.45}}
        : std::vector<std::pair<double, double>>{{0.0, -0.76}, {0.5, -0.69}, {0.8, -0.42},
                                                 {0.9, 0.0}, {0.9, 0.45}, {0.78, 1.05},
                                                 {0.42, 1.45}};
    QVector<QPointF> points;
    for (const auto& [x, y] : right)
        points << QPointF(cx + x * a, cy + y * a);
    points << QPointF(cx, cy + 1.58 * a);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        if (it->first > 0)
            points << QPointF(cx - it->first * a, cy + it->second * a);
    return smoothClosedPath(points);
}

void cutAway(QImage& image, const QImage& mask)
{
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.drawImage(0, 0, mask);
}

void shadeInside(QImage& image, QImage mask, const QColor& colour, double opacity)
{
    {
        QPainter m(&mask);
        m.setCompositionMode(QPainter::CompositionMode_SourceIn);
        m.fillRect(mask.rect(), colour);
    }
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.setOpacity(opacity);
    p.drawImage(0, 0, mask);
}

QImage blankLayer(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

double bump(double x, double centre, double halfWidth)
{
    const double u = (x - centre) / halfWidth;
    return u <= -1 || u >= 1 ? 0.0 : 0.5 * (1 + std::cos(u * kPi));
}

// ---------------------------------------------------------------------------
// Women's cuts, front view.

QImage paintFlowingCut(const HairDesign& d)
{
    DemoRandom rng(d.seed);
    const Palette pal = paletteFor(d);
    const double a = d.headRadius;
    const double v = d.volume * a;
    const bool isShort = d.cut == HairCut::Short;
    const double flareX =
        d.flare * a * (d.cut == HairCut::Long ? 0.55 : d.cut == HairCut::Medium ? 0.4 : 0.08);
    const double ringlet = d.curl * 0.11 * a;
    const double margin = 10 + ringlet * 1.2 + d.wave * a * 0.08;
    const int width = int(std::ceil(2 * (a + v + flareX + margin)));
    const double cx = width / 2.0;
    const double cy = margin + v + 1.15 * a;
    const double ends = d.length * a;
    const int height = int(std::ceil(cy + ends + margin + ringlet));
    QImage image = blankLayer(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The body of the hair under the locks, a little inside their reach so
    // the outer edge comes from the locks' tapering ends.
    {
        const double r = a + 0.78 * v;
        const double top = 1.15 * a + 0.78 * v;
        QVector<QPointF> outline;
        auto add = [&](double x, double y) { outline << QPointF(cx + x, cy + y); };
        add(0, -top);
        add(0.72 * r, -0.72 * top);
        add(r, -0.05 * a);
        if (isShort) {
            add(0.97 * r, 0.4 * ends);
            add(0.88 * r, 0.88 * ends);
            add(0.7 * a, ends * 0.95);
            add(0, ends * 0.6);
            add(-0.7 * a, ends * 0.95);
            add(-0.88 * r, 0.88 * ends);
            add(-0.97 * r, 0.4 * ends);
        } else {
            add(r + flareX * 0.3, 0.5 * ends);
            add(r + flareX * 0.6, ends - 0.6 * a);
            add(0.9 * a + flareX * 0.3, ends - 0.75 * a);
            add(0, 1.2 * a);
            add(-0.9 * a - flareX * 0.3, ends - 0.75 * a);
            add(-r - flareX * 0.6, ends - 0.6 * a);
            add(-r - flareX * 0.3, 0.5 * ends);
        }
        add(-r, -0.05 * a);
        add(-0.72 * r, -0.72 * top);
        QLinearGradient body(cx, cy - top, cx, cy + ends);
        body.setColorAt(0, pal.shadow);
        body.setColorAt(1, pal.deep);
        p.setPen(Qt::NoPen);
        p.setBrush(body);
        p.drawPath(smoothClosedPath(outline));
    }

    const double partingX = std::abs(d.parting) < 0.15 ? 0.0 : d.parting * 0.55 * a;
    const int fuller = d.parting > 0 ? -1 : 1; // the side away from the parting
    const double wavePhase = rng.range(0, 2 * kPi);
    const double waveLength = rng.range(0.75, 1.05) * a;
    const int lockCount = int((isShort ? 160 : 210) * (1.0 - 0.3 * d.curl));

    for (int i = 0; i < lockCount; ++i) {
        const double depth = (i + rng.unit()) / lockCount;
        int side = rng.chance(0.5) ? 1 : -1;
        if (partingX != 0.0)
            side = rng.chance(0.64) ? fuller : -fuller;
        const double inset = depth < 0.35 ? rng.range(0.8, 1.0) : 1.0;
        const double rx = a * inset + depth * v;
        const double ry = 1.15 * a * inset + depth * v * 0.9;
        const double theta0 =
            std::asin(std::clamp(side * (partingX + rng.range(-0.04, 0.04) * a) / rx, -0.9, 0.9))
            + rng.range(0.0, 0.14);
        const double theta1 = isShort ? rng.range(1.35, 1.8) : rng.range(1.25, 1.62);
        Lock lock;
        lock.width = rng.range(8, 15) * (1 + 0.5 * d.curl) * a / 120;
        lock.shade = std::clamp(0.25 + 0.75 * depth + rng.gauss() * 0.08, 0.0, 1.0);
        lock.strands = rng.range(0, 1) < 0.5 ? 4 : 6;
        const double crinklePhase = rng.range(0, 2 * kPi);
        const int arcSteps = std::max(8, int((theta1 - theta0) * rx / 5));
        for (int k = 0; k <= arcSteps; ++k) {
            const double th = theta0 + (theta1 - theta0) * k / arcSteps;
            const double crinkle = 1 + d.curl * 0.035 * std::sin(th * 14 + crinklePhase);
            lock.points.emplace_back(cx + side * rx * crinkle * std::sin(th),
                                     cy - ry * crinkle * std::cos(th));
            const double light = bump(th, 0.6, 0.42) * (depth > 0.3 ? 1.0 : 0.35);
            lock.sheen.push_back(float(light));
        }
        const QPointF end = lock.points.back();
        const double tx = side * rx * std::cos(theta1);
        const double ty = ry * std::sin(theta1);
        const double slope = ty > 1e-6 ? tx / ty : 0.0;
        const double fall =
            cy + ends * (1 - d.layering * rng.unit()) + rng.range(-0.06, 0.06) * a - end.y();
        if (fall > 4) {
            const int steps = std::max(6, int(fall / (d.curl > 0.2 ? 2.5 : 5)));
            const double lockPhase = rng.range(0, 2 * kPi);
            const double spread = flareX * (0.6 + 0.8 * depth);
            for (int k = 1; k <= steps; ++k) {
                const double t = double(k) / steps;
                const double y = end.y() + fall * t;
                double x = end.x() + slope * fall * t * (1 - t) * 0.5
                    + side * spread * std::pow(t, 1.5);
                if (isShort)
                    x -= side * 0.2 * a * std::pow(t, 3);
                else
                    x -= side * 0.12 * a * std::pow(t, 6) * (1 - d.flare);
                const double ramp = std::min(1.0, t * 3);
                const double wave = std::sin(2 * kPi * (y - cy) / waveLength + wavePhase
                                             + side * 0.6 + lockPhase * 0.08);
                x += d.wave * 0.09 * a * wave * ramp;
                double yy = y;
                if (ringlet > 0) {
                    const double angle = 2 * kPi * fall * t / (0.42 * a) + lockPhase;
                    const double r = ringlet * std::min(1.0, t * 2.5);
                    x += r * std::sin(angle);
                    yy += r * 0.45 * std::cos(angle);
                }
                lock.points.emplace_back(x, yy);
                double light = 0;
                if (d.wave > 0.2)
                    light = 0.7 * std::pow(std::max(0.0, std::cos(2 * kPi * (y - cy) / waveLength
                                                                  + wavePhase)), 6);
                else if (d.curl < 0.2)
                    light = 0.45 * bump(t, 0.35, 0.2);
                lock.sheen.push_back(float(light * (depth > 0.4 ? 1.0 : 0.3)));
            }
        }
        drawLock(p, lock, pal, rng);
    }
    p.end();

    // Shade the hair where it turns in towards the face, then open the face
    // (and the neck below it) with a soft edge.
    const QPainterPath face = facePath(cx, cy, a, false);
    QPainterPath channel;
    channel.addPolygon(QPolygonF({QPointF(cx - 0.72 * a, cy + 0.9 * a),
                                  QPointF(cx + 0.72 * a, cy + 0.9 * a),
                                  QPointF(cx + 0.76 * a, cy + 1.9 * a),
                                  QPointF(cx + 0.84 * a + flareX * 0.5, height + 2),
                                  QPointF(cx - 0.84 * a - flareX * 0.5, height + 2),
                                  QPointF(cx - 0.76 * a, cy + 1.9 * a)}));
    {
        QImage shadow = blankLayer(width, height);
        QPainter m(&shadow);
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(QPen(Qt::black, 0.22 * a));
        m.setBrush(Qt::black);
        m.drawPath(face);
        m.drawPath(channel);
        m.end();
        blurAlpha(shadow, int(0.06 * a));
        shadeInside(image, shadow, pal.deep, 0.75);
    }
    QImage hole = blankLayer(width, height);
    {
        QPainter m(&hole);
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::black);
        m.drawPath(face);
        m.drawPath(channel);
    }
    blurAlpha(hole, 2, 2);
    cutAway(image, hole);

    // The fringe lies over the forehead, in front of everything else.
    if (d.fringe != Fringe::None) {
        QPainter f(&image);
        f.setRenderHint(QPainter::Antialiasing);
        const int count = d.fringe == Fringe::Blunt ? 46 : 64;
        const int sweep = d.parting > 0 ? -1 : 1;
        for (int i = 0; i < count; ++i) {
            QPointF start, control, finish;
            if (d.fringe == Fringe::Blunt) {
                const double x = rng.range(-0.74, 0.74) * a;
                start = QPointF(cx + x * 0.75, cy - 1.02 * a + std::abs(x) * 0.15);
                control = QPointF(cx + x * 0.95, cy - 0.65 * a);
                finish = QPointF(cx + x + rng.range(-0.02, 0.02) * a,
                                 cy - (0.24 - 0.22 * std::pow(x / a, 4) + rng.range(0, 0.03)) * a);
            } else if (d.fringe == Fringe::Swept) {
                // A sheet of hair brushed across the forehead from the parting.
                const double u = rng.unit();
                const double from = partingX / a - sweep * 0.15;
                const double startX = from + sweep * u * 0.9;
                start = QPointF(cx + startX * a, cy - (1.02 - 0.1 * u) * a);
                const double reach = 0.55 + 0.4 * u;
                finish = QPointF(cx + sweep * reach * a,
                                 cy - (0.55 - 0.45 * u + rng.range(-0.04, 0.04)) * a);
                control = QPointF(start.x() * 0.6 + finish.x() * 0.4,
                                  std::max(start.y(), finish.y()) + 0.08 * a);
            } else {
                // Curtain: parted in the middle, falling away to both temples.
                const int side = i % 2 ? 1 : -1;
                const double u = rng.unit();
                start = QPointF(cx + side * u * 0.35 * a, cy - (1.05 - 0.1 * u) * a);
                finish = QPointF(cx + side * (0.62 + 0.32 * u) * a,
                                 cy + (-0.45 + 0.55 * u + rng.range(-0.04, 0.04)) * a);
                control = QPointF(cx + side * (0.12 + 0.3 * u) * a, cy - (0.55 - 0.1 * u) * a);
            }
            Lock lock;
            lock.width = rng.range(9, 14) * a / 120;
            lock.shade = rng.range(0.55, 1.0);
            lock.strands = 6;
            lock.startTaper = 0.3;
            for (int k = 0; k <= 24; ++k) {
                const double t = k / 24.0;
                const QPointF q = (1 - t) * (1 - t) * start + 2 * (1 - t) * t * control + t * t * finish;
                lock.points.push_back(q);
                lock.sheen.push_back(float(0.8 * bump(t, 0.3, 0.2)));
            }
            drawLock(f, lock, pal, rng);
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------
// Men's cuts, front view: a close cap of short strands.

QImage paintMensCut(const HairDesign& d)
{
    DemoRandom rng(d.seed);
    const Palette pal = paletteFor(d);
    const double a = d.headRadius;
    const double v = d.volume * a;
    const double margin = 12;
    const int width = int(std::ceil(2 * (1.08 * a + 0.2 * v + margin)));
    const double cx = width / 2.0;
    const double cy = margin + v + d.quiff * 0.3 * a + 1.15 * a;
    const int height = int(std::ceil(cy + 0.62 * a + margin));
    QImage image = blankLayer(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double lift = d.quiff * 0.3 * a;
    const double partingX = d.parting * 0.5 * a;
    QVector<QPointF> outline;
    auto add = [&](double x, double y) { outline << QPointF(cx + x * a, cy + y * a); };
    const double top = 1.15 + v / a;
    add(0, -top - lift / a * 0.6);
    add(0.35, -top + 0.02 - lift / a);
    add(0.7, -0.92 * top);
    add(0.97 + 0.1 * v / a, -0.55);
    add(1.05, -0.1);
    add(1.02, 0.08);
    add(0.96, 0.14);
    add(0.95, 0.5);
    add(0.84, 0.5);
    add(0.6, -0.25);
    add(0, -0.4);
    add(-0.6, -0.25);
    add(-0.84, 0.5);
    add(-0.95, 0.5);
    add(-0.96, 0.14);
    add(-1.02, 0.08);
    add(-1.05, -0.1);
    add(-0.97 - 0.1 * v / a, -0.55);
    add(-0.7, -0.92 * top);
    add(-0.35, -top + 0.02 - lift / a * 0.3);
    const QPainterPath cap = smoothClosedPath(outline);

    QLinearGradient body(cx, cy - top * a, cx, cy + 0.5 * a);
    body.setColorAt(0, pal.shadow);
    body.setColorAt(0.6, pal.shadow);
    body.setColorAt(1, withAlpha(pal.deep, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(cap);

    const QRectF box = cap.boundingRect();
    const int strands = 2600;
    for (int i = 0; i < strands; ++i) {
        QPointF at;
        for (int tries = 0; tries < 12; ++tries) {
            at = QPointF(rng.range(box.left(), box.right()), rng.range(box.top(), box.bottom()));
            if (cap.contains(at))
                break;
        }
        const double rx = (at.x() - cx) / a;
        const double ry = (at.y() - cy) / a;
        // Top: combed away from the parting (or lifted at the front); sides:
        // down and a little back.
        const double topWeight = std::clamp((-0.35 - ry) / 0.4, 0.0, 1.0);
        const int away = at.x() >= cx + partingX ? 1 : -1;
        QPointF dir;
        if (d.quiff > 0.4)
            dir = QPointF(0.35 * rx, -1.0);
        else
            dir = QPointF(away * 1.0, 0.25 + 0.3 * std::abs(rx));
        dir = dir * topWeight + QPointF(0.12 * (rx > 0 ? 1 : -1), 1.0) * (1 - topWeight);
        const double len = std::hypot(dir.x(), dir.y());
        dir /= len;
        const double length = (topWeight * rng.range(14, 30) * (1 + 0.6 * d.volume)
                               + (1 - topWeight) * rng.range(6, 13))
            * a / 120;
        const QPointF bend(-dir.y() * rng.range(-3, 3), dir.x() * rng.range(-3, 3));
        QPainterPath path;
        path.moveTo(at - dir * length * 0.5);
        path.quadTo(at + bend, at + dir * length * 0.5);
        QColor colour = toneColour(pal, rng.range(0.25, 0.95) * (0.65 + 0.35 * topWeight));
        colour.setAlpha(int(rng.range(150, 240)));
        p.strokePath(path, QPen(colour, rng.range(0.9, 1.7), Qt::SolidLine, Qt::RoundCap));
        if (topWeight > 0.5 && std::abs(ry + 0.95) < 0.18 && rng.chance(0.3)) {
            p.strokePath(path, QPen(withAlpha(pal.sheen, 120), 1.0, Qt::SolidLine, Qt::RoundCap));
        }
    }
    p.end();

    const QPainterPath face = facePath(cx, cy, a, true);
    QPainterPath ears;
    ears.addEllipse(QPointF(cx + 1.06 * a, cy + 0.42 * a), 0.11 * a, 0.32 * a);
    ears.addEllipse(QPointF(cx - 1.06 * a, cy + 0.42 * a), 0.11 * a, 0.32 * a);
    {
        QImage shadow = blankLayer(width, height);
        QPainter m(&shadow);
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(QPen(Qt::black, 0.12 * a));
        m.setBrush(Qt::black);
        m.drawPath(face);
        m.end();
        blurAlpha(shadow, int(0.04 * a));
        shadeInside(image, shadow, pal.deep, 0.5);
    }
    QImage hole = blankLayer(width, height);
    {
        QPainter m(&hole);
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::black);
        m.drawPath(face);
        m.drawPath(ears);
    }
    blurAlpha(hole, 2, 2);
    cutAway(image, hole);
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage paintHairstyle(const HairDesign& design)
{
    return design.cut == HairCut::Men ? paintMensCut(design) : paintFlowingCut(design);
}

} // namespace morvane::demo

namespace morvane::demo {

namespace {

// The profile head faces left; (sx, sy) is the skull's centre, r its radius.
QPainterPath profileHead(double sx, double sy, double r)
{
    const std::vector<std::pair<double, double>> shape{
        {0.0, -1.0},   {0.72, -0.72}, {1.0, 0.0},     {0.9, 0.55},   {0.55, 0.98},
        {0.1, 1.22},   {-0.55, 1.52}, {-0.9, 1.45},   {-1.0, 1.31},  {-1.03, 1.16},
        {-0.98, 1.08}, {-1.07, 1.0},  {-1.05, 0.9},   {-1.18, 0.83}, {-1.3, 0.76},
        {-1.13, 0.5},  {-1.06, 0.36}, {-1.07, 0.22},  {-1.0, -0.18}, {-0.76, -0.68}};
    QVector<QPointF> points;
    for (const auto& [x, y] : shape)
        points << QPointF(sx + x * r, sy + y * r);
    return smoothClosedPath(points);
}

} // namespace

QImage paintSidePicture(const HairDesign& d)
{
    constexpr int kWidth = 300;
    constexpr int kHeight = 400;
    DemoRandom rng(d.seed ^ 0x51DE51DEull);
    const Palette pal = paletteFor(d);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient backdrop(0, 0, 0, kHeight);
    backdrop.setColorAt(0, QColor(246, 243, 238));
    backdrop.setColorAt(1, QColor(222, 218, 212));
    p.fillRect(image.rect(), backdrop);
    QRadialGradient glow(QPointF(150, 150), 220);
    glow.setColorAt(0, QColor(255, 255, 255, 90));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);

    const double r = 68;
    const double sx = 168;
    const double sy = 132 + (d.cut == HairCut::Men ? 8 : 0);
    const QColor skin(226, 184, 156);
    const QColor skinShade(196, 146, 118);

    // A salon cape over the shoulders.
    {
        QPainterPath cape;
        cape.moveTo(10, kHeight);
        cape.cubicTo(20, 330, 70, 318, sx - 0.62 * r, sy + 2.55 * r);
        cape.lineTo(sx + 0.62 * r, sy + 2.45 * r);
        cape.cubicTo(250, 318, 292, 340, 296, kHeight);
        cape.closeSubpath();
        QLinearGradient g(0, sy + 2.4 * r, 0, kHeight);
        g.setColorAt(0, QColor(86, 92, 104));
        g.setColorAt(1, QColor(52, 56, 66));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(cape);
    }
    // Neck, then the head.
    {
        QPainterPath neck;
        neck.moveTo(sx - 0.55 * r, sy + 1.3 * r);
        neck.cubicTo(sx - 0.5 * r, sy + 1.9 * r, sx - 0.7 * r, sy + 2.3 * r, sx - 0.66 * r, sy + 2.6 * r);
        neck.lineTo(sx + 0.62 * r, sy + 2.5 * r);
        neck.cubicTo(sx + 0.5 * r, sy + 2.0 * r, sx + 0.45 * r, sy + 1.4 * r, sx + 0.55 * r, sy + 0.9 * r);
        neck.closeSubpath();
        QLinearGradient g(sx - 0.6 * r, 0, sx + 0.6 * r, 0);
        g.setColorAt(0, skinShade);
        g.setColorAt(1, scaled(skinShade, 0.92));
        p.setBrush(g);
        p.drawPath(neck);
    }
    const QPainterPath head = profileHead(sx, sy, r);
    {
        QLinearGradient g(sx - 1.3 * r, 0, sx + r, 0);
        g.setColorAt(0, skin.lighter(106));
        g.setColorAt(0.55, skin);
        g.setColorAt(1, skinShade);
        p.setBrush(g);
        p.drawPath(head);
        // Cheek and jaw shading.
        QRadialGradient cheek(QPointF(sx - 0.6 * r, sy + 0.85 * r), 0.5 * r);
        cheek.setColorAt(0, QColor(220, 120, 110, 60));
        cheek.setColorAt(1, QColor(220, 120, 110, 0));
        p.setBrush(cheek);
        p.drawPath(head);
        p.setPen(QPen(withAlpha(skinShade.darker(120), 120), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(head);
    }
    // Ear.
    {
        const QPointF ear(sx + 0.12 * r, sy + 0.52 * r);
        p.setPen(QPen(withAlpha(skinShade.darker(125), 200), 1.2));
        p.setBrush(skinShade.lighter(108));
        p.drawEllipse(ear, 0.2 * r, 0.32 * r);
        p.setPen(QPen(withAlpha(skinShade.darker(140), 170), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(ear.x() - 0.11 * r, ear.y() - 0.2 * r, 0.22 * r, 0.38 * r), 30 * 16, 250 * 16);
    }
    // Eye, brow, nostril and lips.
    {
        const QPointF eye(sx - 0.86 * r, sy + 0.4 * r);
        QPainterPath lid;
        lid.moveTo(eye + QPointF(-0.15 * r, 0));
        lid.quadTo(eye + QPointF(0.0, -0.09 * r), eye + QPointF(0.12 * r, 0.01 * r));
        lid.quadTo(eye + QPointF(0.0, 0.06 * r), eye + QPointF(-0.15 * r, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 240, 235));
        p.drawPath(lid);
        p.setBrush(QColor(80, 60, 45));
        p.drawEllipse(eye + QPointF(-0.08 * r, -0.005 * r), 0.045 * r, 0.05 * r);
        p.setPen(QPen(QColor(50, 35, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath lash;
        lash.moveTo(eye + QPointF(-0.16 * r, -0.005 * r));
        lash.quadTo(eye + QPointF(0.0, -0.1 * r), eye + QPointF(0.12 * r, 0.0));
        p.drawPath(lash);
        QPainterPath brow;
        brow.moveTo(eye + QPointF(-0.2 * r, -0.17 * r));
        brow.quadTo(eye + QPointF(0.0, -0.24 * r), eye + QPointF(0.2 * r, -0.17 * r));
        p.setPen(QPen(withAlpha(scaled(d.colour, 0.6), 210), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(brow);
        p.setPen(QPen(withAlpha(skinShade.darker(150), 200), 1.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath nostril;
        nostril.moveTo(sx - 1.13 * r, sy + 0.86 * r);
        nostril.quadTo(sx - 1.0 * r, sy + 0.84 * r, sx - 1.0 * r, sy + 0.76 * r);
        p.drawPath(nostril);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(196, 104, 102));
        QPainterPath lips;
        lips.moveTo(sx - 1.08 * r, sy + 1.0 * r);
        lips.quadTo(sx - 1.02 * r, sy + 0.96 * r, sx - 0.9 * r, sy + 1.02 * r);
        lips.lineTo(sx - 0.92 * r, sy + 1.09 * r);
        lips.quadTo(sx - 1.06 * r, sy + 1.2 * r, sx - 1.05 * r, sy + 1.1 * r);
        lips.quadTo(sx - 1.02 * r, sy + 1.06 * r, sx - 1.08 * r, sy + 1.0 * r);
        p.drawPath(lips);
    }

    // The hair: locks from the hairline over the skull to the back, falling
    // down the back as long as the cut is.
    const double v = d.volume * r;
    const bool men = d.cut == HairCut::Men;
    const double ends = sy + (men ? 0.95 : d.length) * r;
    const int lockCount = men ? 170 : int(150 * (1.0 - 0.25 * d.curl));
    const double ringlet = d.curl * 0.11 * r;
    const double lockScale = r / 120.0 * 1.25;
    {
        // The body of the hair under the locks.
        const double out = 1.0 + 0.8 * v / r;
        const double fallEnd = (ends - sy) / r - 0.3;
        std::vector<std::pair<double, double>> shape{{-0.86, -0.5}, {-0.6, -0.02}, {-0.3, 0.3}};
        if (men) {
            shape.insert(shape.end(), {{-0.25, 0.55}, {-0.13, 0.55}, {-0.08, 0.22}, {0.3, 0.28},
                                       {0.36, 0.88}, {0.7, 0.82}});
        } else if (fallEnd < 0.9) {
            shape.insert(shape.end(), {{-0.14, 0.6}, {0.2, fallEnd}, {0.8, fallEnd + 0.05}});
        } else {
            shape.insert(shape.end(), {{-0.12, 0.6}, {0.05, 0.85}, {0.3, fallEnd},
                                       {0.85 + 0.3 * d.flare, fallEnd}});
        }
        shape.insert(shape.end(), {{out, 0.2}, {0.72 * out, -0.72 * out}, {0.0, -out},
                                   {-0.62 * out, -0.82 * out}});
        QVector<QPointF> points;
        for (const auto& [x, y] : shape)
            points << QPointF(sx + 0.05 * r + x * r, sy + y * r);
        p.setPen(Qt::NoPen);
        p.setBrush(mixColour(pal.shadow, pal.base, 0.6));
        p.drawPath(smoothClosedPath(points));

        // Locks over the side of the head: from the hairline at the temple
        // back over and behind the ear.
        const double bottom = men ? 0.6 : std::max(0.5, fallEnd + 0.2);
        for (int i = 0; i < 110; ++i) {
            const double u = rng.unit();
            const QPointF start(sx + 0.05 * r + (-0.84 + 0.55 * u) * r,
                                sy + (-0.45 + 0.72 * u) * r);
            const QPointF finish(sx + 0.05 * r + rng.range(0.1, 0.8) * r,
                                 sy + (men ? rng.range(0.3, 0.85) : bottom + rng.range(-0.1, 0.05)) * r);
            const QPointF control(sx + rng.range(-0.1, 0.3) * r, start.y() + 0.05 * r);
            Lock lock;
            lock.width = rng.range(8, 13) * lockScale * (men ? 0.7 : 1.0);
            lock.shade = rng.range(0.4, 0.75);
            lock.strands = 5;
            lock.startTaper = 0.3;
            for (int k = 0; k <= 20; ++k) {
                const double t = k / 20.0;
                lock.points.push_back((1 - t) * (1 - t) * start + 2 * (1 - t) * t * control
                                      + t * t * finish);
            }
            drawLock(p, lock, pal, rng);
        }
    }
    for (int i = 0; i < lockCount; ++i) {
        const double depth = (i + rng.unit()) / lockCount;
        const double inset = rng.range(0.55, 1.0) * (1 - depth) + depth;
        const double rad = r * inset + depth * v * (men ? 0.7 : 1.0) + 2;
        // Inner locks start lower at the front, along the hairline down the
        // temple; outer ones start at the top of the forehead.
        const double phi0 = -2.55 - (1 - inset) * 1.0 + rng.range(0.0, 0.12);
        const double phi1 = men ? rng.range(0.2, 0.9) : rng.range(0.0, 0.5);
        Lock lock;
        lock.width = rng.range(8, 14) * lockScale * (men ? 0.7 : 1.0);
        lock.shade = std::clamp(0.3 + 0.7 * depth + rng.gauss() * 0.08, 0.0, 1.0);
        lock.strands = men ? 4 : 5;
        const int steps = std::max(8, int((phi1 - phi0) * rad / 4));
        for (int k = 0; k <= steps; ++k) {
            const double phi = phi0 + (phi1 - phi0) * k / steps;
            const double crinkle = 1 + d.curl * 0.04 * std::sin(phi * 12 + i);
            lock.points.emplace_back(sx + 0.05 * r + rad * crinkle * std::cos(phi),
                                     sy + rad * crinkle * std::sin(phi));
            lock.sheen.push_back(float(bump(phi, -1.75, 0.5) * (depth > 0.3 ? 1.0 : 0.3)));
        }
        const QPointF end = lock.points.back();
        const double fall = ends * (1 - 0.06 * d.layering * rng.unit()) + rng.range(-0.05, 0.05) * r
            - end.y();
        if (!men && fall > 4) {
            const int fallSteps = std::max(6, int(fall / (d.curl > 0.2 ? 2.5 : 4)));
            const double phase = rng.range(0, 2 * kPi);
            for (int k = 1; k <= fallSteps; ++k) {
                const double t = double(k) / fallSteps;
                const double y = end.y() + fall * t;
                double x = end.x() + d.flare * 0.35 * r * std::pow(t, 1.4) * (0.5 + depth)
                    - (d.cut == HairCut::Short ? 0.2 * r * std::pow(t, 3) : 0.0);
                x += d.wave * 0.08 * r * std::sin(2 * kPi * (y - sy) / (0.9 * r) + phase * 0.1)
                    * std::min(1.0, t * 3);
                double yy = y;
                if (ringlet > 0) {
                    const double angle = 2 * kPi * fall * t / (0.42 * r) + phase;
                    x += ringlet * std::sin(angle) * std::min(1.0, t * 2.5);
                    yy += ringlet * 0.45 * std::cos(angle);
                }
                lock.points.emplace_back(x, yy);
                lock.sheen.push_back(0.0f);
            }
        }
        drawLock(p, lock, pal, rng);
    }
    if (d.fringe != Fringe::None) {
        for (int i = 0; i < 26; ++i) {
            const double u = rng.unit();
            const QPointF start(sx - (0.45 + 0.25 * u) * r, sy - (0.98 - 0.1 * u) * r);
            const QPointF finish(sx - (1.02 + 0.06 * u) * r,
                                 sy - ((d.fringe == Fringe::Blunt ? 0.02 : -0.08) + 0.25 * u) * r);
            const QPointF control(sx - 1.12 * r, sy - 0.8 * r);
            Lock lock;
            lock.width = rng.range(7, 11) * lockScale;
            lock.shade = rng.range(0.55, 1.0);
            lock.strands = 5;
            lock.startTaper = 0.3;
            for (int k = 0; k <= 18; ++k) {
                const double t = k / 18.0;
                lock.points.push_back((1 - t) * (1 - t) * start + 2 * (1 - t) * t * control
                                      + t * t * finish);
                lock.sheen.push_back(float(0.8 * bump(t, 0.35, 0.25)));
            }
            drawLock(p, lock, pal, rng);
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace morvane::demo
