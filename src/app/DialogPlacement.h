#pragma once

// Where the program's windows open on the screen. Places and sizes are those of the window's frame
// as the window manager draws it. On X11 the frame is known only once the window manager has
// framed the window: a window placed before it is shown gets its frame at the place asked for,
// and WhenFramed runs the placement again with the real frame.

#include <functional>

#include <QPoint>
#include <QRect>

class QWidget;

namespace tintora {

// topLeft moved left just enough that a window `width` pixels wide ends at the right edge of
// `screen`; unchanged when it already fits. The top is never changed.
QPoint PullInFromRightEdge(QPoint topLeft, int width, const QRect& screen);

// Moves the top-level `dialog` to topLeft, pulled in on the screen that holds that point (the
// dialog's own screen when no screen does). Only the right edge is checked: the openers pass
// points on their own window, so the other edges take care of themselves.
void PlaceDialogAt(QWidget* dialog, QPoint topLeft);

// The work area (the screen without the panels) of the screen under the window's centre.
QRect GetWorkArea(const QWidget* window);

// Moves the window into its work area: a left edge left of it to its left, else a right edge
// beyond it to its right; then the top likewise, else the bottom.
void KeepInWorkArea(QWidget* window);

// The window's outer place and size: the frame's once the window manager has framed it.
QRect OuterGeometry(const QWidget* window);

// Runs `then` once the window manager has framed the shown `window`, when the frame it draws (its
// title bar and borders) is known: at once when it is, else as soon as it is, or after a second
// when no frame comes (a window manager that draws none). Placing a window by its frame is exact
// only from then on.
void WhenFramed(QWidget* window, std::function<void()> then);

} // namespace tintora
