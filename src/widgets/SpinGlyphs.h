#pragma once

// The default arrow images of the spin button: 8 x 4 pixel triangles in black on a transparent
// background.

#include <QPixmap>

namespace tintora {

QPixmap DefaultUpGlyph();
QPixmap DefaultDownGlyph();

} // namespace tintora
