#include "html/Templates.h"

#include "html/FontTag.h"

#include <algorithm>

namespace tintora {

void SnapCurrentFontAsTemplate(const TFontPageState& page, TFontTemplate& t) {
    t.Type = IsKnownGrdType(page.Type) ? page.Type : TGrdType::gtNone;
    t.Start = page.Start;
    t.Back = page.Back;
    switch (t.Type) {
    case TGrdType::gtTwo:
        t.End = page.End;
        break;
    case TGrdType::gtThree:
        t.Middle = page.Mid;
        t.End = page.End;
        break;
    case TGrdType::gtRainBow:
        t.Wave = page.WaveCount;
        break;
    case TGrdType::gtWave:
        t.End = page.End;
        t.Wave = page.WaveCount;
        t.Wave2 = page.WaveShift;
        break;
    case TGrdType::gtNone:
        break;
    }
    t.Face = page.Face;
    t.Size = page.Size;
    t.Style = static_cast<std::uint8_t>((page.Bold ? 1 : 0) | (page.Italic ? 2 : 0) |
                                        (page.Underline ? 4 : 0));
    t.Background = page.BgImageFile;
}

void ApplyFontTemplate(const TFontTemplate& t, TFontPageState& page) {
    if (IsKnownGrdType(t.Type)) {
        page.Type = t.Type;
    }
    page.Start = t.Start;
    page.Back = t.Back;
    const auto waveCount =
        static_cast<std::int16_t>(std::clamp<std::int32_t>(t.Wave, WaveCountMin, WaveCountMax));
    const auto waveShift = std::min<std::uint8_t>(t.Wave2, WaveShiftMax);
    switch (t.Type) {
    case TGrdType::gtTwo:
        page.End = t.End;
        break;
    case TGrdType::gtThree:
        page.Mid = t.Middle;
        page.End = t.End;
        break;
    case TGrdType::gtRainBow:
        page.WaveCount = waveCount;
        break;
    case TGrdType::gtWave:
        page.End = t.End;
        page.WaveCount = waveCount;
        page.WaveShift = waveShift;
        break;
    case TGrdType::gtNone:
        break;
    }
    page.Bold = (t.Style & 1) != 0;
    page.Italic = (t.Style & 2) != 0;
    page.Underline = (t.Style & 4) != 0;
    page.Face = t.Face;
    const bool listed =
        std::find(FontSizeItems.begin(), FontSizeItems.end(), t.Size) != FontSizeItems.end();
    page.Size = listed ? t.Size : std::string();
    page.BgImageFile = t.Background;
}

void SnapCurrentBodyAsTemplate(const TBodyColors& colors, std::string_view bgImageFile,
                               TBodyTemplate& t) {
    t.Colors = colors;
    t.Background = std::string(bgImageFile);
}

} // namespace tintora
