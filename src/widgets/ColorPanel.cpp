#include "widgets/ColorPanel.h"

#include "widgets/Frame3D.h"
#include "widgets/QtColor.h"
#include "widgets/SystemColors.h"

#include <QPainter>

namespace tintora {

TColorPanel::TColorPanel(QWidget* parent) : TPaintPanel(parent) {
    SetDefaultPaint(false);
    connect(this, &TPaintPanel::Paint, this,
            [this](TPaintPanel*, QPainter& canvas) { PaintColor(canvas); });
}

void TColorPanel::SetColor(TColor color) {
    if (color_ != color) {
        color_ = color;
        update();
    }
}

void TColorPanel::PaintColor(QPainter& canvas) {
    const TSystemColors colors = TSystemColors::From(palette());
    QRect r = rect();
    Frame3D(canvas, r, colors.BtnShadow, colors.BtnHighlight, 1);
    canvas.fillRect(r, ToQColor(color_));
}

} // namespace tintora
