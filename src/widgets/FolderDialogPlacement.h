#pragma once

// Where the folder browse dialog opens, as arithmetic on screen rectangles. Sizes and places are
// those of the dialog's outer frame.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tintora {

// Centred across the work area and a third of the way down it, both measured from the screen's
// top-left corner (a panel at the screen's left or top edge does not shift the dialog).
QPoint CenterScreenTopLeft(QSize dialog, const QRect& screen, const QRect& workArea);

// topLeft moved just far enough that the dialog lies on the screen; a dialog larger than the
// screen keeps its top-left corner on it.
QPoint KeepOnScreen(QPoint topLeft, QSize dialog, const QRect& screen);

} // namespace tintora
