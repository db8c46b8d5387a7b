#pragma once

// The FONT page's face, size and styles as CSS declarations, and a style attribute's text, for the
// span and CSS gradient forms of the tag. CSS is written in lower case whatever the case settings
// say: those settings name HTML elements, attributes and colour digits, and the tag builders apply
// them there.

#include "html/FontTag.h"

#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// The face field as a font-family value. The field holds a comma-separated list of faces, some
// perhaps in single or double quotes; each becomes a CSS string in single quotes, except the CSS
// generic families (serif, sans-serif, monospace, ...) typed without quotes, which stay keywords.
// Quoting every face keeps names with spaces, digits or punctuation whole and keeps a ";" in a
// name from ending the declaration. Empty items are dropped; an empty result means no face.
std::string CssFontFamily(std::string_view faceText);

// The size item as a font-size value in em ("+1" and "4" give "1.2em"), nullopt when the text is
// none of the scaled sizes (the empty item included).
std::optional<std::string> CssFontSize(std::string_view sizeText);

// font-family, font-size, font-weight:bold, font-style:italic and text-decoration:underline, each
// only when the page sets it, joined by ";" and ready for a double-quoted attribute (& and " as
// entities). Empty when the page sets none.
std::string CssFontDeclarations(const TFontTagInput& input);

} // namespace tintora
