#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>

namespace morvane {

enum class PrintUnit { Inches, Centimetres };

// How large the picture is printed.
enum class PrintSize {
    Normal,        // its own size at kPrintPixelsPerInch
    FitToPage,     // as large as the area inside the margins allows, aspect kept
    StretchToPage, // the whole area inside the margins
    Specified,     // the width and height given
};

// Where the picture sits inside the margins: row-major, top-left 0 to bottom-right 8.
enum class PrintPosition {
    TopLeft, TopCenter, TopRight,
    CenterLeft, Center, CenterRight,
    BottomLeft, BottomCenter, BottomRight,
};

// The pixel density at which a picture of "Normal" size is printed.
inline constexpr double kPrintPixelsPerInch = 96.0;

struct PrintOptions {
    PrintUnit unit = PrintUnit::Inches;
    // Margins and the specified size, in `unit`.
    double top = 0.5;
    double left = 0.5;
    double right = 0.5;
    double bottom = 0.5;
    PrintPosition position = PrintPosition::Center;
    PrintSize size = PrintSize::FitToPage;
    QSizeF specified{4.0, 3.0};
    double gamma = 1.0; // 1: as it is; above 1 lightens, below darkens
};

// Inches in one unit.
double inchesPerUnit(PrintUnit unit);

// The options with every length given in `unit` instead (margins and specified size).
PrintOptions convertedTo(const PrintOptions& options, PrintUnit unit);

// The picture's rectangle on a page of `pageInches`, in inches from the
// page's top-left corner. Margins that leave no room give an empty area at
// their meeting point; negative lengths count as 0.
QRectF printPlacement(QSizeF pageInches, QSize picturePixels, const PrintOptions& options);

// Gamma correction of the colour channels: 255 * (v / 255) ^ (1 / gamma).
// Alpha is kept; a gamma of 1 (or one that is not above 0) returns the picture unchanged.
QImage applyGamma(const QImage& picture, double gamma);

} // namespace morvane
