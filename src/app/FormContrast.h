#pragma once

// The contrast check: how well the colours of the shown tag page read against their background.
// For the BODY page the text and the three link colours against bgcolor; for the FONT page the
// character that reads worst against the sample's background swatch and how many fall short of
// 4.5:1. It stays open beside the main window, which hands it the page again after every change.

#include "app/ModalDialog.h"
#include "html/ContrastReport.h"

#include <array>

class QGridLayout;
class QLabel;
class QPushButton;

namespace tintora {

class TFormContrast : public TModalDialog {
    Q_OBJECT
public:
    explicit TFormContrast(QWidget* parent = nullptr);

    void ShowBody(const TBodyColors& colors);
    void ShowFont(const TFontTagInput& input, TColor background);

    // One line of the table: a colour chip, the name, the ratio and the four verdicts.
    struct TRowControls {
        QLabel* Chip = nullptr;
        QLabel* Name = nullptr;
        QLabel* Ratio = nullptr;
        std::array<QLabel*, 4> Verdicts{}; // AA, AAA, large AA, large AAA
    };

    QLabel* LabelSubject = nullptr;
    std::array<TRowControls, 4> Rows;
    QLabel* LabelCount = nullptr;
    QLabel* LabelLarge = nullptr;
    QPushButton* btnClose = nullptr;

private:
    void BuildControls();
    void ShowRow(std::size_t row, const QString& name, TColor color, double ratio);
    void SetRowShown(std::size_t row, bool shown);
};

} // namespace tintora
