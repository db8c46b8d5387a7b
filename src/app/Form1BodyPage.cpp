// The BODY page: the page colours, its sample, the BODY tag copy and the background picture
// commands.

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "app/FormCopyBody.h"
#include "widgets/BodySample.h"
#include "widgets/HsxPanel.h"
#include "widgets/SystemColors.h"

#include <QFileDialog>
#include <QTabWidget>

namespace tintora {

namespace {

// The picture formats the open dialog offers: the program reads bitmaps itself.
const char* const kPictureFilter = "ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)";

} // namespace

TBodyTagInput TForm1::BodyTagInput() const {
    TBodyTagInput in;
    in.Colors = TBodyColors{pnlBgcolor->Color(), pnlText->Color(), pnlLink->Color(),
                            pnlVlink->Color(), pnlAlink->Color()};
    in.BgImageFile = bgImageFile_;
    in.Cases = CharCases();
    return in;
}

void TForm1::BodySamplePaint(QImage& target) {
    if (!TagPagesShown() || IsFontPageShown()) {
        return;
    }
    TBodySampleInput in;
    in.Page = BodyTagInput().Colors;
    in.Font = BodySampleFont(GetSampleFontName());
    in.BgPicture = ImageBg;
    in.Colors = TSystemColors::From(QWidget::palette());
    PaintBodySample(target, in);
}

void TForm1::btnCopyBodyClick() {
    const QPoint placeAt(x() + PageCtrl->x(), y() + PageCtrl->y());
    CopyBodyTag(this, BodyTagInput(), settings_.DefBodyAttrib, settings_.NoAskBodyAttrib,
                settings_.ShowHint, placeAt,
                [this](const std::string& tag) { CopyToClipboard(tag); });
}

void TForm1::miLoadBgImageClick() {
    const QString chosen = QFileDialog::getOpenFileName(
        this, "背景画像の読み込み", QString::fromStdString(bgImageFile_), kPictureFilter);
    if (!chosen.isEmpty()) {
        SetBgImageFile(chosen.toStdString());
    }
}

void TForm1::miClearBgImageClick() {
    SetBgImageFile("");
}

} // namespace tintora
