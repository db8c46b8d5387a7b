#include "widgets/ColorLookupComboBox.h"

#include "color/NamedColors.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace tintora {
namespace {

constexpr TColor Red = RgbHexToColor(0xFF0000);

QStringList MainWindowExtendedLines() {
    QStringList lines;
    for (std::string_view line : ExtendedColorLines) {
        lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
    return lines;
}

// The user's own choice: a key press on the closed list.
void UserPicks(TColorLookupComboBox& combo, Qt::Key key) {
    QTest::keyClick(&combo, key);
}

TEST(ColorLookupComboBox, MainWindowListPrefersTheJapaneseBasicRows) {
    TColorLookupComboBox combo;
    combo.SetSelection({csSystemJ, csExtended});
    combo.SetDefaultColor(Red);
    combo.SetExtendedColors(MainWindowExtendedLines());
    ASSERT_EQ(combo.count(), 156);
    EXPECT_EQ(combo.itemText(16), "aliceblue");
    EXPECT_EQ(combo.RowColor(16), RgbHexToColor(0xF0F8FF));
    EXPECT_EQ(combo.itemText(155), "yellowgreen");
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.GetSelectedColor(), clNone);

    QSignalSpy change(&combo, &TColorLookupComboBox::Change);
    combo.SelectColor(Red);
    EXPECT_EQ(combo.currentIndex(), 9);
    EXPECT_EQ(combo.currentText(), "赤");
    EXPECT_EQ(combo.GetSelectedColor(), Red);

    // Without csCustom an unknown colour clears the selection and adds nothing.
    combo.SelectColor(RgbHexToColor(0x123456));
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.count(), 156);
    combo.SelectColor(Red);
    combo.SelectColor(clNone);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(change.count(), 0) << "the program's own selections are no user change";
}

TEST(ColorLookupComboBox, GroupsComeInTheirFixedOrder) {
    TColorLookupComboBox combo;
    combo.SetExtendedColors({"snow=$FAFAFF"});
    combo.SetDefaultColor(Red);
    combo.SetSelection({csCustom, csExtended, csSystemJ, csSystem, csDefault});
    ASSERT_EQ(combo.count(), 1 + 16 + 16 + 1 + 1);
    EXPECT_EQ(combo.itemText(0), "標準");
    EXPECT_EQ(combo.RowColor(0), Red);
    EXPECT_EQ(combo.itemText(1), "Black");
    EXPECT_EQ(combo.itemText(17), "黒");
    EXPECT_EQ(combo.itemText(33), "snow");
    EXPECT_EQ(combo.itemText(34), "その他...");
    EXPECT_EQ(combo.RowColor(34), clNone);
}

TEST(ColorLookupComboBox, ExtendedLinesTakeTheFirstValueOfAName) {
    TColorLookupComboBox combo;
    combo.SetSelection({csExtended});
    combo.SetExtendedColors({"good=$0000FF", "bad=xyz", "noequals", "=$FFFFFF", "Dup=$00FF00",
                             "dup=$FF0000", "empty="});
    ASSERT_EQ(combo.count(), 5);
    EXPECT_EQ(combo.RowColor(0), Red);
    EXPECT_EQ(combo.itemText(1), "bad");
    EXPECT_EQ(combo.RowColor(1), clNone);
    EXPECT_EQ(combo.itemText(2), "Dup");
    EXPECT_EQ(combo.itemText(3), "dup");
    EXPECT_EQ(combo.RowColor(2), RgbHexToColor(0x00FF00));
    EXPECT_EQ(combo.RowColor(3), RgbHexToColor(0x00FF00));
    EXPECT_EQ(combo.RowColor(4), clNone);
    // A row without a colour is never what SelectColor finds.
    combo.SelectColor(clNone);
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST(ColorLookupComboBox, LoadHandlerFillsTheLinesOfTheRebuildUnderWay) {
    TColorLookupComboBox combo;
    int loads = 0;
    QObject::connect(&combo, &TColorLookupComboBox::LoadExtendedColors,
                     [&](TColorLookupComboBox* sender) {
                         ++loads;
                         sender->SetExtendedColors({"navy=$800000", "teal=$808000"});
                     });
    combo.SetSelection({csExtended});
    EXPECT_EQ(loads, 1);
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.RowColor(0), RgbHexToColor(0x000080));
}

class CustomRowsTest : public ::testing::Test {
protected:
    void SetUp() override { combo.SetSelection({csSystemJ, csCustom}); }
    TColorLookupComboBox combo;
};

TEST_F(CustomRowsTest, UnknownColoursBecomeCustomRowsOldestFirstAboveOther) {
    ASSERT_EQ(combo.count(), 17);
    combo.SelectColor(Red);
    combo.SelectColor(RgbHexToColor(0x000001));
    EXPECT_EQ(combo.currentIndex(), 9) << "adding a custom row keeps the selection";
    EXPECT_EQ(combo.itemText(16), "$010000");
    combo.AddCustomColor("two", 2);
    combo.AddCustomColor("", 3);
    combo.AddCustomColor("four", 4);
    ASSERT_EQ(combo.count(), 20);
    EXPECT_EQ(combo.CustomCount(), 3);
    EXPECT_EQ(combo.itemText(15), "白");
    EXPECT_EQ(combo.itemText(16), "two");
    EXPECT_EQ(combo.itemText(17), "$000003");
    EXPECT_EQ(combo.itemText(18), "four");
    EXPECT_EQ(combo.itemText(19), "その他...");
    EXPECT_EQ(combo.currentIndex(), 9);

    // The selected custom row evicted: no row is selected rather than its neighbour.
    combo.SelectColor(2);
    ASSERT_EQ(combo.currentIndex(), 16);
    combo.AddCustomColor("five", 5);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.itemText(16), "$000003");

    combo.SetMaxCustomCount(0);
    combo.AddCustomColor("none", 6);
    EXPECT_EQ(combo.count(), 17);
    EXPECT_EQ(combo.itemText(16), "その他...");
}

TEST_F(CustomRowsTest, ChoosingOtherAsksForAColourAndSelectsTheRowAboveIt) {
    TColor offered = clNone;
    std::optional<TColor> answer = RgbHexToColor(0x336699);
    combo.SetColorDialog([&](QWidget*, TColor initial) {
        offered = initial;
        return answer;
    });
    QSignalSpy change(&combo, &TColorLookupComboBox::Change);
    combo.SelectColor(Red);

    UserPicks(combo, Qt::Key_End);
    EXPECT_EQ(offered, Red);
    ASSERT_EQ(combo.count(), 18);
    EXPECT_EQ(combo.currentIndex(), 16);
    EXPECT_EQ(combo.GetSelectedColor(), RgbHexToColor(0x336699));
    EXPECT_EQ(change.count(), 1);

    answer.reset();
    UserPicks(combo, Qt::Key_End);
    EXPECT_EQ(combo.count(), 18);
    EXPECT_EQ(combo.currentIndex(), 16);
    EXPECT_EQ(change.count(), 2);

    UserPicks(combo, Qt::Key_Home);
    EXPECT_EQ(combo.GetSelectedColor(), clBlack);
    EXPECT_EQ(change.count(), 3);
}

} // namespace
} // namespace tintora
