#pragma once

// How the single-byte characters of the FONT text are written into the tag, and the break inside
// each per-character FONT tag.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tintora {

// The two escaping options, at their defaults.
struct TEscapeOptions {
    bool EscHtmlTokens = true; // " & < > as entities
    bool EscSpaceChar = true;  // a space as &nbsp;
    friend constexpr bool operator==(const TEscapeOptions&, const TEscapeOptions&) = default;
};

// One escaped character, held by value so that a tag of thousands of characters is built without
// a heap allocation per character. Longest form: "&nbsp;" (6 bytes).
struct TEscapedChar {
    std::array<char, 7> chars{};
    std::uint8_t length = 0;

    constexpr std::string_view View() const { return std::string_view(chars.data(), length); }
};

// A space gives "&nbsp;" when EscSpaceChar is on and a space otherwise, whatever EscHtmlTokens
// says. With EscHtmlTokens on, " & < > give &quot; &amp; &lt; &gt;. Every other byte, the single
// quote included, comes back unchanged. Only for one-byte characters: the bytes of a multi-byte
// character are never passed here.
constexpr TEscapedChar EscapeTextChar(char ch, TEscapeOptions options) {
    std::string_view entity;
    if (ch == ' ') {
        entity = options.EscSpaceChar ? "&nbsp;" : " ";
    } else if (options.EscHtmlTokens) {
        switch (ch) {
        case '"':
            entity = "&quot;";
            break;
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        default:
            break;
        }
    }
    TEscapedChar result;
    if (entity.empty()) {
        result.chars[0] = ch;
        result.length = 1;
        return result;
    }
    for (std::size_t i = 0; i < entity.size(); ++i) {
        result.chars[i] = entity[i];
    }
    result.length = static_cast<std::uint8_t>(entity.size());
    return result;
}

// What separates the element name from the colour attribute in each per-character FONT tag: CR LF
// when WrapFontTag is on, so that the copied text has one line per character without white space
// between the visible characters; one space otherwise.
constexpr std::string_view FontTagBreak(bool wrapFontTag) {
    return wrapFontTag ? std::string_view("\r\n") : std::string_view(" ");
}

} // namespace tintora
