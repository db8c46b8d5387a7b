#include "images/PluginSetup.h"

#include "files/UserFolder.h"
#include "text/Ascii.h"

#include <algorithm>

namespace tintora {

namespace {

constexpr const char* kPluginMask = "*.SPI";

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace

void SearchPlugins(TSPIs& spis, std::string& searchDir) {
    if (searchDir.empty()) {
        spis.Search(kPluginMask);
        return;
    }
    if (searchDir.back() != '/') {
        searchDir += '/';
    }
    spis.Search(searchDir + kPluginMask);
}

void SPIs1Searching(const std::vector<std::string>& skipFiles, const std::string& fileName,
                    bool& accept) {
    const std::string_view namePart = FileNameOf(fileName);
    if (std::any_of(skipFiles.begin(), skipFiles.end(), [&](const std::string& skipped) {
            return EqualsIgnoringAsciiCase(skipped, namePart);
        })) {
        accept = false;
    }
}

void SPIs1Search(const TSPI& spi, bool& accept) {
    accept = spi.ClassType().InheritsFrom(TInSPI::Class);
}

void SPIs1PictureRegister(TPictureFormats& formats, const std::string& extension,
                          const std::string& description, const TGraphicClass*& graphicClass) {
    if (extension == "*") {
        graphicClass = nullptr;
    }
    const std::string lowered = AsciiLowered(extension);
    if (lowered != "jpeg" && lowered != "jpe" && lowered != "jpg") {
        return;
    }
    const std::string offered = AsciiLowered(formats.FilterText(TGraphic::Class));
    if (graphicClass != nullptr) {
        if (!Contains(offered, "*.jpeg")) {
            formats.Add("jpeg", description, *graphicClass);
        }
        if (!Contains(offered, "*.jpg")) {
            formats.Add("jpg", description, *graphicClass);
        }
        // "*.jpe" inside "*.jpeg" does not count, unless it is the filter's very end.
        const std::size_t jpe = offered.find("*.jpe");
        const bool endsWithJpe = jpe != std::string::npos && jpe + 5 == offered.size();
        if (!Contains(offered, "*.jpe;") && !endsWithJpe) {
            formats.Add("jpe", description, *graphicClass);
        }
    }
    graphicClass = nullptr;
}

void BindPluginHandlers(TSPIs& spis, const std::vector<std::string>& skipFiles) {
    spis.OnSearching = [&skipFiles](TSPIs&, const std::string& fileName, bool& accept) {
        SPIs1Searching(skipFiles, fileName, accept);
    };
    spis.OnSearch = [](TSPIs&, TSPI& spi, bool& accept) { SPIs1Search(spi, accept); };
    spis.OnPictureRegister = [](TSPIs& sender, TInSPI&, const std::string& extension,
                                const std::string& description,
                                const TGraphicClass*& graphicClass) {
        SPIs1PictureRegister(*sender.Formats, extension, description, graphicClass);
    };
}

void ReloadPlugins(TSPIs& spis, std::string& searchDir) {
    spis.Clear();
    if (const TGraphicClass* pictureClass = TSPIs::PictureClass()) {
        spis.Formats->RemoveClass(*pictureClass);
    }
    SearchPlugins(spis, searchDir);
}

} // namespace tintora
