#include "images/SPIs.h"

#include "images/SPIBitmap.h"
#include "text/Ascii.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace tintora {

TSPIs* TSPIs::instance_ = nullptr;
const TGraphicClass* TSPIs::pictureClass_ = &TSPIBitmap::Class;

namespace {

std::vector<std::string_view> PatternsLastFirst(std::string_view entry) {
    std::vector<std::string_view> patterns;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = entry.find(';', start);
        patterns.push_back(entry.substr(start, end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    std::reverse(patterns.begin(), patterns.end());
    return patterns;
}

// "*.jpg" gives "jpg", "*.*" gives "*", "*.tar.gz" gives "tar.gz", "README" stays whole.
std::string PatternExtension(std::string_view pattern) {
    const std::size_t dot = pattern.find('.');
    return std::string(dot == std::string_view::npos ? pattern : pattern.substr(dot + 1));
}

} // namespace

std::string ExtractFileExt(std::string_view fileName) {
    const std::size_t dot = fileName.find_last_of("./");
    if (dot == std::string_view::npos || fileName[dot] != '.') {
        return {};
    }
    return std::string(fileName.substr(dot));
}

TSPIs::TSPIs() {
    if (instance_ != nullptr) {
        throw ESPIDupCreateSPIs();
    }
    instance_ = this;
}

TSPIs::~TSPIs() {
    if (instance_ == this) {
        instance_ = nullptr;
    }
    Clear();
}

int TSPIs::IndexOf(std::string_view fileName) const {
    for (std::size_t i = 0; i < spis_.size(); ++i) {
        if (EqualsIgnoringAsciiCase(spis_[i]->FileName(), fileName)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TSPIs::Add(std::unique_ptr<TSPI> spi) {
    Insert(Count(), std::move(spi));
}

void TSPIs::Insert(int index, std::unique_ptr<TSPI> spi) {
    const auto position = spis_.begin() + std::clamp(index, 0, Count());
    const auto inserted = spis_.insert(position, std::move(spi));
    auto* importer = dynamic_cast<TInSPI*>(inserted->get());
    if (importer == nullptr) {
        return;
    }
    try {
        RegisterFileTypes(*importer);
    } catch (...) {
        // A plug-in the caller will not get back must not stay behind in the list.
        spis_.erase(std::find_if(spis_.begin(), spis_.end(),
                                 [&](const auto& held) { return held.get() == importer; }));
        throw;
    }
}

void TSPIs::RegisterFileTypes(TInSPI& spi) {
    const std::vector<std::string>& entries = spi.Extensions();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& description = spi.Descriptions()[i];
        for (const std::string_view pattern : PatternsLastFirst(entries[i])) {
            const std::string extension = PatternExtension(pattern);
            const TGraphicClass* graphicClass = pictureClass_;
            if (OnPictureRegister) {
                OnPictureRegister(*this, spi, extension, description, graphicClass);
            }
            if (graphicClass != nullptr) {
                Formats->Add(extension, description, *graphicClass);
            }
        }
    }
}

void TSPIs::Delete(int index) {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("TSPIs::Delete");
    }
    spis_.erase(spis_.begin() + index);
}

void TSPIs::Clear() {
    while (!spis_.empty()) {
        Delete(0);
    }
}

const std::string& TSPIs::PlaceFolder(TSPISearchOption option) const {
    switch (option) {
    case spsSusieDir:
        return Folders.SusieDir;
    case spsAppDir:
        return Folders.AppDir;
    case spsCurrentDir:
        return Folders.CurrentDir;
    case spsSystemDir:
        return Folders.SystemDir;
    case spsWindowsDir:
        break;
    }
    return Folders.WindowsDir;
}

void TSPIs::Search(const std::string& mask) {
    const std::size_t slash = mask.find_last_of('/');
    if (slash != std::string::npos) {
        SearchFolder(IncludePathDelim(mask.substr(0, slash + 1)), mask.substr(slash + 1));
        return;
    }
    for (const TSPISearchOption option :
         {spsSusieDir, spsAppDir, spsCurrentDir, spsSystemDir, spsWindowsDir}) {
        const std::string& folder = PlaceFolder(option);
        if (SearchOptions.Contains(option) && !folder.empty()) {
            SearchFolder(IncludePathDelim(folder), mask);
        }
    }
}

void TSPIs::SearchFolder(const std::string& folder, const std::string& mask) {
    std::vector<std::string> candidates;
    for (std::string& fileName : MatchingFiles(folder, mask)) {
        if (IndexOf(fileName) < 0) {
            candidates.push_back(std::move(fileName));
        }
    }
    for (const std::string& fileName : candidates) {
        bool accept = true;
        if (OnSearching) {
            OnSearching(*this, fileName, accept);
        }
        if (!accept) {
            continue;
        }
        std::unique_ptr<TSPI> spi = CreateSPI(fileName);
        if (!spi) {
            continue;
        }
        try {
            accept = true;
            if (OnSearch) {
                OnSearch(*this, *spi, accept);
            }
            if (accept) {
                Add(std::move(spi));
            }
        } catch (...) {
            // A handler's error costs only this plug-in, freed with `spi`.
        }
    }
}

void TSPIs::FindSPIs(std::initializer_list<const TSPIClass*> classes, std::vector<TSPI*>& list,
                     std::string_view extension) const {
    const std::string wanted = ExtractFileExt(extension);
    std::vector<TSPI*> claimers;
    std::vector<TSPI*> others;
    for (const auto& spi : spis_) {
        const bool wantedKind = std::any_of(classes.begin(), classes.end(), [&](auto* kind) {
            return spi->ClassType().InheritsFrom(*kind);
        });
        if (!wantedKind) {
            continue;
        }
        const bool claims =
            !wanted.empty() &&
            std::any_of(spi->Extensions().begin(), spi->Extensions().end(),
                        [&](const std::string& entry) {
                            return EqualsIgnoringAsciiCase(ExtractFileExt(entry), wanted);
                        });
        (claims ? claimers : others).push_back(spi.get());
    }
    list.insert(list.begin(), claimers.rbegin(), claimers.rend());
    list.insert(list.end(), others.begin(), others.end());
}

void TSPIs::Loaded() {
    if (AutoSearch) {
        Search("*.spi");
    }
}

} // namespace tintora
