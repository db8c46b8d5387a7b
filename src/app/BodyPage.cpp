#include "app/BodyPage.h"

#include "app/PageControls.h"
#include "app/Placement.h"
#include "widgets/BodySample.h"
#include "widgets/HsxPanel.h"
#include "widgets/SampleBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tintora {

TBodyPage::TBodyPage(QWidget* p) : tsBody(p) {
    BodySample = new TSampleBox(BodySampleSize, p);
    BodySample->move(4, 4);
    // The column right of the sample, as wide as the page leaves it: "body タグをコピー..." needs
    // it.
    constexpr int columnLeft = 247;
    constexpr int columnWidth = 98;
    btnLoadBgImage =
        MakeButton(p, "背景画像", "背景画像の読み込み", columnLeft, 4, columnWidth, 22);
    btnClearBgImage =
        MakeButton(p, "背景なし", "背景画像のクリア", columnLeft, 28, columnWidth, 22);
    btnClearBgImage->setEnabled(false);
    btnCopyBody =
        MakeButton(p, "body タグをコピー...", "作成したbodyタグをクリップボードにコピーします。",
                   columnLeft, 56, columnWidth, 22);
    LabelBodyTemplate = Place(new QLabel("ﾃﾝﾌﾟﾚｰﾄ(&P):", p), columnLeft, 86, columnWidth, 12);
    comboBodyTemplate =
        MakeTemplateCombo(p, "作成済みのテンプレートからbodyタグのパターンを再現します。",
                          columnLeft, 100, columnWidth);
    LabelBodyTemplate->setBuddy(comboBodyTemplate);

    constexpr int swatchTop = 126;
    pnlBgcolor = MakeSwatch(p, "bgcolor", "背景色", MakeColor(255, 255, 255), 4, swatchTop);
    pnlText = MakeSwatch(p, "text", "文字色", MakeColor(0, 0, 0), 53, swatchTop);
    pnlLink = MakeSwatch(p, "link", "リンクの色(未表示)", MakeColor(0, 0, 255), 102, swatchTop);
    pnlVlink =
        MakeSwatch(p, "vlink", "リンクの色(表示済み)", MakeColor(128, 0, 128), 151, swatchTop);
    pnlAlink =
        MakeSwatch(p, "alink", "リンクの色(ポイント時)", MakeColor(255, 0, 0), 200, swatchTop);

    EditPreview = Place(new QLineEdit(p), 4, 179, 248, 20);
    btnPreview = MakeButton(p, "ﾌﾟﾚﾋﾞｭｰ", "作成中のタグをWebブラウザでプレビュー表示します。", 256,
                            178, 62, 22);
    btnPreviewNew = MakeButton(
        p, "...",
        "作成中のタグをWebブラウザでプレビュー表示します。被試験ファイルを常に再指定します。", 320,
        178, 22, 22);
}

TBodyColors TBodyPage::State() const {
    return TBodyColors{pnlBgcolor->Color(), pnlText->Color(), pnlLink->Color(), pnlVlink->Color(),
                       pnlAlink->Color()};
}

void TBodyPage::Apply(const TBodyColors& colors) {
    pnlBgcolor->SetColor(colors.Bgcolor);
    pnlText->SetColor(colors.Text);
    pnlLink->SetColor(colors.Link);
    pnlVlink->SetColor(colors.Vlink);
    pnlAlink->SetColor(colors.Alink);
}

THsxPanel* TBodyPage::SelectedPanel() const {
    for (THsxPanel* p : Swatches()) {
        if (p->Down()) {
            return p;
        }
    }
    return nullptr;
}

} // namespace tintora
