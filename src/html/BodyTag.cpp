#include "html/BodyTag.h"

#include "color/ColorText.h"

namespace tintora {

std::string_view FileNamePart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string MakeBodyTag(const TBodyTagInput& input) {
    struct TColorAttrib {
        std::uint8_t bit;
        std::string_view name;
        TColor color;
    };
    const TBodyColors& c = input.Colors;
    const TColorAttrib attribs[] = {
        {baBgcolor, "BGCOLOR", c.Bgcolor}, {baText, "TEXT", c.Text},    {baLink, "LINK", c.Link},
        {baVlink, "VLINK", c.Vlink},       {baAlink, "ALINK", c.Alink},
    };

    std::string tag = "<" + ApplyCharCase(TCaseKind::ckElement, "BODY", input.Cases);
    for (const TColorAttrib& a : attribs) {
        if ((input.Choice.Attribs & a.bit) == 0) {
            continue;
        }
        tag += ' ';
        tag += ApplyCharCase(TCaseKind::ckAttribute, a.name, input.Cases);
        tag += "=\"#";
        tag += ColorToHexText(a.color, input.Cases.Value).View();
        tag += '"';
    }
    if (input.Choice.UseBackground) {
        tag += ' ';
        tag += ApplyCharCase(TCaseKind::ckAttribute, "BACKGROUND", input.Cases);
        tag += "=\"";
        tag += FileNamePart(input.BgImageFile);
        tag += '"';
    }
    tag += '>';
    return tag;
}

} // namespace tintora
