#include "html/CssFont.h"
#include "html/CssGradient.h"
#include "html/SpanTag.h"

#include <gtest/gtest.h>
#include <string>

namespace tintora {
namespace {

// A&B: three characters, the ampersand escaped, from red through lime to blue.
TFontTagInput Input(TGrdType type) {
    TFontTagInput input;
    input.Text = "A&B";
    input.Type = type;
    return input;
}

TEST(CssTagTest, SpanPerGradientType) {
    struct TRow {
        TGrdType type;
        const char* span;
    };
    const TRow rows[] = {
        {TGrdType::gtNone, "<span style=\"color:#ff0000\">A&amp;B</span>"},
        {TGrdType::gtTwo, "<span style=\"color:#ff0000\">A</span><span style=\"color:#80007f\">"
                          "&amp;</span><span style=\"color:#0000ff\">B</span>"},
        {TGrdType::gtThree, "<span style=\"color:#ff0000\">A</span><span style=\"color:#00ff00\">"
                            "&amp;</span><span style=\"color:#0000ff\">B</span>"},
        {TGrdType::gtRainBow, "<span style=\"color:#ff0000\">A</span><span style=\"color:#0dff00\">"
                              "&amp;</span><span style=\"color:#0013ff\">B</span>"},
        {TGrdType::gtWave, "<span style=\"color:#ff0000\">A</span><span style=\"color:#4200bd\">"
                           "&amp;</span><span style=\"color:#3b00c4\">B</span>"},
    };
    for (const TRow& row : rows) {
        EXPECT_EQ(MakeSpanTag(Input(row.type)).Text, row.span) << static_cast<int>(row.type);
    }
}

TEST(CssTagTest, CssGradientPerGradientType) {
    const std::string clip = ";-webkit-background-clip:text;background-clip:text;"
                             "-webkit-text-fill-color:transparent\">A&amp;B</span>";
    struct TRow {
        TGrdType type;
        std::string tag;
    };
    const TRow rows[] = {
        {TGrdType::gtNone, "<span style=\"color:#ff0000\">A&amp;B</span>"},
        {TGrdType::gtTwo, "<span style=\"color:#ff0000;background-image:linear-gradient(to right,"
                          "#ff0000,#0000ff)" +
                              clip},
        {TGrdType::gtThree, "<span style=\"color:#ff0000;background-image:linear-gradient(to "
                            "right,#ff0000,#00ff00,#0000ff)" +
                                clip},
        {TGrdType::gtRainBow, "<span style=\"color:#ff0000;background-image:linear-gradient(to "
                              "right,#ff0000,#0dff00,#0013ff)" +
                                  clip},
        {TGrdType::gtWave, "<span style=\"color:#ff0000;background-image:linear-gradient(to "
                           "right,#ff0000,#4200bd,#3b00c4)" +
                               clip},
    };
    for (const TRow& row : rows) {
        EXPECT_EQ(MakeCssGradientTag(Input(row.type)).Text, row.tag) << static_cast<int>(row.type);
    }
    // A rainbow of one character has a single colour and no gradient.
    TFontTagInput one = Input(TGrdType::gtRainBow);
    one.Text = "<";
    EXPECT_EQ(MakeCssGradientTag(one).Text, "<span style=\"color:#ff0000\">&lt;</span>");
}

TEST(CssTagTest, CaseEscapingAndWrap) {
    TFontTagInput input = Input(TGrdType::gtTwo);
    input.Text = "a \"";
    input.End = MakeColor(0, 0, 0xAB);
    input.Cases = {TCharCaseMode::ccUpper, TCharCaseMode::ccInitialUpper, TCharCaseMode::ccUpper};
    input.WrapFontTag = true;
    input.Escape = {false, true};
    EXPECT_EQ(MakeSpanTag(input).Text,
              "<SPAN\r\nStyle=\"color:#FF0000\">a</SPAN><SPAN\r\nStyle=\"color:#800055\">&nbsp;"
              "</SPAN><SPAN\r\nStyle=\"color:#0000AB\">\"</SPAN>");
    // One element, so no break; the case settings as in the span.
    EXPECT_EQ(MakeCssGradientTag(input).Text,
              "<SPAN Style=\"color:#FF0000;background-image:linear-gradient(to right,#FF0000,"
              "#0000AB);-webkit-background-clip:text;background-clip:text;"
              "-webkit-text-fill-color:transparent\">a&nbsp;\"</SPAN>");
}

TEST(CssTagTest, MultiByteTextAndFontDeclarations) {
    TFontTagInput input = Input(TGrdType::gtTwo);
    input.Text = "\xE3\x81\x82<"; // hiragana a, then a markup character
    input.FaceText = "\"MS \xE3\x82\xB4\", Arial Black,serif,'it''s'";
    input.SizeText = "+1";
    input.Bold = true;
    input.Italic = true;
    input.Underline = true;
    const std::string font = "font-family:'MS \xE3\x82\xB4','Arial Black',serif,'it\\'\\'s';"
                             "font-size:1.2em;font-weight:bold;font-style:italic;"
                             "text-decoration:underline";
    EXPECT_EQ(MakeSpanTag(input).Text, "<span style=\"" + font +
                                           "\"><span style=\"color:#ff0000\">\xE3\x81\x82</span>"
                                           "<span style=\"color:#0000ff\">&lt;</span></span>");
    input.Type = TGrdType::gtNone;
    EXPECT_EQ(MakeSpanTag(input).Text,
              "<span style=\"color:#ff0000;" + font + "\">\xE3\x81\x82&lt;</span>");
    // A double quote or ampersand would end or garble the attribute, a line break the CSS string.
    input.FaceText = "A\"&B\n";
    input.SizeText.clear();
    input.Bold = input.Italic = input.Underline = false;
    EXPECT_EQ(
        MakeSpanTag(input).Text,
        "<span style=\"color:#ff0000;font-family:'A&quot;&amp;B\\0a '\">\xE3\x81\x82&lt;</span>");
}

TEST(CssTagTest, SizeItemsScaleAsTheSample) {
    const char* items[] = {"7", "6", "5", "4", "3", "2", "1", "+3", "+2", "+1", "-1", "-2", "-3"};
    const char* ems[] = {"3em", "2em",    "1.55em", "1.2em",  "1em",   "0.88em", "0.7em",
                         "2em", "1.55em", "1.2em",  "0.88em", "0.7em", "0.5em"};
    for (std::size_t i = 0; i < std::size(items); ++i) {
        EXPECT_EQ(CssFontSize(items[i]).value_or("none"), ems[i]) << items[i];
    }
    for (const char* none : {"", "8", "+5", "x", "1x", "10"}) {
        EXPECT_FALSE(CssFontSize(none).has_value()) << none;
    }
    EXPECT_EQ(CssFontFamily(" , ''"), "");
}

} // namespace
} // namespace tintora
