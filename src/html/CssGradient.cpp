#include "html/CssGradient.h"

#include "color/ColorText.h"
#include "html/CharTags.h"
#include "html/SpanTag.h"

namespace tintora {

std::vector<TColor> CssGradientStops(const TGrdParams& params, std::size_t charCount) {
    switch (params.Type) {
    case TGrdType::gtNone:
        return {params.Start & clWhite};
    case TGrdType::gtTwo:
        return {params.Start & clWhite, params.End & clWhite};
    case TGrdType::gtThree:
        return {params.Start & clWhite, params.Mid & clWhite, params.End & clWhite};
    default:
        break;
    }
    std::vector<TColor> stops;
    stops.reserve(charCount);
    TGrdColorizer colors(params, charCount);
    for (std::size_t i = 0; i < charCount; ++i) {
        stops.push_back(colors.ColorAt(i));
    }
    return stops;
}

TFontTagResult MakeCssGradientTag(const TFontTagInput& input) {
    TFontTagResult result;
    result.TextWasEmpty = input.Text.empty();
    const std::vector<TColor> stops =
        CssGradientStops(input, TextCharCount(input.Text, input.CodePage));

    std::string css = ColorAndFontCss(input, stops.empty() ? input.Start : stops.front());
    if (stops.size() >= 2) {
        css += ";background-image:linear-gradient(to right";
        for (TColor stop : stops) {
            css += ",#";
            css += ColorToHexText(stop, input.Cases.Value).View();
        }
        css += ");-webkit-background-clip:text;background-clip:text;"
               "-webkit-text-fill-color:transparent";
    }
    result.Text = StyledStartTag(input, css);
    AppendTagText(result.Text, input.Text, input.CodePage, input.Escape);
    result.Text += StyledEndTag(input);
    return result;
}

} // namespace tintora
