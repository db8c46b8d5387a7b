#pragma once

// The colour value (red in the low byte) to and from Qt's colour type, for painting.

#include "color/Color.h"

#include <QColor>

namespace tintora {

// Only the low 24 bits are used; clNone comes out as white and has to be handled by the caller.
inline QColor ToQColor(TColor c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Alpha is dropped: a colour value is always opaque.
inline TColor FromQColor(const QColor& c) {
    const QRgb rgb = c.rgb();
    return MakeColor(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
                     static_cast<std::uint8_t>(qBlue(rgb)));
}

} // namespace tintora
