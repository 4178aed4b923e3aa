#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace morvane {

// The placement text a gallery picture carries, which lets a reopened item
// pick up where it was left:
//   width ratio "." height ratio "-" hairstyle width "*" hairstyle height "$" photo path
// The ratios are written with a comma as decimal separator, so the first
// "." always ends the first field.
struct Placement {
    double widthRatio = 0;
    double heightRatio = 0;
    QSize hairstyleSize;
    QString photoPath;
};

namespace PlacementText {

// A ratio as the text holds it: up to 15 significant digits, a comma as
// decimal separator, never an exponent (whose "-" would end the field
// early), no trailing zeros: 0,75 or 1.
QString ratioText(double value);

// Reads a ratio written with a comma. Throws Error
// "'<text>' is not a valid floating point value" for anything else, also
// for a value that is negative or absurdly large.
double ratioFromText(const QString& text);

QString build(const Placement& placement);

// The bytes stored in the picture: UTF-8 here, and read back as
// Windows-1252 when they are not UTF-8 (pictures of earlier installations).
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// The five fields, split at the first ".", then the first "-" after it, the
// first "*" after that and the first "$" after that; the photo path is the
// rest. A missing separator leaves its field and the later ones empty.
struct Fields {
    QString widthRatio, heightRatio, hairstyleWidth, hairstyleHeight, photoPath;
};
Fields split(const QString& text);

} // namespace PlacementText

} // namespace morvane
