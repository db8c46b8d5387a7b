#pragma once

// The desktop's three-dimensional look, taken from the widget palette: the colours every
// custom-drawn control of the program frames and fills with.

#include <QColor>
#include <QPalette>

namespace tintora {

struct TSystemColors {
    QColor BtnFace;      // the face of buttons and panels
    QColor BtnShadow;    // the shaded edge of a raised face
    QColor BtnHighlight; // the lit edge of a raised face
    QColor Light3D;      // the inner lit edge
    QColor DkShadow3D;   // the outer shaded edge

    static TSystemColors From(const QPalette& palette) {
        return {palette.color(QPalette::Button), palette.color(QPalette::Dark),
                palette.color(QPalette::Light), palette.color(QPalette::Midlight),
                palette.color(QPalette::Shadow)};
    }
};

} // namespace tintora
