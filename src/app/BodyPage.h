#pragma once

// The BODY page: the five page colours, the sample, the background picture and copy buttons, the
// template list and the sample document field. Its colours are read and set here as one
// TBodyColors, which the BODY tag, the sample and the templates all take.

#include "html/BodyTag.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tintora {

class THsxPanel;
class TSampleBox;

class TBodyPage {
public:
    // Builds the controls on `page` at their places.
    explicit TBodyPage(QWidget* page);

    TBodyColors State() const;
    void Apply(const TBodyColors& colors);

    // The pressed swatch; null when none is.
    THsxPanel* SelectedPanel() const;
    std::array<THsxPanel*, 5> Swatches() const {
        return {pnlBgcolor, pnlText, pnlLink, pnlVlink, pnlAlink};
    }

    QWidget* tsBody = nullptr;
    TSampleBox* BodySample = nullptr;
    QPushButton* btnLoadBgImage = nullptr;
    QPushButton* btnClearBgImage = nullptr;
    QPushButton* btnCopyBody = nullptr;
    QLabel* LabelBodyTemplate = nullptr;
    QComboBox* comboBodyTemplate = nullptr;
    QLineEdit* EditPreview = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPreviewNew = nullptr;
    THsxPanel* pnlBgcolor = nullptr;
    THsxPanel* pnlText = nullptr;
    THsxPanel* pnlLink = nullptr;
    THsxPanel* pnlVlink = nullptr;
    THsxPanel* pnlAlink = nullptr;
};

} // namespace tintora
