// The two tag pages below the colour editor: FONT (gradient text) and BODY (page colours).

#include "app/Form1.h"
#include "app/Placement.h"
#include "html/FontTag.h"
#include "widgets/BodySample.h"
#include "widgets/GrdSample.h"
#include "widgets/HsxPanel.h"
#include "widgets/SampleBox.h"
#include "widgets/UpDown.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace tintora {

namespace {

THsxPanel* MakeSwatch(QWidget* page, const QString& caption, const QString& hint, TColor color,
                      int left, int top) {
    auto* panel = Place(new THsxPanel(page), left, top, 49, 49);
    panel->SetCaption(caption);
    panel->setToolTip(hint);
    panel->SetColor(color);
    panel->SetGroupIndex(1);
    return panel;
}

QToolButton* MakeToggle(QWidget* page, const QString& caption, const QString& hint, int left,
                        int top, int width, int height) {
    auto* button = Place(new QToolButton(page), left, top, width, height);
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(true);
    return button;
}

QPushButton* MakeButton(QWidget* page, const QString& caption, const QString& hint, int left,
                        int top, int width, int height) {
    auto* button = Place(new QPushButton(caption, page), left, top, width, height);
    button->setToolTip(hint);
    return button;
}

QComboBox* MakeTemplateCombo(QWidget* page, const QString& hint, int left, int top, int width) {
    auto* combo = Place(new QComboBox(page), left, top, width, 20);
    combo->setToolTip(hint);
    combo->setMaxVisibleItems(12);
    return combo;
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
    QWidget* p = tsFont;
    EditGrd = Place(new QLineEdit("TINTORA VERSION%s", p), 4, 4, 334, 20);
    GrdSample = new TSampleBox(GrdSampleSize, p);
    GrdSample->move(4, 28);

    auto* types = new QButtonGroup(p);
    types->setExclusive(true);
    const auto typeButton = [&](const QString& caption, const QString& hint, int index) {
        QToolButton* b = MakeToggle(p, caption, hint, 4 + 36 * index, 89, 35, 21);
        types->addButton(b);
        return b;
    };
    btnGtNone = typeButton("1色", "グラデーションなし", 0);
    btnGtTwo = typeButton("2色", "一般的なグラデーションを作成", 1);
    btnGtThree = typeButton("3色", "開始色・中央色・終了色の3色を指定するグラデーションを作成", 2);
    btnGtRainBow = typeButton("虹色", "虹色のグラデーションを作成", 3);
    btnGtWave = typeButton("波状", "波状のグラデーションを作成", 4);
    btnGtThree->setChecked(true);

    btnBold = MakeToggle(p, "B", "太字", 190, 89, 22, 21);
    btnItalic = MakeToggle(p, "I", "斜体", 213, 89, 22, 21);
    btnUnderline = MakeToggle(p, "U", "下線", 236, 89, 22, 21);
    QFont bold = btnBold->font();
    bold.setBold(true);
    btnBold->setFont(bold);
    QFont italic = btnItalic->font();
    italic.setItalic(true);
    btnItalic->setFont(italic);
    QFont underline = btnUnderline->font();
    underline.setUnderline(true);
    btnUnderline->setFont(underline);

    LabelWave = Place(new QLabel("波数 :", p), 264, 93, 32, 12);
    EditWave = Place(new QLineEdit(p), 296, 89, 46, 20);
    EditWave->setMaxLength(5);
    EditWave->setToolTip("波の数をパーセント単位で指定");
    EditWave->setProperty(kKeyFilterProperty, "signed");
    udWave = Place(new TUpDown(p), 326, 91, 14, 16);
    udWave->SetRange(WaveCountMin, WaveCountMax);
    udWave->SetIncrement(10);
    udWave->SetPosition(100);
    udWave->SetAssociate(EditWave);

    constexpr int swatchTop = 114;
    pnlStart = MakeSwatch(p, "左", "グラデーションの開始色", MakeColor(255, 0, 0), 4, swatchTop);
    pnlMid = MakeSwatch(p, "中", "グラデーションの中央色", MakeColor(0, 255, 0), 55, swatchTop);
    pnlEnd = MakeSwatch(p, "右", "グラデーションの終了色", MakeColor(0, 0, 255), 106, swatchTop);
    pnlBack = MakeSwatch(p, "背景", "背景色", MakeColor(0, 0, 0), 157, swatchTop);

    comboFontFace = Place(new QComboBox(p), 212, 114, 130, 20);
    comboFontFace->setEditable(true);
    comboFontFace->setInsertPolicy(QComboBox::NoInsert);
    comboFontFace->setToolTip("書体の指定");
    comboFontFace->setMaxVisibleItems(16);
    ComboFontSize = Place(new QComboBox(p), 212, 139, 50, 20);
    ComboFontSize->setToolTip("文字の大きさ");
    for (const std::string_view item : FontSizeItems) {
        ComboFontSize->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    }
    ComboFontSize->setCurrentIndex(-1);
    LabelWave2 = Place(new QLabel("横:", p), 270, 143, 16, 12);
    EditWave2 = Place(new QLineEdit(p), 288, 139, 54, 20);
    EditWave2->setMaxLength(2);
    EditWave2->setToolTip("波の左右方向へのずれ");
    EditWave2->setProperty(kKeyFilterProperty, "digits");
    udWave2 = Place(new TUpDown(p, TUpDown::TOrientation::udHorizontal), 310, 141, 30, 16);
    udWave2->SetRange(0, WaveShiftMax);
    udWave2->SetIncrement(10);
    udWave2->SetWrap(true);
    udWave2->SetPosition(0);
    udWave2->SetAssociate(EditWave2);

    LabelFontTemplate = Place(new QLabel("ﾃﾝﾌﾟﾚｰﾄ(&P):", p), 4, 171, 66, 12);
    comboFontTemplate = MakeTemplateCombo(
        p, "作成済みのテンプレートからグラデーションパターンを再現します。", 72, 167, 150);
    LabelFontTemplate->setBuddy(comboFontTemplate);
    SpeedButton1 =
        MakeButton(p, "font タグをコピー", "作成したfontタグをクリップボードにコピーします。", 228,
                   166, 114, 22);

    // The wave fields show only for the types that use them; the page starts with three colours.
    for (QWidget* w : std::initializer_list<QWidget*>{LabelWave, EditWave, udWave, LabelWave2,
                                                      EditWave2, udWave2}) {
        w->hide();
    }
}

void TForm1::BuildBodyPage() {
    QWidget* p = tsBody;
    BodySample = new TSampleBox(BodySampleSize, p);
    BodySample->move(4, 4);
    btnLoadBgImage = MakeButton(p, "背景画像", "背景画像の読み込み", 250, 4, 92, 22);
    btnClearBgImage = MakeButton(p, "背景なし", "背景画像のクリア", 250, 28, 92, 22);
    btnClearBgImage->setEnabled(false);
    btnCopyBody = MakeButton(p, "body タグをコピー...",
                             "作成したbodyタグをクリップボードにコピーします。", 250, 56, 92, 22);
    LabelBodyTemplate = Place(new QLabel("ﾃﾝﾌﾟﾚｰﾄ(&P):", p), 250, 86, 92, 12);
    comboBodyTemplate = MakeTemplateCombo(
        p, "作成済みのテンプレートからbodyタグのパターンを再現します。", 250, 100, 92);
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
    // The browser previews come with their own change; until then the buttons say so by being
    // disabled.
    btnPreview->setEnabled(false);
    btnPreviewNew->setEnabled(false);
}

void TForm1::ConnectPages() {
    connect(EditGrd, &QLineEdit::textChanged, this, [this] { EditGrdChange(); });
    for (QLineEdit* wave : {EditWave, EditWave2}) {
        connect(wave, &QLineEdit::textChanged, this, [this, wave] { EditWaveChange(wave); });
    }
    for (QToolButton* type : {btnGtNone, btnGtTwo, btnGtThree, btnGtRainBow, btnGtWave}) {
        connect(type, &QToolButton::clicked, this, [this] { btnGrdTypeClick(); });
    }
    for (QToolButton* style : {btnBold, btnItalic, btnUnderline}) {
        connect(style, &QToolButton::clicked, this, [this] { btnFontStyleClick(); });
    }
    connect(comboFontFace, &QComboBox::editTextChanged, this, [this] { comboFontFaceChange(); });
    connect(ComboFontSize, &QComboBox::currentIndexChanged, this,
            [this] { comboFontSizeChange(); });
    GrdSample->SetPaintRoutine([this](QImage& image) { GrdSamplePaint(image); });
    BodySample->SetPaintRoutine([this](QImage& image) { BodySamplePaint(image); });
    connect(PageCtrl, &QTabWidget::currentChanged, this, [this] {
        PageCtrlChange();
        mcTagClick();
    });
    connect(EditPreview, &QLineEdit::textChanged, this,
            [this](const QString& text) { EditPreview->setToolTip(text); });
    for (QComboBox* combo : {comboFontTemplate, comboBodyTemplate}) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { mcTagClick(); });
    }
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
