#include "imaging/PngCodec.h"

#include "imaging/CodecErrors.h"
#include "imaging/ImageLimits.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace morvane::imaging {

namespace {

// libpng reports errors through png_error, which longjmps back to the
// setjmp of the phase that is running. Each phase is a small function that
// holds no object with a destructor, so nothing is skipped by the jump; the
// C++ code around the phases owns the buffers and the libpng structures.

constexpr std::size_t kMessageSize = 256;

void copyMessage(char* target, const char* text)
{
    std::strncpy(target, text ? text : "unknown error", kMessageSize - 1);
    target[kMessageSize - 1] = '\0';
}

struct PngReadJob {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    std::size_t pos = 0;
    bool truncated = false;
    char message[kMessageSize] = {};
    png_structp png = nullptr;
    png_infop info = nullptr;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int colorType = 0;
    int bitDepth = 0;
    png_size_t rowBytes = 0;
    png_bytep* rows = nullptr;
};

void readErrorFn(png_structp png, png_const_charp text)
{
    auto* job = static_cast<PngReadJob*>(png_get_error_ptr(png));
    if (!job->truncated)
        copyMessage(job->message, text);
    png_longjmp(png, 1);
}

void silentWarningFn(png_structp, png_const_charp) {}

void readDataFn(png_structp png, png_bytep target, png_size_t length)
{
    auto* job = static_cast<PngReadJob*>(png_get_io_ptr(png));
    if (length > job->size - job->pos) {
        job->truncated = true;
        png_error(png, "the file is truncated");
    }
    std::memcpy(target, job->data + job->pos, length);
    job->pos += length;
}

bool pngReadHeader(PngReadJob* job)
{
    if (setjmp(png_jmpbuf(job->png)))
        return false;
    png_set_read_fn(job->png, job, readDataFn);
    png_set_user_limits(job->png, kMaxImageSide, kMaxImageSide);
    png_set_benign_errors(job->png, 1);
    png_read_info(job->png, job->info);
    job->width = png_get_image_width(job->png, job->info);
    job->height = png_get_image_height(job->png, job->info);
    job->colorType = png_get_color_type(job->png, job->info);
    job->bitDepth = png_get_bit_depth(job->png, job->info);
    return true;
}

// Everything becomes 8-bit B, G, R, A in memory (QImage's ARGB32 on a
// little-endian machine; A, R, G, B on a big-endian one).
bool pngSetUpTransforms(PngReadJob* job)
{
    if (setjmp(png_jmpbuf(job->png)))
        return false;
    png_structp png = job->png;
    png_set_expand(png); // palette to RGB, grey to 8 bits, tRNS to alpha
    png_set_strip_16(png);
    if (!(job->colorType & PNG_COLOR_MASK_COLOR))
        png_set_gray_to_rgb(png);
    const bool hasAlpha = (job->colorType & PNG_COLOR_MASK_ALPHA)
        || png_get_valid(png, job->info, PNG_INFO_tRNS);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    if (!hasAlpha)
        png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    png_set_bgr(png);
#else
    if (!hasAlpha)
        png_set_filler(png, 0xff, PNG_FILLER_BEFORE);
    else
        png_set_swap_alpha(png);
#endif
    png_set_interlace_handling(png);
    png_read_update_info(png, job->info);
    job->rowBytes = png_get_rowbytes(png, job->info);
    return true;
}

bool pngReadRows(PngReadJob* job)
{
    if (setjmp(png_jmpbuf(job->png)))
        return false;
    png_read_image(job->png, job->rows);
    return true;
}

struct ReadStructs {
    PngReadJob* job;
    ~ReadStructs() { png_destroy_read_struct(&job->png, &job->info, nullptr); }
};

const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

// Checks the signature and sets up libpng; throws on failure.
void openPng(PngReadJob& job, const QByteArray& data, const QString& name)
{
    if (data.isEmpty())
        throw readError(name, QStringLiteral("the file is empty"));
    if (data.size() < 8 || std::memcmp(data.constData(), kSignature, 8) != 0)
        throw readError(name, QStringLiteral("the content is not a PNG image"));
    job.data = reinterpret_cast<const unsigned char*>(data.constData());
    job.size = static_cast<std::size_t>(data.size());
    job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job, readErrorFn, silentWarningFn);
    if (job.png)
        job.info = png_create_info_struct(job.png);
    if (!job.png || !job.info)
        throw readError(name, QStringLiteral("out of memory"));
}

Error failure(const PngReadJob& job, const QString& name)
{
    if (job.truncated)
        return readError(name, QStringLiteral("the file is truncated"));
    return readError(name, QString::fromLatin1(job.message));
}

// The size in the IHDR chunk, which must come first; lets an oversized
// header be reported with its size before libpng's own limit stops it.
bool declaredSize(const QByteArray& data, qint64* width, qint64* height)
{
    if (data.size() < 24 || std::memcmp(data.constData() + 12, "IHDR", 4) != 0)
        return false;
    auto be32 = [&](int at) {
        const auto* p = reinterpret_cast<const unsigned char*>(data.constData() + at);
        return (qint64(p[0]) << 24) | (qint64(p[1]) << 16) | (qint64(p[2]) << 8) | qint64(p[3]);
    };
    *width = be32(16);
    *height = be32(20);
    return true;
}

} // namespace

QImage decodePng(const QByteArray& data, const QString& name)
{
    PngReadJob job;
    ReadStructs structs{&job};
    openPng(job, data, name);

    qint64 declaredWidth = 0;
    qint64 declaredHeight = 0;
    if (declaredSize(data, &declaredWidth, &declaredHeight) && declaredWidth > 0
        && declaredHeight > 0 && !imageSizeAllowed(declaredWidth, declaredHeight))
        throw readError(name, tooLargeReason(declaredWidth, declaredHeight));

    if (!pngReadHeader(&job))
        throw failure(job, name);
    if (!imageSizeAllowed(job.width, job.height))
        throw readError(name, tooLargeReason(job.width, job.height));
    if (!pngSetUpTransforms(&job))
        throw failure(job, name);
    if (job.rowBytes != std::size_t(job.width) * 4)
        throw readError(name, QStringLiteral("unsupported pixel layout"));

    QImage image(int(job.width), int(job.height), QImage::Format_ARGB32);
    if (image.isNull())
        throw readError(name, QStringLiteral("not enough memory for the image"));
    std::vector<png_bytep> rows(job.height);
    for (png_uint_32 y = 0; y < job.height; ++y)
        rows[y] = image.scanLine(int(y));
    job.rows = rows.data();
    if (!pngReadRows(&job))
        throw failure(job, name);
    return image;
}

QSize pngSize(const QByteArray& data, const QString& name)
{
    PngReadJob job;
    ReadStructs structs{&job};
    openPng(job, data, name);
    qint64 declaredWidth = 0;
    qint64 declaredHeight = 0;
    // libpng's own side limit would refuse these before telling the size.
    if (declaredSize(data, &declaredWidth, &declaredHeight)
        && (declaredWidth > kMaxImageSide || declaredHeight > kMaxImageSide)
        && declaredWidth > 0 && declaredHeight > 0 && declaredWidth <= PNG_UINT_31_MAX
        && declaredHeight <= PNG_UINT_31_MAX)
        return QSize(int(declaredWidth), int(declaredHeight));
    if (!pngReadHeader(&job))
        throw failure(job, name);
    return QSize(int(job.width), int(job.height));
}

namespace {

struct PngWriteJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    QByteArray* out = nullptr;
    bool outOfMemory = false;
    char message[kMessageSize] = {};
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    bool alpha = false;
    int compressionLevel = -1;
    bool singleFilter = false;
    png_bytep* rows = nullptr;
};

void writeErrorFn(png_structp png, png_const_charp text)
{
    auto* job = static_cast<PngWriteJob*>(png_get_error_ptr(png));
    copyMessage(job->message, text);
    png_longjmp(png, 1);
}

void writeDataFn(png_structp png, png_bytep data, png_size_t length)
{
    auto* job = static_cast<PngWriteJob*>(png_get_io_ptr(png));
    try {
        job->out->append(reinterpret_cast<const char*>(data), qsizetype(length));
    } catch (const std::bad_alloc&) {
        job->outOfMemory = true;
    }
    if (job->outOfMemory)
        png_error(png, "out of memory");
}

void flushFn(png_structp) {}

bool pngWrite(PngWriteJob* job)
{
    if (setjmp(png_jmpbuf(job->png)))
        return false;
    png_structp png = job->png;
    png_set_write_fn(png, job, writeDataFn, flushFn);
    if (job->compressionLevel >= 0)
        png_set_compression_level(png, job->compressionLevel);
    if (job->singleFilter)
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_IHDR(png, job->info, job->width, job->height, 8,
                 job->alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, job->info);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    if (!job->alpha)
        png_set_filler(png, 0, PNG_FILLER_AFTER); // drops the unused fourth byte
#else
    if (job->alpha)
        png_set_swap_alpha(png);
    else
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    png_write_image(png, job->rows);
    png_write_end(png, job->info);
    return true;
}

struct WriteStructs {
    PngWriteJob* job;
    ~WriteStructs() { png_destroy_write_struct(&job->png, &job->info); }
};

} // namespace

QByteArray encodePng(const QImage& source, const PngOptions& options, const QString& name)
{
    if (source.isNull())
        throw writeError(name, QStringLiteral("the image is empty"));
    const bool alpha = source.hasAlphaChannel();
    const QImage image =
        source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        throw writeError(name, QStringLiteral("not enough memory for the image"));

    QByteArray out;
    PngWriteJob job;
    job.out = &out;
    job.width = png_uint_32(image.width());
    job.height = png_uint_32(image.height());
    job.alpha = alpha;
    job.compressionLevel = qBound(-1, options.compressionLevel, 9);
    job.singleFilter = options.singleFilter;
    std::vector<png_bytep> rows(job.height);
    for (png_uint_32 y = 0; y < job.height; ++y)
        rows[y] = const_cast<png_bytep>(image.constScanLine(int(y)));
    job.rows = rows.data();

    job.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job, writeErrorFn, silentWarningFn);
    if (job.png)
        job.info = png_create_info_struct(job.png);
    WriteStructs structs{&job};
    if (!job.png || !job.info)
        throw writeError(name, QStringLiteral("out of memory"));
    if (!pngWrite(&job))
        throw writeError(name, QString::fromLatin1(job.message));
    return out;
}

} // namespace morvane::imaging
