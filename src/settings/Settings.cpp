#include "settings/Settings.h"

#include "settings/CommaText.h"
#include "settings/IniFile2.h"

namespace tintora {

namespace {

constexpr const char* kWindow = "WINDOW";
constexpr const char* kOption = "OPTION";
constexpr const char* kWebBrowser = "WEBBROWSER";
constexpr const char* kStatus = "STATUS";
constexpr const char* kPreview = "PREVIEW";
constexpr const char* kPallet = "PALLET";
constexpr const char* kSpi = "SPI";

// Byte-sized settings keep the low byte of what the file holds, as a byte field always has.
std::uint8_t ReadByte(const TIniFile2& f, const char* key, std::uint8_t def) {
    return static_cast<std::uint8_t>(f.ReadInteger(kOption, key, def));
}

std::string PalletKey(int cell) {
    return std::to_string(cell);
}

} // namespace

void ReadSettings(const TIniFile2& f, TSettings& s) {
    s.StayOnTop = f.ReadInteger(kWindow, "StayOnTop", 0);

    s.UseHSV = f.ReadBool(kOption, "UseHSV", false);
    s.UpperCase = f.ReadBool(kOption, "UpperCase", false);
    if (s.UpperCase) {
        s.CharCaseE = s.CharCaseA = s.CharCaseV = 1;
    }
    s.CharCaseE = ReadByte(f, "CharCaseE", s.CharCaseE);
    s.CharCaseA = ReadByte(f, "CharCaseA", s.CharCaseA);
    s.CharCaseV = ReadByte(f, "CharCaseV", s.CharCaseV);
    s.AddSharp = f.ReadBool(kOption, "AddSharp", false);
    s.EscHtmlTokens = f.ReadBool(kOption, "EscHtmlTokens", true);
    s.EscSpaceChar = f.ReadBool(kOption, "EscSpaceChar", true);
    s.WrapFontTag = f.ReadBool(kOption, "WrapFontTag", false);
    s.DefBodyAttrib = ReadByte(f, "DefBodyAttrib", 31);
    s.NoAskBodyAttrib = f.ReadBool(kOption, "NoAskBodyAttrib", false);
    s.GrdBarPointer = ReadByte(f, "GrdBarPointer", 0);
    s.NoHideGrdPointer = f.ReadBool(kOption, "NoHideGrdPointer", false);
    s.GrdBarsMode = f.ReadInteger(kOption, "GrdBarsMode", 0);
    s.PalletClickType = f.ReadBool(kOption, "PalletClickType", false);
    s.ShowHint = f.ReadBool(kOption, "ShowHint", true);
    s.HideExtInPicking = f.ReadBool(kOption, "HideExtInPicking", false);
    s.SampleFontName = f.ReadString(kOption, "SampleFontName", "");
    s.SampleFontSize = f.ReadInteger(kOption, "SampleFontSize", 12);
    s.InsBaseTag = f.ReadBool(kOption, "InsBaseTag", true);
    s.PlayCopySound = f.ReadBool(kOption, "PlayCopySound", false);
    s.CopySound = f.ReadString(kOption, "CopySound", TSettings{}.CopySound);

    s.UseNNMainly = f.ReadBool(kWebBrowser, "UseNNMainly", false);
    s.IEPath = f.ReadString(kWebBrowser, "IEPath", "");
    s.NNPath = f.ReadString(kWebBrowser, "NNPath", "");

    s.PreviewSample = f.ReadString(kStatus, "PreviewSample", "");

    s.DynamicPreview = f.ReadBool(kPreview, "DynamicPreview", false);
    s.PaintFontBG = f.ReadBool(kPreview, "PaintFontBG", false);
    s.UseSpanTag = f.ReadBool(kPreview, "UseSpanTag", false);

    s.Top = f.ReadInteger(kWindow, "Top", s.Top);
    s.Left = f.ReadInteger(kWindow, "Left", s.Left);

    for (int cell = 0; cell < PaletteCellCount; ++cell) {
        const auto stored =
            f.ReadInteger(kPallet, PalletKey(cell), static_cast<std::int32_t>(PaletteDefaultColor));
        s.Pallet[static_cast<std::size_t>(cell)] = static_cast<std::uint32_t>(stored);
    }

    s.SearchWinDir = f.ReadBool(kSpi, "SearchWinDir", false);
    s.SearchSysDir = f.ReadBool(kSpi, "SearchSysDir", false);
    s.SearchDir = f.ReadString(kSpi, "SearchDir", "");
    s.SkipFiles = FromCommaText(f.ReadString(kSpi, "SkipFiles", ""));
}

void WriteSettings(TIniFile2& f, const TSettings& s) {
    f.WriteInteger(kWindow, "StayOnTop", s.StayOnTop);

    f.WriteBool(kOption, "UseHSV", s.UseHSV);
    f.WriteInteger(kOption, "CharCaseE", s.CharCaseE);
    f.WriteInteger(kOption, "CharCaseA", s.CharCaseA);
    f.WriteInteger(kOption, "CharCaseV", s.CharCaseV);
    f.WriteBool(kOption, "AddSharp", s.AddSharp);
    f.WriteBool(kOption, "EscHtmlTokens", s.EscHtmlTokens);
    f.WriteBool(kOption, "EscSpaceChar", s.EscSpaceChar);
    f.WriteBool(kOption, "WrapFontTag", s.WrapFontTag);
    f.WriteInteger(kOption, "DefBodyAttrib", s.DefBodyAttrib);
    f.WriteBool(kOption, "NoAskBodyAttrib", s.NoAskBodyAttrib);
    f.WriteInteger(kOption, "GrdBarPointer", s.GrdBarPointer);
    f.WriteBool(kOption, "NoHideGrdPointer", s.NoHideGrdPointer);
    f.WriteInteger(kOption, "GrdBarsMode", s.GrdBarsMode);
    f.WriteBool(kOption, "PalletClickType", s.PalletClickType);
    f.WriteBool(kOption, "ShowHint", s.ShowHint);
    f.WriteBool(kOption, "HideExtInPicking", s.HideExtInPicking);
    f.WriteQuotedString(kOption, "SampleFontName", s.SampleFontName);
    f.WriteInteger(kOption, "SampleFontSize", s.SampleFontSize);
    f.WriteBool(kOption, "InsBaseTag", s.InsBaseTag);
    f.WriteBool(kOption, "PlayCopySound", s.PlayCopySound);
    f.WriteQuotedString(kOption, "CopySound", s.CopySound);

    f.WriteInteger(kWindow, "Top", s.Top);
    f.WriteInteger(kWindow, "Left", s.Left);

    for (int cell = 0; cell < PaletteCellCount; ++cell) {
        f.WriteInteger(kPallet, PalletKey(cell),
                       static_cast<std::int32_t>(s.Pallet[static_cast<std::size_t>(cell)]));
    }

    f.WriteBool(kWebBrowser, "UseNNMainly", s.UseNNMainly);
    f.WriteQuotedString(kWebBrowser, "IEPath", s.IEPath);
    f.WriteQuotedString(kWebBrowser, "NNPath", s.NNPath);

    f.WriteQuotedString(kStatus, "PreviewSample", s.PreviewSample);

    f.WriteBool(kPreview, "DynamicPreview", s.DynamicPreview);
    f.WriteBool(kPreview, "PaintFontBG", s.PaintFontBG);
    f.WriteBool(kPreview, "UseSpanTag", s.UseSpanTag);

    f.WriteBool(kSpi, "SearchWinDir", s.SearchWinDir);
    f.WriteBool(kSpi, "SearchSysDir", s.SearchSysDir);
    f.WriteQuotedString(kSpi, "SearchDir", s.SearchDir);
    f.WriteQuotedString(kSpi, "SkipFiles", ToCommaText(s.SkipFiles));
}

} // namespace tintora
