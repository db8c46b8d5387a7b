#include "preview/PreviewPages.h"

#include "preview/BodyTagMerge.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

struct TMergeRow {
    const char* name;
    std::string sample;
    std::string baseTag;
    std::string expected;
    bool replaced;
};

class MergeBodyTagTest : public ::testing::TestWithParam<TMergeRow> {};

TEST_P(MergeBodyTagTest, ReplacesBodyTagsOutsideComments) {
    std::string text = GetParam().sample;
    EXPECT_EQ(MergeBodyTag(text, "[B]", GetParam().baseTag), GetParam().replaced);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MergeBodyTagTest,
    ::testing::Values(
        TMergeRow{"Example",
                  "<HTML><HEAD><TITLE>t</TITLE></HEAD><!-- <BODY> --><BODY BGCOLOR=white>x</BODY>",
                  "[b]", "<HTML><HEAD>\r\n[b]<TITLE>t</TITLE></HEAD><!-- <BODY> -->[B]x</BODY>",
                  true},
        TMergeRow{"OnlyInComment", "<!-- <body> -->x", "", "<!-- <body> -->x", false},
        TMergeRow{"TwoBodyTags", "<body a><p><BODY b>", "", "[B]<p>[B]", true},
        TMergeRow{"QuoteIsNotSpecial", "<body onload=\"a>b\" x>t", "", "[B]b\" x>t", true},
        TMergeRow{"TagAcrossLines", "<body\r\nbgcolor=red\r\n>t", "", "[B]t", true},
        TMergeRow{"CommentInsideTag", "<body <!-- > --> x>t", "", "[B]t", true},
        TMergeRow{"ShortestComment", "<!--><body>", "", "<!-->[B]", true},
        TMergeRow{"UnclosedComment", "<!-- <body>", "", "<!-- <body>", false},
        TMergeRow{"LongerNameCounts", "<bodyx>", "", "[B]", true},
        TMergeRow{"UnclosedBodyKeepsEarlierWork", "<body><head><body x", "[b]",
                  "[B]<head>\r\n[b]<body x", true},
        TMergeRow{"BaseAfterEveryHead", "<head>a<HEAD x>", "[b]", "<head>\r\n[b]a<HEAD x>\r\n[b]",
                  false},
        TMergeRow{"NoBaseWhenOff", "<head><body>", "", "<head>[B]", true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PreviewPagesTest, LineEndsBecomeCrLf) {
    EXPECT_EQ(WithCrLfLineEnds(""), "");
    EXPECT_EQ(WithCrLfLineEnds("a"), "a\r\n");
    EXPECT_EQ(WithCrLfLineEnds("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(WithCrLfLineEnds("a\r\n"), "a\r\n");
    EXPECT_EQ(WithCrLfLineEnds("\n\r"), "\r\n\r\n");
    EXPECT_EQ(WithCrLfLineEnds("a\r\r\nb"), "a\r\n\r\nb\r\n");
}

TEST(PreviewPagesTest, PreviewFileNameLowersOnlyTheName) {
    EXPECT_EQ(PreviewFileName("/Opt/Tools/Tintora.HTML"), "/Opt/Tools/tintora.html");
    EXPECT_EQ(PreviewFileName("Tintora.html"), "tintora.html");
}

TEST(PreviewPagesTest, FontPreview) {
    TFontPreviewInput input;
    input.FontTag = "<font\r\ncolor=\"#ff0000\">A</font>";
    input.Background = MakeColor(0xAB, 0, 0xFF);
    EXPECT_EQ(FontPreviewPage(input),
              "<html>\r\n<head><title>Tintora - FONTタグ表示テスト</title></head>\r\n"
              "<body bgcolor=\"#ab00ff\">\r\n<font\r\ncolor=\"#ff0000\">A</font>\r\n"
              "</body>\r\n</html>\r\n");

    input.FontTag.clear();
    input.BgImageFile = "/img/back.gif";
    input.Cases = {TCharCaseMode::ccUpper, TCharCaseMode::ccUpper, TCharCaseMode::ccInitialUpper};
    EXPECT_EQ(FontPreviewPage(input),
              "<HTML>\r\n<HEAD><TITLE>Tintora - FONTタグ表示テスト</TITLE></HEAD>\r\n"
              "<BODY BGCOLOR=\"#ab00ff\" BACKGROUND=\"/img/back.gif\">\r\n</BODY>\r\n</HTML>\r\n");
}

TBodyPreviewInput BodyInput() {
    TBodyPreviewInput input;
    input.SamplePath = "/web/Site/index.html";
    input.BgImageFile = "/img/back.gif";
    return input;
}

TEST(PreviewPagesTest, BodyTagCarriesAllColoursAndTheFullPicturePath) {
    EXPECT_EQ(PreviewBodyTag(BodyInput()),
              "<body bgcolor=\"#ffffff\" text=\"#000000\" link=\"#0000ff\" vlink=\"#800080\" "
              "alink=\"#ff0000\" background=\"/img/back.gif\">");
    EXPECT_EQ(MakeBaseTag("/web/Site/index.html", {}), "<base href=\"/web/Site/\">");
    EXPECT_EQ(MakeBaseTag("index.html", {TCharCaseMode::ccUpper, TCharCaseMode::ccUpper}),
              "<BASE HREF=\"\">");
}

TEST(PreviewPagesTest, SampleWithoutBodyGetsTagAndBaseInFront) {
    TBodyPreviewInput input = BodyInput();
    input.BgImageFile.clear();
    const std::string body = PreviewBodyTag(input);
    const std::string base = "<base href=\"/web/Site/\">";
    EXPECT_EQ(BodyPreviewPage("<head>\nx", input),
              base + "\r\n" + body + "\r\n<head>\r\n" + base + "\r\nx\r\n");
    input.InsBaseTag = false;
    EXPECT_EQ(BodyPreviewPage("<head>\nx", input), body + "\r\n<head>\r\nx\r\n");
    EXPECT_EQ(BodyPreviewPage("", input), body + "\r\n");
}

} // namespace
} // namespace tintora
