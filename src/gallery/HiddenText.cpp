#include "gallery/HiddenText.h"

#include <QtEndian>

#include <array>

namespace morvane {

namespace HiddenText {

namespace {

constexpr int kHeaderBytes = 8;

// Walks the colour bytes of a 32-bit picture in the stored order.
class ColourBytes {
public:
    explicit ColourBytes(const QImage& image)
        : m_image(image), m_count(colourByteCount(image))
    {
    }

    qint64 count() const { return m_count; }

    int value(qint64 index) const
    {
        const QRgb pixel = pixelAt(index);
        switch (index % 3) {
        case 0: return qBlue(pixel);
        case 1: return qGreen(pixel);
        default: return qRed(pixel);
        }
    }

    void setValue(QImage& image, qint64 index, int value) const
    {
        const qint64 pixelIndex = index / 3;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(pixelIndex / image.width())));
        QRgb& pixel = line[pixelIndex % image.width()];
        int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
        switch (index % 3) {
        case 0: b = value; break;
        case 1: g = value; break;
        default: r = value; break;
        }
        pixel = qRgba(r, g, b, qAlpha(pixel));
    }

private:
    QRgb pixelAt(qint64 index) const
    {
        const qint64 pixelIndex = index / 3;
        const auto* line =
            reinterpret_cast<const QRgb*>(m_image.constScanLine(int(pixelIndex / m_image.width())));
        return line[pixelIndex % m_image.width()];
    }

    const QImage& m_image;
    qint64 m_count;
};

int withLowestBit(int value, bool bit)
{
    if (bool(value & 1) == bit)
        return value;
    return value == 255 ? 254 : value + 1;
}

bool isThirtyTwoBit(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

} // namespace

qint64 colourByteCount(const QImage& image)
{
    return image.isNull() ? 0 : qint64(image.width()) * image.height() * 3;
}

void write(QImage& image, const QByteArray& data)
{
    if (image.isNull())
        return;
    if (!isThirtyTwoBit(image))
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                              : QImage::Format_RGB32);
    QByteArray stored(kHeaderBytes, '\0');
    qToLittleEndian<quint32>(quint32(data.size()), stored.data() + 4);
    stored += data;

    const ColourBytes bytes(image);
    const qint64 bits = qMin<qint64>(qint64(stored.size()) * 8, bytes.count());
    for (qint64 index = 0; index < bits; ++index) {
        const bool bit = (quint8(stored[index / 8]) >> (index % 8)) & 1;
        const int before = bytes.value(index);
        const int after = withLowestBit(before, bit);
        if (after != before)
            bytes.setValue(image, index, after);
    }
}

QByteArray read(const QImage& source)
{
    const QImage image = source.isNull() || isThirtyTwoBit(source)
        ? source
        : source.convertToFormat(QImage::Format_ARGB32);
    const ColourBytes bytes(image);
    auto byteAt = [&bytes](qint64 index) {
        quint8 value = 0;
        for (int bit = 0; bit < 8; ++bit)
            value |= quint8((bytes.value(index * 8 + bit) & 1) << bit);
        return value;
    };
    const qint64 storedBytes = bytes.count() / 8;
    if (storedBytes < kHeaderBytes)
        return {};
    std::array<quint8, kHeaderBytes> header{};
    for (int index = 0; index < kHeaderBytes; ++index)
        header[size_t(index)] = byteAt(index);
    if (header[0] != 0 || header[1] != 0 || header[2] != 0 || header[3] != 0)
        return {};
    const quint32 length = qFromLittleEndian<quint32>(header.data() + 4);
    if (qint64(length) >= bytes.count())
        return {};
    const qint64 available = qMin<qint64>(length, storedBytes - kHeaderBytes);
    QByteArray data(qsizetype(available), '\0');
    for (qint64 index = 0; index < available; ++index)
        data[qsizetype(index)] = char(byteAt(kHeaderBytes + index));
    return data;
}

} // namespace HiddenText

} // namespace morvane
