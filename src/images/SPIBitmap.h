#pragma once

// Pictures read through import plug-ins: the loader that offers a file image to the plug-ins
// (TInSPIAble) and the bitmap class registered for every plug-in file type (TSPIBitmap).

#include "images/DibDecoder.h"
#include "images/Graphic.h"
#include "images/SPI.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <span>
#include <string>

namespace tintora {

// What a plug-in reported through GetPictureInfo.
struct TPictureInfoRec {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint16_t XDensity = 0;
    std::uint16_t YDensity = 0;
    std::int16_t ColorDepth = 0;
    std::string Info;
    bool Filled = false;
};

// Turns a decoded picture into the owner's content: the bitmap info block (header and colour
// table) and the bits block, each exactly as large as the plug-in allocated it, and a way to take
// the bits block over instead of copying it. Sets `result` when the picture was taken.
using TReceiveDIBEvent =
    std::function<void(std::span<const std::uint8_t> bitmapInfo, std::span<const std::uint8_t> bits,
                       const TBitsAdopter& adoptBits, bool& result, const TPictureInfoRec& info)>;

class TInSPIAble {
public:
    explicit TInSPIAble(TGraphic& owner) : owner_(owner) {}
    TInSPIAble(const TInSPIAble&) = delete;
    TInSPIAble& operator=(const TInSPIAble&) = delete;

    // Sets the current extension and name for the span of the load.
    void LoadFromFile(const std::string& fileName);
    void LoadFromStreamWithName(std::span<const std::uint8_t> stream, const std::string& fileName);
    // Tries the native reader and the plug-ins, plug-ins first when the current extension names
    // another format than NativeExt; EInvalidGraphic with InvalidPictureMessage when both fail.
    void LoadFromStream(std::span<const std::uint8_t> stream);

    // Decodes with one plug-in, and once more with the first 128 bytes skipped when that fails
    // and SkipHeaderRetry is set. Reports the starting and ending stages around it.
    bool LoadWithSPI(std::span<const std::uint8_t> image, const TInSPI& spi);
    // One attempt: IsSupported, GetPictureInfo, GetPicture and the receiver. A block shorter than
    // 2048 bytes is handed over zero-padded to 2048; the length passed stays its own.
    bool DecodeWithSPI(std::span<const std::uint8_t> block, const TInSPI& spi);

    const std::string& CurrentExtension() const { return currentExtension_; }
    const std::string& CurrentName() const { return currentName_; }

    std::string NativeExt;
    std::function<void(const std::string& fileName)> NativeFileLoader;
    std::function<void(std::span<const std::uint8_t> stream)> NativeStreamLoader;
    TReceiveDIBEvent Receiver;
    const TInSPI* PreferredSPI = nullptr;
    bool SkipHeaderRetry = true;
    // The owner's progress notification.
    std::function<void(TProgressStage stage, int percent, bool redrawNow, const TRect& rect)>
        Progress;

private:
    friend std::int32_t SPIProgressOf(TInSPIAble& loader, std::int32_t num, std::int32_t denom);

    class TNamedLoad;
    bool TryNative(std::span<const std::uint8_t> image);
    bool TryPlugins(std::span<const std::uint8_t> image);
    void Report(TProgressStage stage, int percent, bool redrawNow);

    TGraphic& owner_;
    std::string currentExtension_;
    std::string currentName_;
    // An error a progress handler raised while a plug-in was running, raised again once the
    // plug-in has returned, so that no error ever unwinds through a plug-in's frames.
    std::exception_ptr progressError_;
};

// The progress callback handed to plug-ins, with the loader as its context: reports the running
// stage at 1..99 percent and returns 1 (stop) when the handler raises EAbort. Ignores a context
// that is not the loader whose plug-in is running.
extern "C" std::int32_t SPIProgress(std::int32_t num, std::int32_t denom, std::intptr_t lData);

// The Windows multiply-divide: a × b ÷ c rounded half away from zero; -1 when c is 0 or the
// result does not fit.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// The text in a block: up to its first zero byte, or all `size` bytes when there is none.
std::string TextFromBlock(const void* memory, std::size_t size);

class TSPIBitmap : public TBitmap {
public:
    static const TGraphicClass Class;

    TSPIBitmap();
    TSPIBitmap(const TSPIBitmap&) = delete;
    TSPIBitmap& operator=(const TSPIBitmap&) = delete;

    const TGraphicClass& ClassType() const override { return Class; }
    void LoadFromFile(const std::string& fileName) override;
    void LoadFromStream(std::span<const std::uint8_t> stream) override;
    virtual void LoadFromStreamWithName(std::span<const std::uint8_t> stream,
                                        const std::string& fileName);
    void CopyFrom(const TBitmap& source) override;

    // Takes a plug-in's picture when every size in its header agrees with the blocks; a 4-bit
    // picture keeps its colour table as the palette.
    void ReceiveDIB(std::span<const std::uint8_t> bitmapInfo, std::span<const std::uint8_t> bits,
                    const TBitsAdopter& adoptBits, bool& result, const TPictureInfoRec& info);

    const TInSPI* PreferredSPI = nullptr;
    bool SkipHeaderRetry = true;

private:
    void PrepareLoader();

    TInSPIAble loader_;
};

} // namespace tintora
