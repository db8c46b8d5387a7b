#include "settings/OptionsEdit.h"

#include "files/UserFolder.h"

#include <cstdint>

namespace tintora {

namespace {

constexpr int kPointerStyleCount = 5;

} // namespace

std::vector<TPluginRow> PluginRows(const std::vector<std::string>& loadedFiles,
                                   const std::vector<std::string>& skipFiles) {
    std::vector<TPluginRow> rows;
    rows.reserve(loadedFiles.size() + skipFiles.size());
    for (const std::string& file : loadedFiles) {
        rows.push_back({std::string(FileNameOf(file)), true});
    }
    for (const std::string& name : skipFiles) {
        rows.push_back({name, false});
    }
    return rows;
}

std::vector<std::string> SkipFilesOf(const std::vector<TPluginRow>& rows) {
    std::vector<std::string> skip;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (!row->Checked) {
            skip.push_back(row->Name);
        }
    }
    return skip;
}

TCharCases CharCasesOf(const TSettings& s) {
    return TCharCases{static_cast<TCharCaseMode>(s.CharCaseE),
                      static_cast<TCharCaseMode>(s.CharCaseA),
                      static_cast<TCharCaseMode>(s.CharCaseV)};
}

TOptionsEdit OptionsEditOf(const TSettings& s, const std::string& sampleFontName,
                           std::vector<TPluginRow> plugins) {
    TOptionsEdit e;
    e.Cases = CharCasesOf(s);
    e.PlayCopySound = s.PlayCopySound;
    e.CopySound = s.CopySound;
    e.AddSharp = s.AddSharp;
    e.WrapFontTag = s.WrapFontTag;
    e.EscHtmlTokens = s.EscHtmlTokens;
    e.EscSpaceChar = s.EscSpaceChar;
    for (int i = 0; i < DefBodyAttribCount; ++i) {
        e.DefBody[static_cast<std::size_t>(i)] = (s.DefBodyAttrib & (1u << i)) != 0;
    }
    e.NoAskBodyAttrib = s.NoAskBodyAttrib;
    e.SampleFontSize = s.SampleFontSize;
    e.SampleFontName = sampleFontName;
    e.InsBaseTag = s.InsBaseTag;
    e.MainBrowser = s.UseNNMainly ? 1 : 0;
    e.IEPath = s.IEPath;
    e.NNPath = s.NNPath;
    e.ShowHint = s.ShowHint;
    e.HideExtInPicking = s.HideExtInPicking;
    e.PalClickType = s.PalletClickType ? 1 : 0;
    e.GrdPointer = s.GrdBarPointer < kPointerStyleCount ? s.GrdBarPointer : -1;
    e.HideGrdPointer = !s.NoHideGrdPointer;
    e.UseHSV = s.UseHSV;
    e.PathWin = s.SearchWinDir;
    e.PathSys = s.SearchSysDir;
    e.PathOther = !s.SearchDir.empty();
    e.SpiDir = s.SearchDir;
    e.Plugins = std::move(plugins);
    return e;
}

TSettings OptionsEditResult(const TSettings& current, const TOptionsEdit& e) {
    TSettings s = current;
    s.CharCaseE = static_cast<std::uint8_t>(e.Cases.Element);
    s.CharCaseA = static_cast<std::uint8_t>(e.Cases.Attribute);
    s.CharCaseV = static_cast<std::uint8_t>(e.Cases.Value);

    s.PlayCopySound = e.PlayCopySound;
    s.CopySound = e.CopySound;
    s.AddSharp = e.AddSharp;
    s.WrapFontTag = e.WrapFontTag;
    s.EscHtmlTokens = e.EscHtmlTokens;
    s.EscSpaceChar = e.EscSpaceChar;

    s.DefBodyAttrib = 0;
    for (int i = 0; i < DefBodyAttribCount; ++i) {
        if (e.DefBody[static_cast<std::size_t>(i)]) {
            s.DefBodyAttrib = static_cast<std::uint8_t>(s.DefBodyAttrib | (1u << i));
        }
    }
    s.NoAskBodyAttrib = e.NoAskBodyAttrib;

    // The main window checks both when it takes them.
    s.SampleFontSize = e.SampleFontSize;
    s.SampleFontName = e.SampleFontName;

    s.InsBaseTag = e.InsBaseTag;
    s.UseNNMainly = e.MainBrowser == 1;
    s.IEPath = e.IEPath;
    s.NNPath = e.NNPath;

    s.ShowHint = e.ShowHint;
    s.HideExtInPicking = e.HideExtInPicking;
    s.PalletClickType = e.PalClickType == 1;
    if (e.GrdPointer >= 0 && e.GrdPointer < kPointerStyleCount) {
        s.GrdBarPointer = static_cast<std::uint8_t>(e.GrdPointer);
    }
    s.NoHideGrdPointer = !e.HideGrdPointer;
    s.UseHSV = e.UseHSV;

    s.SearchDir = e.PathOther ? e.SpiDir : std::string();
    s.SearchWinDir = e.PathWin;
    s.SearchSysDir = e.PathSys;
    s.SkipFiles = SkipFilesOf(e.Plugins);
    return s;
}

} // namespace tintora
