// The settings of the real main window: one owner while the program runs, and applying them
// again changes nothing.

#include "Form1Probe.h"
#include "widgets/ColorPanel.h"
#include "widgets/GrdBarSet.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace tintora {
namespace {

class Settings : public TForm1Test {
protected:
    // What the window shows of the settings, beside the settings themselves.
    struct TShown {
        TSettings settings;
        bool onTop;
        QString scale;
        QString rgb;
        QString preview;
        bool paintFontBG;
        TPointerType pointer;
        bool operator==(const TShown&) const = default;
    };
    TShown Shown() const {
        return {form_->Settings(),         bool(form_->windowFlags() & Qt::WindowStaysOnTopHint),
                p().btnGbmESL()->text(),   p().EditRGB()->text(),
                p().EditPreview()->text(), p().miPaintFontBG()->isChecked(),
                p().GBSet()->Pointer()};
    }
};

TEST_F(Settings, ApplyingTwiceGivesWhatApplyingOnceGives) {
    TSettings s = form_->Settings();
    s.StayOnTop = 3;
    s.UseHSV = true;
    s.CharCaseV = 1;
    s.GrdBarPointer = 4;
    s.ShowHint = false;
    s.SampleFontName = "no such font";
    s.SampleFontSize = 200;
    s.PreviewSample = "/tmp/sample.html";
    s.PaintFontBG = true;
    s.Pallet[3] = MakeColor(1, 2, 3);
    s.Top = s.Top + 77; // the window's own: not moved by settings

    form_->ApplySettings(s);
    const TShown once = Shown();
    EXPECT_TRUE(once.onTop);
    EXPECT_EQ(once.scale, "HSV");
    EXPECT_EQ(once.rgb, "FF0000");
    EXPECT_EQ(once.settings.SampleFontSize, 12);
    EXPECT_EQ(once.settings.SampleFontName, form_->GetSampleFontName().toStdString());
    EXPECT_NE(once.settings.Top, s.Top);
    EXPECT_EQ(once.settings.Pallet[3], MakeColor(1, 2, 3));

    form_->ApplySettings(s);
    EXPECT_EQ(Shown(), once);
    form_->ApplySettings(form_->Settings());
    EXPECT_EQ(Shown(), once);
}

TEST_F(Settings, AControlThatChangesASettingWritesItAtOnce) {
    const struct {
        const char* name;
        std::function<void(TForm1Probe)> change;
        std::function<bool(const TSettings&)> written;
    } rows[] = {
        {"stay on top", [](TForm1Probe q) { q.miStayOnTopClick(); },
         [](const TSettings& s) { return s.StayOnTop == 3; }},
        {"bar mode", [](TForm1Probe q) { q.miGbmClick(q.btnGbmRGB()); },
         [](const TSettings& s) { return s.GrdBarsMode == 1; }},
        {"palette cell",
         [](TForm1Probe q) {
             q.PalsDragDrop(q.pal1(), q.ColorPanel(), {8, 7}, false);
         },
         [](const TSettings& s) { return s.Pallet[0] == MakeColor(255, 0, 0); }},
        {"sample document", [](TForm1Probe q) { q.EditPreview()->setText("a.html"); },
         [](const TSettings& s) { return s.PreviewSample == "a.html"; }},
        {"font background menu", [](TForm1Probe q) { q.miPaintFontBG()->setChecked(true); },
         [](const TSettings& s) { return s.PaintFontBG; }},
        {"span preview menu", [](TForm1Probe q) { q.miUseSpanTag()->trigger(); },
         [](const TSettings& s) { return s.UseSpanTag; }},
        {"sample size", [](TForm1Probe q) { q.f.SetSampleFontSize(20); },
         [](const TSettings& s) { return s.SampleFontSize == 20; }},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(row.written(form_->Settings())) << row.name;
        row.change(p());
        EXPECT_TRUE(row.written(form_->Settings())) << row.name;
    }
}

} // namespace
} // namespace tintora
