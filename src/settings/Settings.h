#pragma once

// Every setting the main window keeps in the settings file, as one typed structure.
//
// ReadSettings reads the keys in the order the program has always read them, each with its
// default; WriteSettings writes them back in the program's write order. The structure holds
// values, not behaviour: the main window applies them after reading and collects them before
// writing.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tintora {

class TIniFile2;

inline constexpr int PaletteCellCount = 24;
inline constexpr std::uint32_t PaletteDefaultColor = 16777215; // white

struct TSettings {
    // WINDOW
    std::int32_t StayOnTop = 0; // window style number: 0 normal, 3 stay on top

    // OPTION
    bool UseHSV = false;
    bool UpperCase = false; // read only: makes the three case keys default to upper case
    // Case modes for element names, attribute names and values: 0 lower, 1 upper, 2 initial
    // upper. Kept as the byte the file holds, without a range check.
    std::uint8_t CharCaseE = 0;
    std::uint8_t CharCaseA = 0;
    std::uint8_t CharCaseV = 0;
    bool AddSharp = false;
    bool EscHtmlTokens = true;
    bool EscSpaceChar = true;
    bool WrapFontTag = false;
    std::uint8_t DefBodyAttrib = 31; // bits: 1 bgcolor, 2 text, 4 link, 8 vlink, 16 alink
    bool NoAskBodyAttrib = false;
    std::uint8_t GrdBarPointer = 0; // 0 panel, 1 groove, 2 struck out, 3 dug out, 4 dot
    bool NoHideGrdPointer = false;
    std::int32_t GrdBarsMode = 0; // 1 RGB bars, anything else hue/saturation/luminance bars
    bool PalletClickType = false; // true: a palette cell is picked by double click
    bool ShowHint = true;
    bool HideExtInPicking = false;
    std::string SampleFontName;
    std::int32_t SampleFontSize = 12;
    bool InsBaseTag = true;
    bool PlayCopySound = false;
    std::string CopySound = "C:\\WINDOWS\\MEDIA\\DING.WAV";

    // WEBBROWSER
    bool UseNNMainly = false;
    std::string IEPath;
    std::string NNPath;

    // STATUS
    std::string PreviewSample;

    // PREVIEW
    bool DynamicPreview = false;
    bool PaintFontBG = false;
    // The live preview shows the FONT page's text as styled spans instead of FONT tags.
    bool UseSpanTag = false;

    // WINDOW; the defaults are the window's position before reading.
    std::int32_t Top = 0;
    std::int32_t Left = 0;

    // PALLET: colour values, row by row.
    std::array<std::uint32_t, PaletteCellCount> Pallet = FilledPalette();

    // SPI
    bool SearchWinDir = false;
    bool SearchSysDir = false;
    std::string SearchDir;
    std::vector<std::string> SkipFiles;

    friend bool operator==(const TSettings&, const TSettings&) = default;

private:
    static constexpr std::array<std::uint32_t, PaletteCellCount> FilledPalette() {
        std::array<std::uint32_t, PaletteCellCount> cells{};
        cells.fill(PaletteDefaultColor);
        return cells;
    }
};

// Reads every key into s. Fields whose default depends on the state in force (the three case
// modes, the window position) take that default from s as it is passed in.
void ReadSettings(const TIniFile2& file, TSettings& s);

// Writes every key except UpperCase, which stays in the file as the user left it.
void WriteSettings(TIniFile2& file, const TSettings& s);

} // namespace tintora
