// How a whole-number field reads its text, holds its range and filters typed characters.

#include "text/SpinValue.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string_view>

namespace tintora {
namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

TEST(SpinValueTest, ReadsSignedDecimalAndDollarHex) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> value;
    } rows[] = {
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt}, // nothing may follow the digits
        {"12 ", std::nullopt}, // not even a space
        {"-", std::nullopt},   // a sign alone
        {"+-1", std::nullopt}, // one sign only
        {"1.5", std::nullopt}, // the decimal separator may be typed but is no number
        {"42", 42},
        {" -5", -5}, // leading spaces are skipped
        {"+7", 7},
        {"007", 7},
        {"$1F", 31},
        {"  $ff", 255},
        {"$", std::nullopt},
        {"-$1F", std::nullopt}, // no sign before the dollar
        {"$FFFFFFFF", -1},      // eight hex digits are the number's 32 bits
        {"$100000000", std::nullopt},
        {"2147483647", kMax32},
        {"-2147483648", kMin32},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReadSpinInteger(row.text), row.value) << '"' << row.text << '"';
    }
}

TEST(SpinValueTest, ClampsOnlyWhenTheRangeIsNotEmpty) {
    const struct {
        std::int32_t value, min, max, held;
    } rows[] = {
        // Equal ends: no range at all.
        {-5, 0, 0, -5},
        {kMax32, 3, 3, kMax32},
        {25, 1, 10, 10},
        {0, 1, 10, 1},
        {7, 1, 10, 7},
        // Ends the wrong way round: the minimum is tried first.
        {5, 10, 1, 10},
        {20, 10, 1, 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ClampSpinValue(row.value, row.min, row.max), row.held)
            << row.value << " in " << row.min << ".." << row.max;
    }
}

TEST(SpinValueTest, StepsStopAtTheEndsOfTheRange) {
    EXPECT_EQ(AddSpinStep(kMax32, 1), kMax32);
    EXPECT_EQ(AddSpinStep(kMin32, -1), kMin32);
    EXPECT_EQ(AddSpinStep(kMin32, kMax32), -1);
    EXPECT_EQ(AddSpinStep(-3, 5), 2);
}

TEST(SpinValueTest, FiltersTypedCharacters) {
    const struct {
        char32_t c;
        bool editing; // accepted with the editor on
        bool locked;  // accepted with the editor off
    } rows[] = {
        // Number characters, the decimal separator given below among them.
        {U'0', true, false},
        {U'9', true, false},
        {U'+', true, false},
        {U'-', true, false},
        {U',', true, false},
        // Anything else from the space up.
        {U'.', false, false},
        {U'a', false, false},
        {U'$', false, false},
        {U' ', false, false},
        {U'\u3042', false, false},
        // Backspace edits, so it goes with the editor; copy and the other control characters
        // stay; carriage return never reaches the field.
        {8, true, false},
        {3, true, true},
        {27, true, true},
        {13, false, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SpinAcceptsChar(row.c, U',', true), row.editing) << std::uint32_t{row.c};
        EXPECT_EQ(SpinAcceptsChar(row.c, U',', false), row.locked) << std::uint32_t{row.c};
    }
}

} // namespace
} // namespace tintora
