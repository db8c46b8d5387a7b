// Any sample page merges without a crash, and every byte of it outside the replaced BODY tags
// comes out as it went in, in order, with the base tag only ever behind a HEAD tag's ">".

#include "preview/BodyTagMerge.h"
#include "preview/PreviewPages.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

bool StartsWithBody(std::string_view text, std::size_t pos) {
    static constexpr std::string_view kBody = "<body";
    if (text.size() - pos < kBody.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kBody.size(); ++i) {
        const char c = text[pos + i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c) != kBody[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // \x01 stands for the BODY tag and \x02 for the base tag, so the page itself holds neither.
    std::string page(reinterpret_cast<const char*>(data), size);
    std::replace_if(
        page.begin(), page.end(), [](char c) { return c == '\x01' || c == '\x02'; }, '\x03');
    const std::string input = page;
    const std::string_view body = "\x01";
    const std::string_view base = "\x02";
    const std::string inserted = "\r\n" + std::string(base);
    tintora::MergeBodyTag(page, body, base);

    std::size_t in = 0;
    for (std::size_t out = 0; out < page.size();) {
        if (page.compare(out, inserted.size(), inserted) == 0) {
            Check(in > 0 && input[in - 1] == '>', "base tag behind a tag's end");
            out += inserted.size();
        } else if (page[out] == '\x01') {
            Check(StartsWithBody(input, in), "replaced text starts a BODY tag");
            const std::optional<std::size_t> end = tintora::SkipToTagEnd(input, in + 5);
            Check(end.has_value(), "replaced BODY tag is closed");
            in = *end + 1;
            ++out;
        } else {
            Check(in < input.size() && input[in] == page[out], "sample byte preserved");
            ++in;
            ++out;
        }
    }
    Check(in == input.size(), "whole sample preserved");

    tintora::TBodyPreviewInput preview;
    preview.SamplePath = "/web/a.html";
    tintora::BodyPreviewPage(input, preview);
    return 0;
}
