#include "canvas/Composition.h"

#include "common/Error.h"

#include <cmath>

namespace morvane {

namespace {

const QColor kDefaultBackground(0xAD, 0xD8, 0xE6);

// Round to nearest, halves to even (the default floating-point rounding mode).
int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

QImage blankImage(QSize size, QImage::Format format, const QColor& colour)
{
    QImage image(size, format);
    image.fill(colour);
    return image;
}

Layer defaultPhotoLayer(const QColor& background)
{
    Layer photo;
    // Before the first photo: a blank image in the background colour.
    photo.image = blankImage(QSize(1, 1), QImage::Format_RGB32, background);
    return photo;
}

} // namespace

QSize Layer::shownSize() const
{
    return QSize(shownWidth > 0 ? shownWidth : image.width(),
                 shownHeight > 0 ? shownHeight : image.height());
}

QRect Layer::shownRect() const
{
    return QRect(position, shownSize());
}

Composition::Composition(QObject* parent)
    : QObject(parent)
    , m_background(kDefaultBackground)
{
    m_layers.push_back(defaultPhotoLayer(m_background));
}

int Composition::layerCount() const
{
    return static_cast<int>(m_layers.size());
}

Layer& Composition::layer(int index)
{
    if (index < 0 || index >= layerCount())
        throw Error(QStringLiteral("The canvas has no layer %1").arg(index));
    return m_layers[static_cast<size_t>(index)];
}

const Layer& Composition::layer(int index) const
{
    return const_cast<Composition*>(this)->layer(index);
}

int Composition::currentLayer() const
{
    return m_current;
}

void Composition::setCurrentLayer(int index)
{
    if (index < 0 || index >= layerCount())
        throw Error(QStringLiteral("The canvas has no layer %1").arg(index));
    if (m_current == index)
        return;
    m_current = index;
    emit changed();
}

QColor Composition::backgroundColour() const
{
    return m_background;
}

void Composition::setBackgroundColour(const QColor& colour)
{
    if (m_background == colour)
        return;
    m_background = colour;
    emit changed();
}

void Composition::addHairLayer()
{
    if (hasHairLayer()) {
        setCurrentLayer(kHairLayer);
        return;
    }
    Layer hair;
    // Blank, the photo's size, in the background colour: fully opaque.
    const QSize size = photo().image.isNull() ? QSize(1, 1) : photo().image.size();
    hair.image = blankImage(size, QImage::Format_ARGB32, m_background);
    m_layers.push_back(std::move(hair));
    m_current = kHairLayer;
    emit changed();
}

void Composition::removeHairLayer()
{
    if (hasHairLayer())
        m_layers.resize(1);
    m_selection.clear(); // it belonged to the picture being replaced
    Layer& p = photo();
    p.position = QPoint(0, 0);
    p.shownWidth = 0;
    p.shownHeight = 0;
    p.visible = true;
    p.locked = false;
    p.frame = true;
    m_current = kPhotoLayer;
    emit changed();
}

void Composition::clearPhotoImage()
{
    Layer& p = photo();
    if (p.image.isNull())
        p.image = blankImage(QSize(1, 1), QImage::Format_RGB32, m_background);
    else
        p.image.fill(m_background);
    emit changed();
}

void Composition::takeSnapshot(int index)
{
    const QImage copy = layer(index).image.copy();
    if (index == kPhotoLayer)
        m_photoSnapshot = copy;
    else
        m_hairSnapshot = copy;
}

void Composition::restoreCurrentLayer()
{
    const QImage& snapshot = m_current == kPhotoLayer ? m_photoSnapshot : m_hairSnapshot;
    if (snapshot.isNull())
        return;
    layer(m_current).image = snapshot.copy();
    emit changed();
}

void Composition::setHairRatios(double widthRatio, double heightRatio)
{
    m_hairWidthRatio = widthRatio;
    m_hairHeightRatio = heightRatio;
}

QSize Composition::shownSizeForHairstyle(const QSize& imageSize) const
{
    return QSize(roundHalfEven(imageSize.width() * m_hairWidthRatio),
                 roundHalfEven(imageSize.height() * m_hairHeightRatio));
}

void Composition::recomputeHairRatios()
{
    if (!hasHairLayer())
        return;
    const QSize shown = hair().shownSize();
    if (m_hairstyleImageSize.width() > 0)
        m_hairWidthRatio = double(shown.width()) / m_hairstyleImageSize.width();
    if (m_hairstyleImageSize.height() > 0)
        m_hairHeightRatio = double(shown.height()) / m_hairstyleImageSize.height();
}

void Composition::notifyChanged()
{
    emit changed();
}

} // namespace morvane
