// The FONT page's text as styled spans and as CSS gradient text, the live preview's switch to the
// span form, and the contrast check of the shown page's colours.

#include "app/Form1.h"
#include "app/FormContrast.h"
#include "html/CssGradient.h"
#include "html/SpanTag.h"
#include "widgets/HsxPanel.h"

#include <QTabWidget>

namespace tintora {

void TForm1::miCopySpanClick() {
    CopyToClipboard(MakeFontPageTag(&MakeSpanTag));
}

void TForm1::miCopyCssGradientClick() {
    CopyToClipboard(MakeFontPageTag(&MakeCssGradientTag));
}

void TForm1::miUseSpanTagClick() {
    settings_.UseSpanTag = miUseSpanTag->isChecked();
    RefreshTagSamples();
}

void TForm1::miCheckContrastClick() {
    if (!TagPagesShown()) {
        return;
    }
    if (contrast_ == nullptr) {
        contrast_ = new TFormContrast(this);
    }
    // Beside the main window, pulled in from the screen's right edge.
    contrast_->SetPlaceAt(frameGeometry().topRight() + QPoint(1, 0));
    contrast_->SetShowHint(settings_.ShowHint);
    RefreshContrast();
    contrast_->show();
    contrast_->raise();
    contrast_->activateWindow();
}

void TForm1::RefreshContrast() {
    if (contrast_ == nullptr) {
        return;
    }
    if (!TagPagesShown()) {
        contrast_->close();
        return;
    }
    if (IsFontPageShown()) {
        contrast_->ShowFont(FontTagInput(), font_->pnlBack->Color());
    } else {
        contrast_->ShowBody(body_->State());
    }
}

} // namespace tintora
