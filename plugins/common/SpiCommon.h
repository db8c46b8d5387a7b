/* What the shipped import plug-ins share: answering GetPluginInfo from a table, and handing back
 * pictures as 32-bit top-down DIBs in host memory blocks. */
#ifndef TINTORA_SPI_COMMON_H
#define TINTORA_SPI_COMMON_H

#include "tintora/spi.h"

#include <stddef.h>
#include <stdint.h>

struct SpiFileType {
    const char* patterns;
    const char* description;
};

struct SpiPluginInfo {
    const char* about;
    const struct SpiFileType* types;
    int32_t typeCount;
};

/* GetPluginInfo for an import plug-in described by `info`. */
int32_t SpiAnswerPluginInfo(const struct SpiPluginInfo* info, int32_t infono, char* buf,
                            int32_t buflen);

/* Whether the first bytes of the file image (IsSupported's dw) begin with `signature`. */
int SpiStartsWith(intptr_t dw, const void* signature, size_t length);

/* The largest picture the plug-ins decode, in pixels. */
#define SPI_MAX_PIXELS ((uint64_t)1 << 26)

/* A picture being decoded: a BitmapInfoHeader block and a bits block of width × height pixels,
 * 4 bytes each (blue, green, red, unused), rows from the top. */
struct SpiDib {
    void* info;
    void* bits;
    uint8_t* pixels;
    uint32_t width;
    uint32_t height;
};

/* SPI_ALL_RIGHT, SPI_OUT_OF_ORDER for a size of 0 or beyond SPI_MAX_PIXELS, or SPI_NO_MEMORY. */
int32_t SpiDibAllocate(struct SpiDib* dib, uint32_t width, uint32_t height);
uint8_t* SpiDibRow(const struct SpiDib* dib, uint32_t y);
/* Gives both blocks to the caller's handles; the DIB no longer owns them. */
void SpiDibHandOver(struct SpiDib* dib, void** pHBInfo, void** pHBm);
void SpiDibFree(struct SpiDib* dib);

/* Fills a row of `width` pixels with white. */
void SpiFillWhite(uint8_t* row, uint32_t width);
/* Composes one channel value of coverage `alpha` (0..255) onto white. */
static inline uint8_t SpiOnWhite(uint8_t value, uint8_t alpha) {
    return (uint8_t)(255 - ((255 - value) * alpha + 127) / 255);
}

/* Reports num of denom to the host; non-zero when the host asks to stop. */
int SpiReport(SPI_PROGRESS progress, int32_t num, int32_t denom, intptr_t lData);

/* Whether GetPictureInfo and GetPicture were given a usable file image in memory. */
int SpiMemoryInput(const char* buf, int32_t len, uint32_t flag);

#endif
