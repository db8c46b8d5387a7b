// The selected-colour controller without a window: the order in which the views follow, the field
// and bar rules, and the edit modes.

#include "editor/ColorController.h"

#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tintora {
namespace {

// Records what the controller asks of the views, one line per call, with the Updating flag where
// the fields are written.
class TRecordingView : public IColorView {
public:
    const TColorController* controller = nullptr;
    std::vector<std::string> calls;
    std::array<int, 3> fields{};
    std::string rgbText;
    TColor shown = clNone;

    void ShowBarForms(TColor, FineEsl) override { calls.push_back("bars"); }
    void ShowSelectedColor(TColor c) override {
        shown = c;
        calls.push_back("panel");
    }
    void ShowRgbText(const std::string& text) override {
        rgbText = text;
        calls.push_back(Guarded("rgb"));
    }
    void ShowFieldValues(const std::array<int, 3>& values) override {
        fields = values;
        calls.push_back(Guarded("fields"));
    }
    void ShowEditMode(TEditMode, const TEditModeLook& look,
                      const std::array<int, 3>& values) override {
        fields = values;
        calls.push_back(Guarded(std::string("mode ") + look.Labels[0]));
    }
    void ShowScaleName(std::string_view name) override { calls.push_back(std::string(name)); }
    void ProcessPendingMessages() override { calls.push_back("pending"); }
    void RepaintBar(int index) override { calls.push_back("bar" + std::to_string(index)); }
    void RefreshTagSamples() override { calls.push_back("samples"); }
    void BeginBarDrag(int index, bool hide) override {
        calls.push_back("begin" + std::to_string(index) + (hide ? " hide" : ""));
    }
    void EndBarDrag(bool show) override { calls.push_back(show ? "end show" : "end"); }

private:
    std::string Guarded(std::string call) const {
        return controller->Updating() ? call + " (updating)" : call;
    }
};

class ColorControllerTest : public ::testing::Test {
protected:
    ColorControllerTest() { view.controller = &c; }
    TSettings settings;
    TRecordingView view;
    TColorController c{view, settings};
};

using TCalls = std::vector<std::string>;

TEST_F(ColorControllerTest, ChangeColorUpdatesTheViewsInTheirFixedOrder) {
    c.ChangeColor(MakeColor(255, 0, 0) | 0x7F000000);
    EXPECT_EQ(view.calls, (TCalls{"bars", "panel", "rgb (updating)", "bars", "fields (updating)",
                                  "pending", "bar1", "bar2", "bar3", "samples"}));
    EXPECT_EQ(c.SelectedColor(), MakeColor(255, 0, 0));
    EXPECT_EQ(view.rgbText, "ff0000");
    EXPECT_EQ(view.fields, (std::array<int, 3>{0, 240, 120}));
    EXPECT_FALSE(c.Updating());

    // Nested under a held guard, the flag stays set until the outer holder lets it go.
    {
        const auto held = c.HoldUpdating();
        c.SetColorValue(MakeColor(0, 0, 255));
        EXPECT_TRUE(c.Updating());
    }
    EXPECT_FALSE(c.Updating());
}

TEST_F(ColorControllerTest, TheRgbTextFollowsTheValueCase) {
    settings.CharCaseV = 1;
    c.ChangeColor(MakeColor(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(view.rgbText, "ABCDEF");
}

struct TFieldRow {
    const char* name;
    TEditMode mode;
    int field;
    const char* text;
    TColorController::TFieldChange change;
    std::array<int, 3> fields; // what the fields show afterwards
};

TEST_F(ColorControllerTest, NumberFieldsAreClampedAndShowWhatTheyTook) {
    using F = TColorController::TFieldChange;
    const TFieldRow rows[] = {
        {"hue above the range", TEditMode::emEsl, 0, "250", F::fcApplied, {239, 240, 120}},
        {"saturation above 240", TEditMode::emEsl, 1, "241", F::fcApplied, {0, 240, 120}},
        {"luminance", TEditMode::emEsl, 2, "60", F::fcApplied, {0, 240, 60}},
        {"empty field", TEditMode::emEsl, 1, "", F::fcCleared, {0, 240, 120}},
        {"not a number", TEditMode::emEsl, 1, "1x", F::fcCleared, {0, 240, 120}},
        {"negative", TEditMode::emEsl, 1, "-5", F::fcCleared, {0, 240, 120}},
        {"red above 255", TEditMode::emRgb, 0, "300", F::fcApplied, {255, 0, 0}},
        {"blue", TEditMode::emRgb, 2, "7", F::fcApplied, {255, 0, 7}},
        {"hsv hue at 360", TEditMode::emHsv, 0, "360", F::fcApplied, {359, 360, 50}},
        {"hsv luminance above 100", TEditMode::emHsv, 2, "150", F::fcApplied, {0, 360, 100}},
    };
    for (const TFieldRow& row : rows) {
        settings.UseHSV = row.mode == TEditMode::emHsv;
        c.SetEditMode(row.mode);
        c.ChangeColor(MakeColor(255, 0, 0));
        EXPECT_EQ(c.EditESLChange(row.field, row.text), row.change) << row.name;
        EXPECT_EQ(view.fields, row.fields) << row.name;
    }
}

TEST_F(ColorControllerTest, FieldChangesWhileTheProgramWritesAreIgnored) {
    c.ChangeColor(MakeColor(255, 0, 0));
    const auto held = c.HoldUpdating();
    EXPECT_EQ(c.EditESLChange(0, "100"), TColorController::TFieldChange::fcIgnored);
    EXPECT_FALSE(c.EditRGBChange("123456"));
    EXPECT_EQ(c.SelectedColor(), MakeColor(255, 0, 0));
}

TEST_F(ColorControllerTest, TheRgbFieldTakesOnlySixHexDigits) {
    c.ChangeColor(MakeColor(255, 0, 0));
    EXPECT_FALSE(c.EditRGBChange("12345"));
    EXPECT_FALSE(c.EditRGBChange("12345g"));
    EXPECT_EQ(c.SelectedColor(), MakeColor(255, 0, 0));
    EXPECT_TRUE(c.EditRGBChange("123456"));
    EXPECT_EQ(c.SelectedColor(), MakeColor(0x12, 0x34, 0x56));
}

struct TDragRow {
    const char* name;
    bool rgb;
    bool hsv;
    int bar;
    int x;
    bool right;
    int expected; // the bar's component afterwards, in the fields' scale
};

TEST_F(ColorControllerTest, ABarPositionBecomesTheBarsComponent) {
    const TDragRow rows[] = {
        {"hue", false, false, 1, 100, false, 100},
        {"hue left of the bar", false, false, 1, -9, false, 0},
        {"hue right of the bar", false, false, 1, 400, false, 239},
        {"hue snaps up at halfway", false, false, 1, 60, true, 80},
        {"hue snaps down", false, false, 1, 59, true, 40},
        {"hue snaps to 240, held to 239", false, false, 1, 235, true, 239},
        {"luminance", false, false, 3, 240, false, 240},
        {"hsv hue", false, true, 1, 239, false, 359},
        {"hsv saturation", false, true, 2, 120, false, 180},
        {"hsv luminance", false, true, 3, 120, false, 50},
        {"green", true, false, 2, 120, false, 126},
        {"green at the right end", true, false, 2, 240, false, 255},
        {"green left of the bar", true, false, 2, -3, false, 0},
        {"green snaps to a web level", true, false, 2, 120, true, 102},
    };
    for (const TDragRow& row : rows) {
        settings.UseHSV = row.hsv;
        c.SelectEditMode(row.rgb ? 1 : 0);
        c.ChangeColor(MakeColor(128, 64, 32));
        const int width = row.bar == 1 && !row.rgb ? 240 : 241;
        c.ImageESLMouseDown(row.bar, width, row.x, row.right);
        EXPECT_EQ(view.fields[static_cast<std::size_t>(row.bar - 1)], row.expected) << row.name;
        c.ImageESLMouseUp();
    }
}

TEST_F(ColorControllerTest, ADragRepaintsTheOtherBarsUnlessPointersStayVisible) {
    c.ImageESLMouseDown(2, 241, 10, false);
    EXPECT_EQ(view.calls.front(), "begin2 hide");
    EXPECT_EQ(TCalls(view.calls.end() - 4, view.calls.end()),
              (TCalls{"pending", "bar1", "bar3", "samples"}));
    c.EndBarDrag();
    EXPECT_EQ(view.calls.back(), "end");
    view.calls.clear();
    c.ImageESLMouseMove(2, 241, 50, false);
    EXPECT_TRUE(view.calls.empty()) << "no drag, no change";

    settings.NoHideGrdPointer = true;
    c.ImageESLMouseDown(2, 241, 10, false);
    EXPECT_EQ(view.calls.front(), "begin2");
    EXPECT_EQ(TCalls(view.calls.end() - 5, view.calls.end()),
              (TCalls{"pending", "bar1", "bar2", "bar3", "samples"}));
    c.ImageESLMouseUp();
    EXPECT_EQ(view.calls.back(), "end show");
    EXPECT_FALSE(c.BarDragging());
}

TEST_F(ColorControllerTest, SwitchingModesRewritesTheFieldsButNotTheColour) {
    c.ChangeColor(MakeColor(0x12, 0x34, 0x56));
    view.calls.clear();
    c.SelectEditMode(1);
    EXPECT_EQ(view.calls, (TCalls{"mode 　赤(&E): (updating)", "bar2", "bar3"}));
    EXPECT_EQ(view.fields, (std::array<int, 3>{0x12, 0x34, 0x56}));
    EXPECT_EQ(c.CurrentEditMode(), TEditMode::emRgb);
    EXPECT_EQ(settings.GrdBarsMode, 1);
    EXPECT_EQ(c.SelectedColor(), MakeColor(0x12, 0x34, 0x56));

    // The scale option changes the captions at once but the RGB mode stays.
    c.SetUseHsv(true);
    EXPECT_EQ(view.calls.back(), "HSV");
    EXPECT_EQ(c.CurrentEditMode(), TEditMode::emRgb);
    c.SelectEditMode(0);
    EXPECT_EQ(c.CurrentEditMode(), TEditMode::emHsv);
    EXPECT_EQ(settings.GrdBarsMode, 0);
    const HsvEsl t = c.GetHsvEsl();
    EXPECT_EQ(view.fields, (std::array<int, 3>{t.hue, t.sat, t.lum}));
    EXPECT_EQ(EditModeLook(TEditMode::emHsv).Maxima, (std::array<int, 3>{359, 360, 100}));
}

} // namespace
} // namespace tintora
