// The current-colour controller: every view of the selected colour follows the set operations
// here, in a fixed order, and the fields' change events are kept from feeding back.

#include "app/Form1.h"
#include "app/UpdatingScope.h"
#include "color/ColorText.h"
#include "widgets/ColorLookupComboBox.h"
#include "widgets/ColorPanel.h"
#include "widgets/GrdBar.h"
#include "widgets/GrdBarSet.h"
#include "widgets/HsxPanel.h"
#include "widgets/SampleBox.h"
#include "widgets/UpDown.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace tintora {

namespace {

QString Number(int v) {
    return QString::number(v);
}

struct TModeLook {
    const char* labels[3];
    int maxima[3];
    int panel1Width;
};

const TModeLook& LookOf(TEditMode m) {
    static const TModeLook esl{{"色合(&E):", "彩度(&S):", "明度(&L):"}, {239, 240, 240}, 242};
    static const TModeLook rgb{{"　赤(&E):", "　緑(&S):", "　青(&L):"}, {255, 255, 255}, 243};
    static const TModeLook hsv{{"色合(&E):", "彩度(&S):", "明度(&L):"}, {359, 360, 100}, 242};
    switch (m) {
    case TEditMode::emRgb:
        return rgb;
    case TEditMode::emHsv:
        return hsv;
    case TEditMode::emEsl:
        break;
    }
    return esl;
}

} // namespace

void TForm1::ConnectColorEditor() {
    for (QLineEdit* edit : {EditEqu, EditSat, EditLum}) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { EditESLChange(edit); });
    }
    connect(EditRGB, &QLineEdit::textChanged, this, [this] { EditRGBChange(); });
    for (QLineEdit* edit : {EditEqu, EditSat, EditLum}) {
        edit->setProperty(kKeyFilterProperty, "digits");
    }
    EditRGB->setProperty(kKeyFilterProperty, "hex");
    for (TGrdBar* bar : {GBSet->Bar1(), GBSet->Bar2(), GBSet->Bar3()}) {
        connect(bar, &TGrdBar::MouseDown, this,
                [this](TGrdBar* b, Qt::MouseButton, Qt::MouseButtons held, Qt::KeyboardModifiers,
                       QPoint pos) { ImageESLMouseDown(b, held, pos); });
        connect(bar, &TGrdBar::MouseMove, this,
                [this](TGrdBar* b, Qt::MouseButtons held, Qt::KeyboardModifiers, QPoint pos) {
                    ImageESLMouseMove(b, held, pos);
                });
        connect(bar, &TGrdBar::MouseUp, this, [this] { ImageESLMouseUp(); });
    }
    for (QObject* sender : std::initializer_list<QObject*>{btnGbmESL, btnGbmRGB}) {
        connect(static_cast<QToolButton*>(sender), &QToolButton::clicked, this,
                [this, sender] { miGbmClick(sender); });
    }
    for (QAction* sender : {miGbmESL, miGbmRGB}) {
        connect(sender, &QAction::triggered, this, [this, sender] { miGbmClick(sender); });
    }
    connect(ColorLookup, &TColorLookupComboBox::Change, this, [this] { ColorLookupChange(); });
    for (THsxPanel* swatch :
         {pnlStart, pnlMid, pnlEnd, pnlBack, pnlBgcolor, pnlText, pnlLink, pnlVlink, pnlAlink}) {
        connect(swatch, &THsxPanel::Change, this, &TForm1::hsxpnlsChange);
        connect(swatch, &THsxPanel::MouseLeave, this,
                [this](THsxPanel* sender, Qt::KeyboardModifiers, Qt::MouseButtons, QPoint) {
                    hsxpnlsMouseLeave(sender);
                });
    }
}

TColor TForm1::SelectedColor() const {
    return ColorPanel->Color();
}

void TForm1::ProcessPendingMessages() {
    if (pumping_) {
        return;
    }
    pumping_ = true;
    QCoreApplication::processEvents();
    pumping_ = false;
}

void TForm1::ChangeColor(TColor c) {
    SetColorValue(c & 0xFFFFFF);
    ProcessPendingMessages();
    GBSet->RepaintBars();
    RefreshTagSamples();
}

void TForm1::SetColorValue(TColor c) {
    ShowColorValue(c);
    if (CurrentEditMode() == TEditMode::emEsl) {
        ShowEslBytes(ColorToEslBytes(c));
    } else {
        ShowHsvEsl(ColorToHsvEsl(c));
    }
}

void TForm1::ShowColorValue(TColor c) {
    GBSet->SetBarColor(c);
    ColorPanel->SetColor(c);
    if (THsxPanel* font = SelectedFontPanel()) {
        font->SetColor(c);
    }
    if (THsxPanel* body = SelectedBodyPanel()) {
        body->SetColor(c);
    }
    TUpdatingScope updating(Updating);
    const auto valueCase = static_cast<TCharCaseMode>(settings_.CharCaseV);
    EditRGB->setText(QString::fromLatin1(ColorToHexText(c, valueCase).CStr()));
    if (GBSet->GrdBarsMode() == TGrdBarsMode::gbmRGB) {
        EditEqu->setText(Number(RedOf(c)));
        EditSat->setText(Number(GreenOf(c)));
        EditLum->setText(Number(BlueOf(c)));
    }
}

void TForm1::ShowEslBytes(EslBytes e) {
    GBSet->SetBarEsl240(e);
    if (CurrentEditMode() == TEditMode::emEsl) {
        TUpdatingScope updating(Updating);
        EditEqu->setText(Number(e.Hue()));
        EditSat->setText(Number(e.Sat()));
        EditLum->setText(Number(e.Lum()));
    }
}

void TForm1::ShowHsvEsl(HsvEsl t) {
    GBSet->SetBarHsv(t);
    if (CurrentEditMode() == TEditMode::emHsv) {
        TUpdatingScope updating(Updating);
        EditEqu->setText(Number(t.hue));
        EditSat->setText(Number(t.sat));
        EditLum->setText(Number(t.lum));
    }
}

void TForm1::SetEslBytes(EslBytes e) {
    ShowEslBytes(e);
    ShowColorValue(EslBytesToColor(e));
}

void TForm1::SetHsvEsl(HsvEsl t) {
    ShowHsvEsl(t);
    ShowColorValue(HsvEslToColor(t));
}

EslBytes TForm1::GetEslBytes() const {
    return GBSet->GetBarEsl240();
}

HsvEsl TForm1::GetHsvEsl() const {
    return GBSet->GetBarHsv();
}

TEditMode TForm1::CurrentEditMode() const {
    if (GBSet->GrdBarsMode() == TGrdBarsMode::gbmRGB) {
        return TEditMode::emRgb;
    }
    return settings_.UseHSV ? TEditMode::emHsv : TEditMode::emEsl;
}

void TForm1::RefreshTagSamples() {
    if (!TagPagesShown()) {
        return;
    }
    (IsFontPageShown() ? GrdSample : BodySample)->repaint();
}

void TForm1::EditESLChange(QLineEdit* sender) {
    if (Updating) {
        return;
    }
    bool ok = false;
    int v = sender->text().toInt(&ok);
    if (!ok || sender->text().isEmpty()) {
        v = -1;
    }
    if (v < 0) {
        sender->clear();
        return;
    }
    const int caret = sender->cursorPosition();
    const int tag = sender == EditEqu ? 91 : sender == EditSat ? 92 : 93;
    switch (CurrentEditMode()) {
    case TEditMode::emEsl: {
        const EslBytes e = GetEslBytes();
        std::uint8_t hue = e.Hue();
        std::uint8_t sat = e.Sat();
        std::uint8_t lum = e.Lum();
        if (tag == 91) {
            hue = static_cast<std::uint8_t>(v >= 240 ? 239 : v);
        } else if (tag == 92) {
            sat = static_cast<std::uint8_t>(std::min(v, 240));
        } else {
            lum = static_cast<std::uint8_t>(std::min(v, 240));
        }
        SetEslBytes(PackEslBytes(hue, sat, lum));
        break;
    }
    case TEditMode::emRgb: {
        const auto level = static_cast<std::uint8_t>(std::min(v, 255));
        const TColor c = SelectedColor();
        SetColorValue(tag == 91   ? WithRed(c, level)
                      : tag == 92 ? WithGreen(c, level)
                                  : WithBlue(c, level));
        break;
    }
    case TEditMode::emHsv: {
        HsvEsl t = GetHsvEsl();
        if (tag == 91) {
            t.hue = v >= 360 ? 359 : v;
        } else if (tag == 92) {
            t.sat = std::min(v, 360);
        } else {
            t.lum = std::min(v, 100);
        }
        SetHsvEsl(t);
        break;
    }
    }
    sender->setCursorPosition(caret);
    ProcessPendingMessages();
    GBSet->RepaintBars();
    RefreshTagSamples();
}

void TForm1::EditRGBChange() {
    if (Updating) {
        return;
    }
    if (const auto color = HexTextToColor(EditRGB->text().toStdString())) {
        const int caret = EditRGB->cursorPosition();
        ChangeColor(*color);
        EditRGB->setCursorPosition(caret);
    }
}

bool TForm1::EditsKeyPress(QObject* edit, QKeyEvent* key) {
    const QString text = key->text();
    if (text.size() != 1 || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        return false; // not a character: editing and navigation keys pass
    }
    if (key->modifiers() & Qt::ControlModifier) {
        return false; // clipboard shortcuts
    }
    const QChar ch = text.front();
    const QString kind = edit->property(kKeyFilterProperty).toString();
    bool allowed = ch == QChar('\b') || (ch >= '0' && ch <= '9');
    if (kind == "hex") {
        allowed = allowed || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
    } else if (kind == "signed") {
        allowed = allowed || ch == '-';
    }
    if (!allowed) {
        QApplication::beep();
    }
    return !allowed;
}

void TForm1::ImageESLMouseDown(TGrdBar* bar, Qt::MouseButtons buttons, QPoint pos) {
    QLineEdit* edit = bar == GBSet->Bar1() ? EditEqu : bar == GBSet->Bar2() ? EditSat : EditLum;
    edit->setFocus(Qt::MouseFocusReason);
    BarDragging = true;
    bar->BeginConfinedDrag();
    if (!settings_.NoHideGrdPointer) {
        bar->SetShowPointer(false);
    }
    ImageESLMouseMove(bar, buttons, pos);
}

void TForm1::ImageESLMouseMove(TGrdBar* bar, Qt::MouseButtons buttons, QPoint pos) {
    if (!BarDragging || !bar) {
        return;
    }
    int x = pos.x();
    const bool right = buttons & Qt::RightButton;
    const int width = bar->width();
    switch (bar->Element()) {
    case TGrdElement::geEqu:
    case TGrdElement::geSat:
    case TGrdElement::geLum: {
        if (right) {
            // The nearest multiple of 40, halfway going up.
            const int shifted = x + 20;
            x = shifted - shifted % 40;
        }
        const int p = std::clamp(x, 0, width - 1);
        if (settings_.UseHSV) {
            HsvEsl t = GetHsvEsl();
            if (bar->Element() == TGrdElement::geEqu) {
                t.hue = p * 359 / 239;
            } else if (bar->Element() == TGrdElement::geSat) {
                t.sat = p * 360 / 240;
            } else {
                t.lum = p * 100 / 240;
            }
            SetHsvEsl(t);
        } else {
            const EslBytes e = GetEslBytes();
            const auto v = static_cast<std::uint8_t>(p);
            SetEslBytes(bar->Element() == TGrdElement::geEqu   ? PackEslBytes(v, e.Sat(), e.Lum())
                        : bar->Element() == TGrdElement::geSat ? PackEslBytes(e.Hue(), v, e.Lum())
                                                               : PackEslBytes(e.Hue(), e.Sat(), v));
        }
        break;
    }
    case TGrdElement::geRed:
    case TGrdElement::geGreen:
    case TGrdElement::geBlue: {
        int level = x >= width - 1 ? 255 : std::max(x, 0) * 255 / width;
        if (right) {
            level = WebLevel(static_cast<std::uint8_t>(level));
        }
        const auto l = static_cast<std::uint8_t>(level);
        const TColor c = SelectedColor();
        SetColorValue(bar->Element() == TGrdElement::geRed     ? WithRed(c, l)
                      : bar->Element() == TGrdElement::geGreen ? WithGreen(c, l)
                                                               : WithBlue(c, l));
        break;
    }
    }
    ProcessPendingMessages();
    if (settings_.NoHideGrdPointer) {
        GBSet->RepaintBars();
    } else {
        for (int index = 1; index <= 3; ++index) {
            if (GBSet->Bar(index) != bar) {
                GBSet->RepaintBar(index);
            }
        }
    }
    RefreshTagSamples();
}

void TForm1::ImageESLMouseUp() {
    EndBarDrag();
    for (TGrdBar* bar : {GBSet->Bar1(), GBSet->Bar2(), GBSet->Bar3()}) {
        bar->SetShowPointer(true);
    }
}

void TForm1::EndBarDrag() {
    BarDragging = false;
    for (TGrdBar* bar : {GBSet->Bar1(), GBSet->Bar2(), GBSet->Bar3()}) {
        bar->EndConfinedDrag();
    }
}

void TForm1::SetEditMode(TEditMode m) {
    Updating = true;
    const TModeLook& look = LookOf(m);
    (m == TEditMode::emRgb ? btnGbmRGB : btnGbmESL)->setChecked(true);
    LabelEqu->setText(look.labels[0]);
    LabelSat->setText(look.labels[1]);
    LabelLum->setText(look.labels[2]);
    Panel1->resize(look.panel1Width, Panel1->height());
    TUpDown* const ups[] = {udEqu, udSat, udLum};
    for (int i = 0; i < 3; ++i) {
        ups[i]->SetMax(static_cast<std::int16_t>(look.maxima[i]));
    }
    const TColor c = SelectedColor();
    switch (m) {
    case TEditMode::emEsl: {
        const EslBytes e = GetEslBytes();
        udEqu->SetPosition(e.Hue());
        udSat->SetPosition(e.Sat());
        udLum->SetPosition(e.Lum());
        break;
    }
    case TEditMode::emRgb:
        udEqu->SetPosition(RedOf(c));
        udSat->SetPosition(GreenOf(c));
        udLum->SetPosition(BlueOf(c));
        break;
    case TEditMode::emHsv: {
        const HsvEsl t = GetHsvEsl();
        udEqu->SetPosition(t.hue);
        udSat->SetPosition(t.sat);
        udLum->SetPosition(t.lum);
        break;
    }
    }
    GBSet->SetGrdBarsMode(m == TEditMode::emRgb ? TGrdBarsMode::gbmRGB : TGrdBarsMode::gbmESL);
    Updating = false;
    GBSet->RepaintBar(2);
    GBSet->RepaintBar(3);
}

void TForm1::SelectEditMode(int rgb) {
    SetEditMode(rgb == 1           ? TEditMode::emRgb
                : settings_.UseHSV ? TEditMode::emHsv
                                   : TEditMode::emEsl);
}

void TForm1::miGbmClick(QObject* sender) {
    SelectEditMode(sender == miGbmESL || sender == btnGbmESL ? 0 : 1);
}

void TForm1::SetUseHsv(bool on) {
    settings_.UseHSV = on;
    const QString word = on ? "HSV" : "ESL";
    btnGbmESL->setText(word);
    btnGbmESL->setToolTip(QString("グラデーションバーの編集モードを%1に変更します。").arg(word));
    miGbmESL->setText(on ? "&HSV" : "&ESL");
    if (GBSet->GrdBarsMode() == TGrdBarsMode::gbmESL) {
        SetEditMode(on ? TEditMode::emHsv : TEditMode::emEsl);
    }
}

void TForm1::ColorLookupChange() {
    ChangeColor(ColorLookup->GetSelectedColor());
}

void TForm1::hsxpnlsChange(THsxPanel* sender) {
    if (sender && !sender->Dragging()) {
        ChangeColor(sender->Color());
    }
}

void TForm1::hsxpnlsMouseLeave(THsxPanel* sender) {
    if (sender->HoldsCapture()) {
        StartPanelDrag(sender);
    }
}

} // namespace tintora
