#pragma once

// The FONT page's text as styled spans instead of FONT tags: the same characters, colours,
// escaping, line breaks and element/attribute case as MakeFontTag, written as
// <span style="color:#rrggbb">c</span> per character inside one outer span that carries face,
// size and styles as CSS.

#include "html/FontTag.h"

namespace tintora {

// For the gradients every character gets its own span, with FontTagBreak between "span" and
// "style", inside <span style="font-..."> when the page sets a face, size or style. For gtNone one
// span carries the colour, the font declarations and the text. The element case applies to "span",
// the attribute case to "style", the value case to the colour digits; the CSS itself is lower case.
// An empty text is reported as MakeFontTag reports it.
TFontTagResult MakeSpanTag(const TFontTagInput& input);

// The start tag of one element with a style attribute, in the input's case settings:
// <span style="css">.
std::string StyledStartTag(const TFontTagInput& input, std::string_view css);

// The end tag matching StyledStartTag.
std::string StyledEndTag(const TFontTagInput& input);

// "color:#rrggbb" in the input's value case, followed by ";" and the font declarations when the
// page sets any.
std::string ColorAndFontCss(const TFontTagInput& input, TColor color);

} // namespace tintora
