#pragma once

// The FONT page: the gradient text, its type, colours and wave fields, face, size and style, the
// sample and the template list. Its state is read and set here as one TFontPageState, which the
// FONT tag, the sample and the templates all take; what the window does when a control changes is
// the window's.

#include "html/Templates.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace tintora {

class THsxPanel;
class TSampleBox;
class TUpDown;

class TFontPage {
public:
    // Builds the controls on `page` at their places. The page starts with three colours, and the
    // wave fields hidden.
    explicit TFontPage(QWidget* page);

    // The page as it stands. BgImageFile is left empty: the background picture is the window's.
    TFontPageState State() const;
    // Every control from `state` but the background picture, the type first (with its show rule),
    // then the colours, the wave fields, the style toggles, the face text and the size item (none
    // for a size not in the list).
    void Apply(const TFontPageState& state);

    TGrdType GetGrdType() const;
    // Presses the button of `type` and runs the show rule; false when the type was pressed
    // already or has no button.
    bool SetGrdType(TGrdType type);
    // The show rule of the pressed type: the middle and end swatches and the wave fields show only
    // for the types that use them; a swatch that comes into view takes the start colour (the
    // middle one the colour halfway between start and end); a pressed swatch that goes out of view
    // hands the press to the background swatch.
    void ShowTypeControls();

    // The pressed swatch; null when none is.
    THsxPanel* SelectedPanel() const;
    std::array<THsxPanel*, 4> Swatches() const { return {pnlStart, pnlMid, pnlEnd, pnlBack}; }

    QWidget* tsFont = nullptr;
    QLineEdit* EditGrd = nullptr;
    TSampleBox* GrdSample = nullptr;
    QToolButton* btnGtNone = nullptr;
    QToolButton* btnGtTwo = nullptr;
    QToolButton* btnGtThree = nullptr;
    QToolButton* btnGtRainBow = nullptr;
    QToolButton* btnGtWave = nullptr;
    THsxPanel* pnlStart = nullptr;
    THsxPanel* pnlMid = nullptr;
    THsxPanel* pnlEnd = nullptr;
    THsxPanel* pnlBack = nullptr;
    QComboBox* comboFontFace = nullptr;
    QComboBox* ComboFontSize = nullptr;
    QToolButton* btnBold = nullptr;
    QToolButton* btnItalic = nullptr;
    QToolButton* btnUnderline = nullptr;
    QLabel* LabelWave = nullptr;
    QLineEdit* EditWave = nullptr;
    TUpDown* udWave = nullptr;
    QLabel* LabelWave2 = nullptr;
    QLineEdit* EditWave2 = nullptr;
    TUpDown* udWave2 = nullptr;
    QLabel* LabelFontTemplate = nullptr;
    QComboBox* comboFontTemplate = nullptr;
    QPushButton* SpeedButton1 = nullptr;

private:
    std::array<QToolButton*, 5> TypeButtons() const {
        return {btnGtNone, btnGtTwo, btnGtThree, btnGtRainBow, btnGtWave};
    }
};

} // namespace tintora
