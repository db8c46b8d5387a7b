#include "html/TemplateStorage.h"

#include "html/TemplateCommands.h"
#include "settings/IniFile2.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tintora {
namespace {

using TNames = std::vector<std::string>;

std::unique_ptr<TIniFile2> Parse(std::string_view contents) {
    return std::make_unique<TIniFile2>("test.INI", contents, TIniFile2::FromContents{});
}

template <class T>
TNames Names(const TTemplateList<T>& list) {
    TNames names;
    for (const auto& item : list.Items()) {
        names.push_back(item.Name);
    }
    return names;
}

TEST(TemplateStorageTest, NumberedWithGapsAndRewrittenFromOneInNameOrder) {
    const auto ini = Parse("[TEMPLATE]\r\n"
                           "3:Name=\"zeta\"\r\n3:Type=0\r\n3:C1=1\r\n"
                           "7:Name=\"Alpha\"\r\n7:Type=0\r\n7:C1=2\r\n"
                           "50:Name=mid\r\n50:C1=3\r\n"
                           "2:Name=\r\n2:C1=9\r\n4:Name=\"\"\r\n5:C1=9\r\n"
                           "101:Name=\"over\"\r\n101:C1=9\r\n"
                           "[OTHER]\r\nx=1\r\n");
    const TFontTemplateList list = ReadFontTemplates(*ini);
    EXPECT_EQ(Names(list), (TNames{"Alpha", "mid", "zeta"}));
    EXPECT_EQ(list.TemplateAt(0).Start, 2u);

    WriteFontTemplates(*ini, list);
    EXPECT_EQ(ini->KeyNames("TEMPLATE"),
              (TNames{"1:Name", "1:Type", "1:C1", "1:CB", "2:Name", "2:Type", "2:C1", "2:CB",
                      "3:Name", "3:Type", "3:C1", "3:CB"}));
    EXPECT_EQ(ini->ReadRawValue("TEMPLATE", "1:Name"), "\"Alpha\"");
    EXPECT_EQ(ini->ReadString("TEMPLATE", "2:Name", ""), "mid");
    EXPECT_EQ(ini->ReadInteger("TEMPLATE", "3:C1", -1), 1);
    EXPECT_EQ(ini->ReadInteger("OTHER", "x", 0), 1);
    EXPECT_EQ(Names(ReadFontTemplates(*ini)), (TNames{"Alpha", "mid", "zeta"}));
}

TEST(TemplateStorageTest, TypeDecidesWhichKeysAreReadAndTheirDefaults) {
    const auto ini = Parse("[TEMPLATE]\r\n"
                           "1:Name=\"a-two\"\r\n1:Type=1\r\n1:C2=5\r\n1:C3=0x10\r\n1:Wave=7\r\n"
                           "2:Name=\"b-rain\"\r\n2:Type=3\r\n2:C3=5\r\n"
                           "3:Name=\"c-wave\"\r\n3:Type=4\r\n3:Wave=-250\r\n3:Wave2=$20\r\n"
                           "4:Name=\"d-none\"\r\n4:Type=junk\r\n4:C1=-1\r\n4:CB=12abc\r\n"
                           "5:Name=\"e-odd\"\r\n5:Type=260\r\n5:C3=6\r\n");
    const TFontTemplateList list = ReadFontTemplates(*ini);
    ASSERT_EQ(list.Size(), 5u);
    const TFontTemplate defaults;

    const TFontTemplate& two = list.TemplateAt(0);
    EXPECT_EQ(two.Type, TGrdType::gtTwo);
    EXPECT_EQ(two.End, 16u);
    EXPECT_EQ(two.Middle, defaults.Middle);
    EXPECT_EQ(two.Wave, 100);
    EXPECT_EQ(two.Back, 16777215u);

    const TFontTemplate& rain = list.TemplateAt(1);
    EXPECT_EQ(rain.Wave, 100);
    EXPECT_EQ(rain.End, 0u);

    const TFontTemplate& wave = list.TemplateAt(2);
    EXPECT_EQ(wave.Wave, -250);
    EXPECT_EQ(wave.Wave2, 32);
    EXPECT_EQ(wave.End, 0u);

    const TFontTemplate& none = list.TemplateAt(3);
    EXPECT_EQ(none.Type, TGrdType::gtNone);
    EXPECT_EQ(none.Start, 0xFFFFFFu); // only the colour bits of -1
    EXPECT_EQ(none.Back, 16777215u);

    // A type of 260 keeps its low byte, 4: the wave keys are read.
    EXPECT_EQ(list.TemplateAt(4).Type, TGrdType::gtWave);
    EXPECT_EQ(list.TemplateAt(4).End, 6u);
}

TEST(TemplateStorageTest, StyleLettersAndTexts) {
    const auto ini = Parse("[TEMPLATE]\r\n"
                           "1:Name=\"a\"\r\n1:Style=BIX\r\n1:Face=\"  MS P  \"\r\n1:Size=+3\r\n"
                           "1:BgFile=\"/img/a b.png\"\r\n"
                           "2:Name=\"b\"\r\n2:Style=ub\r\n"
                           "3:Name=\"c\"\r\n3:Style=SUB\r\n");
    TFontTemplateList list = ReadFontTemplates(*ini);
    ASSERT_EQ(list.Size(), 3u);
    EXPECT_EQ(list.TemplateAt(0).Style, 1 | 2);
    EXPECT_EQ(list.TemplateAt(1).Style, 0);
    EXPECT_EQ(list.TemplateAt(2).Style, 1 | 4 | 8);
    EXPECT_EQ(list.TemplateAt(0).Face, "  MS P  ");
    EXPECT_EQ(list.TemplateAt(0).Size, "+3");
    EXPECT_EQ(list.TemplateAt(0).Background, "/img/a b.png");

    WriteFontTemplates(*ini, list);
    EXPECT_EQ(ini->ReadRawValue("TEMPLATE", "1:Style"), "BI");
    EXPECT_EQ(ini->ReadRawValue("TEMPLATE", "1:Face"), "\"  MS P  \"");
    EXPECT_EQ(ini->ReadRawValue("TEMPLATE", "1:Size"), "+3");
    EXPECT_FALSE(ini->ValueExists("TEMPLATE", "2:Style"));
    EXPECT_EQ(ini->ReadRawValue("TEMPLATE", "3:Style"), "BUS");
    EXPECT_EQ(ReadFontTemplates(*ini).Items().front().Template, list.TemplateAt(0));
}

TEST(TemplateStorageTest, CollidingNamesAreFoundWhicheverTheCase) {
    const auto ini = Parse("[TEMPLATE]\r\n1:Name=\"Wave\"\r\n1:Type=4\r\n");
    const TFontTemplateList list = ReadFontTemplates(*ini);
    EXPECT_EQ(list.Find("wave"), 0u);
    EXPECT_EQ(DecideTemplateSave(list, "wave").Action, TTemplateSaveAction::tsaAskOverwrite);

    // A hand-edited file that holds both keeps both.
    const auto both = Parse("[TEMPLATE]\r\n1:Name=\"wave\"\r\n2:Name=\"Wave\"\r\n");
    EXPECT_EQ(Names(ReadFontTemplates(*both)), (TNames{"Wave", "wave"}));
}

TEST(TemplateStorageTest, TwoColoursSavedOverThreeWritesOnlyItsKeys) {
    const auto ini = Parse("[TEMPLATE]\r\n1:Name=\"g\"\r\n1:Type=2\r\n1:C1=1\r\n1:C2=2\r\n"
                           "1:C3=3\r\n1:CB=4\r\n");
    TFontTemplateList list = ReadFontTemplates(*ini);
    TFontPageState page;
    page.Type = TGrdType::gtTwo;
    page.Start = 10;
    page.Mid = 20;
    page.End = 30;
    page.Back = 40;
    SnapCurrentFontAsTemplate(page, list.TemplateAt(0));
    EXPECT_EQ(list.TemplateAt(0).Middle, 2u);

    WriteFontTemplates(*ini, list);
    EXPECT_EQ(ini->KeyNames("TEMPLATE"), (TNames{"1:Name", "1:Type", "1:C1", "1:C3", "1:CB"}));
    EXPECT_EQ(ini->ReadInteger("TEMPLATE", "1:C3", 0), 30);
}

TEST(TemplateStorageTest, GoldenWaveTemplate) {
    const auto ini = Parse("[TEMPLATE]\r\n1:Name=\"old\"\r\n\r\n2:Name=\"older\"\r\n\r\n"
                           "[OPTION]\r\nA=1\r\n");
    TFontTemplateList list;
    TFontTemplate t;
    t.Type = TGrdType::gtWave;
    t.Start = 255;
    t.Middle = 77; // not written for a wave
    t.End = 16711680;
    t.Back = 0;
    t.Wave = 200;
    t.Wave2 = 50;
    t.Size = "+1";
    t.Style = 1 | 2;
    list.Add("wave1", t);
    WriteFontTemplates(*ini, list);
    EXPECT_EQ(ini->Text(), "[OPTION]\r\nA=1\r\n\r\n"
                           "[TEMPLATE]\r\n"
                           "1:Name=\"wave1\"\r\n1:Type=4\r\n1:C1=255\r\n1:C3=16711680\r\n"
                           "1:Wave=200\r\n1:Wave2=50\r\n1:CB=0\r\n1:Size=+1\r\n1:Style=BI\r\n");
}

TEST(TemplateStorageTest, EmptyListErasesTheSection) {
    const auto ini = Parse("[TEMPLATE-BODY]\r\n1:Name=\"x\"\r\n[A]\r\nb=1\r\n");
    WriteBodyTemplates(*ini, TBodyTemplateList{});
    EXPECT_EQ(ini->Text(), "[A]\r\nb=1\r\n");
}

TEST(BodyTemplateStorageTest, DefaultsRoundTripAndGolden) {
    const auto ini = Parse("[TEMPLATE-BODY]\r\n"
                           "9:Name=\"plain\"\r\n"
                           "4:Name=\"dark\"\r\n4:CBG=0\r\n4:CText=16777215\r\n4:CLink=0x00FFFF\r\n"
                           "4:BgFile=\"/img/dark.png\"\r\n");
    const TBodyTemplateList list = ReadBodyTemplates(*ini);
    ASSERT_EQ(Names(list), (TNames{"dark", "plain"}));
    EXPECT_EQ(list.TemplateAt(1), (TBodyTemplate{{16777215, 0, 16711680, 8388736, 255}, ""}));
    EXPECT_EQ(list.TemplateAt(0),
              (TBodyTemplate{{0, 16777215, 0xFFFF, 8388736, 255}, "/img/dark.png"}));

    WriteBodyTemplates(*ini, list);
    EXPECT_EQ(ini->Text(), "[TEMPLATE-BODY]\r\n"
                           "1:Name=\"dark\"\r\n1:CBG=0\r\n1:CText=16777215\r\n1:CLink=65535\r\n"
                           "1:CVlink=8388736\r\n1:CAlink=255\r\n1:BgFile=\"/img/dark.png\"\r\n"
                           "2:Name=\"plain\"\r\n2:CBG=16777215\r\n2:CText=0\r\n"
                           "2:CLink=16711680\r\n2:CVlink=8388736\r\n2:CAlink=255\r\n");
    EXPECT_EQ(ReadBodyTemplates(*ini).Items().back().Template, list.TemplateAt(1));
}

TEST(TemplateStorageTest, FullListsRoundTrip) {
    TFontTemplateList fonts;
    for (int i = 0; i < 100; ++i) {
        TFontTemplate t;
        t.Type = static_cast<TGrdType>(i % 5);
        t.Start = static_cast<TColor>(i * 1000);
        t.Middle = t.Type == TGrdType::gtThree ? 5u : 0u;
        t.End = i % 5 == 0 || i % 5 == 3 ? 0u : 7u;
        t.Wave = i % 5 >= 3 ? -i : 100;
        t.Wave2 = i % 5 == 4 ? static_cast<std::uint8_t>(i) : 0;
        t.Face = i % 2 == 0 ? "\"quoted\"" : "";
        t.Background = i % 3 == 0 ? "/x/" + std::to_string(i) : "";
        fonts.Add("name " + std::to_string(i), t);
    }
    const auto ini = Parse("");
    WriteFontTemplates(*ini, fonts);
    const TFontTemplateList back = ReadFontTemplates(*ini);
    ASSERT_EQ(back.Size(), 100u);
    for (std::size_t i = 0; i < 100; ++i) {
        EXPECT_EQ(back.NameAt(i), fonts.NameAt(i));
        EXPECT_EQ(back.TemplateAt(i), fonts.TemplateAt(i)) << fonts.NameAt(i);
    }
}

} // namespace
} // namespace tintora
