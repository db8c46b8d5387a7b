#include "html/FontTag.h"

#include "color/ColorText.h"

#include <gtest/gtest.h>
#include <string>

namespace tintora {
namespace {

constexpr TColor Red = MakeColor(255, 0, 0);
constexpr TColor Blue = MakeColor(0, 0, 255);
const std::string Gothic = "MS \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF"; // MS ゴシック

TCharCases AllCases(TCharCaseMode mode) {
    return TCharCases{mode, mode, mode};
}

// The settings of the worked example: AB from red to blue, size +1, the Gothic face, bold.
TFontTagInput Example(TGrdType type) {
    TFontTagInput input;
    input.Text = "AB";
    input.Type = type;
    input.Start = Red;
    input.End = Blue;
    input.SizeText = "+1";
    input.FaceText = Gothic;
    input.Bold = true;
    return input;
}

TFontTagInput Plain(std::string text, TGrdType type) {
    TFontTagInput input;
    input.Text = std::move(text);
    input.Type = type;
    input.Start = Red;
    input.End = Blue;
    return input;
}

std::string Tag(const TFontTagInput& input) {
    return MakeFontTag(input).Text;
}

TEST(FontTagTest, WorkedExamples) {
    EXPECT_EQ(Tag(Example(TGrdType::gtTwo)),
              "<b><font size=\"+1\" face=\"" + Gothic +
                  "\"><font color=\"#ff0000\">A</font><font color=\"#0000ff\">B</font></font></b>");
    EXPECT_EQ(Tag(Example(TGrdType::gtNone)),
              "<b><font color=\"#ff0000\" size=\"+1\" face=\"" + Gothic + "\">AB</font></b>");

    TFontTagInput upper = Example(TGrdType::gtTwo);
    upper.Cases = AllCases(TCharCaseMode::ccUpper);
    EXPECT_EQ(Tag(upper),
              "<B><FONT SIZE=\"+1\" FACE=\"" + Gothic +
                  "\"><FONT COLOR=\"#FF0000\">A</FONT><FONT COLOR=\"#0000FF\">B</FONT></FONT></B>");
}

TEST(FontTagTest, InitialUpperCapitalisesNamesButNotStyleTagsOrDigits) {
    TFontTagInput input = Example(TGrdType::gtTwo);
    input.Italic = true;
    input.Underline = true;
    input.Start = MakeColor(0xAB, 0xCD, 0xEF);
    input.Cases = AllCases(TCharCaseMode::ccInitialUpper);
    EXPECT_EQ(Tag(input), "<B><I><U><Font Size=\"+1\" Face=\"" + Gothic +
                              "\"><Font Color=\"#abcdef\">A</Font><Font "
                              "Color=\"#0000ff\">B</Font></Font></U></I></B>");
}

TEST(FontTagTest, EachCaseKindActsOnItsOwnPart) {
    TFontTagInput input = Plain("A", TGrdType::gtNone);
    input.Bold = true;
    input.Underline = true;
    input.SizeText = "3";
    input.FaceText = "Arial";
    input.Start = MakeColor(0xAB, 0xCD, 0xEF);
    input.Cases = {TCharCaseMode::ccLower, TCharCaseMode::ccUpper, TCharCaseMode::ccUpper};
    EXPECT_EQ(Tag(input),
              "<b><u><font COLOR=\"#ABCDEF\" SIZE=\"3\" FACE=\"Arial\">A</font></u></b>");
    // Only the element mode decides the style tags' case.
    input.Cases = {TCharCaseMode::ccUpper, TCharCaseMode::ccLower, TCharCaseMode::ccLower};
    EXPECT_EQ(Tag(input),
              "<B><U><FONT color=\"#abcdef\" size=\"3\" face=\"Arial\">A</FONT></U></B>");
    // An unknown element mode writes the names and style tags as they stand.
    input.Cases = {static_cast<TCharCaseMode>(9), TCharCaseMode::ccLower, TCharCaseMode::ccLower};
    EXPECT_EQ(Tag(input),
              "<B><U><FONT color=\"#abcdef\" size=\"3\" face=\"Arial\">A</FONT></U></B>");
}

TEST(FontTagTest, WrapBreaksInsideEachPerCharacterTag) {
    TFontTagInput input = Plain("AB", TGrdType::gtTwo);
    input.WrapFontTag = true;
    EXPECT_EQ(Tag(input), "<font\r\ncolor=\"#ff0000\">A</font><font\r\ncolor=\"#0000ff\">B</font>");
    input.Type = TGrdType::gtNone;
    EXPECT_EQ(Tag(input), "<font color=\"#ff0000\">AB</font>");
}

TEST(FontTagTest, SizeAndFaceAreWrittenAsTyped) {
    TFontTagInput input = Plain("A", TGrdType::gtTwo);
    input.FaceText = "'MS \xE3\x82\xB4',serif";
    EXPECT_EQ(Tag(input),
              "<font face=\"'MS \xE3\x82\xB4',serif\"><font color=\"#7f007f\">A</font></font>");
    input.FaceText.clear();
    input.SizeText = "-2";
    EXPECT_EQ(Tag(input), "<font size=\"-2\"><font color=\"#7f007f\">A</font></font>");
}

TEST(FontTagTest, EscapingCountsEntitiesAsOneCharacter) {
    // Three characters: the ampersand takes the colour halfway, where the falling red channel
    // truncates to 128 and the rising blue one to 127.
    EXPECT_EQ(Tag(Plain("A&B", TGrdType::gtTwo)),
              "<font color=\"#ff0000\">A</font><font color=\"#80007f\">&amp;</font>"
              "<font color=\"#0000ff\">B</font>");
    TFontTagInput input = Plain("a \"<&>' b", TGrdType::gtNone);
    EXPECT_EQ(Tag(input), "<font color=\"#ff0000\">a&nbsp;&quot;&lt;&amp;&gt;'&nbsp;b</font>");
    input.Escape = {true, false};
    EXPECT_EQ(Tag(input), "<font color=\"#ff0000\">a &quot;&lt;&amp;&gt;' b</font>");
    input.Escape = {false, true};
    EXPECT_EQ(Tag(input), "<font color=\"#ff0000\">a&nbsp;\"<&>'&nbsp;b</font>");
    input.Type = TGrdType::gtTwo;
    input.Text = "A B";
    input.Escape = {false, false};
    EXPECT_EQ(Tag(input), "<font color=\"#ff0000\">A</font><font color=\"#80007f\"> </font>"
                          "<font color=\"#0000ff\">B</font>");
}

TEST(FontTagTest, EmptyTextIsReportedAndStillBuilt) {
    TFontTagInput input = Plain("", TGrdType::gtNone);
    TFontTagResult result = MakeFontTag(input);
    EXPECT_TRUE(result.TextWasEmpty);
    EXPECT_EQ(result.Text, "<font color=\"#ff0000\"></font>");

    input.Type = TGrdType::gtThree;
    result = MakeFontTag(input);
    EXPECT_TRUE(result.TextWasEmpty);
    EXPECT_EQ(result.Text, "");

    input.SizeText = "+1";
    input.FaceText = "Arial";
    input.Bold = true;
    EXPECT_EQ(Tag(input), "<b><font size=\"+1\" face=\"Arial\"></font></b>");
    input.Type = TGrdType::gtNone;
    EXPECT_EQ(Tag(input), "<b><font color=\"#ff0000\" size=\"+1\" face=\"Arial\"></font></b>");

    EXPECT_FALSE(MakeFontTag(Plain(" ", TGrdType::gtTwo)).TextWasEmpty);
    EXPECT_EQ(FontTagEmptyTextMessage, "テキストが設定されていません。");
}

TEST(FontTagTest, MultiByteCharactersAreCopiedWhole) {
    // Hiragana a (3 bytes in UTF-8), then A: two characters.
    const std::string utf8 = "\xE3\x81\x82"
                             "A";
    EXPECT_EQ(Tag(Plain(utf8, TGrdType::gtTwo)),
              "<font color=\"#ff0000\">\xE3\x81\x82</font><font color=\"#0000ff\">A</font>");

    // Code page 932: hiragana a, then the character whose trail byte is a backslash, then a lead
    // byte cut off at the end, which is a one-byte character of its own.
    TFontTagInput sjis = Plain("\x82\xA0\x95\x5C\x82", TGrdType::gtThree);
    sjis.CodePage = TCodePage::cp932;
    sjis.Mid = MakeColor(0, 255, 0);
    EXPECT_EQ(Tag(sjis), "<font color=\"#ff0000\">\x82\xA0</font><font color=\"#00ff00\">\x95\x5C"
                         "</font><font color=\"#0000ff\">\x82</font>");
    // A trail byte that looks like markup belongs to its character and is not escaped.
    sjis.Text = "\x81\x22";
    sjis.Type = TGrdType::gtNone;
    EXPECT_EQ(Tag(sjis), "<font color=\"#ff0000\">\x81\x22</font>");
    // Read as UTF-8 the same bytes are two one-byte characters, and the quote is escaped.
    sjis.CodePage = TCodePage::cpUtf8;
    EXPECT_EQ(Tag(sjis), "<font color=\"#ff0000\">\x81&quot;</font>");
}

TEST(FontTagTest, TagColoursAreTheCharacterColours) {
    for (const auto type : {TGrdType::gtTwo, TGrdType::gtThree, TGrdType::gtRainBow,
                            TGrdType::gtWave, static_cast<TGrdType>(200)}) {
        TFontTagInput input = Plain(std::string(37, 'x') + "\xE3\x81\x82", type);
        input.Mid = MakeColor(0, 200, 30);
        input.WaveCount = -250;
        input.WaveShift = 13;
        const std::string tag = Tag(input);
        std::string expected;
        for (std::size_t i = 0; i < 38; ++i) {
            expected += "<font color=\"#";
            expected += ColorToHexText(CharGrdColor(input, i), TCharCaseMode::ccLower).View();
            expected += i < 37 ? "\">x</font>" : "\">\xE3\x81\x82</font>";
        }
        EXPECT_EQ(tag, expected) << static_cast<int>(type);
    }
}

} // namespace
} // namespace tintora
