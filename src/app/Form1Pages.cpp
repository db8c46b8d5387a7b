// The two tag pages below the colour editor: FONT (gradient text) and BODY (page colours).

#include "app/Form1.h"
#include "widgets/HsxPanel.h"
#include "widgets/SampleBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

namespace tintora {

void TForm1::BuildPages() {
    PageCtrl = new QTabWidget(client_);
    PageCtrl->setGeometry(1, PageCtrlTop, 352, PageCtrlHeight);
    auto* tsFont = new QWidget;
    auto* tsBody = new QWidget;
    PageCtrl->addTab(tsFont, "FONT");
    PageCtrl->addTab(tsBody, "BODY");
    font_ = std::make_unique<TFontPage>(tsFont);
    body_ = std::make_unique<TBodyPage>(tsBody);
    PageCtrl->hide();
}

void TForm1::ConnectPages() {
    TFontPage& f = *font_;
    connect(f.EditGrd, &QLineEdit::textChanged, this, [this] { EditGrdChange(); });
    for (QLineEdit* wave : {f.EditWave, f.EditWave2}) {
        connect(wave, &QLineEdit::textChanged, this, [this, wave] { EditWaveChange(wave); });
    }
    for (QToolButton* type : {f.btnGtNone, f.btnGtTwo, f.btnGtThree, f.btnGtRainBow, f.btnGtWave}) {
        connect(type, &QToolButton::clicked, this, [this] { btnGrdTypeClick(); });
    }
    for (QToolButton* style : {f.btnBold, f.btnItalic, f.btnUnderline}) {
        connect(style, &QToolButton::clicked, this, [this] { btnFontStyleClick(); });
    }
    connect(f.comboFontFace, &QComboBox::editTextChanged, this, [this] { comboFontFaceChange(); });
    connect(f.ComboFontSize, &QComboBox::currentIndexChanged, this,
            [this] { comboFontSizeChange(); });
    f.GrdSample->SetPaintRoutine([this](QImage& image) { GrdSamplePaint(image); });
    body_->BodySample->SetPaintRoutine([this](QImage& image) { BodySamplePaint(image); });
    connect(PageCtrl, &QTabWidget::currentChanged, this, [this] {
        PageCtrlChange();
        mcTagClick();
        RefreshContrast();
    });
    connect(body_->EditPreview, &QLineEdit::textChanged, this, [this](const QString& text) {
        body_->EditPreview->setToolTip(text);
        settings_.PreviewSample = text.toStdString();
    });
    for (QComboBox* combo : {f.comboFontTemplate, body_->comboBodyTemplate}) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { mcTagClick(); });
    }
}

bool TForm1::IsFontPageShown() const {
    return PageCtrl->currentWidget() == font_->tsFont;
}

} // namespace tintora
