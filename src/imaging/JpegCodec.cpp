#include "imaging/JpegCodec.h"

#include "imaging/CodecErrors.h"
#include "imaging/ImageLimits.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace morvane::imaging {

namespace {

// libjpeg's error exit longjmps back to the setjmp of the phase that is
// running. Each phase is a small function holding no object with a
// destructor; the C++ code around the phases owns every buffer.

// A progressive file may hold any number of scans, each a full pass over the
// coefficients; real files have about ten.
constexpr int kMaxScans = 500;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool sawEof;
    bool pixelDataShort;
    JDIMENSION scanlinesAtShort;
};

void errorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings are not printed. The ones that matter tell a truncated file:
// at the end of the data libjpeg supplies an end marker and goes on, so the
// decode finishes. Running out of data while reading ahead is harmless (a
// file that lacks only its end marker); the file is short of pixel data when
// the entropy decoder then still needs bits ("premature end of data
// segment"). We note how many rows had come out by then.
void emitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    ++cinfo->err->num_warnings;
    const int code = cinfo->err->msg_code;
    if (code == JWRN_JPEG_EOF) {
        err->sawEof = true;
    } else if (code == JWRN_HIT_MARKER && err->sawEof && !err->pixelDataShort) {
        err->pixelDataShort = true;
        err->scanlinesAtShort =
            cinfo->is_decompressor ? reinterpret_cast<j_decompress_ptr>(cinfo)->output_scanline : 0;
    }
}

void outputMessage(j_common_ptr) {}

void installErrorManager(ErrorManager& err)
{
    jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.emit_message = emitMessage;
    err.pub.output_message = outputMessage;
    err.message[0] = '\0';
    err.sawEof = false;
    err.pixelDataShort = false;
    err.scanlinesAtShort = 0;
}

void progressMonitor(j_common_ptr cinfo)
{
    if (!cinfo->is_decompressor)
        return;
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
        auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
        std::snprintf(err->message, sizeof err->message, "the image has too many scans");
        std::longjmp(err->jump, 1);
    }
}

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kQImageOrder = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kQImageOrder = JCS_EXT_XRGB;
#endif

struct DecodeJob {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    jpeg_progress_mgr progress;
    bool created;
    const unsigned char* data;
    unsigned long size;
    int minSide;
    JDIMENSION width;
    JDIMENSION height;
    bool cmyk;
    bool invertedCmyk;
    JDIMENSION outWidth;
    JDIMENSION outHeight;
    unsigned char** rows;
    unsigned char* cmykRow;
};

bool jpegReadHeader(DecodeJob* job)
{
    if (setjmp(job->err.jump))
        return false;
    jpeg_create_decompress(&job->cinfo);
    job->created = true;
    job->progress.progress_monitor = progressMonitor;
    job->cinfo.progress = &job->progress;
    jpeg_mem_src(&job->cinfo, job->data, job->size);
    jpeg_read_header(&job->cinfo, TRUE);
    job->width = job->cinfo.image_width;
    job->height = job->cinfo.image_height;
    return true;
}

// Output colour space and DCT scale; computes the output size.
bool jpegPrepare(DecodeJob* job)
{
    if (setjmp(job->err.jump))
        return false;
    jpeg_decompress_struct* cinfo = &job->cinfo;
    if (cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK) {
        cinfo->out_color_space = JCS_CMYK; // libjpeg turns YCCK into CMYK
        job->cmyk = true;
        job->invertedCmyk = cinfo->saw_Adobe_marker;
    } else {
        cinfo->out_color_space = kQImageOrder;
    }
    cinfo->scale_num = 8;
    cinfo->scale_denom = 8;
    if (job->minSide > 0) {
        for (unsigned int n = 1; n <= 8; ++n) {
            cinfo->scale_num = n;
            jpeg_calc_output_dimensions(cinfo);
            const JDIMENSION longer = cinfo->output_width > cinfo->output_height
                ? cinfo->output_width
                : cinfo->output_height;
            if (longer >= JDIMENSION(job->minSide))
                break;
        }
    }
    jpeg_calc_output_dimensions(cinfo);
    job->outWidth = cinfo->output_width;
    job->outHeight = cinfo->output_height;
    return true;
}

// Adobe applications store CMYK inverted (0 = full ink); others store it plain.
void cmykToQImage(const unsigned char* cmyk, unsigned char* out, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, out += 4) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        const unsigned r = (c * k + 127) / 255;
        const unsigned g = (m * k + 127) / 255;
        const unsigned b = (y * k + 127) / 255;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        out[0] = static_cast<unsigned char>(b);
        out[1] = static_cast<unsigned char>(g);
        out[2] = static_cast<unsigned char>(r);
        out[3] = 0xff;
#else
        out[0] = 0xff;
        out[1] = static_cast<unsigned char>(r);
        out[2] = static_cast<unsigned char>(g);
        out[3] = static_cast<unsigned char>(b);
#endif
    }
}

bool jpegDecodeRows(DecodeJob* job)
{
    if (setjmp(job->err.jump))
        return false;
    jpeg_decompress_struct* cinfo = &job->cinfo;
    jpeg_start_decompress(cinfo);
    if (cinfo->output_width != job->outWidth || cinfo->output_height != job->outHeight) {
        std::snprintf(job->err.message, sizeof job->err.message, "inconsistent image size");
        return false;
    }
    while (cinfo->output_scanline < cinfo->output_height) {
        const JDIMENSION line = cinfo->output_scanline;
        if (job->cmyk) {
            if (jpeg_read_scanlines(cinfo, &job->cmykRow, 1) == 1)
                cmykToQImage(job->cmykRow, job->rows[line], job->outWidth, job->invertedCmyk);
        } else {
            jpeg_read_scanlines(cinfo, job->rows + line, cinfo->output_height - line);
        }
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

struct DecodeGuard {
    DecodeJob* job;
    ~DecodeGuard()
    {
        if (job->created)
            jpeg_destroy_decompress(&job->cinfo);
    }
};

Error decodeFailure(const DecodeJob& job, const QString& name)
{
    if (job.err.sawEof)
        return readError(name, QStringLiteral("the file is truncated"));
    return readError(name, QString::fromLatin1(job.err.message));
}

// Sets up the job and reads the header; throws on failure.
void readHeader(DecodeJob& job, const QByteArray& data, const QString& name)
{
    std::memset(&job, 0, sizeof job);
    if (data.isEmpty())
        throw readError(name, QStringLiteral("the file is empty"));
    if (data.size() < 3 || static_cast<unsigned char>(data[0]) != 0xff
        || static_cast<unsigned char>(data[1]) != 0xd8)
        throw readError(name, QStringLiteral("the content is not a JPEG image"));
    installErrorManager(job.err);
    job.cinfo.err = &job.err.pub;
    job.data = reinterpret_cast<const unsigned char*>(data.constData());
    job.size = static_cast<unsigned long>(data.size());
    if (!jpegReadHeader(&job))
        throw decodeFailure(job, name);
}

} // namespace

QImage decodeJpeg(const QByteArray& data, const QString& name, int minSide)
{
    DecodeJob job;
    DecodeGuard guard{&job};
    readHeader(job, data, name);
    if (!imageSizeAllowed(job.width, job.height))
        throw readError(name, tooLargeReason(job.width, job.height));
    job.minSide = minSide;
    if (!jpegPrepare(&job))
        throw decodeFailure(job, name);

    QImage image(int(job.outWidth), int(job.outHeight), QImage::Format_RGB32);
    if (image.isNull())
        throw readError(name, QStringLiteral("not enough memory for the image"));
    std::vector<unsigned char*> rows(job.outHeight);
    for (JDIMENSION y = 0; y < job.outHeight; ++y)
        rows[y] = image.scanLine(int(y));
    job.rows = rows.data();
    std::vector<unsigned char> cmykRow(job.cmyk ? std::size_t(job.outWidth) * 4 : 0);
    job.cmykRow = cmykRow.data();

    if (!jpegDecodeRows(&job))
        throw decodeFailure(job, name);
    if (job.err.pixelDataShort && (minSide <= 0 || job.err.scanlinesAtShort == 0))
        throw readError(name, QStringLiteral("the file is truncated"));
    return image;
}

QSize jpegSize(const QByteArray& data, const QString& name)
{
    DecodeJob job;
    DecodeGuard guard{&job};
    readHeader(job, data, name);
    return QSize(int(job.width), int(job.height));
}

QSize jpegDecodedSize(const QByteArray& data, const QString& name, int minSide)
{
    DecodeJob job;
    DecodeGuard guard{&job};
    readHeader(job, data, name);
    job.minSide = minSide;
    if (!jpegPrepare(&job))
        throw decodeFailure(job, name);
    return QSize(int(job.outWidth), int(job.outHeight));
}

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

// Collects the compressed bytes in a QByteArray, a chunk at a time.
struct Destination {
    jpeg_destination_mgr pub;
    QByteArray* out;
    bool outOfMemory;
    unsigned char chunk[kChunkSize];
};

bool appendChunk(Destination* dest, std::size_t length)
{
    try {
        dest->out->append(reinterpret_cast<const char*>(dest->chunk), qsizetype(length));
    } catch (const std::bad_alloc&) {
        dest->outOfMemory = true;
    }
    return !dest->outOfMemory;
}

void initDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
    dest->pub.next_output_byte = dest->chunk;
    dest->pub.free_in_buffer = kChunkSize;
}

boolean emptyOutputBuffer(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
    if (!appendChunk(dest, kChunkSize))
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    initDestination(cinfo);
    return TRUE;
}

void termDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
    if (!appendChunk(dest, kChunkSize - dest->pub.free_in_buffer))
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
}

struct EncodeJob {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    Destination dest;
    bool created;
    JDIMENSION width;
    JDIMENSION height;
    int quality;
    unsigned char** rows;
};

bool jpegEncode(EncodeJob* job)
{
    if (setjmp(job->err.jump))
        return false;
    jpeg_compress_struct* cinfo = &job->cinfo;
    jpeg_create_compress(cinfo);
    job->created = true;
    job->dest.pub.init_destination = initDestination;
    job->dest.pub.empty_output_buffer = emptyOutputBuffer;
    job->dest.pub.term_destination = termDestination;
    cinfo->dest = &job->dest.pub;
    cinfo->image_width = job->width;
    cinfo->image_height = job->height;
    cinfo->input_components = 4;
    cinfo->in_color_space = kQImageOrder;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, job->quality, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height)
        jpeg_write_scanlines(cinfo, job->rows + cinfo->next_scanline,
                             cinfo->image_height - cinfo->next_scanline);
    jpeg_finish_compress(cinfo);
    return true;
}

struct EncodeGuard {
    EncodeJob* job;
    ~EncodeGuard()
    {
        if (job->created)
            jpeg_destroy_compress(&job->cinfo);
        delete job;
    }
};

} // namespace

QByteArray encodeJpeg(const QImage& source, int quality, const QString& name)
{
    if (source.isNull())
        throw writeError(name, QStringLiteral("the image is empty"));
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        throw writeError(name, QStringLiteral("not enough memory for the image"));
    std::vector<unsigned char*> rows(std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[std::size_t(y)] = const_cast<unsigned char*>(image.constScanLine(y));

    QByteArray out;
    out.reserve(qsizetype(image.width()) * image.height() / 4 + 1024);
    auto* job = new EncodeJob; // the chunk buffer is too big for the stack
    std::memset(job, 0, sizeof *job);
    EncodeGuard guard{job};
    installErrorManager(job->err);
    job->cinfo.err = &job->err.pub;
    job->dest.out = &out;
    job->width = JDIMENSION(image.width());
    job->height = JDIMENSION(image.height());
    job->quality = qBound(1, quality, 100);
    job->rows = rows.data();
    if (!jpegEncode(job))
        throw writeError(name, QString::fromLatin1(job->err.message));
    return out;
}

} // namespace morvane::imaging
