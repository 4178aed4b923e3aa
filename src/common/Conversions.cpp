#include "common/Conversions.h"

#include "common/Error.h"

#include <QLocale>

#include <cmath>

namespace morvane {

int toInteger(const QString& text)
{
    bool ok = false;
    int value = 0;
    const bool wellFormed = !text.isEmpty() && !text.front().isSpace() && !text.back().isSpace();
    if (wellFormed)
        value = text.toInt(&ok, 10);
    if (!ok)
        throw Error(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

double toFloat(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = 0;
    if (!trimmed.isEmpty()) {
        value = QLocale::c().toDouble(trimmed, &ok);
        if (!ok)
            value = QLocale::system().toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value))
        throw Error(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QString numberToText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 15);
}

} // namespace morvane
