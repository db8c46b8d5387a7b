#pragma once

// How a kind of HTML text (element names, attribute names, values) is written: one setting per
// kind, stored in the settings file as a byte.

#include <cstdint>

namespace tintora {

// Stored as a byte, so a settings file may hold values outside the three named ones: code that
// switches on it needs a default.
enum class TCharCaseMode : std::uint8_t {
    ccLower = 0,        // "font", "ffcc00"
    ccUpper = 1,        // "FONT", "FFCC00"
    ccInitialUpper = 2, // "Font"
};

} // namespace tintora
