#pragma once

// One loaded image plug-in library, and the kinds a plug-in can be. The kind follows the API
// version the plug-in reports; each kind requires its entry points and checks them when it is made.

#include "images/ClassOf.h"
#include "images/DynamicLibrary.h"
#include "tintora/spi.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tintora {

// The library cannot be loaded; the message names the path it was given.
class ESPIFOpenErrorSPI : public std::runtime_error {
public:
    explicit ESPIFOpenErrorSPI(const std::string& path);
};

// A required entry point is missing; the message names it and the plug-in's file.
class ESPIInvalidAPI : public std::runtime_error {
public:
    ESPIInvalidAPI(const std::string& entryPoint, const std::string& fileName);
};

// A second plug-in manager while one exists.
class ESPIDupCreateSPIs : public std::runtime_error {
public:
    ESPIDupCreateSPIs();
};

// Raised by nothing here; CreateSPI treats it as a file that is no plug-in.
class ESPIInvalidSPI : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSPI;
using TSPIClass = TClassOf<TSPI, const std::string&>;

// A plug-in of any other API version: only GetPluginInfo is required.
class TSPI {
public:
    static const TSPIClass Class;

    TSPI(const TSPI&) = delete;
    TSPI& operator=(const TSPI&) = delete;
    virtual ~TSPI();

    virtual const TSPIClass& ClassType() const { return Class; }
    virtual bool IsLoader() const { return false; }

    // The path of the loaded library as the system reports it, else the path it was made from.
    const std::string& FileName() const { return fileName_; }
    const std::string& APIVersion() const { return apiVersion_; }
    const std::string& PluginInfo() const { return pluginInfo_; }
    // One entry per file type: a pattern, or several joined by ";", and its description.
    const std::vector<std::string>& Extensions() const { return extensions_; }
    const std::vector<std::string>& Descriptions() const { return descriptions_; }

    // The plug-in's entry points, with its results unchanged; an entry point the library lacks
    // raises ESPIInvalidAPI.
    std::int32_t GetPluginInfo(std::int32_t infono, char* buf, std::int32_t buflen) const;
    std::int32_t IsSupported(const char* filename, std::intptr_t dw) const;
    std::int32_t GetPictureInfo(const char* buf, std::int32_t len, std::uint32_t flag,
                                PictureInfo* lpInfo) const;
    std::int32_t GetPicture(const char* buf, std::int32_t len, std::uint32_t flag, void** pHBInfo,
                            void** pHBm, SPI_PROGRESS progress, std::intptr_t lData) const;

protected:
    // Loads the library and looks up its entry points; ESPIFOpenErrorSPI when it cannot be loaded.
    explicit TSPI(const std::string& path);

    // Raises ESPIInvalidAPI for the first required entry point that is missing.
    virtual void CheckAPI() const;

    // Makes a plug-in of a kind: loads, checks the kind's entry points, reads what it reports.
    template <typename Kind>
    static std::unique_ptr<TSPI> Construct(const std::string& path) {
        std::unique_ptr<TSPI> spi(new Kind(path));
        spi->CheckAPI();
        spi->ReadPluginInfo();
        return spi;
    }

    enum TEntryPoint {
        epGetPluginInfo,
        epConfigurationDlg,
        epIsSupported,
        epGetPictureInfo,
        epGetPicture,
        epGetPreview,
        epGetArchiveInfo,
        epGetFileInfo,
        epGetFile,
        epCount
    };
    void RequireEntryPoint(TEntryPoint entryPoint) const;

private:
    void ReadPluginInfo();
    // GetPluginInfo(infono) as text, up to its first NUL; nothing when the result is not > 0.
    bool InfoText(std::int32_t infono, std::string& text) const;
    void* EntryPoint(TEntryPoint entryPoint) const;

    TDynamicLibrary library_;
    std::string fileName_;
    std::string apiVersion_;
    std::string pluginInfo_;
    std::vector<std::string> extensions_;
    std::vector<std::string> descriptions_;
    void* entryPoints_[epCount] = {};
};

// A plug-in that reads files: GetPluginInfo and IsSupported.
class TLoaderSPI : public TSPI {
public:
    static const TSPIClass Class;
    const TSPIClass& ClassType() const override { return Class; }

protected:
    friend class TSPI;
    using TSPI::TSPI;
    void CheckAPI() const override;
};

// An import plug-in ("00IN"): reads pictures.
class TInSPI : public TLoaderSPI {
public:
    static const TSPIClass Class;
    const TSPIClass& ClassType() const override { return Class; }
    bool IsLoader() const override { return true; }

protected:
    friend class TSPI;
    using TLoaderSPI::TLoaderSPI;
    void CheckAPI() const override;
};

// An archive plug-in ("00AM").
class TAmSPI : public TLoaderSPI {
public:
    static const TSPIClass Class;
    const TSPIClass& ClassType() const override { return Class; }
    bool IsLoader() const override { return true; }

protected:
    friend class TSPI;
    using TLoaderSPI::TLoaderSPI;
    void CheckAPI() const override;
};

// A "00XN" plug-in.
class TXnSPI : public TSPI {
public:
    static const TSPIClass Class;
    const TSPIClass& ClassType() const override { return Class; }

protected:
    friend class TSPI;
    using TSPI::TSPI;
};

// The plug-in at `path` as the kind its API version names ("00IN", "00AM", "00XN", compared
// exactly; anything else a plain TSPI). Null when the file cannot be loaded as a library;
// ESPIInvalidAPI, for a library without a required entry point, passes on.
std::unique_ptr<TSPI> CreateSPI(const std::string& path);

} // namespace tintora
