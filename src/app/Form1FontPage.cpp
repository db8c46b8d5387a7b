// The FONT page: gradient type, wave fields, face, size and style, the live sample, the FONT
// tag, and the background picture both samples share.

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "widgets/BackgroundPicture.h"
#include "widgets/GrdSample.h"
#include "widgets/HsxPanel.h"
#include "widgets/SampleBox.h"
#include "widgets/SampleFont.h"
#include "widgets/SystemColors.h"
#include "widgets/UpDown.h"

#include <filesystem>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace tintora {

TGrdType TForm1::GetGrdType() const {
    if (btnGtTwo->isChecked()) {
        return TGrdType::gtTwo;
    }
    if (btnGtThree->isChecked()) {
        return TGrdType::gtThree;
    }
    if (btnGtRainBow->isChecked()) {
        return TGrdType::gtRainBow;
    }
    if (btnGtWave->isChecked()) {
        return TGrdType::gtWave;
    }
    return TGrdType::gtNone;
}

void TForm1::SetGrdType(TGrdType t) {
    if (t == GetGrdType() || !IsKnownGrdType(t)) {
        return;
    }
    QToolButton* const buttons[] = {btnGtNone, btnGtTwo, btnGtThree, btnGtRainBow, btnGtWave};
    buttons[static_cast<int>(t)]->setChecked(true);
    btnGrdTypeClick();
}

void TForm1::btnGrdTypeClick() {
    const TGrdType type = GetGrdType();
    switch (type) {
    case TGrdType::gtNone:
    case TGrdType::gtRainBow:
        pnlMid->hide();
        pnlEnd->hide();
        break;
    case TGrdType::gtTwo:
    case TGrdType::gtWave:
        pnlMid->hide();
        if (pnlEnd->isHidden()) {
            pnlEnd->SetColor(pnlStart->Color());
            pnlEnd->show();
        }
        break;
    case TGrdType::gtThree:
        if (pnlEnd->isHidden()) {
            pnlEnd->SetColor(pnlStart->Color());
            pnlEnd->show();
        }
        if (pnlMid->isHidden()) {
            pnlMid->SetColor(MidColor(pnlStart->Color(), pnlEnd->Color()));
            pnlMid->show();
        }
        break;
    }
    if (THsxPanel* pressed = SelectedFontPanel(); pressed && pressed->isHidden()) {
        pnlBack->SetDown(true);
    }
    const bool waves = type == TGrdType::gtRainBow || type == TGrdType::gtWave;
    const bool shift = type == TGrdType::gtWave;
    for (QWidget* w : std::initializer_list<QWidget*>{LabelWave, EditWave, udWave}) {
        w->setVisible(waves);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{LabelWave2, EditWave2, udWave2}) {
        w->setVisible(shift);
    }
    if (waves) {
        FitUpDown(udWave, EditWave);
    }
    if (shift) {
        FitUpDown(udWave2, EditWave2);
    }
    RefreshTagSamples();
}

void TForm1::EditGrdChange() {
    RefreshTagSamples();
}

void TForm1::EditWaveChange(QLineEdit* sender) {
    if (sender == EditWave) {
        // A number the spin control holds is shown the way it holds it; anything it cannot
        // read leaves its last position, which then replaces the text.
        const std::int16_t position = udWave->Position();
        if (position != 0 && EditWave->text() != QString::number(position)) {
            EditWave->setText(QString::number(position));
        }
    }
    RefreshTagSamples();
}

void TForm1::btnFontStyleClick() {
    SampleFont.setBold(btnBold->isChecked());
    SampleFont.setItalic(btnItalic->isChecked());
    SampleFont.setUnderline(btnUnderline->isChecked());
    RefreshTagSamples();
}

QString TForm1::GetSampleFontName() const {
    return SampleFontName(QString::fromStdString(settings_.SampleFontName), installedFonts_,
                          font().family());
}

void TForm1::SetSampleFontName(const QString& name) {
    const auto stored =
        NewSampleFontName(QString::fromStdString(settings_.SampleFontName), name, installedFonts_);
    if (!stored) {
        return;
    }
    settings_.SampleFontName = stored->toStdString();
    comboFontFaceChange();
    if (TagPagesShown() && !IsFontPageShown()) {
        RefreshTagSamples();
    }
}

void TForm1::SetSampleFontSize(int n) {
    n = ValidSampleFontSize(n);
    if (n == BaseSampleSize) {
        return;
    }
    BaseSampleSize = n;
    comboFontSizeChange();
}

void TForm1::comboFontFaceChange() {
    const auto face = SampleFaceFromField(comboFontFace->currentText(), installedFonts_);
    SampleFont.setFamilies({face ? *face : GetSampleFontName()});
    RefreshTagSamples();
}

void TForm1::comboFontSizeChange() {
    if (const auto size = SampleFontSizeFromField(ComboFontSize->currentText(), BaseSampleSize)) {
        SampleFont.setPointSize(std::max(*size, 1));
    }
    RefreshTagSamples();
}

bool TForm1::IsFontPageShown() const {
    return PageCtrl->currentWidget() == tsFont;
}

TGrdParams TForm1::GrdParams() const {
    TGrdParams g;
    g.Type = GetGrdType();
    g.Start = pnlStart->Color();
    g.Mid = pnlMid->Color();
    g.End = pnlEnd->Color();
    g.WaveCount = udWave->Position();
    g.WaveShift = static_cast<std::uint8_t>(udWave2->Position());
    return g;
}

TFontTagInput TForm1::FontTagInput() const {
    TFontTagInput in;
    static_cast<TGrdParams&>(in) = GrdParams();
    in.Text = EditGrd->text().toStdString();
    in.Bold = btnBold->isChecked();
    in.Italic = btnItalic->isChecked();
    in.Underline = btnUnderline->isChecked();
    in.SizeText = ComboFontSize->currentText().toStdString();
    in.FaceText = comboFontFace->currentText().toStdString();
    in.Cases = CharCases();
    in.Escape = TEscapeOptions{settings_.EscHtmlTokens, settings_.EscSpaceChar};
    in.WrapFontTag = settings_.WrapFontTag;
    return in;
}

std::string TForm1::MakeFontTag() {
    TFontTagResult result = tintora::MakeFontTag(FontTagInput());
    if (result.TextWasEmpty) {
        QMessageBox::information(
            this, kApplicationTitle,
            QString::fromUtf8(FontTagEmptyTextMessage.data(),
                              static_cast<qsizetype>(FontTagEmptyTextMessage.size())));
    }
    return std::move(result.Text);
}

void TForm1::miCopyFontClick() {
    CopyToClipboard(MakeFontTag());
}

void TForm1::GrdSamplePaint(QImage& target) {
    if (!TagPagesShown() || !IsFontPageShown() || TemplateApplying) {
        return;
    }
    TGrdSampleInput in;
    in.Text = EditGrd->text().toStdString();
    in.Grd = GrdParams();
    in.Back = pnlBack->Color();
    in.Font = SampleFont;
    in.BgPicture = ImageBg;
    in.Colors = TSystemColors::From(QWidget::palette());
    PaintGrdSample(target, in);
}

void TForm1::SetBgImageFile(const std::string& name) {
    std::string file = name;
    std::error_code ec;
    if (!file.empty() && !std::filesystem::exists(file, ec)) {
        file.clear();
    }
    if (file == bgImageFile_) {
        return;
    }
    if (!file.empty()) {
        ImageBg = LoadBackgroundPicture(QString::fromStdString(file));
        btnClearBgImage->setEnabled(true);
    } else {
        ImageBg = QImage();
        btnClearBgImage->setEnabled(false);
    }
    bgImageFile_ = file;
    RefreshTagSamples();
}

} // namespace tintora
