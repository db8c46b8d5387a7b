#include "preview/PreviewPages.h"

#include "preview/BodyTagMerge.h"
#include "text/Ascii.h"

namespace tintora {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// tag (which ends in ">") with a background attribute put last, when there is a picture.
std::string WithBackground(std::string tag, std::string_view bgImageFile, const TCharCases& cases) {
    if (bgImageFile.empty()) {
        return tag;
    }
    tag.pop_back();
    tag += ' ';
    tag += ApplyCharCase(TCaseKind::ckAttribute, "BACKGROUND", cases);
    tag += "=\"";
    tag += bgImageFile;
    tag += "\">";
    return tag;
}

std::string Element(std::string_view name, const TCharCases& cases) {
    return ApplyCharCase(TCaseKind::ckElement, name, cases);
}

} // namespace

std::string WithCrLfLineEnds(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32 + 2);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            result.append(text.substr(pos));
            result.append(kCrLf);
            break;
        }
        result.append(text.substr(pos, end - pos));
        result.append(kCrLf);
        pos = end + (text.substr(end, 2) == kCrLf ? 2 : 1);
    }
    return result;
}

std::string PreviewFileName(std::string_view path) {
    const std::size_t nameStart = path.rfind('/') + 1; // 0 when there is no folder
    return std::string(path.substr(0, nameStart)) + AsciiLowered(path.substr(nameStart));
}

std::string FontPreviewPage(const TFontPreviewInput& input) {
    const TCharCases& cases = input.Cases;
    TBodyTagInput bodyInput;
    bodyInput.Colors.Bgcolor = input.Background;
    bodyInput.Choice = {baBgcolor, false};
    bodyInput.Cases = cases;
    const std::string head = Element("HEAD", cases);
    const std::string title = Element("TITLE", cases);

    std::string page = "<" + Element("HTML", cases) + ">\r\n";
    page += "<" + head + "><" + title + ">Tintora - FONTタグ表示テスト</" + title + "></" + head +
            ">\r\n";
    page += WithBackground(MakeBodyTag(bodyInput), input.BgImageFile, cases) + "\r\n";
    page += WithCrLfLineEnds(input.FontTag);
    page += "</" + Element("BODY", cases) + ">\r\n";
    page += "</" + Element("HTML", cases) + ">\r\n";
    return page;
}

std::string PreviewBodyTag(const TBodyPreviewInput& input) {
    TBodyTagInput bodyInput;
    bodyInput.Colors = input.Colors;
    bodyInput.Choice = {AllBodyAttribs, false};
    bodyInput.Cases = input.Cases;
    return WithBackground(MakeBodyTag(bodyInput), input.BgImageFile, input.Cases);
}

std::string MakeBaseTag(std::string_view samplePath, const TCharCases& cases) {
    const std::size_t folderEnd = samplePath.rfind('/') + 1; // 0 when there is no folder
    return "<" + Element("BASE", cases) + " " +
           ApplyCharCase(TCaseKind::ckAttribute, "HREF", cases) + "=\"" +
           std::string(samplePath.substr(0, folderEnd)) + "\">";
}

std::string BodyPreviewPage(std::string_view sample, const TBodyPreviewInput& input) {
    const std::string bodyTag = PreviewBodyTag(input);
    const std::string baseTag = input.InsBaseTag ? MakeBaseTag(input.SamplePath, input.Cases) : "";
    std::string page = WithCrLfLineEnds(sample);
    if (MergeBodyTag(page, bodyTag, baseTag)) {
        return page;
    }
    std::string firstLines = input.InsBaseTag ? baseTag + "\r\n" : std::string();
    firstLines += bodyTag + "\r\n";
    return firstLines + page;
}

} // namespace tintora
