#include "html/TemplateList.h"

#include "html/TemplateCommands.h"
#include "html/Templates.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tintora {
namespace {

using TList = TTemplateList<int>;

std::vector<std::string> Names(const TList& list) {
    std::vector<std::string> names;
    for (const auto& item : list.Items()) {
        names.push_back(item.Name);
    }
    return names;
}

TEST(TemplateListTest, AddKeepsCaseInsensitiveOrderAndSaysWhere) {
    TList list;
    EXPECT_EQ(list.Add("b", 1), 0u);
    EXPECT_EQ(list.Add("A", 2), 0u);
    EXPECT_EQ(list.Add("c", 3), 2u);
    EXPECT_EQ(list.Add("B", 4), 1u);            // equal but for case: capitals first
    EXPECT_EQ(list.Add("\xE6\xB3\xA2", 5), 4u); // a Japanese name after the Latin ones
    EXPECT_EQ(list.Add("b", 6), 3u);            // identical: after the one already there
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "b", "b", "c", "\xE6\xB3\xA2"}));
    EXPECT_EQ(list.TemplateAt(2), 1);
    EXPECT_EQ(list.TemplateAt(3), 6);
}

TEST(TemplateListTest, FindIgnoresLetterCase) {
    TList list;
    list.Add("Wave", 1);
    list.Add("rainbow", 2);
    EXPECT_EQ(list.Find("wave"), 1u);
    EXPECT_EQ(list.Find("RAINBOW"), 0u);
    EXPECT_EQ(list.Find("wave "), std::nullopt);
    EXPECT_EQ(list.Find(""), std::nullopt);
}

TEST(TemplateListTest, LimitEmptyNamesAndRemove) {
    TList list;
    EXPECT_EQ(list.Add("", 0), std::nullopt);
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(list.Add("t" + std::to_string(1000 + i), i));
    }
    EXPECT_TRUE(list.Full());
    EXPECT_EQ(list.Add("new", 0), std::nullopt);
    EXPECT_EQ(list.Size(), 100u);
    list.Remove(0);
    list.Remove(500);
    EXPECT_EQ(list.Size(), 99u);
    EXPECT_EQ(list.NameAt(0), "t1001");
}

TEST(TemplateCommandsTest, SaveDecision) {
    TList list;
    list.Add("Wave", 1);
    EXPECT_EQ(DecideTemplateSave(list, "").Action, TTemplateSaveAction::tsaCancel);
    EXPECT_EQ(DecideTemplateSave(list, "other").Action, TTemplateSaveAction::tsaAdd);

    const TTemplateSaveDecision overwrite = DecideTemplateSave(list, "wave");
    EXPECT_EQ(overwrite.Action, TTemplateSaveAction::tsaAskOverwrite);
    EXPECT_EQ(overwrite.Index, 0u);
    EXPECT_EQ(overwrite.Message, "テンプレート名 'wave' はすでに存在します。\r上書きしますか？");

    for (int i = 0; i < 99; ++i) {
        list.Add("n" + std::to_string(i), i);
    }
    const TTemplateSaveDecision full = DecideTemplateSave(list, "other");
    EXPECT_EQ(full.Action, TTemplateSaveAction::tsaLimitError);
    EXPECT_EQ(full.Message,
              "テンプレートの登録は100個が上限です。\rこれ以上は新規登録できません。");
    // A full list still lets an existing template be overwritten.
    EXPECT_EQ(DecideTemplateSave(list, "WAVE").Action, TTemplateSaveAction::tsaAskOverwrite);
}

TEST(TemplateCommandsTest, QuestionTexts) {
    EXPECT_EQ(DeleteTemplateQuestion("abc"), "テンプレート 'abc' を削除します。\rよろしいですか？");
    EXPECT_EQ(ConfirmCaption("Tintora"), "確認 - Tintora");
}

TFontPageState Page(TGrdType type) {
    TFontPageState page;
    page.Type = type;
    page.Start = 0x000011;
    page.Mid = 0x000022;
    page.End = 0x000033;
    page.Back = 0x000044;
    page.WaveCount = -300;
    page.WaveShift = 40;
    page.Face = "Arial";
    page.Size = "+2";
    page.Italic = true;
    page.Underline = true;
    page.BgImageFile = "/img/bg.png";
    return page;
}

TFontTemplate Stored() {
    TFontTemplate t;
    t.Type = TGrdType::gtWave;
    t.Start = 0x110000;
    t.Middle = 0x220000;
    t.End = 0x330000;
    t.Back = 0x440000;
    t.Wave = 700;
    t.Wave2 = 9;
    t.Style = 8;
    return t;
}

TEST(FontTemplateSnapTest, FieldsNotNamedForTheTypeKeepTheirValues) {
    TFontTemplate t = Stored();
    SnapCurrentFontAsTemplate(Page(TGrdType::gtTwo), t);
    EXPECT_EQ(t.Type, TGrdType::gtTwo);
    EXPECT_EQ(t.Start, 0x000011u);
    EXPECT_EQ(t.Back, 0x000044u);
    EXPECT_EQ(t.End, 0x000033u);
    EXPECT_EQ(t.Middle, 0x220000u);
    EXPECT_EQ(t.Wave, 700);
    EXPECT_EQ(t.Wave2, 9);
    EXPECT_EQ(t.Face, "Arial");
    EXPECT_EQ(t.Size, "+2");
    EXPECT_EQ(t.Style, 2 | 4); // the strike-out bit goes
    EXPECT_EQ(t.Background, "/img/bg.png");

    t = Stored();
    SnapCurrentFontAsTemplate(Page(TGrdType::gtRainBow), t);
    EXPECT_EQ(t.Wave, -300);
    EXPECT_EQ(t.Wave2, 9);
    EXPECT_EQ(t.End, 0x330000u);

    t = Stored();
    SnapCurrentFontAsTemplate(Page(TGrdType::gtWave), t);
    EXPECT_EQ(t.Wave2, 40);
    EXPECT_EQ(t.Middle, 0x220000u);

    t = Stored();
    SnapCurrentFontAsTemplate(Page(static_cast<TGrdType>(9)), t);
    EXPECT_EQ(t.Type, TGrdType::gtNone);
    EXPECT_EQ(t.End, 0x330000u);
}

TEST(FontTemplateApplyTest, SetsWhatTheTypeUsesWithinTheControlsRanges) {
    TFontPageState page = Page(TGrdType::gtThree);
    TFontTemplate t = Stored();
    t.Wave = 5000;
    t.Wave2 = 150;
    t.Size = "+1";
    t.Style = 1 | 8;
    ApplyFontTemplate(t, page);
    EXPECT_EQ(page.Type, TGrdType::gtWave);
    EXPECT_EQ(page.Start, 0x110000u);
    EXPECT_EQ(page.Back, 0x440000u);
    EXPECT_EQ(page.End, 0x330000u);
    EXPECT_EQ(page.Mid, 0x000022u);
    EXPECT_EQ(page.WaveCount, WaveCountMax);
    EXPECT_EQ(page.WaveShift, WaveShiftMax);
    EXPECT_TRUE(page.Bold);
    EXPECT_FALSE(page.Italic);
    EXPECT_FALSE(page.Underline);
    EXPECT_EQ(page.Size, "+1");
    EXPECT_EQ(page.Face, "");
    EXPECT_EQ(page.BgImageFile, "");

    t.Type = TGrdType::gtRainBow;
    t.Wave = -70000;
    t.Size = "8"; // not in the size list
    page = Page(TGrdType::gtTwo);
    ApplyFontTemplate(t, page);
    EXPECT_EQ(page.WaveCount, WaveCountMin);
    EXPECT_EQ(page.End, 0x000033u);
    EXPECT_EQ(page.WaveShift, 40);
    EXPECT_EQ(page.Size, "");

    t.Type = static_cast<TGrdType>(77);
    page = Page(TGrdType::gtThree);
    ApplyFontTemplate(t, page);
    EXPECT_EQ(page.Type, TGrdType::gtThree);
    EXPECT_EQ(page.Start, 0x110000u);
    EXPECT_EQ(page.Mid, 0x000022u);
    EXPECT_EQ(page.WaveCount, -300);
}

TEST(BodyTemplateTest, SnapAndApply) {
    const TBodyColors colors{1, 2, 3, 4, 5};
    TBodyTemplate t;
    SnapCurrentBodyAsTemplate(colors, "/a/b.png", t);
    EXPECT_EQ(t, (TBodyTemplate{{1, 2, 3, 4, 5}, "/a/b.png"}));
    EXPECT_EQ(t.Colors, colors);
}

} // namespace
} // namespace tintora
