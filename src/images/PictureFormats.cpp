#include "images/PictureFormats.h"

#include "files/UserFolder.h"
#include "images/GraphicErrors.h"
#include "text/Ascii.h"
#include "text/FormatMessage.h"

namespace tintora {

namespace {

constexpr std::string_view kAllFilesLabel = "すべてのﾌｧｲﾙ";

TPictureFormats StartupFormats() {
    TPictureFormats formats;
    formats.Add("wmf", "ﾒﾀﾌｧｲﾙ", MetafileClass);
    formats.Add("emf", "ｴﾝﾊﾝｽ ﾒﾀﾌｧｲﾙ", MetafileClass);
    formats.Add("ico", "ｱｲｺﾝ", IconClass);
    formats.Add("bmp", "ﾋﾞｯﾄﾏｯﾌﾟ", TBitmap::Class);
    return formats;
}

} // namespace

void TPictureFormats::Add(std::string_view extension, std::string_view description,
                          const TGraphicClass& graphicClass) {
    entries_.push_back({AsciiLowered(extension), std::string(description), &graphicClass});
}

void TPictureFormats::RemoveClass(const TGraphicClass& graphicClass) {
    std::erase_if(entries_, [&](const TPictureFormat& entry) {
        return entry.GraphicClass->InheritsFrom(graphicClass);
    });
}

const TGraphicClass* TPictureFormats::Find(std::string_view extension) const {
    if (extension.empty()) {
        return nullptr;
    }
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (EqualsIgnoringAsciiCase(entry->Extension, extension)) {
            return entry->GraphicClass;
        }
    }
    return nullptr;
}

std::string TPictureFormats::FilterText(const TGraphicClass& graphicClass) const {
    std::string descriptions;
    std::string patterns;
    int count = 0;
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (entry->Extension.empty() || !entry->GraphicClass->InheritsFrom(graphicClass)) {
            continue;
        }
        const std::string pattern = "*." + entry->Extension;
        if (count++ > 0) {
            descriptions += '|';
            patterns += ';';
        }
        descriptions += entry->Description + " (" + pattern + ")|" + pattern;
        patterns += pattern;
    }
    if (count > 1) {
        return std::string(kAllFilesLabel) + " (" + patterns + ")|" + patterns + "|" + descriptions;
    }
    return descriptions;
}

void TPictureFormats::LoadFromFile(TPictureHolder& holder, const std::string& fileName) const {
    const std::string extension = PictureFileExtension(fileName);
    const TGraphicClass* graphicClass = Find(extension);
    if (graphicClass == nullptr) {
        throw EInvalidGraphic(FormatMessage(UnknownExtensionMessage, {extension}));
    }
    if (graphicClass->Create == nullptr) {
        throw EInvalidGraphic(std::string(InvalidPictureMessage));
    }
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->OnProgress = [&holder](TGraphic& sender, TProgressStage stage, int percent,
                                    bool redrawNow, const TRect& rect, const std::string& message) {
        if (holder.OnProgress) {
            holder.OnProgress(sender, stage, percent, redrawNow, rect, message);
        }
    };
    graphic->LoadFromFile(fileName);
    graphic->OnProgress = nullptr;
    holder.SetGraphic(std::move(graphic));
}

TPictureFormats& PictureFormats() {
    static TPictureFormats formats = StartupFormats();
    return formats;
}

void AddPictureFormat(std::string_view extension, std::string_view description,
                      const TGraphicClass& graphicClass) {
    PictureFormats().Add(extension, description, graphicClass);
}

void RemovePictureClass(const TGraphicClass& graphicClass) {
    PictureFormats().RemoveClass(graphicClass);
}

std::string PictureFilterText(const TGraphicClass& graphicClass) {
    return PictureFormats().FilterText(graphicClass);
}

void LoadPictureFromFile(TPictureHolder& holder, const std::string& fileName) {
    PictureFormats().LoadFromFile(holder, fileName);
}

std::string PictureFileExtension(std::string_view fileName) {
    const std::string_view name = FileNameOf(fileName);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

} // namespace tintora
