#pragma once

// The FONT page's text as one element whose letters are filled by a CSS linear gradient through
// the gradient type's colours.

#include "html/FontTag.h"

#include <cstddef>
#include <vector>

namespace tintora {

// The gradient's colour stops, left to right and evenly spaced: start and end for gtTwo; start,
// middle and end for gtThree; for every other type the character colours themselves, one stop per
// character, so a rainbow or wave follows the program's own colours (the first stop sits on the
// first character, the last on the last). gtNone has the start colour only.
std::vector<TColor> CssGradientStops(const TGrdParams& params, std::size_t charCount);

// One span with the text, escaped as in the FONT tag. Its style starts with color: the first stop,
// which is what a browser without text clipping shows, then the font declarations, then
// background-image:linear-gradient(to right, stops), -webkit-background-clip:text,
// background-clip:text and -webkit-text-fill-color:transparent. The letters are made transparent
// through the fill colour rather than color: an engine that knows the fill colour also clips
// backgrounds to text, while color:transparent would hide the letters in browsers that do not clip.
// With fewer than two stops (gtNone; a rainbow or wave of one character or none) the span has a
// plain colour instead.
// Element and attribute case as in MakeSpanTag.
TFontTagResult MakeCssGradientTag(const TFontTagInput& input);

} // namespace tintora
