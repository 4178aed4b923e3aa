#include "canvas/ClipboardPicture.h"

#include "imaging/ImageIO.h"

#include <QMimeData>
#include <QPainter>

namespace morvane {

namespace {

const QString kPng = QStringLiteral("image/png");
const QString kBmp = QStringLiteral("image/bmp");

QString ownType()
{
    return QLatin1String(kPictureMimeType);
}

QImage overWhite(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat;
}

} // namespace

QMimeData* pictureMimeData(const QImage& picture)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const QByteArray png = imaging::encodeImage(argb, imaging::ImageFormat::Png);
    auto* data = new QMimeData;
    data->setData(ownType(), png);
    data->setData(kPng, png);
    data->setData(kBmp, imaging::encodeImage(overWhite(picture), imaging::ImageFormat::Bmp));
    return data;
}

bool holdsPicture(const QMimeData* data)
{
    return data
        && (data->hasFormat(ownType()) || data->hasFormat(kPng) || data->hasFormat(kBmp)
            || data->hasImage());
}

QImage pictureFromMimeData(const QMimeData* data)
{
    if (!data)
        return {};
    const QString name = QStringLiteral("the clipboard picture");
    if (data->hasFormat(ownType()))
        return imaging::decodeImage(data->data(ownType()), imaging::ImageFormat::Png, name);
    if (data->hasFormat(kPng))
        return imaging::decodeImage(data->data(kPng), imaging::ImageFormat::Png, name);
    if (data->hasFormat(kBmp))
        return imaging::decodeImage(data->data(kBmp), imaging::ImageFormat::Bmp, name);
    if (data->hasImage())
        return qvariant_cast<QImage>(data->imageData());
    return {};
}

} // namespace morvane
