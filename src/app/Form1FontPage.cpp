// The FONT page's handlers: gradient type, wave fields, face, size and style, the live sample, the
// FONT tag, and the background picture both samples share.

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
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace tintora {

void TForm1::SetGrdType(TGrdType t) {
    if (font_->SetGrdType(t)) {
        RefreshTagSamples();
    }
}

void TForm1::btnGrdTypeClick() {
    font_->ShowTypeControls();
    RefreshTagSamples();
}

void TForm1::EditGrdChange() {
    RefreshTagSamples();
}

void TForm1::EditWaveChange(QLineEdit* sender) {
    if (sender == font_->EditWave) {
        // A number the spin control holds is shown the way it holds it; anything it cannot
        // read leaves its last position, which then replaces the text.
        const std::int16_t position = font_->udWave->Position();
        if (position != 0 && sender->text() != QString::number(position)) {
            sender->setText(QString::number(position));
        }
    }
    RefreshTagSamples();
}

void TForm1::btnFontStyleClick() {
    SampleFont.setBold(font_->btnBold->isChecked());
    SampleFont.setItalic(font_->btnItalic->isChecked());
    SampleFont.setUnderline(font_->btnUnderline->isChecked());
    RefreshTagSamples();
}

// Style bits: bold 1, italic 2, underline 4, strike-out 8.
void TForm1::SetSampleFontStyle(std::uint8_t style) {
    SampleFont.setBold(style & 1);
    SampleFont.setItalic(style & 2);
    SampleFont.setUnderline(style & 4);
    SampleFont.setStrikeOut(style & 8);
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
    if (n == settings_.SampleFontSize) {
        return;
    }
    settings_.SampleFontSize = n;
    comboFontSizeChange();
}

void TForm1::comboFontFaceChange() {
    const auto face = SampleFaceFromField(font_->comboFontFace->currentText(), installedFonts_);
    SampleFont.setFamilies({face ? *face : GetSampleFontName()});
    RefreshTagSamples();
}

void TForm1::comboFontSizeChange() {
    if (const auto size = SampleFontSizeFromField(font_->ComboFontSize->currentText(),
                                                  settings_.SampleFontSize)) {
        SampleFont.setPointSize(std::max(*size, 1));
    }
    RefreshTagSamples();
}

TFontTagInput TForm1::FontTagInput() const {
    const TFontPageState page = font_->State();
    TFontTagInput in;
    static_cast<TGrdParams&>(in) = page;
    in.Text = font_->EditGrd->text().toStdString();
    in.Bold = page.Bold;
    in.Italic = page.Italic;
    in.Underline = page.Underline;
    in.SizeText = page.Size;
    in.FaceText = page.Face;
    in.Cases = CharCases();
    in.Escape = TEscapeOptions{settings_.EscHtmlTokens, settings_.EscSpaceChar};
    in.WrapFontTag = settings_.WrapFontTag;
    return in;
}

std::string TForm1::MakeFontTag() {
    return MakeFontPageTag(&tintora::MakeFontTag);
}

std::string TForm1::MakeFontPageTag(TFontTagResult (*make)(const TFontTagInput&)) {
    TFontTagResult result = make(FontTagInput());
    if (result.TextWasEmpty) {
        services_.Prompts.ShowInformation(std::string(FontTagEmptyTextMessage));
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
    const TFontPageState page = font_->State();
    TGrdSampleInput in;
    in.Text = font_->EditGrd->text().toStdString();
    in.Grd = page;
    in.Back = page.Back;
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
        ImageBg = LoadBackgroundPicture(file);
        body_->btnClearBgImage->setEnabled(true);
    } else {
        ImageBg = QImage();
        body_->btnClearBgImage->setEnabled(false);
    }
    bgImageFile_ = file;
    RefreshTagSamples();
}

} // namespace tintora
