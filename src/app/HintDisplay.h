#pragma once

// Tooltips on or off for one window and everything in it, the way the program's hint-display
// setting asks: the texts stay on the controls, only their showing is held back.

class QWidget;

namespace tintora {

// Covers the controls that exist when it is called; call it again after adding controls. Calling
// it again with the other value switches the same window back.
void SetHintsShown(QWidget* window, bool shown);

} // namespace tintora
