#pragma once

// Where copied text goes: the desktop's clipboard in the program, a recorder in tests.

#include <string>

namespace tintora {

class IClipboardText {
public:
    virtual ~IClipboardText() = default;
    // Replaces the clipboard's content with the text (UTF-8).
    virtual void SetText(const std::string& text) = 0;
};

} // namespace tintora
