#include "SpiCommon.h"

#include <string.h>

static int32_t CopyText(const char* text, char* buf, int32_t buflen) {
    if (buf == NULL || buflen <= 0) {
        return 0;
    }
    size_t length = strlen(text);
    if (length > (size_t)buflen - 1) {
        length = (size_t)buflen - 1;
    }
    memcpy(buf, text, length);
    buf[length] = '\0';
    return (int32_t)length;
}

int32_t SpiAnswerPluginInfo(const struct SpiPluginInfo* info, int32_t infono, char* buf,
                            int32_t buflen) {
    if (infono == 0) {
        return CopyText("00IN", buf, buflen);
    }
    if (infono == 1) {
        return CopyText(info->about, buf, buflen);
    }
    if (infono < 2 || (infono - 2) / 2 >= info->typeCount) {
        return 0;
    }
    const struct SpiFileType* type = &info->types[(infono - 2) / 2];
    return CopyText(infono % 2 == 0 ? type->patterns : type->description, buf, buflen);
}

int SpiStartsWith(intptr_t dw, const void* signature, size_t length) {
    return dw != 0 && memcmp((const void*)dw, signature, length) == 0;
}

int32_t SpiDibAllocate(struct SpiDib* dib, uint32_t width, uint32_t height) {
    memset(dib, 0, sizeof *dib);
    if (width == 0 || height == 0 || (uint64_t)width * height > SPI_MAX_PIXELS) {
        return SPI_OUT_OF_ORDER;
    }
    dib->width = width;
    dib->height = height;
    dib->info = LocalAlloc(LMEM_ZEROINIT, sizeof(struct BitmapInfoHeader));
    dib->bits = LocalAlloc(LMEM_FIXED, (size_t)width * height * 4);
    if (dib->info == NULL || dib->bits == NULL) {
        SpiDibFree(dib);
        return SPI_NO_MEMORY;
    }
    struct BitmapInfoHeader* header = LocalLock(dib->info);
    header->biSize = sizeof *header;
    header->biWidth = (int32_t)width;
    header->biHeight = -(int32_t)height;
    header->biPlanes = 1;
    header->biBitCount = 32;
    header->biCompression = BI_RGB;
    header->biSizeImage = width * height * 4;
    LocalUnlock(dib->info);
    dib->pixels = LocalLock(dib->bits);
    return SPI_ALL_RIGHT;
}

uint8_t* SpiDibRow(const struct SpiDib* dib, uint32_t y) {
    return dib->pixels + (size_t)y * dib->width * 4;
}

void SpiDibHandOver(struct SpiDib* dib, void** pHBInfo, void** pHBm) {
    LocalUnlock(dib->bits);
    *pHBInfo = dib->info;
    *pHBm = dib->bits;
    memset(dib, 0, sizeof *dib);
}

void SpiDibFree(struct SpiDib* dib) {
    LocalFree(dib->info);
    LocalFree(dib->bits);
    memset(dib, 0, sizeof *dib);
}

void SpiFillWhite(uint8_t* row, uint32_t width) {
    memset(row, 0xFF, (size_t)width * 4);
}

int SpiReport(SPI_PROGRESS progress, int32_t num, int32_t denom, intptr_t lData) {
    return progress != NULL && progress(num, denom, lData) != 0;
}

int SpiMemoryInput(const char* buf, int32_t len, uint32_t flag) {
    return buf != NULL && len > 0 && (flag & 7) == SPI_INPUT_MEMORY;
}
