// Any text as a comma text ends and reads back the same once written; any list written reads
// back as itself.

#include "settings/CommaText.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> items = tintora::FromCommaText(bytes);
    Check(tintora::FromCommaText(tintora::ToCommaText(items)) == items, "read list round trip");

    // The input cut at every 0xFF byte is a list of arbitrary items.
    std::vector<std::string> list;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0xFF) {
            list.emplace_back(bytes.substr(start, i - start));
            start = i + 1;
        }
    }
    Check(tintora::FromCommaText(tintora::ToCommaText(list)) == list, "written list round trip");
    return 0;
}
