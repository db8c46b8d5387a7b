// The controls of the main window, at their fixed places in the client area.

#include "app/Form1.h"
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

template <typename W>
W* Place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(left, top, width, height);
    return widget;
}

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

QLineEdit* MakeNumberEdit(QWidget* parent, int top, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setMaxLength(3);
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
    ColorPanel = MakeSunkenPanel(c, 8, 96, 83, 63);
    ColorPanel->setToolTip(
        "現在作成している色です。ダブルクリックするとWebカラーにフィットします。");
    pal1 = MakeSunkenPanel(c, 114, 96, 135, 44);
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
    EditRGB->setMaxLength(6);
    EditRGB->setAttribute(Qt::WA_InputMethodEnabled, false);
    EditRGB->setFont(QFont("Monospace", 8));
    Label2->setBuddy(EditRGB);
    ColorLookup = Place(new QComboBox(c), 114, 163, 135, 20);
    ColorLookup->setMaxVisibleItems(20);
    Label6->setBuddy(ColorLookup);

    Bevel1 = Place(new QFrame(c), 8, 189, 338, 9);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
}

void TForm1::BuildPages() {
    PageCtrl = Place(new QTabWidget(client_), 1, PageCtrlTop, 352, PageCtrlHeight);
    tsFont = new QWidget;
    tsBody = new QWidget;
    PageCtrl->addTab(tsFont, "FONT");
    PageCtrl->addTab(tsBody, "BODY");
    PageCtrl->hide();
}

} // namespace tintora
