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

static void FreeDib(struct SpiDib* dib) {
    LocalFree(dib->info);
    LocalFree(dib->bits);
    memset(dib, 0, sizeof *dib);
}

/* Whether GetPictureInfo and GetPicture were given a usable file image in memory. */
static int MemoryInput(const char* buf, int32_t len, uint32_t flag) {
    return buf != NULL && len > 0 && (flag & 7) == SPI_INPUT_MEMORY;
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
        FreeDib(dib);
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

void SpiFillWhite(uint8_t* row, uint32_t width) {
    memset(row, 0xFF, (size_t)width * 4);
}

int SpiReport(SPI_PROGRESS progress, int32_t num, int32_t denom, intptr_t lData) {
    return progress != NULL && progress(num, denom, lData) != 0;
}

SPI_EXPORT int32_t GetPluginInfo(int32_t infono, char* buf, int32_t buflen) {
    if (infono == 0) {
        return CopyText("00IN", buf, buflen);
    }
    if (infono == 1) {
        return CopyText(kSpiFormat.about, buf, buflen);
    }
    if (infono < 2 || (infono - 2) / 2 >= kSpiFormat.typeCount) {
        return 0;
    }
    const struct SpiFileType* type = &kSpiFormat.types[(infono - 2) / 2];
    return CopyText(infono % 2 == 0 ? type->patterns : type->description, buf, buflen);
}

SPI_EXPORT int32_t IsSupported(const char* filename, intptr_t dw) {
    (void)filename;
    return dw != 0 && kSpiFormat.Recognises((const uint8_t*)dw);
}

SPI_EXPORT int32_t GetPictureInfo(const char* buf, int32_t len, uint32_t flag,
                                  struct PictureInfo* lpInfo) {
    if (!MemoryInput(buf, len, flag) || lpInfo == NULL) {
        return SPI_NOT_SUPPORTED;
    }
    memset(lpInfo, 0, sizeof *lpInfo);
    return kSpiFormat.ReadInfo((const uint8_t*)buf, (size_t)len, lpInfo);
}

SPI_EXPORT int32_t GetPicture(const char* buf, int32_t len, uint32_t flag, void** pHBInfo,
                              void** pHBm, SPI_PROGRESS progress, intptr_t lData) {
    if (!MemoryInput(buf, len, flag) || pHBInfo == NULL || pHBm == NULL) {
        return SPI_NOT_SUPPORTED;
    }
    struct SpiDib dib;
    memset(&dib, 0, sizeof dib);
    const int32_t result =
        kSpiFormat.Decode((const uint8_t*)buf, (size_t)len, &dib, progress, lData);
    if (result != SPI_ALL_RIGHT) {
        FreeDib(&dib);
        return result;
    }
    LocalUnlock(dib.bits);
    *pHBInfo = dib.info;
    *pHBm = dib.bits;
    return SPI_ALL_RIGHT;
}
