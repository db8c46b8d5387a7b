// The two tag pages below the colour editor: FONT (gradient text) and BODY (page colours).

#include "app/Form1.h"
#include "widgets/HsxPanel.h"

#include <QTabWidget>

namespace tintora {

namespace {

THsxPanel* MakeSwatch(QWidget* page, const QString& caption, const QString& hint, TColor color,
                      int left, int top) {
    auto* panel = new THsxPanel(page);
    panel->setGeometry(left, top, 49, 49);
    panel->SetCaption(caption);
    panel->setToolTip(hint);
    panel->SetColor(color);
    panel->SetGroupIndex(1);
    return panel;
}

} // namespace

void TForm1::BuildPages() {
    PageCtrl = new QTabWidget(client_);
    PageCtrl->setGeometry(1, PageCtrlTop, 352, PageCtrlHeight);
    tsFont = new QWidget;
    tsBody = new QWidget;
    PageCtrl->addTab(tsFont, "FONT");
    PageCtrl->addTab(tsBody, "BODY");
    BuildFontPage();
    BuildBodyPage();
    PageCtrl->hide();
}

void TForm1::BuildFontPage() {
    constexpr int swatchTop = 116;
    pnlStart =
        MakeSwatch(tsFont, "左", "グラデーションの開始色", MakeColor(255, 0, 0), 4, swatchTop);
    pnlMid =
        MakeSwatch(tsFont, "中", "グラデーションの中央色", MakeColor(0, 255, 0), 55, swatchTop);
    pnlEnd =
        MakeSwatch(tsFont, "右", "グラデーションの終了色", MakeColor(0, 0, 255), 106, swatchTop);
    pnlBack = MakeSwatch(tsFont, "背景", "背景色", MakeColor(0, 0, 0), 157, swatchTop);
}

void TForm1::BuildBodyPage() {
    constexpr int swatchTop = 126;
    pnlBgcolor = MakeSwatch(tsBody, "bgcolor", "背景色", MakeColor(255, 255, 255), 4, swatchTop);
    pnlText = MakeSwatch(tsBody, "text", "文字色", MakeColor(0, 0, 0), 53, swatchTop);
    pnlLink =
        MakeSwatch(tsBody, "link", "リンクの色(未表示)", MakeColor(0, 0, 255), 102, swatchTop);
    pnlVlink =
        MakeSwatch(tsBody, "vlink", "リンクの色(表示済み)", MakeColor(128, 0, 128), 151, swatchTop);
    pnlAlink =
        MakeSwatch(tsBody, "alink", "リンクの色(ポイント時)", MakeColor(255, 0, 0), 200, swatchTop);
}

THsxPanel* TForm1::SelectedFontPanel() const {
    for (THsxPanel* p : {pnlStart, pnlMid, pnlEnd, pnlBack}) {
        if (p->Down()) {
            return p;
        }
    }
    return nullptr;
}

THsxPanel* TForm1::SelectedBodyPanel() const {
    for (THsxPanel* p : {pnlBgcolor, pnlText, pnlLink, pnlVlink, pnlAlink}) {
        if (p->Down()) {
            return p;
        }
    }
    return nullptr;
}

} // namespace tintora
