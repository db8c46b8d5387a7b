#pragma once

// What the FONT tag and its span form share: the text as it goes between tags, and the run of
// per-character elements that gives each character its gradient colour. The two forms differ only
// in the element and attribute they write around the colour digits.

#include "html/FontTag.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tintora {

// One character as it goes between tags: a one-byte character through EscapeTextChar, a
// multi-byte one as its bytes (never escaped).
void AppendTagChar(std::string& out, std::string_view ch, TEscapeOptions escape);

// Every character of the text that way.
void AppendTagText(std::string& out, std::string_view text, TCodePage codePage,
                   TEscapeOptions escape);

// One per-character element: Open, the six colour digits, a double quote and ">", the character,
// Close. For the FONT tag Open is <font color="# (with FontTagBreak after the name) and Close is
// </font>.
struct TCharElement {
    std::string Open;
    std::string Close;
};

// Each of the charCount characters of the input's text in its own element, coloured as the
// gradient colours it, the digits in the value case.
void AppendCharElements(std::string& out, const TFontTagInput& input, std::size_t charCount,
                        const TCharElement& element);

} // namespace tintora
