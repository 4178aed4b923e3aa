#include "printing/PrintLayout.h"

#include <array>
#include <cmath>

namespace morvane {

double inchesPerUnit(PrintUnit unit)
{
    return unit == PrintUnit::Centimetres ? 1.0 / 2.54 : 1.0;
}

PrintOptions convertedTo(const PrintOptions& options, PrintUnit unit)
{
    const double factor = inchesPerUnit(options.unit) / inchesPerUnit(unit);
    PrintOptions converted = options;
    converted.unit = unit;
    converted.top *= factor;
    converted.left *= factor;
    converted.right *= factor;
    converted.bottom *= factor;
    converted.specified *= factor;
    return converted;
}

QRectF printPlacement(QSizeF pageInches, QSize picturePixels, const PrintOptions& options)
{
    const double unit = inchesPerUnit(options.unit);
    auto inches = [unit](double length) { return qMax(0.0, length) * unit; };
    const double left = qMin(inches(options.left), pageInches.width());
    const double top = qMin(inches(options.top), pageInches.height());
    const double right = qMax(left, pageInches.width() - inches(options.right));
    const double bottom = qMax(top, pageInches.height() - inches(options.bottom));
    const QRectF area(QPointF(left, top), QPointF(right, bottom));

    QSizeF size;
    switch (options.size) {
    case PrintSize::Normal:
        size = QSizeF(picturePixels) / kPrintPixelsPerInch;
        break;
    case PrintSize::FitToPage:
        size = QSizeF(picturePixels).scaled(area.size(), Qt::KeepAspectRatio);
        break;
    case PrintSize::StretchToPage:
        size = area.size();
        break;
    case PrintSize::Specified:
        size = QSizeF(inches(options.specified.width()), inches(options.specified.height()));
        break;
    }
    if (picturePixels.isEmpty())
        size = QSizeF(0, 0);

    const int index = static_cast<int>(options.position);
    const int column = index % 3;
    const int row = index / 3;
    const double x = area.left() + (area.width() - size.width()) * column / 2.0;
    const double y = area.top() + (area.height() - size.height()) * row / 2.0;
    return QRectF(QPointF(x, y), size);
}

QImage applyGamma(const QImage& picture, double gamma)
{
    if (picture.isNull() || !(gamma > 0.0) || gamma == 1.0)
        return picture;
    std::array<uchar, 256> table{};
    for (int v = 0; v < 256; ++v)
        table[v] = uchar(std::lround(255.0 * std::pow(v / 255.0, 1.0 / gamma)));

    QImage result = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                      : QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(table[qRed(p)], table[qGreen(p)], table[qBlue(p)], qAlpha(p));
        }
    }
    return result;
}

} // namespace morvane
