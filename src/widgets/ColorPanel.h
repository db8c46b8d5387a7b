#pragma once

// The selected-colour panel: a lowered panel filled with one colour. It paints through
// TPaintPanel, so it can be a drag source and drop target like the palette.

#include "color/Color.h"
#include "widgets/PaintPanel.h"

namespace tintora {

class TColorPanel : public TPaintPanel {
    Q_OBJECT
public:
    explicit TColorPanel(QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    // Repaints when the colour changes.
    void SetColor(TColor color);

private:
    void PaintColor(QPainter& canvas);

    TColor color_ = clWhite;
};

} // namespace tintora
