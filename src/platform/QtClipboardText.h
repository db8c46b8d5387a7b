#pragma once

// The desktop's clipboard (the X11 CLIPBOARD selection).

#include "services/ClipboardText.h"

namespace tintora {

class TQtClipboardText : public IClipboardText {
public:
    void SetText(const std::string& text) override;
};

} // namespace tintora
