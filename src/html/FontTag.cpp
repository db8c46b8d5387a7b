#include "html/FontTag.h"

#include "color/ColorText.h"
#include "html/CharTags.h"

namespace tintora {

namespace {

struct TStyleWrappers {
    std::string open;
    std::string close;
};

// <B><I><U> ... </U></I></B>, in lower case only when element names are: upper and initial upper
// both keep the style tags as capitals, as the program always wrote them.
TStyleWrappers StyleWrappers(const TFontTagInput& input) {
    TStyleWrappers w;
    if (input.Bold) {
        w.open = "<B>";
        w.close = "</B>";
    }
    if (input.Italic) {
        w.open += "<I>";
        w.close.insert(0, "</I>");
    }
    if (input.Underline) {
        w.open += "<U>";
        w.close.insert(0, "</U>");
    }
    if (input.Cases.Element == TCharCaseMode::ccLower) {
        w.open = ApplyCharCase(TCharCaseMode::ccLower, w.open);
        w.close = ApplyCharCase(TCharCaseMode::ccLower, w.close);
    }
    return w;
}

} // namespace

TFontTagResult MakeFontTag(const TFontTagInput& input) {
    TFontTagResult result;
    result.TextWasEmpty = input.Text.empty();

    const std::string en = ApplyCharCase(TCaseKind::ckElement, "FONT", input.Cases);
    const std::string ca = ApplyCharCase(TCaseKind::ckAttribute, "COLOR=\"#", input.Cases);
    const std::string fa = ApplyCharCase(TCaseKind::ckAttribute, "FACE", input.Cases);
    const std::string sa = ApplyCharCase(TCaseKind::ckAttribute, "SIZE", input.Cases);
    const TStyleWrappers style = StyleWrappers(input);

    std::string extra;
    if (!input.SizeText.empty()) {
        extra += ' ' + sa + "=\"" + input.SizeText + '"';
    }
    if (!input.FaceText.empty()) {
        extra += ' ' + fa + "=\"" + input.FaceText + '"';
    }

    std::string& out = result.Text;
    out += style.open;
    if (input.Type == TGrdType::gtNone) {
        out += '<';
        out += en;
        out += ' ';
        out += ca;
        out += ColorToHexText(input.Start, input.Cases.Value).View();
        out += '"';
        out += extra;
        out += '>';
        AppendTagText(out, input.Text, input.CodePage, input.Escape);
        out += "</";
        out += en;
        out += '>';
    } else {
        // One outer element carries size and face for all characters.
        if (!extra.empty()) {
            out += '<';
            out += en;
            out += extra;
            out += '>';
        }
        const TCharElement element{'<' + en + std::string(FontTagBreak(input.WrapFontTag)) + ca,
                                   "</" + en + '>'};
        AppendCharElements(out, input, TextCharCount(input.Text, input.CodePage), element);
        if (!extra.empty()) {
            out += "</";
            out += en;
            out += '>';
        }
    }
    out += style.close;
    return result;
}

} // namespace tintora
