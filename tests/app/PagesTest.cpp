// The FONT and BODY pages without the main window: what is applied comes back as the page's
// state, and the type's show rule.

#include "app/BodyPage.h"
#include "app/FontPage.h"
#include "widgets/HsxPanel.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWidget>

namespace tintora {
namespace {

TFontPageState Wave(TGrdType type) {
    TFontPageState s;
    s.Type = type;
    s.Start = MakeColor(1, 2, 3);
    s.Mid = MakeColor(4, 5, 6);
    s.End = MakeColor(7, 8, 9);
    s.WaveCount = -250;
    s.WaveShift = 40;
    s.Back = MakeColor(10, 11, 12);
    s.Face = "Arial, Helvetica";
    s.Size = "+2";
    s.Italic = true;
    s.Underline = true;
    return s;
}

TEST(FontPageTest, WhatIsAppliedComesBackAsTheState) {
    QWidget host;
    TFontPage page(&host);
    for (TGrdType type : {TGrdType::gtNone, TGrdType::gtTwo, TGrdType::gtThree, TGrdType::gtRainBow,
                          TGrdType::gtWave}) {
        const TFontPageState s = Wave(type);
        page.Apply(s);
        EXPECT_EQ(page.State(), s) << static_cast<int>(type);
    }
    TFontPageState unlisted = Wave(TGrdType::gtTwo);
    unlisted.Size = "8";
    page.Apply(unlisted);
    EXPECT_EQ(page.State().Size, "");
}

TEST(FontPageTest, ASwatchComingIntoViewTakesTheStartColourAndAHiddenOneGivesUpItsPress) {
    QWidget host;
    TFontPage page(&host);
    page.Apply(Wave(TGrdType::gtNone));
    page.pnlEnd->SetDown(true); // pressed while hidden: the next type change hands it on
    EXPECT_TRUE(page.SetGrdType(TGrdType::gtTwo));
    EXPECT_EQ(page.pnlEnd->Color(), MakeColor(1, 2, 3));
    EXPECT_FALSE(page.SetGrdType(TGrdType::gtTwo));
    EXPECT_TRUE(page.SetGrdType(TGrdType::gtThree));
    EXPECT_EQ(page.pnlMid->Color(), MakeColor(1, 2, 3));
    EXPECT_EQ(page.SelectedPanel(), page.pnlEnd);
    page.SetGrdType(TGrdType::gtRainBow);
    EXPECT_EQ(page.SelectedPanel(), page.pnlBack);
    EXPECT_FALSE(page.EditWave->isHidden());
    EXPECT_TRUE(page.EditWave2->isHidden());
}

TEST(BodyPageTest, ColoursComeBackAsApplied) {
    QWidget host;
    TBodyPage page(&host);
    const TBodyColors colors{1, 2, 3, 4, 5};
    page.Apply(colors);
    EXPECT_EQ(page.State(), colors);
    EXPECT_EQ(page.SelectedPanel(), nullptr);
    page.pnlVlink->SetDown(true);
    EXPECT_EQ(page.SelectedPanel(), page.pnlVlink);
}

} // namespace
} // namespace tintora
