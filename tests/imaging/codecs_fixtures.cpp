#include "imaging/codecs_fixtures.h"

#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace morvane::test {

namespace {

void appendData(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data),
                                                          qsizetype(length));
}

void fixtureFailed(png_structp, png_const_charp message)
{
    std::fprintf(stderr, "fixture PNG: %s\n", message);
    std::abort();
}

} // namespace

QByteArray writeRawPng(const RawPng& raw)
{
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, fixtureFailed, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, appendData, nullptr);
    png_set_IHDR(png, info, png_uint_32(raw.width), png_uint_32(raw.height), raw.bitDepth,
                 raw.colorType, raw.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    std::vector<png_color> colours;
    std::vector<png_byte> alphas;
    for (QRgb c : raw.palette) {
        colours.push_back(png_color{png_byte(qRed(c)), png_byte(qGreen(c)), png_byte(qBlue(c))});
        alphas.push_back(png_byte(qAlpha(c)));
    }
    if (!colours.empty())
        png_set_PLTE(png, info, colours.data(), int(colours.size()));
    if (raw.paletteAlpha)
        png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
    png_color_16 trns{};
    if (raw.trnsGrey >= 0) {
        trns.gray = png_uint_16(raw.trnsGrey);
        png_set_tRNS(png, info, nullptr, 0, &trns);
    } else if (raw.trnsRed >= 0) {
        trns.red = png_uint_16(raw.trnsRed);
        trns.green = png_uint_16(raw.trnsGreen);
        trns.blue = png_uint_16(raw.trnsBlue);
        png_set_tRNS(png, info, nullptr, 0, &trns);
    }
    png_write_info(png, info);
    const std::size_t rowBytes = raw.samples.size() / std::size_t(raw.height);
    std::vector<png_bytep> rows;
    for (int y = 0; y < raw.height; ++y)
        rows.push_back(const_cast<png_bytep>(raw.samples.data() + std::size_t(y) * rowBytes));
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

QByteArray writeFlatJpeg(JpegKind kind, int width, int height, QRgb ink)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    const bool cmyk = kind == JpegKind::AdobeCmyk || kind == JpegKind::PlainCmyk || kind == JpegKind::Ycck;
    if (kind == JpegKind::Grey) {
        cinfo.input_components = 1;
        cinfo.in_color_space = JCS_GRAYSCALE;
    } else if (cmyk) {
        cinfo.input_components = 4;
        cinfo.in_color_space = JCS_CMYK;
    } else {
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
    }
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (kind == JpegKind::Ycck)
        jpeg_set_colorspace(&cinfo, JCS_YCCK);
    if (kind == JpegKind::PlainCmyk)
        cinfo.write_Adobe_marker = FALSE;
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(std::size_t(width) * std::size_t(cinfo.input_components));
    const unsigned char bytes[4] = {static_cast<unsigned char>(qRed(ink)), static_cast<unsigned char>(qGreen(ink)),
                                    static_cast<unsigned char>(qBlue(ink)), static_cast<unsigned char>(qAlpha(ink))};
    for (int x = 0; x < width; ++x)
        for (int c = 0; c < cinfo.input_components; ++c)
            row[std::size_t(x * cinfo.input_components + c)] = bytes[c];
    JSAMPROW rowPointer = row.data();
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

QByteArray withJpegSize(QByteArray jpeg, int width, int height)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xff && (marker == 0xc0 || marker == 0xc2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xff);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xff);
            return jpeg;
        }
    }
    return {};
}

QByteArray withPngSize(QByteArray png, quint32 width, quint32 height)
{
    auto put = [&](int at, quint32 v) {
        png[at] = char(v >> 24);
        png[at + 1] = char(v >> 16);
        png[at + 2] = char(v >> 8);
        png[at + 3] = char(v);
    };
    put(16, width);
    put(20, height);
    const auto* chunk = reinterpret_cast<const Bytef*>(png.constData() + 12);
    put(29, quint32(crc32(0, chunk, 17))); // type and 13 data bytes
    return png;
}

} // namespace morvane::test
