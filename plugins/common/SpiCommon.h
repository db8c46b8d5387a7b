/* What the shipped import plug-ins share: the four entry points, written once over a format
 * description each plug-in provides, and pictures handed back as 32-bit top-down DIBs in host
 * memory blocks. */
#ifndef TINTORA_SPI_COMMON_H
#define TINTORA_SPI_COMMON_H

#include "tintora/spi.h"

#include <stddef.h>
#include <stdint.h>

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

struct SpiFileType {
    const char* patterns;
    const char* description;
};

/* What a plug-in reads and how. The file image is in memory, `size` bytes long and readable to at
 * least 2048 bytes. Both readers return SPI_ALL_RIGHT or an error; Decode allocates the DIB with
 * SpiDibAllocate and leaves freeing it to the caller. */
struct SpiFormat {
    const char* about;
    const struct SpiFileType* types;
    int32_t typeCount;
    int (*Recognises)(const uint8_t* head);
    int32_t (*ReadInfo)(const uint8_t* data, size_t size, struct PictureInfo* info);
    int32_t (*Decode)(const uint8_t* data, size_t size, struct SpiDib* dib, SPI_PROGRESS progress,
                      intptr_t lData);
};

/* Defined by each plug-in. */
extern const struct SpiFormat kSpiFormat;

/* SPI_ALL_RIGHT, SPI_OUT_OF_ORDER for a size of 0 or beyond SPI_MAX_PIXELS, or SPI_NO_MEMORY. */
int32_t SpiDibAllocate(struct SpiDib* dib, uint32_t width, uint32_t height);
uint8_t* SpiDibRow(const struct SpiDib* dib, uint32_t y);

/* Fills a row of `width` pixels with white. */
void SpiFillWhite(uint8_t* row, uint32_t width);
/* Composes one channel value of coverage `alpha` (0..255) onto white. */
static inline uint8_t SpiOnWhite(uint8_t value, uint8_t alpha) {
    return (uint8_t)(255 - ((255 - value) * alpha + 127) / 255);
}

/* Reports num of denom to the host; non-zero when the host asks to stop. */
int SpiReport(SPI_PROGRESS progress, int32_t num, int32_t denom, intptr_t lData);

#endif
