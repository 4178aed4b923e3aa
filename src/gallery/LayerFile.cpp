#include "gallery/LayerFile.h"

#include "common/Error.h"
#include "common/SafeFile.h"
#include "imaging/ImageLimits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <zlib.h>

#include <cstring>
#include <limits>

namespace morvane {

namespace LayerFile {

namespace {

// No layer is ever placed this far from the photo; larger values are damage.
constexpr qint32 kMaxCoordinate = 1'000'000;
// zlib never compresses better than about 1032 to 1: a length declaring
// more pixels than that is refused before anything is allocated.
constexpr qint64 kMaxDeflateRatio = 1032;
constexpr int kLayerHeaderLength = 16 + 4 + 4 + 12;

QString shownName(const QString& name)
{
    return QDir::toNativeSeparators(name);
}

Error damaged(const QString& name, const QString& what)
{
    return Error(QStringLiteral("The layer file %1 %2").arg(shownName(name), what));
}

void putU32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

void putI32(QByteArray& out, qint32 value)
{
    putU32(out, quint32(value));
}

void putU8(QByteArray& out, quint8 value)
{
    out.append(char(value));
}

// Reads the body field by field; every read checks the remaining length.
class Reader {
public:
    Reader(const QByteArray& data, qsizetype offset, const QString& name)
        : m_data(data), m_offset(offset), m_name(name)
    {
    }

    qsizetype remaining() const { return m_data.size() - m_offset; }

    quint32 u32()
    {
        need(4);
        const quint32 value = qFromLittleEndian<quint32>(m_data.constData() + m_offset);
        m_offset += 4;
        return value;
    }
    qint32 i32() { return qint32(u32()); }
    quint8 u8()
    {
        need(1);
        return quint8(m_data[m_offset++]);
    }
    const char* bytes(qsizetype length)
    {
        need(length);
        const char* at = m_data.constData() + m_offset;
        m_offset += length;
        return at;
    }

private:
    void need(qsizetype length) const
    {
        if (length < 0 || remaining() < length)
            throw damaged(m_name, QStringLiteral("is truncated"));
    }

    const QByteArray& m_data;
    qsizetype m_offset;
    const QString& m_name;
};

QByteArray pixelBytes(const QImage& image)
{
    const QImage pixels = image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QByteArray raw;
    raw.reserve(qsizetype(pixels.width()) * pixels.height() * 4);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb pixel = line[x];
            const char bgra[4] = {char(qBlue(pixel)), char(qGreen(pixel)), char(qRed(pixel)),
                                  char(qAlpha(pixel))};
            raw.append(bgra, 4);
        }
    }
    return raw;
}

QByteArray compress(const QByteArray& raw)
{
    uLongf length = compressBound(uLong(raw.size()));
    QByteArray packed(qsizetype(length), '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &length,
                  reinterpret_cast<const Bytef*>(raw.constData()), uLong(raw.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        throw Error(QStringLiteral("A layer could not be compressed"));
    packed.resize(qsizetype(length));
    return packed;
}

void encodeLayer(QByteArray& body, const Layer& layer)
{
    if (layer.image.isNull())
        throw Error(QStringLiteral("A layer without a picture cannot be saved"));
    putI32(body, layer.position.x());
    putI32(body, layer.position.y());
    putI32(body, layer.shownWidth);
    putI32(body, layer.shownHeight);
    putU8(body, layer.visible);
    putU8(body, layer.frame);
    putU8(body, layer.locked);
    putU8(body, 255);
    putU8(body, layer.image.hasAlphaChannel());
    putU8(body, 0);
    putU8(body, 0);
    putU8(body, 0);
    putU32(body, quint32(layer.image.width()));
    putU32(body, quint32(layer.image.height()));
    const QByteArray packed = compress(pixelBytes(layer.image));
    putU32(body, quint32(packed.size()));
    body += packed;
}

bool isFlag(quint8 value)
{
    return value <= 1;
}

QImage decodePixels(const char* packed, quint32 packedLength, int width, int height, bool alpha,
                    quint8 opacity, const QString& name)
{
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        throw damaged(name, QStringLiteral("holds a picture too large to load"));
    const qsizetype rowBytes = qsizetype(width) * 4;
    QByteArray raw(rowBytes * height, Qt::Uninitialized);
    uLongf length = uLongf(raw.size());
    if (uncompress(reinterpret_cast<Bytef*>(raw.data()), &length,
                   reinterpret_cast<const Bytef*>(packed), uLong(packedLength)) != Z_OK
        || length != uLongf(raw.size()))
        throw damaged(name, QStringLiteral("holds a damaged picture"));
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const quint8*>(raw.constData() + rowBytes * y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += 4) {
            int a = alpha ? in[3] : 255;
            // A layer drawn partly transparent keeps its look through its alpha.
            if (alpha && opacity != 255)
                a = (a * opacity + 127) / 255;
            line[x] = qRgba(in[2], in[1], in[0], a);
        }
    }
    return image;
}

Layer decodeLayer(Reader& reader, const QString& name)
{
    Layer layer;
    const qint32 x = reader.i32();
    const qint32 y = reader.i32();
    layer.shownWidth = reader.i32();
    layer.shownHeight = reader.i32();
    const quint8 visible = reader.u8();
    const quint8 frame = reader.u8();
    const quint8 locked = reader.u8();
    quint8 opacity = reader.u8();
    const quint8 alpha = reader.u8();
    reader.bytes(3);
    const quint32 width = reader.u32();
    const quint32 height = reader.u32();
    const quint32 packedLength = reader.u32();

    if (!isFlag(visible) || !isFlag(frame) || !isFlag(locked) || !isFlag(alpha))
        throw damaged(name, QStringLiteral("is damaged"));
    if (qAbs(qint64(x)) > kMaxCoordinate || qAbs(qint64(y)) > kMaxCoordinate
        || layer.shownWidth < 0 || layer.shownHeight < 0
        || layer.shownWidth > imaging::kMaxImageSide || layer.shownHeight > imaging::kMaxImageSide)
        throw damaged(name, QStringLiteral("places a layer out of every reasonable range"));
    if (!imaging::imageSizeAllowed(width, height))
        throw damaged(name, QStringLiteral("declares a picture of %1 x %2 pixels, larger than allowed")
                                .arg(width)
                                .arg(height));
    const qint64 rawLength = qint64(width) * height * 4;
    if (qint64(packedLength) > reader.remaining())
        throw damaged(name, QStringLiteral("is truncated"));
    if (rawLength > (qint64(packedLength) + 64) * kMaxDeflateRatio)
        throw damaged(name, QStringLiteral("declares more pixels than it holds"));
    if (!alpha)
        opacity = 255;
    const char* packed = reader.bytes(qsizetype(packedLength));
    layer.position = QPoint(x, y);
    layer.visible = visible;
    layer.frame = frame;
    layer.locked = locked;
    layer.image = decodePixels(packed, packedLength, int(width), int(height), alpha, opacity, name);
    return layer;
}

} // namespace

quint32 checksum(const QByteArray& body)
{
    return quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(body.constData()),
                         uInt(body.size())));
}

QByteArray encode(const Composition& composition)
{
    QByteArray body;
    putU32(body, quint32(composition.layerCount()));
    putU32(body, quint32(composition.currentLayer()));
    for (int index = 0; index < composition.layerCount(); ++index)
        encodeLayer(body, composition.layer(index));

    QByteArray file(kMagic, kMagicLength);
    putU32(file, kVersion);
    putU32(file, quint32(body.size()));
    putU32(file, checksum(body));
    return file + body;
}

LayerFileContent decode(const QByteArray& data, const QString& name)
{
    if (data.size() < kMagicLength || std::memcmp(data.constData(), kMagic, kMagicLength) != 0)
        throw damaged(name, QStringLiteral("is not a layer file"));
    Reader header(data, kMagicLength, name);
    const quint32 version = header.u32();
    if (version != kVersion)
        throw damaged(name, QStringLiteral("has version %1, which this program cannot read").arg(version));
    const quint32 bodyLength = header.u32();
    const quint32 storedChecksum = header.u32();
    if (qint64(bodyLength) != header.remaining())
        throw damaged(name, qint64(bodyLength) > header.remaining()
                                ? QStringLiteral("is truncated")
                                : QStringLiteral("has data after its end"));
    const QByteArray body = QByteArray::fromRawData(data.constData() + kHeaderLength, bodyLength);
    if (checksum(body) != storedChecksum)
        throw damaged(name, QStringLiteral("is damaged (its checksum does not match)"));

    Reader reader(data, kHeaderLength, name);
    const quint32 count = reader.u32();
    const quint32 current = reader.u32();
    if (count < 1 || count > 2 || current >= count)
        throw damaged(name, QStringLiteral("holds %1 layers, the canvas takes one or two").arg(count));
    LayerFileContent content;
    content.currentLayer = int(current);
    for (quint32 index = 0; index < count; ++index) {
        if (reader.remaining() < kLayerHeaderLength)
            throw damaged(name, QStringLiteral("is truncated"));
        content.layers.push_back(decodeLayer(reader, name));
    }
    if (reader.remaining() != 0)
        throw damaged(name, QStringLiteral("has data after its end"));
    // The photo layer is opaque whatever the file says.
    if (content.layers.front().image.hasAlphaChannel())
        content.layers.front().image =
            content.layers.front().image.convertToFormat(QImage::Format_RGB32);
    return content;
}

void save(const QString& path, const Composition& composition)
{
    writeFileAtomically(path, encode(composition));
}

LayerFileContent load(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open the layer file %1").arg(shownName(path)));
    if (file.size() > imaging::kMaxImageFileBytes)
        throw damaged(path, QStringLiteral("is larger than any layer file"));
    return decode(file.readAll(), path);
}

void apply(const LayerFileContent& content, Composition& composition)
{
    composition.removeHairLayer();
    if (content.layers.size() > 1)
        composition.addHairLayer();
    for (int index = 0; index < int(content.layers.size()); ++index) {
        composition.layer(index) = content.layers[size_t(index)];
        composition.takeSnapshot(index);
    }
    composition.setCurrentLayer(content.currentLayer);
    composition.notifyChanged();
}

} // namespace LayerFile

} // namespace morvane
