#pragma once

// How a kind of HTML text (element names, attribute names, values) is written: one setting per
// kind, stored in the settings file as a byte.

#include <cstdint>

namespace tintora {

// The settings file may hold any byte here, so code that switches on it must give every value
// outside the three named ones the same meaning as ccLower.
enum class TCharCaseMode : std::uint8_t {
    ccLower = 0,        // "font", "ffcc00"
    ccUpper = 1,        // "FONT", "FFCC00"
    ccInitialUpper = 2, // "Font"
};

} // namespace tintora
