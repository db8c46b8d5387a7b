#include "text/CodePage.h"

#include "text/Encoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tintora {
namespace {

std::vector<std::string> Chars(std::string_view text, TCodePage codePage) {
    std::vector<std::string> chars;
    for (std::string_view ch : TCharRange(text, codePage)) {
        chars.emplace_back(ch);
    }
    return chars;
}

TEST(CodePageTest, Utf8MultiByteCharactersCountAsOne) {
    // a, e-acute (2 bytes), hiragana a (3 bytes), an emoji (4 bytes)
    const std::string text = "a\xC3\xA9\xE3\x81\x82\xF0\x9F\x98\x80";
    EXPECT_EQ(Chars(text, TCodePage::cpUtf8),
              (std::vector<std::string>{"a", "\xC3\xA9", "\xE3\x81\x82", "\xF0\x9F\x98\x80"}));
    EXPECT_EQ(NextCharPos(text, text.size(), TCodePage::cpUtf8), text.size());
}

// Each malformed byte is a character of its own, and IsValidUtf8 rejects exactly these texts.
TEST(CodePageTest, Utf8MalformedBytesAreOneByteCharacters) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"\x80x", 2},            // stray continuation byte
        {"a\xE3\x81", 3},        // lead byte cut off at the end
        {"\xE3\x41", 2},         // lead byte before ASCII
        {"\xC0\xAF", 2},         // overlong "/"
        {"\xE0\x80\xAF", 3},     // overlong three-byte form
        {"\xED\xA0\x80", 3},     // surrogate
        {"\xF4\x90\x80\x80", 4}, // above U+10FFFF
        {"\x93\xFA\x96\x7B", 4}, // Shift-JIS is not UTF-8
    };
    for (const auto& [text, chars] : cases) {
        EXPECT_EQ(TextCharCount(text, TCodePage::cpUtf8), chars) << text;
        EXPECT_FALSE(IsValidUtf8(text)) << text;
    }
    EXPECT_TRUE(IsValidUtf8(std::string("a\0\xF4\x8F\xBF\xBF\xEF\xBB\xBF", 9)));
    EXPECT_EQ(ReplaceMalformedUtf8("a\xFF\xE3\x81\x82\xE3\x81"),
              "a\xEF\xBF\xBD\xE3\x81\x82\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(CodePageTest, Cp932LeadAndTrailBytes) {
    // "日本" in Shift-JIS, a half-width katakana (single byte 0xB1), and ASCII.
    EXPECT_EQ(Chars("\x93\xFA\x96\x7B\xB1z", TCodePage::cp932),
              (std::vector<std::string>{"\x93\xFA", "\x96\x7B", "\xB1", "z"}));
    // A trail byte may be anything, "\" included (0x5C, the second byte of "表").
    EXPECT_EQ(CharByteLength("\x95\x5C", 0, TCodePage::cp932), 2u);
    EXPECT_EQ(CharByteLength("\xFC\x41", 0, TCodePage::cp932), 2u);
    EXPECT_EQ(CharByteLength("\xFD\x41", 0, TCodePage::cp932), 1u);
    EXPECT_EQ(CharByteLength("\xA0\x41", 0, TCodePage::cp932), 1u);
    // A lead byte at the end has no trail and is a character of its own.
    EXPECT_EQ(TextCharCount("ab\x82", TCodePage::cp932), 3u);
}

TEST(CodePageTest, CutAtCharBoundaryNeverSplitsACharacter) {
    EXPECT_EQ(CutAtCharBoundary("ab\xE3\x81\x82", 4, TCodePage::cpUtf8), "ab");
    EXPECT_EQ(CutAtCharBoundary("ab\xE3\x81\x82", 5, TCodePage::cpUtf8), "ab\xE3\x81\x82");
    EXPECT_EQ(CutAtCharBoundary("\x93\xFA\x93\xFA", 3, TCodePage::cp932), "\x93\xFA");
}

TEST(EncodingTest, Cp932ConvertsJapanese) {
    // "日本語\表" in Shift-JIS: the backslash stays a backslash, as in Windows paths.
    EXPECT_EQ(Cp932ToUtf8("\x93\xFA\x96\x7B\x8C\xEA\\\x95\x5C"),
              "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\\\xE8\xA1\xA8");
}

TEST(EncodingTest, Cp932BadBytesBecomeReplacementCharacters) {
    const std::string fffd = "\xEF\xBF\xBD";
    // 0x85 0x40 is an unassigned pair, 0xFF never appears, 0x82 at the end has lost its trail.
    EXPECT_EQ(Cp932ToUtf8(std::string("a\x85\x40") + "b\xFF" + "c\x82"),
              "a" + fffd + "b" + fffd + "c" + fffd);
    // A lead byte before a line end: the line end is not swallowed.
    EXPECT_EQ(Cp932ToUtf8("x\x81\r\ny"), "x" + fffd + "\r\ny");
}

} // namespace
} // namespace tintora
