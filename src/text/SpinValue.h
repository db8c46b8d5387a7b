#pragma once

// The rules of a whole-number entry field with up and down arrows, kept apart from any window:
// how its text reads as a number, how a number is held within the field's range, and which typed
// characters the field lets through.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tintora {

// The text as a 32-bit signed number: after any leading spaces, an optional "+" or "-" and
// decimal digits, or "$" and up to eight hexadecimal digits taken as the 32 bits of the number
// ("$FFFFFFFF" is -1). Nothing else may follow. Nothing when the text is no such number or the
// decimal number does not fit in 32 bits.
std::optional<std::int32_t> ReadSpinInteger(std::string_view text);

// The value held within [min, max] when the two differ; any value when they are equal (the field
// then has no range). With the ends the wrong way round, a value below the minimum becomes the
// minimum and any other value above the maximum becomes the maximum.
std::int32_t ClampSpinValue(std::int32_t value, std::int32_t min, std::int32_t max);

// value + step, stopping at the ends of the 32-bit range instead of wrapping round to the far end.
std::int32_t AddSpinStep(std::int32_t value, std::int64_t step);

// Whether the field lets a typed character through: "+", "-", the digits, the locale's decimal
// separator, and the control characters below 32 except carriage return (13). A field whose
// editor is switched off still lets the control characters through, but not backspace (8) nor
// any character from 32 up.
bool SpinAcceptsChar(char32_t c, char32_t decimalSeparator, bool editorEnabled);

} // namespace tintora
