// The BODY page's handlers: its sample, the BODY tag copy and the background picture commands.

#include "app/Form1.h"
#include "app/FormCopyBody.h"
#include "images/PictureFormats.h"
#include "images/PicturePreview.h"
#include "widgets/BodySample.h"
#include "widgets/SystemColors.h"

#include <QTabWidget>

namespace tintora {

TBodyTagInput TForm1::BodyTagInput() const {
    TBodyTagInput in;
    in.Colors = body_->State();
    in.BgImageFile = bgImageFile_;
    in.Cases = CharCases();
    return in;
}

void TForm1::BodySamplePaint(QImage& target) {
    if (!TagPagesShown() || IsFontPageShown()) {
        return;
    }
    TBodySampleInput in;
    in.Page = body_->State();
    in.Font = BodySampleFont(GetSampleFontName());
    in.BgPicture = ImageBg;
    in.Colors = TSystemColors::From(QWidget::palette());
    PaintBodySample(target, in);
}

void TForm1::btnCopyBodyClick() {
    const QPoint placeAt(x() + PageCtrl->x(), y() + PageCtrl->y());
    CopyBodyTag(
        this, BodyTagInput(), settings_.DefBodyAttrib, settings_.NoAskBodyAttrib,
        settings_.ShowHint, placeAt, [this](const std::string& tag) { CopyToClipboard(tag); },
        services_.RunModal);
}

void TForm1::miLoadBgImageClick() {
    const auto chosen = services_.Files.ChooseFileToOpen(
        {"背景画像の読み込み", PictureFilterText(TGraphic::Class), bgImageFile_, &PicturePreview});
    if (chosen) {
        SetBgImageFile(*chosen);
    }
}

void TForm1::miClearBgImageClick() {
    SetBgImageFile("");
}

} // namespace tintora
