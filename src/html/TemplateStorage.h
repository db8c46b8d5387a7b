#pragma once

// The template lists in the settings file: FONT templates in section TEMPLATE, BODY templates in
// TEMPLATE-BODY, every key the template's number, a colon and a field suffix ("3:Name", "12:C1").
//
// Reading takes the numbers 1 to 100; a number whose Name is empty or missing is skipped, so the
// numbering may have gaps. Writing erases the section and writes the list in its order, numbered
// from 1 without gaps. The caller replaces the whole file afterwards in one step
// (TIniFile2::UpdateFile), so a failed write leaves the old templates in the file.

#include "html/TemplateList.h"
#include "html/Templates.h"

#include <string_view>

namespace tintora {

class TIniFile2;

inline constexpr std::string_view FontTemplateSection = "TEMPLATE";
inline constexpr std::string_view BodyTemplateSection = "TEMPLATE-BODY";
// Numbers above this are never read, so a hand-edited file cannot overfill a list.
inline constexpr int MaxTemplateNumber = 100;

using TFontTemplateList = TTemplateList<TFontTemplate>;
using TBodyTemplateList = TTemplateList<TBodyTemplate>;

// Type, C1 and CB always (defaults 0, 0, 16777215), then by type: 1 C3; 2 C2, C3; 3 Wave; 4 C3,
// Wave, Wave2 (colours default 0, Wave 100, Wave2 0); then Face, Size, Style (letters B, I, U, S)
// and BgFile. Type and Wave2 keep the low byte of the stored number; colours keep the low 24 bits,
// so every template colour is a colour value.
TFontTemplateList ReadFontTemplates(const TIniFile2& ini);
// CBG, CText, CLink, CVlink, CAlink (defaults white, black, blue, purple, red) and BgFile.
TBodyTemplateList ReadBodyTemplates(const TIniFile2& ini);

// Per template: Name (quoted), Type, C1, the type's keys as read, CB, then Face (quoted), Size
// (bare), Style (letters) and BgFile (quoted), each only when not empty or zero.
void WriteFontTemplates(TIniFile2& ini, const TFontTemplateList& list);
// Per template: Name (quoted), CBG, CText, CLink, CVlink, CAlink, then BgFile (quoted) when set.
void WriteBodyTemplates(TIniFile2& ini, const TBodyTemplateList& list);

} // namespace tintora
