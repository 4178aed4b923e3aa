#include "canvas/LayerMerge.h"

#include "canvas/Composition.h"
#include "imaging/Resample.h"

#include <QPainter>

namespace morvane {

namespace {

QImage photoAtShownSize(const Layer& photo)
{
    const QImage image = photo.image.convertToFormat(QImage::Format_RGB32);
    return imaging::resampleLanczos3(image, photo.shownSize());
}

} // namespace

QImage hairAtShownSize(const Composition& composition)
{
    const Layer& hair = composition.hair();
    const QImage image = hair.image.convertToFormat(QImage::Format_ARGB32);
    return imaging::resampleLanczos3(image, hair.shownSize());
}

QImage mergeLayers(const Composition& composition, QRect* area)
{
    const Layer& photo = composition.photo();
    QRect united = photo.shownRect();
    if (composition.hasHairLayer())
        united |= composition.hair().shownRect();
    if (area)
        *area = united;
    if (united.isEmpty())
        return {};

    QImage merged(united.size(), QImage::Format_ARGB32_Premultiplied);
    merged.fill(Qt::transparent);
    QPainter painter(&merged);
    painter.translate(-united.topLeft());
    painter.drawImage(photo.position, photoAtShownSize(photo));
    if (composition.hasHairLayer())
        painter.drawImage(composition.hair().position, hairAtShownSize(composition));
    painter.end();
    return merged.convertToFormat(QImage::Format_ARGB32);
}

QImage mergedCutToPhoto(const Composition& composition)
{
    QRect area;
    const QImage merged = mergeLayers(composition, &area);
    const QRect photoRect = composition.photo().shownRect();
    if (merged.isNull() || photoRect.isEmpty())
        return {};
    return merged.copy(photoRect.translated(-area.topLeft()))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace morvane
