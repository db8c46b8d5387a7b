#include "html/TemplateList.h"

namespace tintora {

namespace {

unsigned char FoldAscii(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

int CompareFolded(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = FoldAscii(a[i]);
        const unsigned char y = FoldAscii(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

} // namespace

int CompareTemplateNames(std::string_view a, std::string_view b) {
    if (const int folded = CompareFolded(a, b); folded != 0) {
        return folded;
    }
    const int exact = a.compare(b);
    return exact < 0 ? -1 : (exact > 0 ? 1 : 0);
}

bool SameTemplateName(std::string_view a, std::string_view b) {
    return CompareFolded(a, b) == 0;
}

} // namespace tintora
