#pragma once

#include "library/ContentPaths.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace morvane::test {

// A content tree in a temporary folder: every fixed folder of the program
// (Photos, the style groups with their hair type folders, Styles6b,
// Gallery, Preview, Temp), empty, plus helpers to put files into it.
class TempContent {
public:
    TempContent();

    const QString& root() const { return m_root; }
    ContentPaths paths() const { return ContentPaths(m_root); }

    // Writes a settings file with the given lines (each "Key=Value").
    void writeSettings(const QStringList& keyValueLines) const;
    // The nine keys with the shipped demo values.
    void writeDefaultSettings() const;

    void writeFile(const QString& relativePath, const QByteArray& bytes) const;
    // A small hairstyle picture with real alpha, written as PNG.
    void addHairstyle(const QString& group, const QString& type, int number,
                      QSize size = QSize(40, 50)) const;
    // A small photo written as JPEG into Photos.
    QString addPhoto(const QString& name, QSize size = QSize(64, 48)) const;

private:
    QTemporaryDir m_dir;
    QString m_root;
};

// A picture with an alpha gradient, for codec and layer tests.
QImage makeHairImage(QSize size, QRgb colour = qRgb(120, 80, 40));
QImage makePhotoImage(QSize size);

} // namespace morvane::test
