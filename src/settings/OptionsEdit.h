#pragma once

// What the Options dialog edits, as plain values: the dialog shows an TOptionsEdit made from the
// settings in force and, on OK, turns what the user left in it into the new settings. The rules
// that do not depend on the controls live here; the checks the main window makes when it applies
// the settings (the sample size and face) stay with the main window.

#include "html/CharCase.h"
#include "settings/Settings.h"

#include <array>
#include <string>
#include <vector>

namespace tintora {

// A row of the plug-in list: a file name without its folder, checked when the plug-in is used.
struct TPluginRow {
    std::string Name;
    bool Checked = true;
    friend bool operator==(const TPluginRow&, const TPluginRow&) = default;
};

// The BODY attributes offered by default, in the order of their boxes and bits (1, 2, 4, 8, 16).
inline constexpr int DefBodyAttribCount = 5;

struct TOptionsEdit {
    // The three case modes as the user leaves them: the summary box and the mixed-settings dialog
    // have already been resolved into modes.
    TCharCases Cases;
    bool PlayCopySound = false;
    std::string CopySound;
    bool AddSharp = false;
    bool WrapFontTag = false;
    bool EscHtmlTokens = true;
    bool EscSpaceChar = true;
    std::array<bool, DefBodyAttribCount> DefBody{}; // bgcolor, text, link, vlink, alink
    bool NoAskBodyAttrib = false;
    int SampleFontSize = 12;
    std::string SampleFontName; // the face box's text: an installed face or the automatic item
    bool InsBaseTag = true;
    int MainBrowser = 0; // 0 the first browser, 1 the second
    std::string IEPath;
    std::string NNPath;
    bool ShowHint = true;
    bool HideExtInPicking = false;
    int PalClickType = 0; // 0 click, 1 double click
    int GrdPointer = 0;   // the pointer style's index; -1 when the box shows none
    bool HideGrdPointer = true;
    bool UseHSV = false;
    bool PathWin = false;
    bool PathSys = false;
    bool PathOther = false;
    std::string SpiDir;
    std::vector<TPluginRow> Plugins;
};

// The three case modes the settings hold, as the bytes the file gave them.
TCharCases CharCasesOf(const TSettings& s);

// The plug-in list: the loaded plug-ins' file names (without folders) in load order, checked, then
// the skip list's names, unchecked.
std::vector<TPluginRow> PluginRows(const std::vector<std::string>& loadedFiles,
                                   const std::vector<std::string>& skipFiles);

// The skip list the rows stand for: the unchecked rows' names, the last row first.
std::vector<std::string> SkipFilesOf(const std::vector<TPluginRow>& rows);

// The dialog's values for the settings in force. sampleFontName is the face the samples use now
// (the stored face when it is installed, else the window's own); plugins are the list's rows.
TOptionsEdit OptionsEditOf(const TSettings& s, const std::string& sampleFontName,
                           std::vector<TPluginRow> plugins);

// The settings after OK: `current` with every option the dialog edits taken from `e`. The plug-in
// folder is kept only while its box is checked; the two system places count even while that box
// disables them; the BODY attribute bits are built from the five boxes alone. A pointer index the
// box does not show keeps the style in force.
TSettings OptionsEditResult(const TSettings& current, const TOptionsEdit& e);

} // namespace tintora
