// Whatever the face field holds, the span's style attribute stays one attribute holding one
// font-family declaration: no face can close the attribute or start a declaration of its own.

#include "html/SpanTag.h"

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

// The number of ";" outside CSS strings in single quotes (with backslash escapes); a large
// number for a string that does not end where it should.
std::size_t DeclarationBreaks(std::string_view css) {
    std::size_t breaks = 0;
    bool inString = false;
    for (std::size_t i = 0; i < css.size(); ++i) {
        if (inString && css[i] == '\\') {
            ++i;
        } else if (inString && (css[i] == '\n' || css[i] == '\r' || css[i] == '\f')) {
            return 1000; // a line break ends a CSS string as a bad string
        } else if (css[i] == '\'') {
            inString = !inString;
        } else if (!inString && css[i] == ';') {
            ++breaks;
        }
    }
    return inString ? breaks + 1000 : breaks;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tintora::TFontTagInput input;
    input.Type = tintora::TGrdType::gtNone;
    input.Text = "x";
    input.FaceText.assign(reinterpret_cast<const char*>(data), size);
    const std::string span = tintora::MakeSpanTag(input).Text;

    const std::string_view open = "<span style=\"color:#ff0000";
    const std::string_view close = "\">x</span>";
    Check(span.starts_with(open) && span.ends_with(close), "span shape");
    const std::string_view css =
        std::string_view(span).substr(open.size(), span.size() - open.size() - close.size());
    Check(css.find('"') == std::string_view::npos, "no quote ends the attribute early");
    if (!css.empty()) {
        Check(css.starts_with(";font-family:"), "one font-family declaration");
        Check(DeclarationBreaks(css.substr(1)) == 0, "no declaration of its own");
    }
    return 0;
}
