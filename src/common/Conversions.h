#pragma once

#include <QString>

namespace morvane {

// A whole decimal number, optionally signed, in the 32-bit range.
// Throws Error "'<text>' is not a valid integer value".
int toInteger(const QString& text);

// A decimal number, with '.' or the user's own decimal separator.
// Throws Error "'<text>' is not a valid floating point value".
double toFloat(const QString& text);

// The shortest decimal form of a number; whole numbers carry no separator.
QString numberToText(double value);

} // namespace morvane
