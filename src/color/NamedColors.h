#pragma once

// The named colours the colour list offers: the sixteen basic colours with English and Japanese
// names, and the extended HTML colour names as the text lines the list is filled from.

#include "color/Color.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tintora {

struct TBasicColor {
    std::string_view englishName;  // "Black"
    std::string_view japaneseName; // UTF-8, "黒"
    TColor color;
};

// In list order, black first and white last.
inline constexpr std::array<TBasicColor, 16> BasicColors = {{
    {"Black", "黒", RgbHexToColor(0x000000)},
    {"Maroon", "茶色", RgbHexToColor(0x800000)},
    {"Green", "緑", RgbHexToColor(0x008000)},
    {"Olive", "オリーブ", RgbHexToColor(0x808000)},
    {"Navy", "紺", RgbHexToColor(0x000080)},
    {"Purple", "紫", RgbHexToColor(0x800080)},
    {"Teal", "青緑", RgbHexToColor(0x008080)},
    {"Gray", "灰色", RgbHexToColor(0x808080)},
    {"Silver", "銀色", RgbHexToColor(0xC0C0C0)},
    {"Red", "赤", RgbHexToColor(0xFF0000)},
    {"Lime", "黄緑", RgbHexToColor(0x00FF00)},
    {"Yellow", "黄", RgbHexToColor(0xFFFF00)},
    {"Blue", "青", RgbHexToColor(0x0000FF)},
    {"Fuchsia", "赤紫", RgbHexToColor(0xFF00FF)},
    {"Aqua", "水色", RgbHexToColor(0x00FFFF)},
    {"White", "白", RgbHexToColor(0xFFFFFF)},
}};

// One line per name, in alphabetical order: the name, "=", and "$" with six upper-case hexadecimal
// digits of the colour value, whose low byte is red ("red=$0000FF", "aliceblue=$FFF8F0" is F0F8FF).
// The values are those of the CSS Color Module Level 3 keywords; of the alternative spellings only
// "lightgrey" is kept, and both aqua and cyan, fuchsia and magenta are present.
inline constexpr std::array<std::string_view, 140> ExtendedColorLines = {
    "aliceblue=$FFF8F0",
    "antiquewhite=$D7EBFA",
    "aqua=$FFFF00",
    "aquamarine=$D4FF7F",
    "azure=$FFFFF0",
    "beige=$DCF5F5",
    "bisque=$C4E4FF",
    "black=$000000",
    "blanchedalmond=$CDEBFF",
    "blue=$FF0000",
    "blueviolet=$E22B8A",
    "brown=$2A2AA5",
    "burlywood=$87B8DE",
    "cadetblue=$A09E5F",
    "chartreuse=$00FF7F",
    "chocolate=$1E69D2",
    "coral=$507FFF",
    "cornflowerblue=$ED9564",
    "cornsilk=$DCF8FF",
    "crimson=$3C14DC",
    "cyan=$FFFF00",
    "darkblue=$8B0000",
    "darkcyan=$8B8B00",
    "darkgoldenrod=$0B86B8",
    "darkgray=$A9A9A9",
    "darkgreen=$006400",
    "darkkhaki=$6BB7BD",
    "darkmagenta=$8B008B",
    "darkolivegreen=$2F6B55",
    "darkorange=$008CFF",
    "darkorchid=$CC3299",
    "darkred=$00008B",
    "darksalmon=$7A96E9",
    "darkseagreen=$8FBC8F",
    "darkslateblue=$8B3D48",
    "darkslategray=$4F4F2F",
    "darkturquoise=$D1CE00",
    "darkviolet=$D30094",
    "deeppink=$9314FF",
    "deepskyblue=$FFBF00",
    "dimgray=$696969",
    "dodgerblue=$FF901E",
    "firebrick=$2222B2",
    "floralwhite=$F0FAFF",
    "forestgreen=$228B22",
    "fuchsia=$FF00FF",
    "gainsboro=$DCDCDC",
    "ghostwhite=$FFF8F8",
    "gold=$00D7FF",
    "goldenrod=$20A5DA",
    "gray=$808080",
    "green=$008000",
    "greenyellow=$2FFFAD",
    "honeydew=$F0FFF0",
    "hotpink=$B469FF",
    "indianred=$5C5CCD",
    "indigo=$82004B",
    "ivory=$F0FFFF",
    "khaki=$8CE6F0",
    "lavender=$FAE6E6",
    "lavenderblush=$F5F0FF",
    "lawngreen=$00FC7C",
    "lemonchiffon=$CDFAFF",
    "lightblue=$E6D8AD",
    "lightcoral=$8080F0",
    "lightcyan=$FFFFE0",
    "lightgoldenrodyellow=$D2FAFA",
    "lightgreen=$90EE90",
    "lightgrey=$D3D3D3",
    "lightpink=$C1B6FF",
    "lightsalmon=$7AA0FF",
    "lightseagreen=$AAB220",
    "lightskyblue=$FACE87",
    "lightslategray=$998877",
    "lightsteelblue=$DEC4B0",
    "lightyellow=$E0FFFF",
    "lime=$00FF00",
    "limegreen=$32CD32",
    "linen=$E6F0FA",
    "magenta=$FF00FF",
    "maroon=$000080",
    "mediumaquamarine=$AACD66",
    "mediumblue=$CD0000",
    "mediumorchid=$D355BA",
    "mediumpurple=$DB7093",
    "mediumseagreen=$71B33C",
    "mediumslateblue=$EE687B",
    "mediumspringgreen=$9AFA00",
    "mediumturquoise=$CCD148",
    "mediumvioletred=$8515C7",
    "midnightblue=$701919",
    "mintcream=$FAFFF5",
    "mistyrose=$E1E4FF",
    "moccasin=$B5E4FF",
    "navajowhite=$ADDEFF",
    "navy=$800000",
    "oldlace=$E6F5FD",
    "olive=$008080",
    "olivedrab=$238E6B",
    "orange=$00A5FF",
    "orangered=$0045FF",
    "orchid=$D670DA",
    "palegoldenrod=$AAE8EE",
    "palegreen=$98FB98",
    "paleturquoise=$EEEEAF",
    "palevioletred=$9370DB",
    "papayawhip=$D5EFFF",
    "peachpuff=$B9DAFF",
    "peru=$3F85CD",
    "pink=$CBC0FF",
    "plum=$DDA0DD",
    "powderblue=$E6E0B0",
    "purple=$800080",
    "red=$0000FF",
    "rosybrown=$8F8FBC",
    "royalblue=$E16941",
    "saddlebrown=$13458B",
    "salmon=$7280FA",
    "sandybrown=$60A4F4",
    "seagreen=$578B2E",
    "seashell=$EEF5FF",
    "sienna=$2D52A0",
    "silver=$C0C0C0",
    "skyblue=$EBCE87",
    "slateblue=$CD5A6A",
    "slategray=$908070",
    "snow=$FAFAFF",
    "springgreen=$7FFF00",
    "steelblue=$B48246",
    "tan=$8CB4D2",
    "teal=$808000",
    "thistle=$D8BFD8",
    "tomato=$4763FF",
    "turquoise=$D0E040",
    "violet=$EE82EE",
    "wheat=$B3DEF5",
    "white=$FFFFFF",
    "whitesmoke=$F5F5F5",
    "yellow=$00FFFF",
    "yellowgreen=$32CD9A",
};

// The value part of an extended colour line: leading spaces, then either an optional sign and
// decimal digits or "$" and hexadecimal digits, and nothing after. Text that is not such a number,
// and a number that is not a colour value (negative, or above 0xFFFFFF), give clNone.
TColor ParseColorValueText(std::string_view text);

// The name a custom colour row gets when none is given: "$" and at least six upper-case
// hexadecimal digits of the colour value, red in the lowest byte (pure red is "$0000FF").
std::string CustomColorName(TColor c);

} // namespace tintora
