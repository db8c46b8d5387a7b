#include "app/FontPage.h"

#include "app/PageControls.h"
#include "app/Placement.h"
#include "html/FontTag.h"
#include "widgets/FieldCharsValidator.h"
#include "widgets/GrdSample.h"
#include "widgets/HsxPanel.h"
#include "widgets/SampleBox.h"
#include "widgets/UpDown.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace tintora {

TFontPage::TFontPage(QWidget* p) : tsFont(p) {
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
    EditWave->setToolTip("波の数をパーセント単位で指定");
    TakeOnly(EditWave, TFieldChars::fcSigned, 5);
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
    EditWave2->setToolTip("波の左右方向へのずれ");
    TakeOnly(EditWave2, TFieldChars::fcDigits, 2);
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

    for (QWidget* w : std::initializer_list<QWidget*>{LabelWave, EditWave, udWave, LabelWave2,
                                                      EditWave2, udWave2}) {
        w->hide();
    }
}

TGrdType TFontPage::GetGrdType() const {
    const auto buttons = TypeButtons();
    for (std::size_t i = 1; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) {
            return static_cast<TGrdType>(i);
        }
    }
    return TGrdType::gtNone;
}

bool TFontPage::SetGrdType(TGrdType type) {
    if (type == GetGrdType() || !IsKnownGrdType(type)) {
        return false;
    }
    TypeButtons()[static_cast<std::size_t>(type)]->setChecked(true);
    ShowTypeControls();
    return true;
}

void TFontPage::ShowTypeControls() {
    const TGrdType type = GetGrdType();
    const auto showWithColor = [](THsxPanel* swatch, TColor color) {
        if (swatch->isHidden()) {
            swatch->SetColor(color);
            swatch->show();
        }
    };
    switch (type) {
    case TGrdType::gtNone:
    case TGrdType::gtRainBow:
        pnlMid->hide();
        pnlEnd->hide();
        break;
    case TGrdType::gtTwo:
    case TGrdType::gtWave:
        pnlMid->hide();
        showWithColor(pnlEnd, pnlStart->Color());
        break;
    case TGrdType::gtThree:
        showWithColor(pnlEnd, pnlStart->Color());
        showWithColor(pnlMid, MidColor(pnlStart->Color(), pnlEnd->Color()));
        break;
    }
    if (THsxPanel* pressed = SelectedPanel(); pressed && pressed->isHidden()) {
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
}

THsxPanel* TFontPage::SelectedPanel() const {
    for (THsxPanel* p : Swatches()) {
        if (p->Down()) {
            return p;
        }
    }
    return nullptr;
}

TFontPageState TFontPage::State() const {
    TFontPageState s;
    s.Type = GetGrdType();
    s.Start = pnlStart->Color();
    s.Mid = pnlMid->Color();
    s.End = pnlEnd->Color();
    s.WaveCount = udWave->Position();
    s.WaveShift = static_cast<std::uint8_t>(udWave2->Position());
    s.Back = pnlBack->Color();
    s.Face = comboFontFace->currentText().toStdString();
    s.Size = ComboFontSize->currentText().toStdString();
    s.Bold = btnBold->isChecked();
    s.Italic = btnItalic->isChecked();
    s.Underline = btnUnderline->isChecked();
    return s;
}

void TFontPage::Apply(const TFontPageState& s) {
    SetGrdType(s.Type);
    pnlStart->SetColor(s.Start);
    pnlBack->SetColor(s.Back);
    pnlMid->SetColor(s.Mid);
    pnlEnd->SetColor(s.End);
    udWave->SetPosition(s.WaveCount);
    udWave2->SetPosition(s.WaveShift);
    btnBold->setChecked(s.Bold);
    btnItalic->setChecked(s.Italic);
    btnUnderline->setChecked(s.Underline);
    comboFontFace->setEditText(QString::fromStdString(s.Face));
    ComboFontSize->setCurrentIndex(
        s.Size.empty() ? -1 : ComboFontSize->findText(QString::fromStdString(s.Size)));
}

} // namespace tintora
