#pragma once

// FONT and BODY templates: named snapshots of a tag page, and the rules for taking a snapshot of
// a page and for putting one back.

#include "color/Color.h"
#include "html/BodyTag.h"
#include "html/GrdColor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tintora {

// The defaults are those a settings file entry gets for a missing key.
struct TFontTemplate {
    TGrdType Type = TGrdType::gtNone; // any byte a settings file gave
    TColor Start = clBlack;
    TColor Middle = clBlack; // used by gtThree
    TColor End = clBlack;    // used by gtTwo, gtThree, gtWave
    TColor Back = clWhite;   // the sample's background
    std::int32_t Wave = 100; // wave count, used by gtRainBow and gtWave
    std::uint8_t Wave2 = 0;  // wave shift, used by gtWave
    std::string Face;
    std::string Size;
    std::uint8_t Style = 0; // bold 1, italic 2, underline 4, strike-out 8
    std::string Background; // the background picture's full path, empty for none
    friend bool operator==(const TFontTemplate&, const TFontTemplate&) = default;
};

struct TBodyTemplate {
    TBodyColors Colors;
    std::string Background;
    friend bool operator==(const TBodyTemplate&, const TBodyTemplate&) = default;
};

// What a FONT template is taken from and put back into: the page's controls and the shared
// background picture. The gradient part is the TGrdParams base.
struct TFontPageState : TGrdParams {
    TColor Back = clBlack;
    std::string Face;
    std::string Size; // one of FontSizeItems
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    std::string BgImageFile;
    friend bool operator==(const TFontPageState&, const TFontPageState&) = default;
};

// Type, start and back colours always; then only the fields the page's type uses (gtTwo the end
// colour, gtThree middle and end, gtRainBow the wave count, gtWave end, wave count and shift).
// Fields not named for the type keep the values the template had. Then face, size, the style bits
// from the three toggles (a strike-out bit the template had is dropped) and the background. A
// page type outside the five counts as gtNone, as no type button is then pressed.
void SnapCurrentFontAsTemplate(const TFontPageState& page, TFontTemplate& t);

// The other way: the type (a type outside the five leaves the page's type as it is, as there is
// no button to press), the start and back colours, and by the template's type the fields the snap
// takes. The wave count and shift are held to the spin controls' ranges. Bold, italic and
// underline from style bits 1, 2 and 4; the sample font takes the whole Style, strike-out
// included, which the caller reads from the template. A size that is not one of FontSizeItems
// leaves no size selected. BgImageFile takes the template's background as it is; the caller passes
// it through SetBgImageFile, which drops a file that no longer exists.
void ApplyFontTemplate(const TFontTemplate& t, TFontPageState& page);

void SnapCurrentBodyAsTemplate(const TBodyColors& colors, std::string_view bgImageFile,
                               TBodyTemplate& t);

} // namespace tintora
