// The Options dialog's values and the settings they turn into.

#include "settings/OptionsEdit.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

using TNames = std::vector<std::string>;
using TRows = std::vector<TPluginRow>;

TEST(PluginRows, LoadedByFileNameThenSkippedUnchecked) {
    EXPECT_EQ(
        PluginRows({"/usr/lib/tintora/spi/ifpng.spi", "ifjpeg.spi"}, {"ifgif.spi", "b c.spi"}),
        (TRows{
            {"ifpng.spi", true}, {"ifjpeg.spi", true}, {"ifgif.spi", false}, {"b c.spi", false}}));
    EXPECT_EQ(PluginRows({}, {}), TRows{});
}

TEST(SkipFilesOf, UncheckedRowsLastFirst) {
    const struct {
        TRows Rows;
        TNames Skip;
    } cases[] = {
        {{{"a.spi", true}, {"b.spi", true}}, {}},
        {{{"a.spi", false}, {"b.spi", true}, {"c.spi", false}}, {"c.spi", "a.spi"}},
        // A plug-in unchecked now and one skipped before.
        {{{"a.spi", true}, {"b.spi", false}, {"old.spi", false}}, {"old.spi", "b.spi"}},
        // Re-checking a skipped one takes it off the list.
        {{{"a.spi", true}, {"old.spi", true}}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SkipFilesOf(c.Rows), c.Skip);
    }
}

// The settings in force shown in the dialog and given back untouched change nothing.
TEST(OptionsEditResult, AnUntouchedDialogKeepsTheSettings) {
    TSettings s;
    s.CharCaseE = 2;
    s.CharCaseA = 1;
    s.DefBodyAttrib = 0x15;
    s.UseNNMainly = true;
    s.PalletClickType = true;
    s.GrdBarPointer = 3;
    s.NoHideGrdPointer = true;
    s.SearchWinDir = true;
    s.SearchDir = "/opt/spi/";
    s.SkipFiles = {"a.spi"};
    s.SampleFontName = "IPAPGothic";
    const TOptionsEdit e = OptionsEditOf(s, s.SampleFontName, PluginRows({"x.spi"}, s.SkipFiles));
    EXPECT_EQ(OptionsEditResult(s, e), s);
}

TEST(OptionsEditResult, TheRulesOfTheDialog) {
    const TSettings current = [] {
        TSettings s;
        s.DefBodyAttrib = 0xff; // bits above the five boxes
        s.SearchDir = "/old/";
        s.GrdBarPointer = 2;
        s.SearchWinDir = true;
        return s;
    }();
    const TOptionsEdit shown = OptionsEditOf(current, "", {});
    const struct {
        const char* What;
        void (*Change)(TOptionsEdit&);
        void (*Expect)(TSettings&);
    } cases[] = {
        {"the BODY bits come from the five boxes alone",
         [](TOptionsEdit& e) {
             e.DefBody = {true, false, true, false, false};
         },
         [](TSettings& s) { s.DefBodyAttrib = 5; }},
        {"the folder box unchecked clears the folder though the field keeps it",
         [](TOptionsEdit& e) {
             e.PathOther = false;
             e.SpiDir = "/typed/";
         },
         [](TSettings& s) { s.SearchDir.clear(); }},
        {"the folder box checked takes the field", [](TOptionsEdit& e) { e.SpiDir = "/new/"; },
         [](TSettings& s) { s.SearchDir = "/new/"; }},
        {"the system places count while the folder box disables them",
         [](TOptionsEdit& e) {
             e.PathWin = false;
             e.PathSys = true;
         },
         [](TSettings& s) {
             s.SearchWinDir = false;
             s.SearchSysDir = true;
         }},
        {"a pointer box showing nothing keeps the style",
         [](TOptionsEdit& e) { e.GrdPointer = -1; }, [](TSettings&) {}},
        {"the pointer box's index is the style", [](TOptionsEdit& e) { e.GrdPointer = 4; },
         [](TSettings& s) { s.GrdBarPointer = 4; }},
        {"hiding the pointer is the inverse of keeping it",
         [](TOptionsEdit& e) { e.HideGrdPointer = false; },
         [](TSettings& s) { s.NoHideGrdPointer = true; }},
        {"the second browser item", [](TOptionsEdit& e) { e.MainBrowser = 1; },
         [](TSettings& s) { s.UseNNMainly = true; }},
        {"the double click item", [](TOptionsEdit& e) { e.PalClickType = 1; },
         [](TSettings& s) { s.PalletClickType = true; }},
        {"an unchecked plug-in row joins the skip list",
         [](TOptionsEdit& e) {
             e.Plugins = {{"a.spi", true}, {"b.spi", false}};
         },
         [](TSettings& s) { s.SkipFiles = {"b.spi"}; }},
        {"the case modes as resolved",
         [](TOptionsEdit& e) {
             e.Cases = {TCharCaseMode::ccUpper, TCharCaseMode::ccInitialUpper,
                        TCharCaseMode::ccLower};
         },
         [](TSettings& s) {
             s.CharCaseE = 1;
             s.CharCaseA = 2;
         }},
    };
    for (const auto& c : cases) {
        TOptionsEdit e = shown;
        c.Change(e);
        TSettings expected = current;
        expected.DefBodyAttrib = 31;
        c.Expect(expected);
        EXPECT_EQ(OptionsEditResult(current, e), expected) << c.What;
    }
}

TEST(OptionsEditOf, AStoredPointerStyleTheBoxDoesNotOfferShowsNone) {
    TSettings s;
    s.GrdBarPointer = 9;
    const TOptionsEdit e = OptionsEditOf(s, "", {});
    EXPECT_EQ(e.GrdPointer, -1);
    EXPECT_EQ(OptionsEditResult(s, e).GrdBarPointer, 9);
}

} // namespace
} // namespace tintora
