// The controls of the main window, at their fixed places in the client area.

#include "app/Form1.h"
#include "app/Placement.h"
#include "color/NamedColors.h"
#include "widgets/ColorLookupComboBox.h"
#include "widgets/ColorPanel.h"
#include "widgets/FieldCharsValidator.h"
#include "widgets/GrdBar.h"
#include "widgets/GrdBarSet.h"
#include "widgets/ImageView.h"
#include "widgets/PaintPanel.h"
#include "widgets/UpDown.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

namespace tintora {

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width = -1,
                  int height = 12) {
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    return Place(label, left, top, width < 0 ? label->sizeHint().width() : width, height);
}

QFrame* MakeSunkenPanel(QWidget* parent, int left, int top, int width, int height) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    return Place(panel, left, top, width, height);
}

// The number fields keep the caret where it is when they get the focus; only the RGB field
// selects its whole text.
class TNumberEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const int caret = cursorPosition();
        QLineEdit::focusInEvent(event);
        deselect();
        setCursorPosition(caret);
    }
};

QLineEdit* MakeNumberEdit(QWidget* parent, int top, const QString& text) {
    QLineEdit* edit = new TNumberEdit(text, parent);
    TakeOnly(edit, TFieldChars::fcDigits, 3);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    return Place(edit, 304, top, 42, 20);
}

QToolButton* MakeModeButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoExclusive(true);
    button->setAutoRaise(true);
    return Place(button, left, 79, 37, 16);
}

} // namespace

void TForm1::BuildUpperArea() {
    QWidget* c = client_;
    LabelEqu = MakeLabel(c, "色合(&E):", 8, 7, 41);
    LabelSat = MakeLabel(c, "彩度(&S):", 8, 32, 41);
    LabelLum = MakeLabel(c, "明度(&L):", 8, 56, 41);
    Panel1 = MakeSunkenPanel(c, 54, 4, 242, 18);
    Panel2 = MakeSunkenPanel(c, 54, 29, 243, 18);
    Panel3 = MakeSunkenPanel(c, 54, 54, 243, 18);
    EditEqu = MakeNumberEdit(c, 3, "0");
    EditSat = MakeNumberEdit(c, 28, "240");
    EditLum = MakeNumberEdit(c, 53, "120");
    LabelEqu->setBuddy(EditEqu);
    LabelSat->setBuddy(EditSat);
    LabelLum->setBuddy(EditLum);
    udEqu = Place(new TUpDown(c), 346, 3, 15, 20);
    udSat = Place(new TUpDown(c), 346, 28, 15, 20);
    udLum = Place(new TUpDown(c), 346, 53, 15, 20);
    udEqu->SetRange(0, 239);
    udSat->SetRange(0, 240);
    udLum->SetRange(0, 240);
    udEqu->SetAssociate(EditEqu);
    udSat->SetAssociate(EditSat);
    udLum->SetAssociate(EditLum);

    btnGbmESL = MakeModeButton(c, "ESL", 272);
    btnGbmRGB = MakeModeButton(c, "RGB", 309);
    btnGbmRGB->setToolTip("編集モードをRGBに変更します。");
    btnGbmESL->setChecked(true);

    Label3 = MakeLabel(c, "選択色 :", 8, 83);
    Label1 = MakeLabel(c, "パレット :", 114, 83);
    ColorPanel = Place(new TColorPanel(c), 8, 96, 83, 63);
    ColorPanel->setToolTip(
        "現在作成している色です。ダブルクリックするとWebカラーにフィットします。");
    pal1 = Place(new TPaintPanel(c), 114, 96, 135, 44);
    pal1->SetDefaultPaint(false);
    pal1->setToolTip(
        "選択色などからD&Dして色を保存します。クリックするとこの色が選択色になります。");

    btnCopy = Place(new QPushButton("コピー", c), 271, 106, 58, 23);
    btnCopy->setToolTip("選択色のRGB値をクリップボードにコピーします。");
    btnCopyFmt = Place(new QToolButton(c), 328, 106, 18, 23);
    btnCopyFmt->setArrowType(Qt::DownArrow);
    btnCopyFmt->setToolTip("選択色のRGB値をさまざまな書式でコピーします。");
    btnDropper = Place(new QPushButton("スポイト", c), 271, 133, 75, 23);
    btnDropper->setToolTip(
        "ボタンを押しながらマウスを移動すると、離したポイントの色を拾うことができます。");

    Label6 = MakeLabel(c, "既定色(&N):", 114, 149, 54);
    btnShowExt = Place(new QPushButton("タグ作成 >>", c), 271, 160, 75, 23);
    btnShowExt->setCheckable(true);
    btnShowExt->setToolTip("HTMLタグ編集用の画面を表示");

    Label2 = MakeLabel(c, "&RGB値:", 8, 167, 38);
    EditRGB = Place(new QLineEdit("FF0000", c), 48, 163, 43, 20);
    EditRGB->setAttribute(Qt::WA_InputMethodEnabled, false);
    EditRGB->setFont(QFont("Monospace", 8));
    rgbChars_ = TakeOnly(EditRGB, TFieldChars::fcHex, 6);
    Label2->setBuddy(EditRGB);
    ColorLookup = Place(new TColorLookupComboBox(c), 114, 163, 135, 20);
    ColorLookup->setMaxVisibleItems(20);
    ColorLookup->SetDefaultColor(MakeColor(255, 0, 0));
    QStringList extended;
    for (const std::string_view line : ExtendedColorLines) {
        extended << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
    ColorLookup->SetExtendedColors(extended);
    ColorLookup->SetSelection({csSystemJ, csExtended});
    Label6->setBuddy(ColorLookup);

    Bevel1 = Place(new QFrame(c), 8, 189, 338, 9);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    GBSet = new TGrdBarSet(this);
    GBSet->SetBarParent(1, Panel1);
    GBSet->SetBarParent(2, Panel2);
    GBSet->SetBarParent(3, Panel3);
}

void TForm1::BuildDropper() {
    PanelStretch = Place(new QFrame(client_), 12, 1, 177, 183);
    PanelStretch->setFrameStyle(QFrame::Box | QFrame::Plain);
    PanelStretch->setLineWidth(1);
    PanelStretch->setAutoFillBackground(true);
    const QRect inside = PanelStretch->contentsRect();
    constexpr int infoHeight = 15;
    pnlDropperInfo = Place(new QFrame(PanelStretch), inside.left(),
                           inside.bottom() + 1 - infoHeight, inside.width(), infoHeight);
    pnlDropperInfo->setAutoFillBackground(true);
    QPalette black = pnlDropperInfo->palette();
    black.setColor(QPalette::Window, Qt::black);
    pnlDropperInfo->setPalette(black);
    pb2 = Place(new TImageView(PanelStretch), inside.left(), inside.top(), inside.width(),
                inside.height() - infoHeight);

    QFont fixed;
    fixed.setFamilies({"ＭＳ ゴシック", "IPAGothic", "Monospace"});
    fixed.setPixelSize(12);
    const auto infoLabel = [&](const QString& text, const QColor& color, int left, int width) {
        auto* label = Place(new QLabel(text, pnlDropperInfo), left, 1, width, 13);
        label->setFont(fixed);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, color);
        label->setPalette(p);
        return label;
    };
    LabelCurPos = infoLabel("( ***, ***)", Qt::white, 2, 72);
    LabelRInfo = infoLabel("R", Qt::red, 76, 32);
    LabelGInfo = infoLabel("G", Qt::green, 108, 32);
    LabelBInfo = infoLabel("B", Qt::cyan, 140, 32);
    PanelStretch->hide();
    PanelStretch->raise();
}

} // namespace tintora
