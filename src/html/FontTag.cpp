#include "html/FontTag.h"

#include "color/ColorText.h"

namespace tintora {

namespace {

struct TStyleWrappers {
    std::string open;
    std::string close;
};

// <B><I><U> ... </U></I></B>, in lower case only when element names are: upper and initial upper
// both keep the style tags as capitals, as the program always wrote them.
TStyleWrappers StyleWrappers(const TFontTagInput& input) {
    TStyleWrappers w;
    if (input.Bold) {
        w.open = "<B>";
        w.close = "</B>";
    }
    if (input.Italic) {
        w.open += "<I>";
        w.close.insert(0, "</I>");
    }
    if (input.Underline) {
        w.open += "<U>";
        w.close.insert(0, "</U>");
    }
    if (input.Cases.Element == TCharCaseMode::ccLower) {
        w.open = ApplyCharCase(TCharCaseMode::ccLower, w.open);
        w.close = ApplyCharCase(TCharCaseMode::ccLower, w.close);
    }
    return w;
}

void AppendTextChar(std::string& out, std::string_view ch, TEscapeOptions escape) {
    if (ch.size() == 1) {
        out += EscapeTextChar(ch.front(), escape).View();
    } else {
        out += ch;
    }
}

} // namespace

TFontTagResult MakeFontTag(const TFontTagInput& input) {
    TFontTagResult result;
    result.TextWasEmpty = input.Text.empty();

    const std::string en = ApplyCharCase(TCaseKind::ckElement, "FONT", input.Cases);
    const std::string ca = ApplyCharCase(TCaseKind::ckAttribute, "COLOR=\"#", input.Cases);
    const std::string fa = ApplyCharCase(TCaseKind::ckAttribute, "FACE", input.Cases);
    const std::string sa = ApplyCharCase(TCaseKind::ckAttribute, "SIZE", input.Cases);
    const TStyleWrappers style = StyleWrappers(input);

    std::string extra;
    if (!input.SizeText.empty()) {
        extra += ' ' + sa + "=\"" + input.SizeText + '"';
    }
    if (!input.FaceText.empty()) {
        extra += ' ' + fa + "=\"" + input.FaceText + '"';
    }

    const TCharCaseMode valueCase = input.Cases.Value;
    std::string& out = result.Text;

    if (input.Type == TGrdType::gtNone) {
        // An escaped character is at most 6 bytes and never longer than 6 times its bytes.
        out.reserve(style.open.size() + 2 * en.size() + ca.size() + extra.size() +
                    6 * input.Text.size() + style.close.size() + 16);
        out += style.open;
        out += '<';
        out += en;
        out += ' ';
        out += ca;
        out += ColorToHexText(input.Start, valueCase).View();
        out += '"';
        out += extra;
        out += '>';
        for (std::string_view ch : TCharRange(input.Text, input.CodePage)) {
            AppendTextChar(out, ch, input.Escape);
        }
        out += "</";
        out += en;
        out += '>';
        out += style.close;
        return result;
    }

    const std::string_view tagBreak = FontTagBreak(input.WrapFontTag);
    const std::size_t n = TextCharCount(input.Text, input.CodePage);
    // Per character: <EN break CA RRGGBB"> ch </EN>, ch at most 6 bytes.
    const std::size_t perChar = 2 * en.size() + tagBreak.size() + ca.size() + 1 + 6 + 2 + 6 + 3;
    out.reserve(style.open.size() + 2 * en.size() + extra.size() + 5 + n * perChar +
                style.close.size());
    out += style.open;
    // The outer element's opening tag is known before the loop, so it goes in place rather than
    // being put in front of the finished text.
    if (!extra.empty()) {
        out += '<';
        out += en;
        out += extra;
        out += '>';
    }
    const std::string charOpen = '<' + en + std::string(tagBreak) + ca;
    const std::string charClose = "</" + en + '>';
    TGrdColorizer colors(input, n);
    std::size_t i = 0;
    for (std::string_view ch : TCharRange(input.Text, input.CodePage)) {
        out += charOpen;
        out += ColorToHexText(colors.ColorAt(i), valueCase).View();
        out += "\">";
        AppendTextChar(out, ch, input.Escape);
        out += charClose;
        ++i;
    }
    if (!extra.empty()) {
        out += "</";
        out += en;
        out += '>';
    }
    out += style.close;
    return result;
}

} // namespace tintora
