#include "images/SPI.h"

#include "text/FormatMessage.h"

#include <array>
#include <cstring>

namespace tintora {

namespace {

constexpr std::array<const char*, 9> kEntryPointNames = {
    "GetPluginInfo", "ConfigurationDlg", "IsSupported", "GetPictureInfo", "GetPicture",
    "GetPreview",    "GetArchiveInfo",   "GetFileInfo", "GetFile"};

// GetPluginInfo writes into a 256-byte buffer and is told it holds 255.
constexpr std::int32_t kInfoBufferLength = 255;
// A plug-in that answers every GetPluginInfo number would otherwise be asked forever.
constexpr std::int32_t kMaxFileTypes = 1024;

TDynamicLibrary OpenLibrary(const std::string& path) {
    std::optional<TDynamicLibrary> library = TDynamicLibrary::Open(path);
    if (!library) {
        throw ESPIFOpenErrorSPI(path);
    }
    return std::move(*library);
}

template <typename Function>
Function As(void* address) {
    return reinterpret_cast<Function>(address);
}

} // namespace

ESPIFOpenErrorSPI::ESPIFOpenErrorSPI(const std::string& path)
    : std::runtime_error(FormatMessage("%s:Susie Pluginがロードできませんでした", {path})) {}

ESPIInvalidAPI::ESPIInvalidAPI(const std::string& entryPoint, const std::string& fileName)
    : std::runtime_error(
          FormatMessage("%sは[%s]では使えないSusie Plugin APIです", {entryPoint, fileName})) {}

ESPIDupCreateSPIs::ESPIDupCreateSPIs() : std::runtime_error("TSPIs は複数生成できません") {}

const TSPIClass TSPI::Class{"TSPI", nullptr, &TSPI::Construct<TSPI>};
const TSPIClass TLoaderSPI::Class{"TLoaderSPI", &TSPI::Class, &TSPI::Construct<TLoaderSPI>};
const TSPIClass TInSPI::Class{"TInSPI", &TLoaderSPI::Class, &TSPI::Construct<TInSPI>};
const TSPIClass TAmSPI::Class{"TAmSPI", &TLoaderSPI::Class, &TSPI::Construct<TAmSPI>};
const TSPIClass TXnSPI::Class{"TXnSPI", &TSPI::Class, &TSPI::Construct<TXnSPI>};

TSPI::TSPI(const std::string& path) : library_(OpenLibrary(path)) {
    fileName_ = library_.FileName();
    if (fileName_.empty()) {
        fileName_ = path;
    }
    for (std::size_t i = 0; i < kEntryPointNames.size(); ++i) {
        entryPoints_[i] = library_.Symbol(kEntryPointNames[i]);
    }
}

TSPI::~TSPI() = default;

void TSPI::CheckAPI() const {
    RequireEntryPoint(epGetPluginInfo);
}

void TLoaderSPI::CheckAPI() const {
    TSPI::CheckAPI();
    RequireEntryPoint(epIsSupported);
}

void TInSPI::CheckAPI() const {
    TLoaderSPI::CheckAPI();
    RequireEntryPoint(epGetPictureInfo);
    RequireEntryPoint(epGetPicture);
}

void TAmSPI::CheckAPI() const {
    TLoaderSPI::CheckAPI();
    RequireEntryPoint(epGetArchiveInfo);
    RequireEntryPoint(epGetFileInfo);
    RequireEntryPoint(epGetFile);
}

void TSPI::RequireEntryPoint(TEntryPoint entryPoint) const {
    if (entryPoints_[entryPoint] == nullptr) {
        throw ESPIInvalidAPI(kEntryPointNames[entryPoint], fileName_);
    }
}

void* TSPI::EntryPoint(TEntryPoint entryPoint) const {
    RequireEntryPoint(entryPoint);
    return entryPoints_[entryPoint];
}

bool TSPI::InfoText(std::int32_t infono, std::string& text) const {
    char buffer[kInfoBufferLength + 1] = {};
    if (GetPluginInfo(infono, buffer, kInfoBufferLength) <= 0) {
        return false;
    }
    text.assign(buffer, strnlen(buffer, sizeof buffer));
    return true;
}

void TSPI::ReadPluginInfo() {
    InfoText(0, apiVersion_);
    InfoText(1, pluginInfo_);
    for (std::int32_t n = 2; n < 2 + 2 * kMaxFileTypes; n += 2) {
        std::string patterns, description;
        if (!InfoText(n, patterns) || !InfoText(n + 1, description)) {
            break;
        }
        extensions_.push_back(std::move(patterns));
        descriptions_.push_back(std::move(description));
    }
}

std::int32_t TSPI::GetPluginInfo(std::int32_t infono, char* buf, std::int32_t buflen) const {
    return As<SPI_GetPluginInfo>(EntryPoint(epGetPluginInfo))(infono, buf, buflen);
}

std::int32_t TSPI::IsSupported(const char* filename, std::intptr_t dw) const {
    return As<SPI_IsSupported>(EntryPoint(epIsSupported))(filename, dw);
}

std::int32_t TSPI::GetPictureInfo(const char* buf, std::int32_t len, std::uint32_t flag,
                                  PictureInfo* lpInfo) const {
    return As<SPI_GetPictureInfo>(EntryPoint(epGetPictureInfo))(buf, len, flag, lpInfo);
}

std::int32_t TSPI::GetPicture(const char* buf, std::int32_t len, std::uint32_t flag, void** pHBInfo,
                              void** pHBm, SPI_PROGRESS progress, std::intptr_t lData) const {
    return As<SPI_GetPicture>(EntryPoint(epGetPicture))(buf, len, flag, pHBInfo, pHBm, progress,
                                                        lData);
}

std::unique_ptr<TSPI> CreateSPI(const std::string& path) {
    try {
        const std::unique_ptr<TSPI> probe = TSPI::Class.Create(path);
        const std::string& version = probe->APIVersion();
        const TSPIClass& kind = version == "00IN"   ? TInSPI::Class
                                : version == "00AM" ? TAmSPI::Class
                                : version == "00XN" ? TXnSPI::Class
                                                    : TSPI::Class;
        return kind.Create(path);
    } catch (const ESPIFOpenErrorSPI&) {
        return nullptr;
    } catch (const ESPIInvalidSPI&) {
        return nullptr;
    }
}

} // namespace tintora
