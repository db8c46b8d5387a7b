#pragma once

// What the two tag samples draw under and around their text: the background picture tiled from
// the point (1, 1), and the one-pixel sunken frame around the whole box.

#include "color/Color.h"
#include "widgets/SystemColors.h"

#include <QColor>
#include <QImage>

class QPainter;

namespace tintora {

// Tiles `picture` over the area (0, 0) .. (width - 1, height - 1) of `surface` in two passes: the
// picture down the left column at (1, 1 + k * h) for k = 0 .. (height - 2) / h, then the strip of
// the surface at (1, 1), w x (height - 2) pixels, copied to (1 + k * w, 1) for
// k = 0 .. (width - 2) / w, w and h being the picture's size. The frame drawn afterwards covers the
// outermost pixels. The picture is copied as it stands, as a blit would: an alpha channel is
// ignored. A null picture, or one of zero width or height, paints nothing. Opens its own painter,
// so none may be active on `surface`; drawing is clipped to the surface.
void PaintBgTiles(QImage& surface, int width, int height, const QImage& picture);

// The sample's one-pixel sunken frame around `width` x `height` pixels from (0, 0): top and left in
// the button shadow colour, bottom and right in the button highlight colour (the top-right and
// bottom-left corners belong to the highlight).
void PaintSunkenFrame(QPainter& painter, int width, int height, const TSystemColors& colors);

} // namespace tintora
