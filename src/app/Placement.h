#pragma once

// The main window's controls stand at fixed places in its client area.

namespace tintora {

template <typename W>
W* Place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace tintora
