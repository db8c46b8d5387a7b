#pragma once

// What the contrast check reports for the two tag pages: the BODY page's text and link colours
// against its background, and the FONT page's character colours against the sample background.

#include "color/ContrastRatio.h"
#include "html/BodyTag.h"
#include "html/FontTag.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tintora {

struct TBodyContrastRow {
    std::string_view Name; // "text", "link", "vlink", "alink", as the swatches are captioned
    TColor Color = clBlack;
    double Ratio = 1.0; // against bgcolor
};

// text, link, vlink and alink, in that order, each against bgcolor.
std::array<TBodyContrastRow, 4> BodyContrastReport(const TBodyColors& colors);

struct TFontContrastReport {
    // The characters judged: every character of the text but blanks (the ASCII space and the
    // ideographic space), which draw nothing that could be hard to read.
    std::size_t CharCount = 0;
    // Of those, how many fall below ContrastAANormal (4.5:1).
    std::size_t BelowAANormal = 0;
    // The lowest ratio of any judged character, the character's index in the text (from 0, blanks
    // counted) and its colour. Meaningless while CharCount is 0.
    double LowestRatio = 21.0;
    std::size_t LowestIndex = 0;
    TColor LowestColor = clBlack;
};

// The input's characters in their gradient colours (the colours the FONT tag gives them) against
// the background colour.
TFontContrastReport FontContrastReport(const TFontTagInput& input, TColor background);

// True for the blanks FontContrastReport leaves out: " ", and U+3000 in UTF-8 or code page 932.
bool IsBlankChar(std::string_view ch, TCodePage codePage);

} // namespace tintora
