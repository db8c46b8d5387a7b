/* Import plug-in for PNG pictures (libpng). Transparency is composed onto white; interlaced
 * pictures are read pass by pass. */
#include "SpiCommon.h"

#include <png.h>
#include <string.h>

static const struct SpiFileType kTypes[] = {{"*.png", "PNG 画像"}};
static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Source {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

static void ReadSource(png_structp png, png_bytep out, size_t length) {
    struct Source* source = png_get_io_ptr(png);
    if (length > source->size - source->pos) {
        png_error(png, "truncated");
    }
    memcpy(out, source->data + source->pos, length);
    source->pos += length;
}

static void LeaveOnError(png_structp png, png_const_charp message) {
    (void)message;
    png_longjmp(png, 1);
}

static void IgnoreWarning(png_structp png, png_const_charp message) {
    (void)png;
    (void)message;
}

/* One libpng reader over the file image, with the header read. */
struct Reader {
    png_structp png;
    png_infop info;
    struct Source source;
};

static int OpenReader(struct Reader* reader, const uint8_t* data, size_t size) {
    memset(reader, 0, sizeof *reader);
    reader->source.data = data;
    reader->source.size = size;
    reader->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, NULL, LeaveOnError, IgnoreWarning);
    if (reader->png == NULL) {
        return 0;
    }
    reader->info = png_create_info_struct(reader->png);
    if (reader->info == NULL) {
        return 0;
    }
    png_set_read_fn(reader->png, &reader->source, ReadSource);
    return 1;
}

static void CloseReader(struct Reader* reader) {
    png_destroy_read_struct(&reader->png, reader->info != NULL ? &reader->info : NULL, NULL);
}

/* Pixels stay 4 bytes (blue, green, red, alpha or filler); rows with alpha go onto white. */
static void ComposeOntoWhite(struct SpiDib* dib) {
    for (uint32_t y = 0; y < dib->height; ++y) {
        uint8_t* p = SpiDibRow(dib, y);
        for (uint32_t x = 0; x < dib->width; ++x, p += 4) {
            p[0] = SpiOnWhite(p[0], p[3]);
            p[1] = SpiOnWhite(p[1], p[3]);
            p[2] = SpiOnWhite(p[2], p[3]);
            p[3] = 0;
        }
    }
}

/* Runs inside the reader's error jump; the DIB lives in the caller, so a jump leaves it whole. */
static int32_t DecodeRows(struct Reader* reader, struct SpiDib* dib, SPI_PROGRESS progress,
                          intptr_t lData) {
    png_structp png = reader->png;
    png_infop info = reader->info;
    if (setjmp(png_jmpbuf(png))) {
        return SPI_OUT_OF_ORDER;
    }
    png_read_info(png, info);
    const int colorType = png_get_color_type(png, info);
    const int hasAlpha =
        (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    if (!hasAlpha) {
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    }
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const uint32_t width = png_get_image_width(png, info);
    const uint32_t height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != (size_t)width * 4) {
        return SPI_OUT_OF_ORDER;
    }
    const int32_t allocated = SpiDibAllocate(dib, width, height);
    if (allocated != SPI_ALL_RIGHT) {
        return allocated;
    }
    const int64_t total = (int64_t)passes * height;
    for (int pass = 0; pass < passes; ++pass) {
        for (uint32_t y = 0; y < height; ++y) {
            png_read_row(png, SpiDibRow(dib, y), NULL);
            const int64_t done = (int64_t)pass * height + y;
            if (done % 64 == 0 &&
                SpiReport(progress, (int32_t)(done * 1000 / total), 1000, lData)) {
                return SPI_ABORT;
            }
        }
    }
    if (hasAlpha) {
        ComposeOntoWhite(dib);
    }
    return SpiReport(progress, 1000, 1000, lData) ? SPI_ABORT : SPI_ALL_RIGHT;
}

static int32_t ReadHeader(struct Reader* reader, struct PictureInfo* lpInfo) {
    if (setjmp(png_jmpbuf(reader->png))) {
        return SPI_OUT_OF_ORDER;
    }
    png_read_info(reader->png, reader->info);
    lpInfo->width = (int32_t)png_get_image_width(reader->png, reader->info);
    lpInfo->height = (int32_t)png_get_image_height(reader->png, reader->info);
    lpInfo->colorDepth = (int16_t)(png_get_bit_depth(reader->png, reader->info) *
                                   png_get_channels(reader->png, reader->info));
    return SPI_ALL_RIGHT;
}

static int Recognises(const uint8_t* head) {
    return memcmp(head, kSignature, sizeof kSignature) == 0;
}

static int32_t ReadInfo(const uint8_t* data, size_t size, struct PictureInfo* info) {
    struct Reader reader;
    int32_t result = SPI_NO_MEMORY;
    if (OpenReader(&reader, data, size)) {
        result = ReadHeader(&reader, info);
    }
    CloseReader(&reader);
    return result;
}

static int32_t Decode(const uint8_t* data, size_t size, struct SpiDib* dib, SPI_PROGRESS progress,
                      intptr_t lData) {
    struct Reader reader;
    int32_t result = SPI_NO_MEMORY;
    if (OpenReader(&reader, data, size)) {
        result = DecodeRows(&reader, dib, progress, lData);
    }
    CloseReader(&reader);
    return result;
}

const struct SpiFormat kSpiFormat = {"Tintora PNG plug-in (libpng " PNG_LIBPNG_VER_STRING ")",
                                     kTypes,
                                     1,
                                     Recognises,
                                     ReadInfo,
                                     Decode};
