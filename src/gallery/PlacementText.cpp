#include "gallery/PlacementText.h"

#include "common/Error.h"
#include "imaging/ImageLimits.h"
#include "settings/TextEncoding.h"

#include <QLocale>

#include <cmath>

namespace morvane {

namespace PlacementText {

namespace {

constexpr int kSignificantDigits = 15;

Error notAFloat(const QString& text)
{
    return Error(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

// Cuts `rest` at the first `separator`: the part before it is returned and
// `rest` keeps what follows. Without the separator, everything is returned.
QString takeUntil(QString& rest, QChar separator)
{
    const qsizetype at = rest.indexOf(separator);
    if (at < 0) {
        QString all = rest;
        rest.clear();
        return all;
    }
    QString field = rest.left(at);
    rest = rest.mid(at + 1);
    return field;
}

} // namespace

QString ratioText(double value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    const int magnitude = int(std::floor(std::log10(std::fabs(value))));
    const int decimals = qBound(0, kSignificantDigits - 1 - magnitude, 340);
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

double ratioFromText(const QString& text)
{
    // Digits with at most one comma; the C locale then reads it with a point.
    bool digitSeen = false;
    int commas = 0;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128)
            digitSeen = true;
        else if (c == QLatin1Char(','))
            ++commas;
        else
            throw notAFloat(text);
    }
    if (!digitSeen || commas > 1)
        throw notAFloat(text);
    bool ok = false;
    const double value = QLocale::c().toDouble(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    // No hairstyle is ever shown larger than the largest picture allowed.
    if (!ok || !std::isfinite(value) || value > imaging::kMaxImageSide)
        throw notAFloat(text);
    return value;
}

QString build(const Placement& placement)
{
    return ratioText(placement.widthRatio) + QLatin1Char('.') + ratioText(placement.heightRatio)
        + QLatin1Char('-') + QString::number(placement.hairstyleSize.width()) + QLatin1Char('*')
        + QString::number(placement.hairstyleSize.height()) + QLatin1Char('$') + placement.photoPath;
}

QByteArray encode(const QString& text)
{
    return text.toUtf8();
}

QString decode(const QByteArray& bytes)
{
    return decodeEightBitText(bytes);
}

Fields split(const QString& text)
{
    QString rest = text;
    Fields fields;
    fields.widthRatio = takeUntil(rest, QLatin1Char('.'));
    fields.heightRatio = takeUntil(rest, QLatin1Char('-'));
    fields.hairstyleWidth = takeUntil(rest, QLatin1Char('*'));
    fields.hairstyleHeight = takeUntil(rest, QLatin1Char('$'));
    fields.photoPath = rest;
    return fields;
}

} // namespace PlacementText

} // namespace morvane
