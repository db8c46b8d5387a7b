#pragma once

// Where the program's modal dialogs open: at a point the opener chooses (screen coordinates of the
// dialog's outer top-left corner), pulled back left when the dialog would stick out past the right
// edge of the screen. Only the right edge is checked; the openers pass points on their own window,
// so the other edges take care of themselves.

#include <QPoint>
#include <QRect>

class QWidget;

namespace tintora {

// topLeft moved left just enough that a window `width` pixels wide ends at the right edge of
// `screen`; unchanged when it already fits. The top is never changed.
QPoint PullInFromRightEdge(QPoint topLeft, int width, const QRect& screen);

// Moves the top-level `dialog` to topLeft, pulled in on the screen that holds that point (the
// dialog's own screen when no screen does). The width counts the window frame once the window
// manager has framed the dialog.
void PlaceDialogAt(QWidget* dialog, QPoint topLeft);

// For a dialog's show event: places it now and once more when the event loop next runs, because on
// X11 the frame's size is known only after the window manager has framed the window.
void PlaceDialogOnShow(QWidget* dialog, QPoint topLeft);

} // namespace tintora
