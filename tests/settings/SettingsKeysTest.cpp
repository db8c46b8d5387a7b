#include "settings/IniFile2.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

TIniFile2 FileWith(const std::string& text) {
    return TIniFile2("/nonexistent/tintora.INI", text, TIniFile2::FromContents{});
}

TEST(SettingsKeys, MissingFileGivesEveryDefault) {
    TSettings s;
    s.Top = 40;
    s.Left = 60;
    ReadSettings(FileWith(""), s);
    const TSettings d;
    EXPECT_EQ(s.StayOnTop, 0);
    EXPECT_FALSE(s.UseHSV);
    EXPECT_EQ(s.CharCaseE, 0);
    EXPECT_TRUE(s.EscHtmlTokens);
    EXPECT_TRUE(s.EscSpaceChar);
    EXPECT_EQ(s.DefBodyAttrib, 31);
    EXPECT_TRUE(s.ShowHint);
    EXPECT_TRUE(s.InsBaseTag);
    EXPECT_EQ(s.SampleFontSize, 12);
    EXPECT_EQ(s.CopySound, "C:\\WINDOWS\\MEDIA\\DING.WAV");
    EXPECT_EQ(s.Pallet, d.Pallet);
    EXPECT_EQ(s.Pallet[23], 16777215u);
    EXPECT_TRUE(s.SkipFiles.empty());
    // The window stays where it was put before reading.
    EXPECT_EQ(s.Top, 40);
    EXPECT_EQ(s.Left, 60);
}

TEST(SettingsKeys, UpperCaseOnlyChangesTheDefaultsOfTheThreeCaseKeys) {
    TSettings s;
    ReadSettings(FileWith("[OPTION]\r\nUpperCase=1\r\n"), s);
    EXPECT_EQ(s.CharCaseE, 1);
    EXPECT_EQ(s.CharCaseA, 1);
    EXPECT_EQ(s.CharCaseV, 1);

    TSettings explicitKeys;
    ReadSettings(FileWith("[OPTION]\r\nUpperCase=1\r\nCharCaseA=2\r\nCharCaseV=0\r\n"),
                 explicitKeys);
    EXPECT_EQ(explicitKeys.CharCaseE, 1);
    EXPECT_EQ(explicitKeys.CharCaseA, 2);
    EXPECT_EQ(explicitKeys.CharCaseV, 0);
}

TEST(SettingsKeys, WritingLeavesUpperCaseAndWritesTheCaseKeys) {
    TIniFile2 file = FileWith("[OPTION]\r\nUpperCase=1\r\n");
    TSettings s;
    ReadSettings(file, s);
    WriteSettings(file, s);
    EXPECT_EQ(file.ReadString("OPTION", "UpperCase", ""), "1");
    EXPECT_EQ(file.ReadInteger("OPTION", "CharCaseE", -1), 1);
    EXPECT_EQ(file.ReadInteger("OPTION", "CharCaseA", -1), 1);
    EXPECT_EQ(file.ReadInteger("OPTION", "CharCaseV", -1), 1);
}

TEST(SettingsKeys, UnreadableNumbersTakeTheirDefaults) {
    TSettings s;
    ReadSettings(FileWith("[OPTION]\r\nSampleFontSize=big\r\nDefBodyAttrib=0x\r\n"
                          "[PALLET]\r\n3=red\r\n4=$FF\r\n"),
                 s);
    EXPECT_EQ(s.SampleFontSize, 12);
    EXPECT_EQ(s.DefBodyAttrib, 31);
    EXPECT_EQ(s.Pallet[3], 16777215u);
    EXPECT_EQ(s.Pallet[4], 255u);
}

TEST(SettingsKeys, EveryValueSurvivesAWriteAndARead) {
    TSettings s;
    s.StayOnTop = 3;
    s.UseHSV = true;
    s.CharCaseE = 2;
    s.CharCaseA = 1;
    s.AddSharp = true;
    s.EscHtmlTokens = false;
    s.EscSpaceChar = false;
    s.WrapFontTag = true;
    s.DefBodyAttrib = 5;
    s.NoAskBodyAttrib = true;
    s.GrdBarPointer = 4;
    s.NoHideGrdPointer = true;
    s.GrdBarsMode = 1;
    s.PalletClickType = true;
    s.ShowHint = false;
    s.HideExtInPicking = true;
    s.SampleFontName = " IPAGothic ";
    s.SampleFontSize = 30;
    s.InsBaseTag = false;
    s.PlayCopySound = true;
    s.CopySound = "/usr/share/sounds/ding.wav";
    s.UseNNMainly = true;
    s.IEPath = "/usr/bin/chromium";
    s.NNPath = "/usr/bin/firefox esr";
    s.PreviewSample = "/home/user/page one.html";
    s.DynamicPreview = true;
    s.PaintFontBG = true;
    s.UseSpanTag = true;
    s.Top = -20;
    s.Left = 1500;
    s.Pallet[0] = 0;
    s.Pallet[23] = 0x123456;
    s.SearchWinDir = true;
    s.SearchSysDir = true;
    s.SearchDir = "/opt/spi/";
    s.SkipFiles = {"a.spi", "b c.spi", ""};

    TIniFile2 file = FileWith("");
    WriteSettings(file, s);
    const TIniFile2 reread = FileWith(file.Text());
    TSettings back;
    ReadSettings(reread, back);
    EXPECT_EQ(back.StayOnTop, 3);
    EXPECT_TRUE(back.UseHSV);
    EXPECT_EQ(back.CharCaseE, 2);
    EXPECT_EQ(back.CharCaseA, 1);
    EXPECT_EQ(back.CharCaseV, 0);
    EXPECT_TRUE(back.AddSharp);
    EXPECT_FALSE(back.EscHtmlTokens);
    EXPECT_FALSE(back.EscSpaceChar);
    EXPECT_TRUE(back.WrapFontTag);
    EXPECT_EQ(back.DefBodyAttrib, 5);
    EXPECT_TRUE(back.NoAskBodyAttrib);
    EXPECT_EQ(back.GrdBarPointer, 4);
    EXPECT_TRUE(back.NoHideGrdPointer);
    EXPECT_EQ(back.GrdBarsMode, 1);
    EXPECT_TRUE(back.PalletClickType);
    EXPECT_FALSE(back.ShowHint);
    EXPECT_TRUE(back.HideExtInPicking);
    EXPECT_EQ(back.SampleFontName, " IPAGothic ");
    EXPECT_EQ(back.SampleFontSize, 30);
    EXPECT_FALSE(back.InsBaseTag);
    EXPECT_TRUE(back.PlayCopySound);
    EXPECT_EQ(back.CopySound, s.CopySound);
    EXPECT_TRUE(back.UseNNMainly);
    EXPECT_EQ(back.IEPath, s.IEPath);
    EXPECT_EQ(back.NNPath, s.NNPath);
    EXPECT_EQ(back.PreviewSample, s.PreviewSample);
    EXPECT_TRUE(back.DynamicPreview);
    EXPECT_TRUE(back.PaintFontBG);
    EXPECT_TRUE(back.UseSpanTag);
    EXPECT_EQ(back.Top, -20);
    EXPECT_EQ(back.Left, 1500);
    EXPECT_EQ(back.Pallet, s.Pallet);
    EXPECT_TRUE(back.SearchWinDir);
    EXPECT_TRUE(back.SearchSysDir);
    EXPECT_EQ(back.SearchDir, s.SearchDir);
    EXPECT_EQ(back.SkipFiles, s.SkipFiles);
}

TEST(SettingsKeys, AFreshFileIsWrittenInTheProgramsOrder) {
    TIniFile2 file = FileWith("");
    TSettings s;
    s.Top = 100;
    s.Left = 200;
    WriteSettings(file, s);
    EXPECT_EQ(file.SectionNames(),
              (std::vector<std::string>{"WINDOW", "OPTION", "PALLET", "WEBBROWSER", "STATUS",
                                        "PREVIEW", "SPI"}));
    EXPECT_EQ(file.KeyNames("WINDOW"), (std::vector<std::string>{"StayOnTop", "Top", "Left"}));
    EXPECT_EQ(file.KeyNames("OPTION"),
              (std::vector<std::string>{"UseHSV",           "CharCaseE",       "CharCaseA",
                                        "CharCaseV",        "AddSharp",        "EscHtmlTokens",
                                        "EscSpaceChar",     "WrapFontTag",     "DefBodyAttrib",
                                        "NoAskBodyAttrib",  "GrdBarPointer",   "NoHideGrdPointer",
                                        "GrdBarsMode",      "PalletClickType", "ShowHint",
                                        "HideExtInPicking", "SampleFontName",  "SampleFontSize",
                                        "InsBaseTag",       "PlayCopySound",   "CopySound"}));
    EXPECT_EQ(file.KeyNames("PALLET").size(), 24u);
    EXPECT_EQ(file.KeyNames("PALLET").front(), "0");
    EXPECT_EQ(file.KeyNames("SPI"),
              (std::vector<std::string>{"SearchWinDir", "SearchSysDir", "SearchDir", "SkipFiles"}));
    // Strings go out quoted so that their spaces survive.
    EXPECT_EQ(file.ReadRawValue("OPTION", "CopySound"), "\"C:\\WINDOWS\\MEDIA\\DING.WAV\"");
    EXPECT_EQ(file.ReadRawValue("SPI", "SkipFiles"), "\"\"");
}

TEST(SettingsKeys, SectionsTheSettingsDoNotOwnAreLeftAlone) {
    const std::string templates = "[TEMPLATE]\r\n1:Name=\"wave1\"\r\n1:Type=4\r\n"
                                  "[TEMPLATE-BODY]\r\n3:Name=\"b\"\r\n";
    TIniFile2 file = FileWith(templates);
    TSettings s;
    ReadSettings(file, s);
    WriteSettings(file, s);
    EXPECT_EQ(file.Text().substr(0, templates.size()), templates);
    EXPECT_EQ(file.ReadString("TEMPLATE", "1:Name", ""), "wave1");
}

} // namespace
} // namespace tintora
