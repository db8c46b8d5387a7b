#include "html/ContrastReport.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

TEST(ContrastReportTest, BodyRowsAgainstBgcolor) {
    const auto rows = BodyContrastReport(TBodyColors{});
    const char* names[] = {"text", "link", "vlink", "alink"};
    const char* texts[] = {"21:1", "8.59:1", "9.42:1", "4:1"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].Name, names[i]);
        EXPECT_EQ(ContrastRatioText(rows[i].Ratio), texts[i]) << names[i];
    }
    TBodyColors dark;
    dark.Bgcolor = clBlack;
    EXPECT_EQ(ContrastRatioText(BodyContrastReport(dark)[0].Ratio), "1:1");
}

TEST(ContrastReportTest, FontJudgesEveryCharacterButBlanks) {
    TFontTagInput input;
    input.Type = TGrdType::gtTwo;
    input.Start = clWhite;
    input.End = clBlack;
    // White A, a space, grey x, an ideographic space, black B: the blanks draw no ink and are not
    // judged, but still take their place in the gradient.
    input.Text = "A x\xE3\x80\x80"
                 "B";
    TFontContrastReport report = FontContrastReport(input, clWhite);
    EXPECT_EQ(report.CharCount, 3U);
    EXPECT_EQ(report.BelowAANormal, 2U); // the white A and the grey 808080 x
    EXPECT_EQ(report.LowestIndex, 0U);
    EXPECT_EQ(report.LowestColor, clWhite);
    EXPECT_DOUBLE_EQ(report.LowestRatio, 1.0);

    report = FontContrastReport(input, clBlack);
    EXPECT_EQ(report.BelowAANormal, 1U); // only the black B
    EXPECT_EQ(report.LowestIndex, 4U);

    input.Text = "\x81\x40";
    input.CodePage = TCodePage::cp932;
    EXPECT_EQ(FontContrastReport(input, clWhite).CharCount, 0U);
}

} // namespace
} // namespace tintora
