#pragma once

// The pointer that marks the present value on a gradient bar.

#include "editor/GrdBarTypes.h"
#include "widgets/SystemColors.h"

class QImage;

namespace tintora {

// Draws the pointer centred on column x of a finished bar picture, over the full height H (a few
// columns either side of x; what falls outside the picture is clipped). The looks, as rectangles
// (left, top, right, bottom) with right and bottom exclusive, and P the colour of the bar at
// column x:
//   ptPanel      x-5, 0, x+6, H       button face in a white/black and 3D-light/button-shadow frame
//   ptGroove     x-6, 0, x+7, H       button face in a 4-pixel frame, P darkened / P lightened
//   ptStruckOut  x-5, 3, x+6, H-3     button-highlight/button-shadow frame, then a 2-pixel frame
//                                     of button face; the ramp shows in the middle
//   ptDugOut     x-4, 4, x+4, H-4     the negative of P in a 2-pixel grey 808080/3D-light frame
//   ptDot        x-3, H/2-3, x+4, H/2+4   an ellipse in ContrastColor(P)
// A pointer type without a name draws nothing. When x lies beyond the picture's edge (a channel
// at 255 puts it one past the last column) P is taken from the nearest column.
void DrawGrdBarPointer(QImage& image, TPointerType pointer, int x, const TSystemColors& colors);

} // namespace tintora
