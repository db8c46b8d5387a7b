#pragma once

// Finding the version information block in a Windows executable (PE32 or PE32+): the first
// RT_VERSION resource, whatever its name and language. Every offset and size read from the file
// is checked before use.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tintora {

// size bytes of the file from offset; nothing when the range is not inside the file.
using TFileRangeReader = std::function<std::optional<std::string>(std::uint64_t, std::size_t)>;

// The block's bytes; nothing when the file is no PE file or has no version resource.
std::optional<std::string> ReadPeVersionResource(const TFileRangeReader& read);

} // namespace tintora
