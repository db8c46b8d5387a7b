#include "html/SpanTag.h"

#include "color/ColorText.h"
#include "html/CharTags.h"
#include "html/CssFont.h"

namespace tintora {

namespace {

std::string ElementName(const TFontTagInput& input) {
    return ApplyCharCase(TCaseKind::ckElement, "SPAN", input.Cases);
}

std::string StyleAttribute(const TFontTagInput& input) {
    return ApplyCharCase(TCaseKind::ckAttribute, "STYLE=\"", input.Cases);
}

} // namespace

std::string StyledStartTag(const TFontTagInput& input, std::string_view css) {
    return '<' + ElementName(input) + ' ' + StyleAttribute(input) + std::string(css) + "\">";
}

std::string StyledEndTag(const TFontTagInput& input) {
    return "</" + ElementName(input) + '>';
}

std::string ColorAndFontCss(const TFontTagInput& input, TColor color) {
    std::string css = "color:#";
    css += ColorToHexText(color, input.Cases.Value).View();
    if (const std::string font = CssFontDeclarations(input); !font.empty()) {
        css += ';';
        css += font;
    }
    return css;
}

TFontTagResult MakeSpanTag(const TFontTagInput& input) {
    TFontTagResult result;
    result.TextWasEmpty = input.Text.empty();
    std::string& out = result.Text;
    const std::string endTag = StyledEndTag(input);

    if (input.Type == TGrdType::gtNone) {
        out = StyledStartTag(input, ColorAndFontCss(input, input.Start));
        AppendTagText(out, input.Text, input.CodePage, input.Escape);
        out += endTag;
        return result;
    }

    const std::string font = CssFontDeclarations(input);
    if (!font.empty()) {
        out = StyledStartTag(input, font);
    }
    const TCharElement element{'<' + ElementName(input) +
                                   std::string(FontTagBreak(input.WrapFontTag)) +
                                   StyleAttribute(input) + "color:#",
                               endTag};
    AppendCharElements(out, input, TextCharCount(input.Text, input.CodePage), element);
    if (!font.empty()) {
        out += endTag;
    }
    return result;
}

} // namespace tintora
