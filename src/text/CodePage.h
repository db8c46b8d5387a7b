#pragma once

// Walking a byte string one character at a time in the code page it is written in.
//
// Texts in the program are byte strings: UTF-8 on this system, code page 932 (Shift-JIS) in files
// carried over from Windows. A character is what a user sees as one letter: in UTF-8 a lead byte
// and its continuation bytes, in code page 932 a lead byte and its trail byte. A byte that starts
// no well-formed character counts as a character of its own, so every walk moves forward and ends.
// Nothing here allocates.

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

namespace tintora {

enum class TCodePage { cpUtf8, cp932 };

// Bytes of the character that starts at pos: 1 to 4 in UTF-8, 1 or 2 in code page 932, and 0 when
// pos is at or past the end. UTF-8 is read strictly (no overlong forms, no surrogates, nothing
// above U+10FFFF); a byte that does not begin such a sequence is a one-byte character. In code
// page 932 the lead bytes 0x81-0x9F and 0xE0-0xFC take the next byte as their trail byte, whatever
// it is, when there is a next byte.
std::size_t CharByteLength(std::string_view text, std::size_t pos, TCodePage codePage);

// Where the character after the one at pos begins; text.size() at most.
inline std::size_t NextCharPos(std::string_view text, std::size_t pos, TCodePage codePage) {
    return pos >= text.size() ? text.size() : pos + CharByteLength(text, pos, codePage);
}

std::size_t TextCharCount(std::string_view text, TCodePage codePage);

// True when the text is well-formed UTF-8 by the same strict reading as CharByteLength.
bool IsValidUtf8(std::string_view text);

// The text with every byte that begins no well-formed UTF-8 character replaced by U+FFFD, so that
// the result is valid UTF-8; a valid text comes back unchanged.
std::string ReplaceMalformedUtf8(std::string_view text);

// The longest start of the text that has at most maxBytes bytes and ends on a character boundary.
std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes, TCodePage codePage);

// The characters of a text as views into it: for (std::string_view ch : TCharRange(text, cp)).
class TCharRange {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;

        Iterator() = default;
        Iterator(std::string_view text, std::size_t pos, TCodePage codePage)
            : text_(text), pos_(pos), codePage_(codePage) {}

        std::string_view operator*() const {
            return text_.substr(pos_, CharByteLength(text_, pos_, codePage_));
        }
        Iterator& operator++() {
            pos_ = NextCharPos(text_, pos_, codePage_);
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++*this;
            return old;
        }
        // Byte offset of the current character in the text.
        std::size_t Position() const { return pos_; }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.pos_ == b.pos_; }

    private:
        std::string_view text_;
        std::size_t pos_ = 0;
        TCodePage codePage_ = TCodePage::cpUtf8;
    };

    TCharRange(std::string_view text, TCodePage codePage) : text_(text), codePage_(codePage) {}
    Iterator begin() const { return {text_, 0, codePage_}; }
    Iterator end() const { return {text_, text_.size(), codePage_}; }

private:
    std::string_view text_;
    TCodePage codePage_;
};

} // namespace tintora
