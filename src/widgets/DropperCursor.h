#pragma once

// The dropper's mouse cursor ("MyCursor"): a 32 × 32 two-colour eyedropper whose tip is its
// bottom-left pixel, which is the hot spot (0, 31).

#include <QCursor>

namespace tintora {

QCursor MakeDropperCursor();

} // namespace tintora
