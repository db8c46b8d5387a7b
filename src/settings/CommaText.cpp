#include "settings/CommaText.h"

namespace tintora {

namespace {

// Spaces and control characters; NUL counts too, so that a stray NUL can never stop the reader
// from moving forward.
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

bool NeedsQuotes(std::string_view item) {
    if (item.empty()) {
        return true;
    }
    for (const char c : item) {
        if (IsBlank(c) || c == '"' || c == ',') {
            return true;
        }
    }
    return false;
}

void AppendQuoted(std::string& out, std::string_view item) {
    out += '"';
    for (const char c : item) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
}

std::string ReadQuotedItem(std::string_view text, std::size_t& pos) {
    std::string item;
    ++pos;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c != '"') {
            item += c;
        } else if (pos < text.size() && text[pos] == '"') {
            item += '"';
            ++pos;
        } else {
            break;
        }
    }
    return item;
}

} // namespace

// Every empty item is quoted, not only a lone one: an empty last item written bare ("a,") would
// not be read back.
std::string ToCommaText(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        if (NeedsQuotes(items[i])) {
            AppendQuoted(text, items[i]);
        } else {
            text += items[i];
        }
    }
    return text;
}

std::vector<std::string> FromCommaText(std::string_view text) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    while (pos < text.size()) {
        if (text[pos] == '"') {
            items.push_back(ReadQuotedItem(text, pos));
        } else {
            const std::size_t start = pos;
            while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != ',') {
                ++pos;
            }
            items.emplace_back(text.substr(start, pos - start));
        }
        SkipBlanks(text, pos);
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
            SkipBlanks(text, pos);
        }
    }
    return items;
}

} // namespace tintora
