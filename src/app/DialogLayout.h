#pragma once

// The look the program's small dialogs share: their choices at the top, a label and the text the
// choices produce under them, and the two buttons at the bottom right. The size follows the
// captions in the dialog's font and then stays fixed.

class QDialog;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace tintora {

void LayOutChoiceDialog(QDialog* dialog, QLayout* choices, QLabel* label, QWidget* result,
                        QPushButton* ok, QPushButton* cancel);

// A read-only text shown on the dialog's own colour rather than as an input field.
void ShowOnDialogColour(QWidget* text, const QWidget* dialog);

} // namespace tintora
