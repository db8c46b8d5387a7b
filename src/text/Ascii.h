#pragma once

// ASCII letter case and digits for names the program compares and writes: section and key names,
// template names, HTML element and attribute names. Bytes outside ASCII are left as they are, so
// UTF-8 text passes through unchanged.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace tintora {

constexpr char AsciiToLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char AsciiToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string AsciiLowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), AsciiToLower);
    return result;
}

inline std::string AsciiUppered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), AsciiToUpper);
    return result;
}

// -1, 0 or 1 as a and b compare byte by byte with ASCII letters folded to lower case (bytes taken
// as unsigned), a shorter text first when one is the start of the other.
constexpr int CompareIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(AsciiToLower(a[i]));
        const auto y = static_cast<unsigned char>(AsciiToLower(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareIgnoringAsciiCase(a, b) == 0;
}

// 0..15 for 0-9, A-F and a-f; -1 for any other character.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace tintora
