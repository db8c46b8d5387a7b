#pragma once

// A three-dimensional frame drawn the classic way: `width` rings of one pixel, each with its top
// and left edges in `topLeft` and its right and bottom edges in `bottomRight` (the top-right and
// bottom-left corner pixels belong to the bottom-right colour). `rect` is shrunk by the frame, so
// frames nest by calling this again.

#include <QColor>
#include <QRect>

class QPainter;

namespace tintora {

void Frame3D(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight,
             int width);

} // namespace tintora
