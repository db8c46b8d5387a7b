#include "images/SPIBitmap.h"

#include "images/DibDecoder.h"
#include "images/GraphicErrors.h"
#include "images/LocalMemory.h"
#include "images/SPIs.h"
#include "text/Ascii.h"

#include <array>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace tintora {

namespace {

// IsSupported may look at this many bytes of any file image.
constexpr std::size_t kProbeLength = 2048;
// A header some files carry before the picture data.
constexpr std::size_t kSkippedHeader = 128;

std::unique_ptr<TGraphic> CreateSPIBitmap() {
    return std::make_unique<TSPIBitmap>();
}

// The loader whose plug-in is decoding on this thread; progress calls for any other context are
// not ours to trust.
thread_local TInSPIAble* runningLoader = nullptr;

class TRunningLoader {
public:
    explicit TRunningLoader(TInSPIAble& loader) : previous_(runningLoader) {
        runningLoader = &loader;
    }
    ~TRunningLoader() { runningLoader = previous_; }
    TRunningLoader(const TRunningLoader&) = delete;
    TRunningLoader& operator=(const TRunningLoader&) = delete;

private:
    TInSPIAble* previous_;
};

// Frees the blocks a plug-in handed back, on every path.
class THandles {
public:
    ~THandles() {
        FreeLocalHandle(Info);
        if (Bits != Info) {
            FreeLocalHandle(Bits);
        }
    }
    void* Info = nullptr;
    void* Bits = nullptr;
};

void CopyPictureInfo(const PictureInfo& info, TPictureInfoRec& record) {
    record.Left = info.left;
    record.Top = info.top;
    record.Width = info.width;
    record.Height = info.height;
    record.XDensity = info.x_density;
    record.YDensity = info.y_density;
    record.ColorDepth = info.colorDepth;
    const std::span<const std::uint8_t> text = LockedBytes(info.hInfo);
    if (!text.empty()) {
        record.Info = TextFromBlock(text.data(), text.size());
        LocalUnlock(info.hInfo);
    }
    record.Filled = true;
}

} // namespace

const TGraphicClass TSPIBitmap::Class{"TSPIBitmap", &TBitmap::Class, &CreateSPIBitmap};

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t{a} * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    if (2 * (remainder < 0 ? -remainder : remainder) >= (c < 0 ? -std::int64_t{c} : c)) {
        quotient += (product < 0) == (c < 0) ? 1 : -1;
    }
    if (quotient > std::numeric_limits<std::int32_t>::max() ||
        quotient < std::numeric_limits<std::int32_t>::min()) {
        return -1;
    }
    return static_cast<std::int32_t>(quotient);
}

std::string TextFromBlock(const void* memory, std::size_t size) {
    const auto* bytes = static_cast<const char*>(memory);
    const auto* zero = static_cast<const char*>(std::memchr(bytes, 0, size));
    return zero == nullptr ? std::string(bytes, size) : std::string(bytes, zero);
}

std::int32_t SPIProgressOf(TInSPIAble& loader, std::int32_t num, std::int32_t denom) {
    const int percent = MulDiv(num, 98, denom) + 1;
    try {
        loader.Report(psRunning, percent, false);
    } catch (const EAbort&) {
        return 1;
    } catch (...) {
        loader.progressError_ = std::current_exception();
        return 1;
    }
    return 0;
}

extern "C" std::int32_t SPIProgress(std::int32_t num, std::int32_t denom, std::intptr_t lData) {
    if (lData == 0 || lData != reinterpret_cast<std::intptr_t>(runningLoader)) {
        return 0;
    }
    return SPIProgressOf(*runningLoader, num, denom);
}

class TInSPIAble::TNamedLoad {
public:
    TNamedLoad(TInSPIAble& loader, const std::string& fileName) : loader_(loader) {
        loader.currentExtension_ = ExtractFileExt(fileName);
        loader.currentName_ = fileName;
    }
    ~TNamedLoad() {
        loader_.currentExtension_.clear();
        loader_.currentName_.clear();
    }
    TNamedLoad(const TNamedLoad&) = delete;
    TNamedLoad& operator=(const TNamedLoad&) = delete;

private:
    TInSPIAble& loader_;
};

void TInSPIAble::LoadFromFile(const std::string& fileName) {
    const TNamedLoad named(*this, fileName);
    NativeFileLoader(fileName);
}

void TInSPIAble::LoadFromStreamWithName(std::span<const std::uint8_t> stream,
                                        const std::string& fileName) {
    const TNamedLoad named(*this, fileName);
    LoadFromStream(stream);
}

void TInSPIAble::LoadFromStream(std::span<const std::uint8_t> stream) {
    const bool pluginsFirst = !currentExtension_.empty() &&
                              !EqualsIgnoringAsciiCase(currentExtension_.substr(1), NativeExt);
    const bool loaded = pluginsFirst ? TryPlugins(stream) || TryNative(stream)
                                     : TryNative(stream) || TryPlugins(stream);
    if (!loaded) {
        throw EInvalidGraphic(std::string(InvalidPictureMessage));
    }
}

bool TInSPIAble::TryNative(std::span<const std::uint8_t> image) {
    try {
        NativeStreamLoader(image);
        return true;
    } catch (const EAbort&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
}

bool TInSPIAble::TryPlugins(std::span<const std::uint8_t> image) {
    if (PreferredSPI != nullptr) {
        return LoadWithSPI(image, *PreferredSPI);
    }
    const TSPIs* spis = TSPIs::Instance();
    if (spis == nullptr) {
        return false;
    }
    std::vector<TSPI*> candidates;
    spis->FindSPIs({&TInSPI::Class}, candidates, currentExtension_);
    for (TSPI* spi : candidates) {
        if (LoadWithSPI(image, static_cast<const TInSPI&>(*spi))) {
            return true;
        }
    }
    return false;
}

void TInSPIAble::Report(TProgressStage stage, int percent, bool redrawNow) {
    if (Progress) {
        Progress(stage, percent, redrawNow, TRect{0, 0, owner_.Width(), owner_.Height()});
    }
}

bool TInSPIAble::LoadWithSPI(std::span<const std::uint8_t> image, const TInSPI& spi) {
    Report(psStarting, 0, false);
    bool ok = false;
    try {
        ok = DecodeWithSPI(image, spi);
        if (!ok && SkipHeaderRetry && image.size() > kSkippedHeader) {
            ok = DecodeWithSPI(image.subspan(kSkippedHeader), spi);
        }
    } catch (...) {
        Report(psEnding, 100, true);
        throw;
    }
    Report(psEnding, 100, true);
    return ok;
}

bool TInSPIAble::DecodeWithSPI(std::span<const std::uint8_t> block, const TInSPI& spi) {
    if (block.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    const auto length = static_cast<std::int32_t>(block.size());
    std::array<std::uint8_t, kProbeLength> padded{};
    const char* data = reinterpret_cast<const char*>(block.data());
    if (block.size() < kProbeLength) {
        std::copy(block.begin(), block.end(), padded.begin());
        data = reinterpret_cast<const char*>(padded.data());
    }

    if (spi.IsSupported(currentName_.c_str(), reinterpret_cast<std::intptr_t>(data)) == 0) {
        return false;
    }
    TPictureInfoRec record;
    PictureInfo info{};
    if (spi.GetPictureInfo(data, length, SPI_INPUT_MEMORY, &info) == 0) {
        CopyPictureInfo(info, record);
    }
    FreeLocalHandle(info.hInfo);

    THandles handles;
    progressError_ = nullptr;
    std::int32_t answer = 0;
    {
        const TRunningLoader running(*this);
        answer = spi.GetPicture(data, length, SPI_INPUT_MEMORY, &handles.Info, &handles.Bits,
                                &SPIProgress, reinterpret_cast<std::intptr_t>(this));
    }
    if (progressError_) {
        std::rethrow_exception(std::exchange(progressError_, nullptr));
    }
    bool result = false;
    if (answer == 0) {
        const std::span<const std::uint8_t> bitmapInfo = LockedBytes(handles.Info);
        const std::span<const std::uint8_t> bits = LockedBytes(handles.Bits);
        const TBitsAdopter adoptBits = [&handles](std::size_t pixels) {
            if (handles.Bits == handles.Info) {
                return TPixelBuffer();
            }
            void* taken = TakeLocalBlock(std::exchange(handles.Bits, nullptr));
            return TPixelBuffer::Adopt(static_cast<std::uint32_t*>(taken), pixels);
        };
        if (!bitmapInfo.empty() && !bits.empty() && Receiver) {
            Receiver(bitmapInfo, bits, adoptBits, result, record);
        }
    }
    return result;
}

TSPIBitmap::TSPIBitmap() : loader_(*this) {
    loader_.NativeExt = "BMP";
    loader_.NativeFileLoader = [this](const std::string& fileName) {
        TGraphic::LoadFromFile(fileName);
    };
    loader_.NativeStreamLoader = [this](std::span<const std::uint8_t> stream) {
        TBitmap::LoadFromStream(stream);
    };
    loader_.Receiver = [this](std::span<const std::uint8_t> bitmapInfo,
                              std::span<const std::uint8_t> bits, const TBitsAdopter& adoptBits,
                              bool& result, const TPictureInfoRec& info) {
        ReceiveDIB(bitmapInfo, bits, adoptBits, result, info);
    };
    loader_.Progress = [this](TProgressStage stage, int percent, bool redrawNow,
                              const TRect& rect) {
        Progress(stage, percent, redrawNow, rect, std::string());
    };
}

void TSPIBitmap::PrepareLoader() {
    loader_.PreferredSPI = PreferredSPI;
    loader_.SkipHeaderRetry = SkipHeaderRetry;
}

void TSPIBitmap::LoadFromFile(const std::string& fileName) {
    PrepareLoader();
    loader_.LoadFromFile(fileName);
}

void TSPIBitmap::LoadFromStream(std::span<const std::uint8_t> stream) {
    PrepareLoader();
    loader_.LoadFromStream(stream);
}

void TSPIBitmap::LoadFromStreamWithName(std::span<const std::uint8_t> stream,
                                        const std::string& fileName) {
    PrepareLoader();
    loader_.LoadFromStreamWithName(stream, fileName);
}

void TSPIBitmap::CopyFrom(const TBitmap& source) {
    if (const auto* spiSource = dynamic_cast<const TSPIBitmap*>(&source)) {
        PreferredSPI = spiSource->PreferredSPI;
        SkipHeaderRetry = spiSource->SkipHeaderRetry;
    }
    TBitmap::CopyFrom(source);
}

void TSPIBitmap::ReceiveDIB(std::span<const std::uint8_t> bitmapInfo,
                            std::span<const std::uint8_t> bits, const TBitsAdopter& adoptBits,
                            bool& result, const TPictureInfoRec& /*info*/) {
    std::optional<TDib> dib = DecodeDib(bitmapInfo, bits, adoptBits);
    if (!dib) {
        return;
    }
    std::vector<TColor> palette;
    if (dib->BitCount == 4) {
        palette = std::move(dib->ColorTable);
    }
    SetPicture(std::move(dib->Image), std::move(palette));
    result = true;
}

} // namespace tintora
