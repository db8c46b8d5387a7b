#pragma once

// Conversion of texts from code page 932 (Shift-JIS as Windows has it), the encoding of files
// carried over from the Windows system, to UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// The text converted to UTF-8 through the system's iconv ("CP932"). A byte or byte pair that has
// no Unicode counterpart becomes U+FFFD: a lead byte followed by a valid trail byte (0x40-0x7E,
// 0x80-0xFC) is replaced as a pair, any other bad byte on its own, so that a line end after a
// stray lead byte survives. A lead byte at the very end becomes U+FFFD as well. nullopt only when
// the system has no converter for code page 932.
std::optional<std::string> Cp932ToUtf8(std::string_view text);

} // namespace tintora
