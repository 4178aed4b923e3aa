#include "support/TempContent.h"

#include "imaging/ImageIO.h"
#include "library/HairTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace morvane::test {

TempContent::TempContent()
{
    m_root = m_dir.path() + QLatin1Char('/');
    QDir root(m_dir.path());
    QStringList folders{QStringLiteral("Photos"), QStringLiteral("Gallery"),
                        QStringLiteral("Preview"), QStringLiteral("Temp")};
    QStringList groups = styleGroupNames();
    groups.append(QStringLiteral("Styles6b"));
    for (const QString& group : groups) {
        for (const QString& type : hairTypeNames())
            folders.append(group + QLatin1Char('/') + type);
    }
    for (const QString& folder : folders)
        root.mkpath(folder);
}

void TempContent::writeSettings(const QStringList& keyValueLines) const
{
    QByteArray text = "[Morvane 2010]\r\n";
    for (const QString& line : keyValueLines)
        text += line.toUtf8() + "\r\n";
    writeFile(QStringLiteral("morvane2010.ini"), text);
}

void TempContent::writeDefaultSettings() const
{
    writeSettings({QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                   QStringLiteral("PercColorMix=30"), QStringLiteral("IntensityMakeUp=5"),
                   QStringLiteral("StylesButton=Styles7"),
                   QStringLiteral("TypeButton=Short and Light"), QStringLiteral("AutoTime=2"),
                   QStringLiteral("SalonName=Test Salon"), QStringLiteral("Language=EN")});
}

void TempContent::writeFile(const QString& relativePath, const QByteArray& bytes) const
{
    const QString path = m_root + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

void TempContent::addHairstyle(const QString& group, const QString& type, int number, QSize size) const
{
    imaging::writeImage(paths().hairstyleFile(group, type, number), makeHairImage(size));
}

QString TempContent::addPhoto(const QString& name, QSize size) const
{
    const QString path = paths().photosFolder() + QLatin1Char('/') + name;
    imaging::writeImage(path, makePhotoImage(size));
    return path;
}

QImage makeHairImage(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int alpha = (x * 255) / qMax(1, size.width() - 1);
            line[x] = qRgba(qRed(colour), qGreen(colour), (qBlue(colour) + y) & 0xff, alpha);
        }
    }
    return image;
}

QImage makePhotoImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb((x * 7) & 0xff, (y * 5) & 0xff, 160);
    }
    return image;
}

} // namespace morvane::test
