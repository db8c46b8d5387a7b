/* Import plug-in for JPEG pictures (libjpeg-turbo): baseline and progressive, greyscale, colour
 * and CMYK. */
#include "SpiCommon.h"

#include <setjmp.h>
#include <stdlib.h>
#include <string.h>

/* jpeglib.h needs FILE declared before it. */
/* clang-format off */
#include <stdio.h>
#include <jpeglib.h>
/* clang-format on */

/* One entry per extension, so that the host finds this plug-in first for each of them. */
static const struct SpiFileType kTypes[] = {
    {"*.jpg", "JPEG 画像"}, {"*.jpeg", "JPEG 画像"}, {"*.jpe", "JPEG 画像"}};
static const uint8_t kSignature[3] = {0xFF, 0xD8, 0xFF};

struct ErrorJump {
    struct jpeg_error_mgr manager;
    jmp_buf jump;
};

static void LeaveOnError(j_common_ptr info) {
    longjmp(((struct ErrorJump*)info->err)->jump, 1);
}

static void IgnoreMessage(j_common_ptr info) {
    (void)info;
}

/* One decompressor over the file image, with the header read. */
struct Reader {
    struct jpeg_decompress_struct info;
    struct ErrorJump error;
    uint8_t* cmykRow;
};

static void OpenReader(struct Reader* reader, const uint8_t* data, size_t size) {
    memset(reader, 0, sizeof *reader);
    reader->info.err = jpeg_std_error(&reader->error.manager);
    reader->error.manager.error_exit = LeaveOnError;
    reader->error.manager.output_message = IgnoreMessage;
    jpeg_create_decompress(&reader->info);
    jpeg_mem_src(&reader->info, data, (unsigned long)size);
}

static void CloseReader(struct Reader* reader) {
    jpeg_destroy_decompress(&reader->info);
    free(reader->cmykRow);
}

/* Adobe's CMYK JPEGs store the inks inverted: each sample is the paper left uncovered. */
static void CmykToBgrx(const uint8_t* cmyk, uint8_t* bgrx, uint32_t width) {
    for (uint32_t x = 0; x < width; ++x, cmyk += 4, bgrx += 4) {
        const unsigned k = cmyk[3];
        bgrx[0] = (uint8_t)((cmyk[2] * k + 127) / 255);
        bgrx[1] = (uint8_t)((cmyk[1] * k + 127) / 255);
        bgrx[2] = (uint8_t)((cmyk[0] * k + 127) / 255);
        bgrx[3] = 0;
    }
}

static int32_t DecodeRows(struct Reader* reader, struct SpiDib* dib, SPI_PROGRESS progress,
                          intptr_t lData) {
    j_decompress_ptr info = &reader->info;
    if (setjmp(reader->error.jump)) {
        return SPI_OUT_OF_ORDER;
    }
    jpeg_read_header(info, TRUE);
    const int cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(info);
    const int32_t allocated = SpiDibAllocate(dib, info->output_width, info->output_height);
    if (allocated != SPI_ALL_RIGHT) {
        return allocated;
    }
    if (cmyk && (reader->cmykRow = malloc((size_t)info->output_width * 4)) == NULL) {
        return SPI_NO_MEMORY;
    }
    while (info->output_scanline < info->output_height) {
        const uint32_t y = info->output_scanline;
        JSAMPROW row = cmyk ? reader->cmykRow : SpiDibRow(dib, y);
        jpeg_read_scanlines(info, &row, 1);
        if (cmyk) {
            CmykToBgrx(reader->cmykRow, SpiDibRow(dib, y), dib->width);
        }
        if (y % 64 == 0 && SpiReport(progress, (int32_t)y, (int32_t)dib->height, lData)) {
            jpeg_abort_decompress(info);
            return SPI_ABORT;
        }
    }
    jpeg_finish_decompress(info);
    return SpiReport(progress, (int32_t)dib->height, (int32_t)dib->height, lData) ? SPI_ABORT
                                                                                  : SPI_ALL_RIGHT;
}

static int32_t ReadHeader(struct Reader* reader, struct PictureInfo* lpInfo) {
    if (setjmp(reader->error.jump)) {
        return SPI_OUT_OF_ORDER;
    }
    jpeg_read_header(&reader->info, TRUE);
    lpInfo->width = (int32_t)reader->info.image_width;
    lpInfo->height = (int32_t)reader->info.image_height;
    lpInfo->colorDepth = (int16_t)(reader->info.num_components * 8);
    if (reader->info.density_unit != 0) {
        lpInfo->x_density = reader->info.X_density;
        lpInfo->y_density = reader->info.Y_density;
    }
    return SPI_ALL_RIGHT;
}

static int Recognises(const uint8_t* head) {
    return memcmp(head, kSignature, sizeof kSignature) == 0;
}

static int32_t ReadInfo(const uint8_t* data, size_t size, struct PictureInfo* info) {
    struct Reader reader;
    OpenReader(&reader, data, size);
    const int32_t result = ReadHeader(&reader, info);
    CloseReader(&reader);
    return result;
}

static int32_t Decode(const uint8_t* data, size_t size, struct SpiDib* dib, SPI_PROGRESS progress,
                      intptr_t lData) {
    struct Reader reader;
    OpenReader(&reader, data, size);
    const int32_t result = DecodeRows(&reader, dib, progress, lData);
    CloseReader(&reader);
    return result;
}

const struct SpiFormat kSpiFormat = {
    "Tintora JPEG plug-in (libjpeg-turbo)", kTypes, 3, Recognises, ReadInfo, Decode};
