#pragma once

// The gradient FONT tag: every character of the text in its own FONT element with its own colour,
// or one element for the one-colour type, wrapped in the bold/italic/underline tags and, for the
// gradients, in one outer element carrying size and face.

#include "html/CharCase.h"
#include "html/GrdColor.h"
#include "html/TextEscape.h"
#include "text/CodePage.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tintora {

// Shown (as an information box) each time a tag is built from an empty text; the tag is still
// built and used.
inline constexpr std::string_view FontTagEmptyTextMessage = "テキストが設定されていません。";

// The items of the size list, in list order; the empty item means no size.
inline constexpr std::array<std::string_view, 14> FontSizeItems = {
    "7", "6", "5", "4", "3", "2", "1", "+3", "+2", "+1", "", "-1", "-2", "-3"};

// Everything the tag and the character colours are made of, as the FONT page holds it. The
// gradient part (type, colours, wave) is the TGrdParams base.
struct TFontTagInput : TGrdParams {
    std::string Text; // the text field's bytes in CodePage
    TCodePage CodePage = TCodePage::cpUtf8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    std::string SizeText; // written as it stands, e.g. "+1"; empty for no SIZE attribute
    std::string FaceText; // written as it stands, commas and quotes included; empty for no FACE
    TCharCases Cases;
    TEscapeOptions Escape;
    bool WrapFontTag = false;
};

struct TFontTagResult {
    std::string Text;
    // The text field was empty: the caller shows FontTagEmptyTextMessage and still uses Text.
    bool TextWasEmpty = false;
};

TFontTagResult MakeFontTag(const TFontTagInput& input);

// The colour of character i (from 0) of the input's text. Counts the characters on every call;
// a loop over all characters uses one TGrdColorizer with TextCharCount instead.
inline TColor CharGrdColor(const TFontTagInput& input, std::size_t i) {
    return CharGrdColor(input, TextCharCount(input.Text, input.CodePage), i);
}

} // namespace tintora
