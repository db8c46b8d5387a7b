#include "html/CssFont.h"

#include "html/FontSizeScale.h"
#include "text/Ascii.h"
#include "text/DecimalText.h"

#include <algorithm>
#include <array>

namespace tintora {

namespace {

constexpr std::array<std::string_view, 13> GenericFamilies = {
    "serif",      "sans-serif",    "monospace",    "cursive", "fantasy", "system-ui", "ui-serif",
    "ui-rounded", "ui-sans-serif", "ui-monospace", "math",    "emoji",   "fangsong"};

bool IsGenericFamily(std::string_view name) {
    return std::any_of(GenericFamilies.begin(), GenericFamilies.end(),
                       [name](std::string_view g) { return EqualsIgnoringAsciiCase(name, g); });
}

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The name without one pair of enclosing quotes of the same kind; quoted tells whether it had them.
std::string_view Unquoted(std::string_view name, bool& quoted) {
    quoted = name.size() >= 2 && (name.front() == '"' || name.front() == '\'') &&
             name.back() == name.front();
    return quoted ? name.substr(1, name.size() - 2) : name;
}

// In single quotes, with the quote and the backslash escaped, and control characters as hex
// escapes: a raw line break would end the string there and let the rest read as declarations.
void AppendCssString(std::string& out, std::string_view text) {
    out += '\'';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            out += '\\';
            out += "0123456789abcdef"[byte >> 4];
            out += "0123456789abcdef"[byte & 0xF];
            out += ' ';
            continue;
        }
        if (c == '\'' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    out += '\'';
}

void AppendDeclaration(std::string& out, std::string_view declaration) {
    if (!out.empty()) {
        out += ';';
    }
    out += declaration;
}

// & and " as entities, for text inside a double-quoted attribute.
std::string AttributeValueText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '"') {
            out += "&quot;";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string CssFontFamily(std::string_view faceText) {
    std::string family;
    std::size_t pos = 0;
    while (pos <= faceText.size()) {
        // Commas split the list; one inside quotes belongs to the name.
        std::size_t end = pos;
        char quote = 0;
        while (end < faceText.size() && (quote != 0 || faceText[end] != ',')) {
            const char c = faceText[end];
            if (quote == 0 && (c == '"' || c == '\'')) {
                quote = c;
            } else if (c == quote) {
                quote = 0;
            }
            ++end;
        }
        bool quoted = false;
        const std::string_view name = Unquoted(TrimBlanks(faceText.substr(pos, end - pos)), quoted);
        if (!name.empty()) {
            if (!family.empty()) {
                family += ',';
            }
            if (!quoted && IsGenericFamily(name)) {
                family += name;
            } else {
                AppendCssString(family, name);
            }
        }
        pos = end + 1;
    }
    return family;
}

std::optional<std::string> CssFontSize(std::string_view sizeText) {
    const std::optional<int> step = FontSizeStep(sizeText);
    if (!step) {
        return std::nullopt;
    }
    return HundredthsText(FontSizeScalePercents[static_cast<std::size_t>(*step)]) + "em";
}

std::string CssFontDeclarations(const TFontTagInput& input) {
    std::string css;
    if (const std::string family = CssFontFamily(input.FaceText); !family.empty()) {
        AppendDeclaration(css, "font-family:" + family);
    }
    if (const std::optional<std::string> size = CssFontSize(input.SizeText)) {
        AppendDeclaration(css, "font-size:" + *size);
    }
    if (input.Bold) {
        AppendDeclaration(css, "font-weight:bold");
    }
    if (input.Italic) {
        AppendDeclaration(css, "font-style:italic");
    }
    if (input.Underline) {
        AppendDeclaration(css, "text-decoration:underline");
    }
    return AttributeValueText(css);
}

} // namespace tintora
