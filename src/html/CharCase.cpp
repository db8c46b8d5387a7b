#include "html/CharCase.h"

namespace tintora {

namespace {

constexpr char ToLowerAscii(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

constexpr char ToUpperAscii(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

std::string LowerAscii(std::string_view text) {
    std::string result(text);
    for (char& ch : result) {
        ch = ToLowerAscii(ch);
    }
    return result;
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& ch : result) {
        ch = ToUpperAscii(ch);
    }
    return result;
}

TCharCaseMode DialogSampleMode(TCharCaseMode mode) {
    return mode == TCharCaseMode::ccLower || mode == TCharCaseMode::ccUpper
               ? mode
               : TCharCaseMode::ccInitialUpper;
}

} // namespace

std::string CapitalizeName(std::string_view text) {
    std::string result = LowerAscii(text);
    if (!result.empty()) {
        // Only a lower-case letter changes, so a leading digit, "#" or "<" stays as it is.
        result.front() = ToUpperAscii(result.front());
    }
    return result;
}

std::string ApplyCharCase(TCharCaseMode mode, std::string_view name) {
    switch (mode) {
    case TCharCaseMode::ccLower:
        return LowerAscii(name);
    case TCharCaseMode::ccUpper:
        return UpperAscii(name);
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
