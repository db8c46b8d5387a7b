// Any file read as a Windows executable: finding its version resource and querying the block
// never reads outside what the file holds.

#include "preview/PeVersionResource.h"
#include "preview/VersionBlock.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    const auto reader = [&file](std::uint64_t offset,
                                std::size_t length) -> std::optional<std::string> {
        if (offset > file.size() || length > file.size() - offset) {
            return std::nullopt;
        }
        return file.substr(offset, length);
    };
    tintora::ReadPeVersionResource(reader);
    // The bytes as a block themselves, so the block reader is fuzzed directly too.
    for (const char* path :
         {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904B0\\ProductVersion"}) {
        if (const auto value = tintora::QueryVersionValue(file, path)) {
            tintora::Utf16LeToUtf8(value->Bytes);
        }
    }
    return 0;
}
