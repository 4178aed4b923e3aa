#pragma once

#include "colour/ColourMix.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace morvane {

// The spot painter of make-up, blur and smudge. It keeps its size when asked
// for one outside 1..20 and its intensity when asked for one outside 1..100,
// so a make-up intensity of 0 goes on with the last intensity used.
class Airbrush {
public:
    static constexpr int kMaxSize = 20;

    int size() const { return m_size; }
    int intensity() const { return m_intensity; }
    ColourValue colour() const { return m_colour; }
    void setSize(int size);
    void setIntensity(int percent);
    void setColour(ColourValue colour) { m_colour = colour; }

    // Paints one spot at `point` on the colour channels (alpha stays): a disc
    // of diameter size() whose bounding square starts at point - size / 2
    // (towards zero); inside it each channel becomes
    // (1 - i / 100) * own + i / 100 * colour, rounded. Pure white paints
    // nothing. Returns the rectangle that may have changed.
    QRect paintSpot(QImage& image, QPoint point) const;

private:
    int m_size = 40;
    int m_intensity = 10;
    ColourValue m_colour = 0;
};

// Paints a straight line of the width in white on the colour channels of the
// image (alpha stays), with round ends. Returns the rectangle it touched.
QRect drawWhiteLine(QImage& image, QPoint from, QPoint to, int width);

// Makes every pixel inside `area` whose red, green and blue all lie in
// 250..255 fully transparent. Does nothing on an image without alpha.
void clearNearWhite(QImage& image, const QRect& area);

// Clone stamp: copies the colours of the width x width square at
// at + offset onto the square at `at` (alpha stays), both clipped to the image.
QRect cloneSquare(QImage& image, QPoint at, QPoint offset, int width);

// The colour of pixel `point` (colour channels only); 0 outside the image.
ColourValue pickColour(const QImage& image, QPoint point);

} // namespace morvane
