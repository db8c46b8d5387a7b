#include "html/CharTags.h"

#include "color/ColorText.h"

namespace tintora {

void AppendTagChar(std::string& out, std::string_view ch, TEscapeOptions escape) {
    if (ch.size() == 1) {
        out += EscapeTextChar(ch.front(), escape).View();
    } else {
        out += ch;
    }
}

void AppendTagText(std::string& out, std::string_view text, TCodePage codePage,
                   TEscapeOptions escape) {
    // An escaped character is at most 6 bytes and never longer than 6 times its bytes.
    out.reserve(out.size() + 6 * text.size());
    for (std::string_view ch : TCharRange(text, codePage)) {
        AppendTagChar(out, ch, escape);
    }
}

void AppendCharElements(std::string& out, const TFontTagInput& input, std::size_t charCount,
                        const TCharElement& element) {
    // Per character: Open, 6 digits, "> (2), the character (at most 6 bytes), Close.
    const std::size_t perChar = element.Open.size() + 6 + 2 + 6 + element.Close.size();
    out.reserve(out.size() + charCount * perChar);
    TGrdColorizer colors(input, charCount);
    std::size_t i = 0;
    for (std::string_view ch : TCharRange(input.Text, input.CodePage)) {
        out += element.Open;
        out += ColorToHexText(colors.ColorAt(i), input.Cases.Value).View();
        out += "\">";
        AppendTagChar(out, ch, input.Escape);
        out += element.Close;
        ++i;
    }
}

} // namespace tintora
