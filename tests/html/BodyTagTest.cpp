#include "html/BodyTag.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

TBodyTagInput AllChecked() {
    TBodyTagInput input;
    input.Choice = {AllBodyAttribs, true};
    input.BgImageFile = "/home/user/img/back.gif";
    return input;
}

TEST(BodyTagTest, InitialColoursAllChecked) {
    EXPECT_EQ(MakeBodyTag(AllChecked()),
              "<body bgcolor=\"#ffffff\" text=\"#000000\" link=\"#0000ff\" vlink=\"#800080\" "
              "alink=\"#ff0000\" background=\"back.gif\">");
}

TEST(BodyTagTest, CaseModes) {
    TBodyTagInput input = AllChecked();
    input.Colors.Text = MakeColor(0xAB, 0xCD, 0xEF);
    input.Cases = {TCharCaseMode::ccUpper, TCharCaseMode::ccUpper, TCharCaseMode::ccUpper};
    EXPECT_EQ(MakeBodyTag(input),
              "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#ABCDEF\" LINK=\"#0000FF\" VLINK=\"#800080\" "
              "ALINK=\"#FF0000\" BACKGROUND=\"back.gif\">");
    input.Cases = {TCharCaseMode::ccInitialUpper, TCharCaseMode::ccInitialUpper,
                   TCharCaseMode::ccInitialUpper};
    EXPECT_EQ(MakeBodyTag(input),
              "<Body Bgcolor=\"#ffffff\" Text=\"#abcdef\" Link=\"#0000ff\" Vlink=\"#800080\" "
              "Alink=\"#ff0000\" Background=\"back.gif\">");
}

TEST(BodyTagTest, OnlyCheckedAttributesInFixedOrder) {
    TBodyTagInput input;
    input.Choice = {0, false};
    EXPECT_EQ(MakeBodyTag(input), "<body>");
    input.Cases.Element = TCharCaseMode::ccUpper;
    EXPECT_EQ(MakeBodyTag(input), "<BODY>");
    input.Cases.Element = TCharCaseMode::ccLower;
    input.Choice.Attribs = baAlink | baText;
    EXPECT_EQ(MakeBodyTag(input), "<body text=\"#000000\" alink=\"#ff0000\">");
    // Bits above the five attributes mean nothing.
    input.Choice.Attribs = 0xE0;
    EXPECT_EQ(MakeBodyTag(input), "<body>");
}

TEST(BodyTagTest, BackgroundValueIsTheFileNameOnly) {
    TBodyTagInput input;
    input.Choice = {0, true};
    EXPECT_EQ(MakeBodyTag(input), "<body background=\"\">");
    input.BgImageFile = "back.gif";
    EXPECT_EQ(MakeBodyTag(input), "<body background=\"back.gif\">");
    input.BgImageFile = "/srv/\xE7\x94\xBB\xE5\x83\x8F/tile 1.png";
    EXPECT_EQ(MakeBodyTag(input), "<body background=\"tile 1.png\">");

    EXPECT_EQ(FileNamePart("/a/b/"), "");
    EXPECT_EQ(FileNamePart("C:\\img\\back.gif"), "C:\\img\\back.gif");
}

TEST(BodyTagTest, DialogDefaults) {
    EXPECT_EQ(DefaultBodyCopyChoice(31, ""), (TBodyCopyChoice{31, false}));
    EXPECT_EQ(DefaultBodyCopyChoice(0, "/x/back.gif"), (TBodyCopyChoice{0, true}));
    EXPECT_EQ(DefaultBodyCopyChoice(0xFF, ""), (TBodyCopyChoice{31, false}));
    // DefBodyAttrib 0 and no background: the bare element.
    TBodyTagInput input;
    input.Choice = DefaultBodyCopyChoice(0, "");
    input.Cases.Element = TCharCaseMode::ccInitialUpper;
    EXPECT_EQ(MakeBodyTag(input), "<Body>");
}

} // namespace
} // namespace tintora
