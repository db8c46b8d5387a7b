#include "preview/BodyTagMerge.h"

#include "text/Ascii.h"

namespace tintora {

namespace {

constexpr std::string_view kCommentOpen = "<!--";
constexpr std::string_view kCommentClose = "-->";

bool StartsWithIgnoringCase(std::string_view text, std::size_t pos, std::string_view prefix) {
    return text.size() - pos >= prefix.size() &&
           EqualsIgnoringAsciiCase(text.substr(pos, prefix.size()), prefix);
}

bool StartsWith(std::string_view text, std::size_t pos, std::string_view prefix) {
    return text.substr(pos, prefix.size()) == prefix;
}

} // namespace

std::optional<std::size_t> SkipToTagEnd(std::string_view text, std::size_t pos) {
    while (pos < text.size()) {
        if (text[pos] == '>') {
            return pos;
        }
        if (StartsWith(text, pos, kCommentOpen)) {
            const std::size_t close = text.find(kCommentClose, pos);
            if (close == std::string_view::npos) {
                return std::nullopt;
            }
            pos = close + kCommentClose.size();
            continue;
        }
        ++pos;
    }
    return std::nullopt;
}

bool MergeBodyTag(std::string& text, std::string_view bodyTag, std::string_view baseTag) {
    constexpr std::string_view kBody = "<body";
    constexpr std::string_view kHead = "<head";
    bool replaced = false;
    std::size_t pos = 0;
    while ((pos = text.find('<', pos)) != std::string::npos) {
        if (StartsWithIgnoringCase(text, pos, kBody)) {
            const std::optional<std::size_t> end = SkipToTagEnd(text, pos + kBody.size());
            if (!end) {
                break;
            }
            text.replace(pos, *end + 1 - pos, bodyTag);
            replaced = true;
            pos += bodyTag.size();
        } else if (StartsWith(text, pos, kCommentOpen)) {
            const std::size_t close = text.find(kCommentClose, pos);
            if (close == std::string::npos) {
                break;
            }
            pos = close + 1;
        } else if (!baseTag.empty() && StartsWithIgnoringCase(text, pos, kHead)) {
            const std::optional<std::size_t> end = SkipToTagEnd(text, pos + kHead.size());
            if (!end) {
                break;
            }
            const std::string inserted = "\r\n" + std::string(baseTag);
            text.insert(*end + 1, inserted);
            pos = *end + 1 + inserted.size();
        } else {
            ++pos;
        }
    }
    return replaced;
}

} // namespace tintora
