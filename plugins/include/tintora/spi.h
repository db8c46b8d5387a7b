/*
 * The image plug-in interface of Tintora on POSIX systems.
 *
 * A plug-in is a shared library, conventionally named "*.spi", that exports the entry points below
 * as plain C functions (default visibility, C linkage, the platform's normal calling convention).
 * The host loads it with dlopen(RTLD_NOW | RTLD_LOCAL), asks GetPluginInfo what it is, and calls
 * the picture entry points on the user-interface thread, one call at a time.
 *
 * Integer widths are fixed: every int and long of the classic interface is a 32-bit integer here;
 * the values that carry pointers (IsSupported's dw, the callbacks' context) are intptr_t.
 * Texts are NUL-terminated byte strings in the system's multibyte code page (UTF-8 on Linux).
 *
 * Memory the plug-in hands back (the picture's header and bits, the information text) must come
 * from the memory functions the host exports: LocalAlloc, LocalLock, LocalUnlock, LocalFree and
 * LocalSize. A plug-in leaves these undefined and the dynamic linker binds them to the host when
 * the plug-in is loaded; the host sizes every block it receives with LocalSize and rejects a
 * picture whose header promises more than its blocks hold.
 *
 * Import plug-ins (API version "00IN") implement GetPluginInfo, IsSupported, GetPictureInfo and
 * GetPicture. The host only checks the presence of the others.
 */
#ifndef TINTORA_SPI_H
#define TINTORA_SPI_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define SPI_EXPORT __attribute__((visibility("default")))
#else
#define SPI_EXPORT
#endif

/* Results of the entry points. */
enum {
    SPI_NOT_IMPLEMENTED = -1,
    SPI_ALL_RIGHT = 0,
    SPI_ABORT = 1,         /* the progress callback asked to stop */
    SPI_NOT_SUPPORTED = 2, /* not a picture this plug-in reads */
    SPI_OUT_OF_ORDER = 3,  /* the data is broken */
    SPI_NO_MEMORY = 4,     /* a memory block could not be allocated */
    SPI_MEMORY_ERROR = 5,
    SPI_FILE_READ_ERROR = 6,
    SPI_WINDOW_ERROR = 7,
    SPI_OTHER_ERROR = 8
};

/* The flag argument: bits 0-2 say where the input is. The host always passes memory. */
enum { SPI_INPUT_FILE = 0, SPI_INPUT_MEMORY = 1 };

/* Flags of LocalAlloc. Blocks never move, so a handle is also the address of its block. */
enum { LMEM_FIXED = 0x0000, LMEM_MOVEABLE = 0x0002, LMEM_ZEROINIT = 0x0040 };

#pragma pack(push, 1)
/* What GetPictureInfo reports. hInfo, when not null, is a LocalAlloc block holding a text (for
 * example a comment of the file); the host frees it. */
struct PictureInfo {
    int32_t left, top;     /* where the picture is to be placed */
    int32_t width, height; /* in pixels */
    uint16_t x_density;    /* pixels per unit, horizontally */
    uint16_t y_density;
    int16_t colorDepth; /* bits per pixel */
    void* hInfo;
};
#pragma pack(pop)

/* The Windows device-independent bitmap header GetPicture returns in its info block, followed by
 * the colour table (4 bytes per entry: blue, green, red, 0) and, for BI_BITFIELDS with this 40-byte
 * header, the three colour masks before it. A negative height means the rows run top-down. */
struct BitmapInfoHeader {
    uint32_t biSize; /* 40 */
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;      /* 1 */
    uint16_t biBitCount;    /* 1, 4, 8, 16, 24 or 32 */
    uint32_t biCompression; /* BI_RGB, BI_RLE8, BI_RLE4 or BI_BITFIELDS */
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed; /* 0: all 2^biBitCount entries for 1, 4 and 8 bits; no table otherwise */
    uint32_t biClrImportant;
};

enum { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };

/* The host's progress callback: num of denom done; a non-zero result asks the plug-in to stop
 * and return SPI_ABORT. lData is the value the host passed to GetPicture. */
typedef int32_t (*SPI_PROGRESS)(int32_t num, int32_t denom, intptr_t lData);

/* infono 0: the API version ("00IN"); 1: name, version and author of the plug-in; 2n+2 and 2n+3:
 * the file patterns of the n-th file type ("*.jpg;*.jpeg") and its description. Writes at most
 * buflen bytes and a NUL into buf; returns the text's length, 0 when there is no such entry. */
SPI_EXPORT int32_t GetPluginInfo(int32_t infono, char* buf, int32_t buflen);

/* Whether the plug-in reads the file. dw points to the first 2048 bytes of the file image
 * (zero-padded when the file is shorter); filename may be empty. Non-zero: supported. */
SPI_EXPORT int32_t IsSupported(const char* filename, intptr_t dw);

/* buf holds the whole file image of len bytes (flag SPI_INPUT_MEMORY), readable to at least 2048
 * bytes. Fills *lpInfo; returns SPI_ALL_RIGHT or an error. */
SPI_EXPORT int32_t GetPictureInfo(const char* buf, int32_t len, uint32_t flag,
                                  struct PictureInfo* lpInfo);

/* Decodes the picture: *pHBInfo receives a LocalAlloc block with the BitmapInfoHeader and its
 * colour table, *pHBm one with the bits, rows padded to 4 bytes. The host frees both. The plug-in
 * calls progress (when not null) now and then and stops with SPI_ABORT when it returns non-zero. */
SPI_EXPORT int32_t GetPicture(const char* buf, int32_t len, uint32_t flag, void** pHBInfo,
                              void** pHBm, SPI_PROGRESS progress, intptr_t lData);

/* Never called by the host; declared so that plug-ins agree on their form. */
SPI_EXPORT int32_t GetPreview(const char* buf, int32_t len, uint32_t flag, void** pHBInfo,
                              void** pHBm, SPI_PROGRESS progress, intptr_t lData);
SPI_EXPORT int32_t ConfigurationDlg(void* parent, int32_t fnc);

/* The same entry points as the host sees them through dlsym. */
typedef int32_t (*SPI_GetPluginInfo)(int32_t infono, char* buf, int32_t buflen);
typedef int32_t (*SPI_IsSupported)(const char* filename, intptr_t dw);
typedef int32_t (*SPI_GetPictureInfo)(const char* buf, int32_t len, uint32_t flag,
                                      struct PictureInfo* lpInfo);
typedef int32_t (*SPI_GetPicture)(const char* buf, int32_t len, uint32_t flag, void** pHBInfo,
                                  void** pHBm, SPI_PROGRESS progress, intptr_t lData);

/* Exported by the host. */
void* LocalAlloc(uint32_t uFlags, size_t uBytes);
void* LocalLock(void* hMem);
int32_t LocalUnlock(void* hMem);
void* LocalFree(void* hMem);  /* null on success, the handle when it is not a live block */
size_t LocalSize(void* hMem); /* 0 for anything that is not a live block */

#ifdef __cplusplus
}
#endif

#endif
