#include "text/CodePage.h"

namespace tintora {

namespace {

bool IsContinuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

// Length of the well-formed UTF-8 sequence at pos, or 1 when there is none. The ranges of the
// second byte are what rule out overlong forms (E0, F0), surrogates (ED) and values above
// U+10FFFF (F4).
std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            secondMin = 0xA0;
        } else if (lead == 0xED) {
            secondMax = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            secondMin = 0x90;
        } else if (lead == 0xF4) {
            secondMax = 0x8F;
        }
    } else {
        return 1;
    }
    if (text.size() - pos < length) {
        return 1;
    }
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (second < secondMin || second > secondMax) {
        return 1;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) {
            return 1;
        }
    }
    return length;
}

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

std::size_t CharByteLength(std::string_view text, std::size_t pos, TCodePage codePage) {
    if (pos >= text.size()) {
        return 0;
    }
    if (codePage == TCodePage::cp932) {
        return IsCp932LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2
                                                                                               : 1;
    }
    return Utf8CharLength(text, pos);
}

std::size_t TextCharCount(std::string_view text, TCodePage codePage) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos = NextCharPos(text, pos, codePage)) {
        ++count;
    }
    return count;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        // Settings files are mostly ASCII, and a large one must be checked quickly.
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = Utf8CharLength(text, pos);
        if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) {
            return false;
        }
        pos += length;
    }
    return true;
}

std::string ReplaceMalformedUtf8(std::string_view text) {
    static constexpr std::string_view replacement = "\xEF\xBF\xBD";
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8CharLength(text, pos);
        if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) {
            result += replacement;
        } else {
            result.append(text.substr(pos, length));
        }
        pos += length;
    }
    return result;
}

std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes,
                                   TCodePage codePage) {
    if (text.size() <= maxBytes) {
        return text;
    }
    // The text is longer than maxBytes, so the walk stops inside it.
    std::size_t end = 0;
    for (std::size_t next = 0; next <= maxBytes; next = NextCharPos(text, next, codePage)) {
        end = next;
    }
    return text.substr(0, end);
}

} // namespace tintora
