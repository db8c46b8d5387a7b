#pragma once

// The picture of one gradient bar, built off screen without a window: the ramp of the bar's
// element across the top row, copied to every row, and the pointer on top.

#include "color/Color.h"
#include "color/Esl.h"
#include "editor/GrdBarTypes.h"
#include "widgets/SystemColors.h"

#include <QImage>

namespace tintora {

struct TGrdBarPaintInput {
    TGrdElement Element = TGrdElement::geEqu;
    int Width = 0;  // pixels; the main window's bars are 240 (hue) or 241
    int Height = 0; // pixels; 16 in the main window
    TColor BarColor = clBlack;
    FineEsl BarEsl; // the same colour, hue 0..3599, saturation and luminance 0..3600
    TPointerType Pointer = TPointerType::ptPanel;
    bool ShowPointer = true;
    TSystemColors Colors; // button face also fills the columns no ramp reaches
};

// A Width x Height picture in QImage::Format_RGB32 (24-bit colour, one 32-bit word per pixel: the
// format the window system's backing store uses, so drawing it is a plain copy). Null when Width
// or Height is below 1.
QImage PaintGrdBar(const TGrdBarPaintInput& input);

// The same into `image`, keeping its buffer when it already has the size and format: a dragged
// bar repaints on every mouse move.
void PaintGrdBar(const TGrdBarPaintInput& input, QImage& image);

} // namespace tintora
