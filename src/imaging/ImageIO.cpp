#include "imaging/ImageIO.h"

#include "common/SafeFile.h"
#include "imaging/CodecErrors.h"
#include "imaging/ImageLimits.h"
#include "imaging/PngCodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <cstring>

namespace morvane::imaging {

namespace {

struct Registration {
    const char* extension;
    ImageFormat format;
};

constexpr Registration kRegistry[] = {
    {"png", ImageFormat::Png},  {"jpg", ImageFormat::Jpeg}, {"jpeg", ImageFormat::Jpeg},
    {"jpe", ImageFormat::Jpeg}, {"jfif", ImageFormat::Jpeg}, {"bmp", ImageFormat::Bmp},
    {"gif", ImageFormat::Gif},  {"tif", ImageFormat::Tiff}, {"tiff", ImageFormat::Tiff},
    {"ico", ImageFormat::Ico},
};

// The Qt image plugin of the formats that do not have a codec of their own.
QByteArray qtFormatName(ImageFormat format)
{
    switch (format) {
    case ImageFormat::Bmp: return QByteArrayLiteral("bmp");
    case ImageFormat::Gif: return QByteArrayLiteral("gif");
    case ImageFormat::Tiff: return QByteArrayLiteral("tiff");
    case ImageFormat::Ico: return QByteArrayLiteral("ico");
    default: return {};
    }
}

QString formatTitle(ImageFormat format)
{
    switch (format) {
    case ImageFormat::Png: return QStringLiteral("PNG");
    case ImageFormat::Jpeg: return QStringLiteral("JPEG");
    case ImageFormat::Bmp: return QStringLiteral("BMP");
    case ImageFormat::Gif: return QStringLiteral("GIF");
    case ImageFormat::Tiff: return QStringLiteral("TIFF");
    case ImageFormat::Ico: return QStringLiteral("ICO");
    case ImageFormat::Unknown: break;
    }
    return QStringLiteral("image");
}

QString plainReason(QString reason)
{
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return reason;
}

// Reads through the plugin of `format` only: the content is never sniffed.
class PluginReader {
public:
    PluginReader(const QByteArray& data, ImageFormat format)
        : m_buffer(const_cast<QByteArray*>(&data)), m_reader(&m_buffer, qtFormatName(format))
    {
        m_buffer.open(QIODevice::ReadOnly);
        m_reader.setAutoDetectImageFormat(false);
        m_reader.setDecideFormatFromContent(false);
    }

    QImageReader& reader() { return m_reader; }

    QString reason()
    {
        const QString text = m_reader.errorString();
        return text.isEmpty() ? QStringLiteral("the image data is damaged") : plainReason(text);
    }

private:
    QBuffer m_buffer;
    QImageReader m_reader;
};

QSize pluginSize(const QByteArray& data, ImageFormat format, const QString& name)
{
    PluginReader plugin(data, format);
    if (!plugin.reader().canRead())
        throw readError(name, QStringLiteral("the %1 header is damaged").arg(formatTitle(format)));
    const QSize size = plugin.reader().size();
    if (!size.isValid())
        throw readError(name, QStringLiteral("the %1 header is damaged").arg(formatTitle(format)));
    return size;
}

QImage decodeWithPlugin(const QByteArray& data, ImageFormat format, const QString& name)
{
    const QSize size = pluginSize(data, format, name);
    if (!imageSizeAllowed(size.width(), size.height()))
        throw readError(name, tooLargeReason(size.width(), size.height()));
    PluginReader plugin(data, format);
    QImage image = plugin.reader().read();
    if (image.isNull())
        throw readError(name, plugin.reason());
    const QImage::Format target =
        format == ImageFormat::Bmp ? QImage::Format_RGB32 : QImage::Format_ARGB32;
    if (image.format() != target)
        image = image.convertToFormat(target);
    if (image.isNull())
        throw readError(name, QStringLiteral("not enough memory for the image"));
    return image;
}

QSize headerSize(const QByteArray& data, ImageFormat format, const QString& name)
{
    switch (format) {
    case ImageFormat::Png: return pngSize(data, name);
    case ImageFormat::Jpeg: return jpegSize(data, name);
    case ImageFormat::Unknown: return {};
    default: return pluginSize(data, format, name);
    }
}

bool headerFits(const QByteArray& data, ImageFormat format, const QString& path)
{
    try {
        const QSize size = headerSize(data, format, path);
        return imageSizeAllowed(size.width(), size.height());
    } catch (const Error&) {
        return false;
    }
}

QByteArray readFileContent(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw readError(path, QStringLiteral("the file does not exist"));
    if (info.isDir())
        throw readError(path, QStringLiteral("it is a folder"));
    if (info.size() > kMaxImageFileBytes)
        throw readError(path, QStringLiteral("the file is too large"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw readError(path, plainReason(file.errorString()));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw readError(path, plainReason(file.errorString()));
    return data;
}

} // namespace

ImageFormat formatForPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty())
        return ImageFormat::Unknown;
    for (const Registration& entry : kRegistry) {
        if (suffix == QLatin1String(entry.extension))
            return entry.format;
    }
    return ImageFormat::Unknown;
}

bool hasRegisteredExtension(const QString& path)
{
    return formatForPath(path) != ImageFormat::Unknown;
}

QStringList registeredExtensions()
{
    QStringList list;
    for (const Registration& entry : kRegistry)
        list.append(QString::fromLatin1(entry.extension));
    return list;
}

ImageFormat formatOfContent(const QByteArray& head)
{
    const auto* b = reinterpret_cast<const unsigned char*>(head.constData());
    const qsizetype n = head.size();
    if (n >= 8 && std::memcmp(b, "\x89PNG\r\n\x1a\n", 8) == 0)
        return ImageFormat::Png;
    if (n >= 3 && b[0] == 0xff && b[1] == 0xd8 && b[2] == 0xff)
        return ImageFormat::Jpeg;
    if (n >= 6 && (std::memcmp(b, "GIF87a", 6) == 0 || std::memcmp(b, "GIF89a", 6) == 0))
        return ImageFormat::Gif;
    if (n >= 4
        && (std::memcmp(b, "II*\0", 4) == 0 || std::memcmp(b, "MM\0*", 4) == 0
            || std::memcmp(b, "II+\0", 4) == 0 || std::memcmp(b, "MM\0+", 4) == 0))
        return ImageFormat::Tiff;
    if (n >= 14 && b[0] == 'B' && b[1] == 'M')
        return ImageFormat::Bmp;
    // Icon directory: reserved 0, type 1, at least one image.
    if (n >= 6 && b[0] == 0 && b[1] == 0 && b[2] == 1 && b[3] == 0 && (b[4] != 0 || b[5] != 0))
        return ImageFormat::Ico;
    return ImageFormat::Unknown;
}

bool verifyFormat(const QString& path)
{
    const ImageFormat format = formatForPath(path);
    if (format == ImageFormat::Unknown)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Most headers fit in the first block; a JPEG with large metadata
    // segments before its frame header needs the whole file.
    constexpr qint64 kHeadBytes = 64 * 1024;
    QByteArray head = file.read(kHeadBytes);
    if (formatOfContent(head) != format)
        return false;
    if (headerFits(head, format, path))
        return true;
    if (file.size() <= head.size() || file.size() > kMaxImageFileBytes)
        return false;
    file.seek(0);
    return headerFits(file.readAll(), format, path);
}

QImage decodeImage(const QByteArray& data, ImageFormat format, const QString& name,
                   const ReadOptions& options)
{
    if (format == ImageFormat::Unknown)
        throw readError(name, QStringLiteral("the file type is not supported"));
    if (data.isEmpty())
        throw readError(name, QStringLiteral("the file is empty"));
    if (formatOfContent(data) != format)
        throw readError(name,
                        QStringLiteral("the content is not a %1 image").arg(formatTitle(format)));
    switch (format) {
    case ImageFormat::Png: return decodePng(data, name);
    case ImageFormat::Jpeg: return decodeJpeg(data, name, options.minSide);
    default: return decodeWithPlugin(data, format, name);
    }
}

QImage readImage(const QString& path, const ReadOptions& options)
{
    const ImageFormat format = formatForPath(path);
    if (format == ImageFormat::Unknown)
        throw readError(path, QStringLiteral("the file type is not supported"));
    return decodeImage(readFileContent(path), format, path, options);
}

QByteArray readImageFileContent(const QString& path)
{
    return readFileContent(path);
}

QByteArray encodeImage(const QImage& image, ImageFormat format, const WriteOptions& options,
                       const QString& name)
{
    if (image.isNull())
        throw writeError(name, QStringLiteral("the image is empty"));
    switch (format) {
    case ImageFormat::Png:
        return encodePng(image, PngOptions{options.pngCompressionLevel, options.pngSingleFilter},
                         name);
    case ImageFormat::Jpeg: return encodeJpeg(image, options.jpegQuality, name);
    case ImageFormat::Unknown:
        throw writeError(name, QStringLiteral("the file type is not supported"));
    case ImageFormat::Gif:
        throw writeError(name, QStringLiteral("GIF images cannot be written"));
    default: break;
    }
    QImage converted = image;
    if (format == ImageFormat::Bmp)
        converted = image.convertToFormat(QImage::Format_RGB32);
    else if (image.hasAlphaChannel())
        converted = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, qtFormatName(format));
    if (format == ImageFormat::Tiff)
        writer.setCompression(1); // LZW
    if (!writer.write(converted)) {
        const QString reason = writer.errorString();
        throw writeError(name, reason.isEmpty() ? QStringLiteral("the encoder failed")
                                                : plainReason(reason));
    }
    return out;
}

void writeImage(const QString& path, const QImage& image, const WriteOptions& options)
{
    const ImageFormat format = formatForPath(path);
    writeFileAtomically(path, encodeImage(image, format, options, path));
}

} // namespace morvane::imaging
