#include "html/CharCase.h"

#include "text/Ascii.h"

namespace tintora {

namespace {

TCharCaseMode DialogSampleMode(TCharCaseMode mode) {
    return mode == TCharCaseMode::ccLower || mode == TCharCaseMode::ccUpper
               ? mode
               : TCharCaseMode::ccInitialUpper;
}

} // namespace

std::string CapitalizeName(std::string_view text) {
    std::string result = AsciiLowered(text);
    if (!result.empty()) {
        // Only a lower-case letter changes, so a leading digit, "#" or "<" stays as it is.
        result.front() = AsciiToUpper(result.front());
    }
    return result;
}

std::string ApplyCharCase(TCharCaseMode mode, std::string_view name) {
    switch (mode) {
    case TCharCaseMode::ccLower:
        return AsciiLowered(name);
    case TCharCaseMode::ccUpper:
        return AsciiUppered(name);
    case TCharCaseMode::ccInitialUpper:
        return CapitalizeName(name);
    }
    return std::string(name);
}

std::string CharCaseSampleText(const TCharCases& cases) {
    return "<" + ApplyCharCase(DialogSampleMode(cases.Element), "font ") +
           ApplyCharCase(DialogSampleMode(cases.Attribute), "color=\"") +
           ApplyCharCase(DialogSampleMode(cases.Value), "#ffcc00\">");
}

} // namespace tintora
