#pragma once

// The kinds of control the two tag pages are made of, each at its fixed place on the page.

#include "color/Color.h"

#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace tintora {

class THsxPanel;
class TUpDown;

// A grouped 49 × 49 colour swatch with its caption under the colour.
THsxPanel* MakeSwatch(QWidget* page, const QString& caption, const QString& hint, TColor color,
                      int left, int top);
QToolButton* MakeToggle(QWidget* page, const QString& caption, const QString& hint, int left,
                        int top, int width, int height);
QPushButton* MakeButton(QWidget* page, const QString& caption, const QString& hint, int left,
                        int top, int width, int height);
// A template list: a drop-down of names only, 12 rows.
QComboBox* MakeTemplateCombo(QWidget* page, const QString& hint, int left, int top, int width);

// The up-down buttons inside the right end of their field.
void FitUpDown(TUpDown* upDown, QLineEdit* edit);

} // namespace tintora
