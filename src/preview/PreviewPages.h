#pragma once

// The two preview pages: the FONT preview, a small page of its own around the FONT tag, and the
// BODY preview, the user's own page with the BODY page's tag put in. Pages are byte strings with
// CR LF after every line, the last one included; no character set is declared.

#include "html/BodyTag.h"
#include "html/CharCase.h"

#include <string>
#include <string_view>

namespace tintora {

// The text as lines, each followed by CR LF. A line may end in CR LF, LF or CR; a text that ends
// in a line end has no empty line after it, and an empty text has no lines at all.
std::string WithCrLfLineEnds(std::string_view text);

// The preview file for the path the program keeps it under: the folder as it is, the file name in
// lower case.
std::string PreviewFileName(std::string_view path);

struct TFontPreviewInput {
    std::string FontTag; // MakeFontTag's text, line breaks included
    TColor Background = clBlack;
    std::string BgImageFile; // written as it stands; empty for no background attribute
    TCharCases Cases;
};

// <html>, the head with its title, <body bgcolor="#BG" background="PATH">, the lines of the FONT
// tag, </body>, </html>.
std::string FontPreviewPage(const TFontPreviewInput& input);

struct TBodyPreviewInput {
    TBodyColors Colors;
    std::string BgImageFile; // the full path, written as it stands
    TCharCases Cases;
    bool InsBaseTag = true;
    std::string SamplePath; // the user's page, for the base tag
};

// <body> with all five colours in their fixed order and, when a picture is set, its full path as
// the background.
std::string PreviewBodyTag(const TBodyPreviewInput& input);

// <base href="FOLDER/"> for the folder of the sample page, as typed, with its trailing "/".
std::string MakeBaseTag(std::string_view samplePath, const TCharCases& cases);

// The sample page with its line ends made CR LF and its BODY tags replaced. A page without a BODY
// tag outside comments gets the tag as its new first line, after a base tag line when InsBaseTag
// is on.
std::string BodyPreviewPage(std::string_view sample, const TBodyPreviewInput& input);

} // namespace tintora
