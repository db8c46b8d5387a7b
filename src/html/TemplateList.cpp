#include "html/TemplateList.h"

#include "text/Ascii.h"

namespace tintora {

int CompareTemplateNames(std::string_view a, std::string_view b) {
    if (const int folded = CompareIgnoringAsciiCase(a, b); folded != 0) {
        return folded;
    }
    const int exact = a.compare(b);
    return exact < 0 ? -1 : (exact > 0 ? 1 : 0);
}

bool SameTemplateName(std::string_view a, std::string_view b) {
    return EqualsIgnoringAsciiCase(a, b);
}

} // namespace tintora
