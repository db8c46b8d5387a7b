/* A plug-in for the host's tests. What it reports is chosen at build time (TEST_VARIANT); what it
 * decodes is written in the file image itself, so that a test can hand the host any header and
 * any block sizes:
 *
 *   "TSPI", u32 info block size, u32 bits block size, u32 flags, u32 header length,
 *   then the header bytes (copied to the start of the info block) and the bits bytes.
 *
 * A block size of 0 hands back a null handle. It also keeps the first 2048 bytes IsSupported saw
 * and the length GetPicture was told, for the tests to read. */
#include "tintora/spi.h"

#include <stdint.h>
#include <string.h>

/* An entry point left out is exported under another name. */
#ifdef TEST_WITHOUT_GETPLUGININFO
#define GetPluginInfo UnexportedGetPluginInfo
#endif
#ifdef TEST_WITHOUT_GETPICTURE
#define GetPicture UnexportedGetPicture
#endif

enum { TEST_PROGRESS = 1, TEST_INFO_TEXT = 2, TEST_SAME_HANDLE = 4 };

struct FileType {
    const char* patterns;
    const char* description;
};

#if TEST_VARIANT == 1 /* reports only two descriptions for three patterns */
#define TEST_VERSION "00IN"
static const struct FileType kTypes[] = {{"*.tsp", "Test"}, {"*.tsq", "Test Q"}, {"*.tsr", NULL}};
#elif TEST_VARIANT == 2 /* the version in the wrong letter case */
#define TEST_VERSION "00in"
static const struct FileType kTypes[] = {{"*.tsp", "Test"}};
#elif TEST_VARIANT == 3 /* one JPEG pattern */
#define TEST_VERSION "00IN"
static const struct FileType kTypes[] = {{"*.jpg", "JPEG test"}};
#elif TEST_VARIANT == 4 /* several patterns in one entry, and every file */
#define TEST_VERSION "00IN"
static const struct FileType kTypes[] = {{"*.jpg;*.jpeg;*.jpe", "Three"}, {"*.*", "All"}};
#else
#define TEST_VERSION "00IN"
static const struct FileType kTypes[] = {{"*.tsp", "Test"}};
#endif

static const int kTypeCount = (int)(sizeof kTypes / sizeof kTypes[0]);

static uint8_t probe[2048];
static int32_t pictureLength = -1;

SPI_EXPORT const uint8_t* TestProbe(void) {
    return probe;
}

SPI_EXPORT int32_t TestPictureLength(void) {
    return pictureLength;
}

static int32_t Answer(const char* text, char* buf, int32_t buflen) {
    if (text == NULL) {
        return 0;
    }
    strncpy(buf, text, (size_t)buflen);
    return (int32_t)strlen(text);
}

SPI_EXPORT int32_t GetPluginInfo(int32_t infono, char* buf, int32_t buflen) {
    if (infono == 0) {
        return Answer(TEST_VERSION, buf, buflen);
    }
    if (infono == 1) {
        return Answer("Test plug-in", buf, buflen);
    }
    const int type = (infono - 2) / 2;
    if (infono < 2 || type >= kTypeCount) {
        return 0;
    }
    return Answer(infono % 2 == 0 ? kTypes[type].patterns : kTypes[type].description, buf, buflen);
}

SPI_EXPORT int32_t IsSupported(const char* filename, intptr_t dw) {
    (void)filename;
    memcpy(probe, (const void*)dw, sizeof probe);
    return memcmp(probe, "TSPI", 4) == 0;
}

static uint32_t Field(const char* buf, int index) {
    uint32_t value;
    memcpy(&value, buf + 4 + 4 * index, 4);
    return value;
}

SPI_EXPORT int32_t GetPictureInfo(const char* buf, int32_t len, uint32_t flag,
                                  struct PictureInfo* lpInfo) {
    (void)len;
    (void)flag;
    memset(lpInfo, 0, sizeof *lpInfo);
    lpInfo->width = 7;
    if (Field(buf, 2) & TEST_INFO_TEXT) {
        lpInfo->hInfo = LocalAlloc(LMEM_FIXED, 4);
        memcpy(LocalLock(lpInfo->hInfo), "info", 4); /* no NUL: the block's size ends it */
    }
    return SPI_ALL_RIGHT;
}

static void* Block(uint32_t size, const char* from, size_t available) {
    if (size == 0) {
        return NULL;
    }
    uint8_t* block = LocalAlloc(LMEM_ZEROINIT, size);
    memcpy(block, from, available < size ? available : size);
    return block;
}

SPI_EXPORT int32_t GetPicture(const char* buf, int32_t len, uint32_t flag, void** pHBInfo,
                              void** pHBm, SPI_PROGRESS progress, intptr_t lData) {
    (void)flag;
    pictureLength = len;
    const uint32_t flags = Field(buf, 2);
    const uint32_t headerLength = Field(buf, 3);
    const size_t start = 20;
    if ((flags & TEST_PROGRESS) && progress(1, 2, lData) != 0) {
        return SPI_ABORT;
    }
    const size_t bitsStart = start + headerLength;
    *pHBInfo = Block(Field(buf, 0), buf + start, headerLength);
    *pHBm = (flags & TEST_SAME_HANDLE)
                ? *pHBInfo
                : Block(Field(buf, 1), buf + bitsStart,
                        (size_t)len > bitsStart ? (size_t)len - bitsStart : 0);
    return SPI_ALL_RIGHT;
}
