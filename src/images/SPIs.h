#pragma once

// The plug-in manager: finds plug-in libraries, keeps the loaded plug-ins in load order, and
// registers the file types of import plug-ins with the picture format registry. At most one
// manager lives at a time (Instance), as picture loading reaches the plug-ins through it.

#include "images/Graphic.h"
#include "images/PictureFormats.h"
#include "images/SPI.h"
#include "images/SPIFolders.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tintora {

enum TSPISearchOption { spsSusieDir, spsAppDir, spsCurrentDir, spsSystemDir, spsWindowsDir };

class TSPISearchOptions {
public:
    TSPISearchOptions(std::initializer_list<TSPISearchOption> options) {
        for (const TSPISearchOption option : options) {
            Include(option);
        }
    }
    bool Contains(TSPISearchOption option) const { return (bits_ & Bit(option)) != 0; }
    void Include(TSPISearchOption option) {
        bits_ = static_cast<std::uint8_t>(bits_ | Bit(option));
    }
    void Exclude(TSPISearchOption option) {
        bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(option));
    }
    bool operator==(const TSPISearchOptions&) const = default;

private:
    static unsigned Bit(TSPISearchOption option) { return 1u << option; }
    std::uint8_t bits_ = 0;
};

class TSPIs;

// A candidate file, by its full name, before it is loaded; clearing `accept` skips it.
using TSPISearchingEvent =
    std::function<void(TSPIs& sender, const std::string& fileName, bool& accept)>;
// A plug-in the search has just made; clearing `accept` frees it instead of adding it.
using TSPISearchEvent = std::function<void(TSPIs& sender, TSPI& spi, bool& accept)>;
// One extension of an import plug-in being added; `graphicClass` comes in as PictureClass and is
// registered for the extension as it goes out, unless null.
using TSPIPictureRegisterEvent =
    std::function<void(TSPIs& sender, TInSPI& spi, const std::string& extension,
                       const std::string& description, const TGraphicClass*& graphicClass)>;

class TSPIs {
public:
    // ESPIDupCreateSPIs while another manager lives.
    TSPIs();
    ~TSPIs();
    TSPIs(const TSPIs&) = delete;
    TSPIs& operator=(const TSPIs&) = delete;

    static TSPIs* Instance() { return instance_; }
    // The picture class registered for plug-in file types (TSPIBitmap unless changed).
    static const TGraphicClass* PictureClass() { return pictureClass_; }
    static void SetPictureClass(const TGraphicClass* graphicClass) { pictureClass_ = graphicClass; }

    int Count() const { return static_cast<int>(spis_.size()); }
    TSPI& SPIs(int index) const { return *spis_.at(static_cast<std::size_t>(index)); }
    // The first plug-in whose FileName equals `fileName`, ASCII letter case ignored; -1 if none.
    int IndexOf(std::string_view fileName) const;

    void Add(std::unique_ptr<TSPI> spi);
    // Takes the plug-in and, for an import plug-in, registers its file types (last pattern of an
    // entry first). An error while registering leaves the plug-in out and passes on.
    void Insert(int index, std::unique_ptr<TSPI> spi);
    // Frees the plug-in, releasing its library; its file types stay registered.
    void Delete(int index);
    void Clear();

    // Loads every plug-in matching the mask: only in the mask's folder when it has one, else in
    // the places SearchOptions enable, in the order of TSPISearchOption. A library without a
    // required entry point raises ESPIInvalidAPI and ends the search.
    void Search(const std::string& mask);
    void SearchFolder(const std::string& folder, const std::string& mask);

    // Appends the plug-ins of the classes (or subclasses) to `list`: those whose file types
    // include the extension of `extension` first, the last loaded of them first, then the others
    // in load order.
    void FindSPIs(std::initializer_list<const TSPIClass*> classes, std::vector<TSPI*>& list,
                  std::string_view extension) const;

    // Runs the search for "*.spi" when AutoSearch is set; the owner calls it once its settings
    // are in place.
    void Loaded();

    TSPISearchOptions SearchOptions{spsSusieDir, spsAppDir};
    bool AutoSearch = true;
    TSPIFolders Folders;
    // The registry import plug-ins register with: the process's unless a test gives its own.
    TPictureFormats* Formats = &PictureFormats();

    TSPISearchingEvent OnSearching;
    TSPISearchEvent OnSearch;
    TSPIPictureRegisterEvent OnPictureRegister;

private:
    void RegisterFileTypes(TInSPI& spi);
    const std::string& PlaceFolder(TSPISearchOption option) const;

    std::vector<std::unique_ptr<TSPI>> spis_;

    static TSPIs* instance_;
    static const TGraphicClass* pictureClass_;
};

// The extension part of a file name: from its last "." on, the dot included; empty when the name
// part (after the last "/") has no dot.
std::string ExtractFileExt(std::string_view fileName);

} // namespace tintora
