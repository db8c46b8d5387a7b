#include "html/ContrastReport.h"

namespace tintora {

std::array<TBodyContrastRow, 4> BodyContrastReport(const TBodyColors& colors) {
    const auto row = [&colors](std::string_view name, TColor color) {
        return TBodyContrastRow{name, color & clWhite, ContrastRatio(color, colors.Bgcolor)};
    };
    return {row("text", colors.Text), row("link", colors.Link), row("vlink", colors.Vlink),
            row("alink", colors.Alink)};
}

bool IsBlankChar(std::string_view ch, TCodePage codePage) {
    if (ch == " ") {
        return true;
    }
    return codePage == TCodePage::cpUtf8 ? ch == "\xE3\x80\x80" : ch == "\x81\x40";
}

TFontContrastReport FontContrastReport(const TFontTagInput& input, TColor background) {
    TFontContrastReport report;
    TGrdColorizer colors(input, TextCharCount(input.Text, input.CodePage));
    std::size_t i = 0;
    for (std::string_view ch : TCharRange(input.Text, input.CodePage)) {
        if (!IsBlankChar(ch, input.CodePage)) {
            const TColor color = colors.ColorAt(i);
            const double ratio = ContrastRatio(color, background);
            if (report.CharCount == 0 || ratio < report.LowestRatio) {
                report.LowestRatio = ratio;
                report.LowestIndex = i;
                report.LowestColor = color;
            }
            ++report.CharCount;
            if (ratio < ContrastAANormal) {
                ++report.BelowAANormal;
            }
        }
        ++i;
    }
    return report;
}

} // namespace tintora
