#pragma once

// Letter case of the names in generated tags: element names, attribute names and attribute values
// each follow their own TCharCaseMode. All names the tag builders pass are plain ASCII, so only the
// letters A-Z and a-z are converted; other bytes, UTF-8 included, pass through untouched.

#include "text/CharCaseMode.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tintora {

enum class TCaseKind : std::uint8_t {
    ckElement = 0,   // "FONT", "BODY"
    ckAttribute = 1, // "COLOR", "FACE", "SIZE", "BGCOLOR", ..., "BACKGROUND"
    ckValue = 2,     // the hexadecimal colour digits
};

// The three case modes, as the main window keeps them. A mode may hold any byte a settings file
// gave it; ApplyCharCase says what an unknown mode does.
struct TCharCases {
    TCharCaseMode Element = TCharCaseMode::ccLower;
    TCharCaseMode Attribute = TCharCaseMode::ccLower;
    TCharCaseMode Value = TCharCaseMode::ccLower;

    // A kind outside 0..2 reads and writes the value mode.
    constexpr TCharCaseMode operator[](TCaseKind kind) const {
        return kind == TCaseKind::ckElement     ? Element
               : kind == TCaseKind::ckAttribute ? Attribute
                                                : Value;
    }
    constexpr TCharCaseMode& operator[](TCaseKind kind) {
        return kind == TCaseKind::ckElement     ? Element
               : kind == TCaseKind::ckAttribute ? Attribute
                                                : Value;
    }
    friend constexpr bool operator==(const TCharCases&, const TCharCases&) = default;
};

// All lower case, then the first character upper case when it is a letter: "Font", "Color=\"#",
// but "#ffcc00" (a leading non-letter leaves everything lower case).
std::string CapitalizeName(std::string_view text);

// The name in the given mode: ccLower all lower, ccUpper all upper, ccInitialUpper through
// CapitalizeName. No valid settings file holds another mode; one that does gets the name back
// unchanged, so the tags stay readable as the builders wrote them.
std::string ApplyCharCase(TCharCaseMode mode, std::string_view name);
inline std::string ApplyCharCase(TCaseKind kind, std::string_view name, const TCharCases& cases) {
    return ApplyCharCase(cases[kind], name);
}

// The example line of the character case dialog, e.g. <font color="#ffcc00"> for three ccLower:
// "<", then "font " in the element mode, color=" in the attribute mode and #ffcc00"> in the value
// mode. The dialog treats every mode other than ccLower and ccUpper as ccInitialUpper.
std::string CharCaseSampleText(const TCharCases& cases);

} // namespace tintora
