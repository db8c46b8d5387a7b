/* Import plug-in for GIF pictures (giflib): the first frame on the logical screen, with its
 * transparent colour and the screen around the frame white. */
#include "SpiCommon.h"

#include <gif_lib.h>
#include <stdlib.h>
#include <string.h>

static const struct SpiFileType kTypes[] = {{"*.gif", "GIF 画像"}};

struct Source {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

static int ReadSource(GifFileType* gif, GifByteType* out, int length) {
    struct Source* source = gif->UserData;
    size_t count = length < 0 ? 0 : (size_t)length;
    if (count > source->size - source->pos) {
        count = source->size - source->pos;
    }
    memcpy(out, source->data + source->pos, count);
    source->pos += count;
    return (int)count;
}

static GifFileType* Open(struct Source* source, const uint8_t* data, size_t size) {
    source->data = data;
    source->size = size;
    source->pos = 0;
    int error = 0;
    return DGifOpen(source, ReadSource, &error);
}

/* Reads extensions up to the first image; its graphic control block gives the transparent index
 * (-1 for none). */
static int SeekFirstImage(GifFileType* gif, int* transparent) {
    *transparent = -1;
    GifRecordType type;
    do {
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) {
            return 0;
        }
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = NULL;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
                return 0;
            }
            if (code == GRAPHICS_EXT_FUNC_CODE && block != NULL && block[0] >= 4) {
                *transparent = (block[1] & 1) != 0 ? block[4] : -1;
            }
            while (block != NULL) {
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
                    return 0;
                }
            }
        }
    } while (type != IMAGE_DESC_RECORD_TYPE && type != TERMINATE_RECORD_TYPE);
    return type == IMAGE_DESC_RECORD_TYPE && DGifGetImageDesc(gif) != GIF_ERROR;
}

static void PutLine(const struct SpiDib* dib, const GifImageDesc* frame, const ColorMapObject* map,
                    int transparent, const GifPixelType* line, uint32_t y) {
    const uint32_t top = (uint32_t)frame->Top;
    if (top + y >= dib->height) {
        return;
    }
    uint8_t* row = SpiDibRow(dib, top + y);
    for (uint32_t x = 0; x < (uint32_t)frame->Width; ++x) {
        const uint32_t column = (uint32_t)frame->Left + x;
        if (column >= dib->width || line[x] == transparent) {
            continue;
        }
        uint8_t* p = row + (size_t)column * 4;
        if (line[x] < map->ColorCount) {
            const GifColorType* c = &map->Colors[line[x]];
            p[0] = c->Blue;
            p[1] = c->Green;
            p[2] = c->Red;
        } else {
            p[0] = p[1] = p[2] = 0;
        }
    }
}

static int32_t DecodeFirstFrame(GifFileType* gif, struct SpiDib* dib, SPI_PROGRESS progress,
                                intptr_t lData) {
    int transparent = -1;
    if (!SeekFirstImage(gif, &transparent)) {
        return SPI_OUT_OF_ORDER;
    }
    const GifImageDesc* frame = &gif->Image;
    const ColorMapObject* map = frame->ColorMap != NULL ? frame->ColorMap : gif->SColorMap;
    if (map == NULL || frame->Width <= 0 || frame->Height <= 0 || frame->Left < 0 ||
        frame->Top < 0) {
        return SPI_OUT_OF_ORDER;
    }
    /* Some writers leave the logical screen empty; the frame then decides. */
    const uint32_t width =
        gif->SWidth > 0 ? (uint32_t)gif->SWidth : (uint32_t)frame->Left + (uint32_t)frame->Width;
    const uint32_t height =
        gif->SHeight > 0 ? (uint32_t)gif->SHeight : (uint32_t)frame->Top + (uint32_t)frame->Height;
    const int32_t allocated = SpiDibAllocate(dib, width, height);
    if (allocated != SPI_ALL_RIGHT) {
        return allocated;
    }
    for (uint32_t y = 0; y < height; ++y) {
        SpiFillWhite(SpiDibRow(dib, y), width);
    }
    GifPixelType* line = malloc((size_t)frame->Width);
    if (line == NULL) {
        return SPI_NO_MEMORY;
    }
    static const int kPassStart[] = {0, 4, 2, 1};
    static const int kPassStep[] = {8, 8, 4, 2};
    const int passes = frame->Interlace ? 4 : 1;
    int32_t result = SPI_ALL_RIGHT;
    int done = 0;
    for (int pass = 0; pass < passes && result == SPI_ALL_RIGHT; ++pass) {
        const int start = frame->Interlace ? kPassStart[pass] : 0;
        const int step = frame->Interlace ? kPassStep[pass] : 1;
        for (int y = start; y < frame->Height; y += step, ++done) {
            if (DGifGetLine(gif, line, frame->Width) == GIF_ERROR) {
                result = SPI_OUT_OF_ORDER;
                break;
            }
            PutLine(dib, frame, map, transparent, line, (uint32_t)y);
            if (done % 64 == 0 && SpiReport(progress, done, frame->Height, lData)) {
                result = SPI_ABORT;
                break;
            }
        }
    }
    free(line);
    if (result == SPI_ALL_RIGHT && SpiReport(progress, frame->Height, frame->Height, lData)) {
        result = SPI_ABORT;
    }
    return result;
}

static int Recognises(const uint8_t* head) {
    return memcmp(head, "GIF87a", 6) == 0 || memcmp(head, "GIF89a", 6) == 0;
}

static int32_t ReadInfo(const uint8_t* data, size_t size, struct PictureInfo* info) {
    struct Source source;
    GifFileType* gif = Open(&source, data, size);
    if (gif == NULL) {
        return SPI_OUT_OF_ORDER;
    }
    info->width = gif->SWidth;
    info->height = gif->SHeight;
    info->colorDepth = 8;
    int error = 0;
    DGifCloseFile(gif, &error);
    return SPI_ALL_RIGHT;
}

static int32_t Decode(const uint8_t* data, size_t size, struct SpiDib* dib, SPI_PROGRESS progress,
                      intptr_t lData) {
    struct Source source;
    GifFileType* gif = Open(&source, data, size);
    if (gif == NULL) {
        return SPI_OUT_OF_ORDER;
    }
    const int32_t result = DecodeFirstFrame(gif, dib, progress, lData);
    int error = 0;
    DGifCloseFile(gif, &error);
    return result;
}

const struct SpiFormat kSpiFormat = {
    "Tintora GIF plug-in (giflib)", kTypes, 1, Recognises, ReadInfo, Decode};
