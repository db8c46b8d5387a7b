#include "text/SpinValue.h"

#include "text/Ascii.h"

#include <algorithm>
#include <limits>

namespace tintora {

namespace {

std::optional<std::int32_t> ReadHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t bits = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        bits = bits * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(bits);
}

std::optional<std::int32_t> ReadDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Counted on the negative side, which reaches one further than the positive one.
    constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 - (c - '0');
        if (value < kLowest) {
            return std::nullopt;
        }
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

std::optional<std::int32_t> ReadSpinInteger(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(start);
    if (text.front() == '$') {
        return ReadHex(text.substr(1));
    }
    return ReadDecimal(text);
}

std::int32_t ClampSpinValue(std::int32_t value, std::int32_t min, std::int32_t max) {
    if (min == max) {
        return value;
    }
    if (value < min) {
        return min;
    }
    return value > max ? max : value;
}

std::int32_t AddSpinStep(std::int32_t value, std::int64_t step) {
    const std::int64_t sum = value + step;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool SpinAcceptsChar(char32_t c, char32_t decimalSeparator, bool editorEnabled) {
    constexpr char32_t kBackspace = 8;
    constexpr char32_t kCarriageReturn = 13;
    const bool control = c < 32 && c != kCarriageReturn;
    const bool valid =
        control || c == '+' || c == '-' || (c >= '0' && c <= '9') || c == decimalSeparator;
    if (!valid) {
        return false;
    }
    return editorEnabled || (c < 32 && c != kBackspace);
}

} // namespace tintora
