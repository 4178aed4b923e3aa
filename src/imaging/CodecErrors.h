#pragma once

#include "common/Error.h"

#include <QDir>
#include <QString>

namespace morvane::imaging {

// The texts of codec failures. The error box adds the full stop, so a
// reason never ends with one.
inline QString trimmedReason(QString reason)
{
    reason = reason.trimmed();
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return reason;
}

inline Error readError(const QString& name, const QString& reason)
{
    return Error(QStringLiteral("Cannot read the image file %1: %2")
                     .arg(QDir::toNativeSeparators(name), trimmedReason(reason)));
}

inline Error writeError(const QString& name, const QString& reason)
{
    if (name.isEmpty())
        return Error(QStringLiteral("Cannot write the image: %1").arg(trimmedReason(reason)));
    return Error(QStringLiteral("Cannot write the image file %1: %2")
                     .arg(QDir::toNativeSeparators(name), trimmedReason(reason)));
}

inline QString tooLargeReason(qint64 width, qint64 height)
{
    return QStringLiteral("the image is too large (%1 x %2 pixels)").arg(width).arg(height);
}

} // namespace morvane::imaging
