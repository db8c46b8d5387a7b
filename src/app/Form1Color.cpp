// The colour editor's wiring: the fields, bars, mode buttons, named colours and swatches forward
// to the colour controller, and the window shows what the controller gives it.

#include "app/Form1.h"
#include "app/PageControls.h"
#include "widgets/ColorLookupComboBox.h"
#include "widgets/ColorPanel.h"
#include "widgets/FieldCharsValidator.h"
#include "widgets/GrdBar.h"
#include "widgets/GrdBarSet.h"
#include "widgets/HsxPanel.h"
#include "widgets/SampleBox.h"
#include "widgets/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace tintora {

void TForm1::ConnectColorEditor() {
    for (QLineEdit* edit : {EditEqu, EditSat, EditLum}) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { EditESLChange(edit); });
    }
    connect(EditRGB, &QLineEdit::textChanged, this, [this] { EditRGBChange(); });
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
    for (QToolButton* sender : {btnGbmESL, btnGbmRGB}) {
        connect(sender, &QToolButton::clicked, this, [this, sender] { miGbmClick(sender); });
    }
    for (QAction* sender : {miGbmESL, miGbmRGB}) {
        connect(sender, &QAction::triggered, this, [this, sender] { miGbmClick(sender); });
    }
    connect(ColorLookup, &TColorLookupComboBox::Change, this, [this] { ColorLookupChange(); });
    const auto connectSwatch = [this](THsxPanel* swatch) {
        connect(swatch, &THsxPanel::Change, this, &TForm1::hsxpnlsChange);
        connect(swatch, &THsxPanel::MouseLeave, this,
                [this](THsxPanel* sender, Qt::KeyboardModifiers, Qt::MouseButtons, QPoint) {
                    hsxpnlsMouseLeave(sender);
                });
    };
    for (THsxPanel* swatch : font_->Swatches()) {
        connectSwatch(swatch);
    }
    for (THsxPanel* swatch : body_->Swatches()) {
        connectSwatch(swatch);
    }
}

void TForm1::ShowBarForms(TColor color, FineEsl esl) {
    GBSet->SetBarColor(color);
    GBSet->SetBarEsl(esl);
}

void TForm1::ShowSelectedColor(TColor color) {
    ColorPanel->SetColor(color);
    if (THsxPanel* font = SelectedFontPanel()) {
        font->SetColor(color);
    }
    if (THsxPanel* body = SelectedBodyPanel()) {
        body->SetColor(color);
    }
}

void TForm1::ShowRgbText(const std::string& text) {
    EditRGB->setText(QString::fromStdString(text));
}

void TForm1::ShowFieldValues(const std::array<int, 3>& values) {
    EditEqu->setText(QString::number(values[0]));
    EditSat->setText(QString::number(values[1]));
    EditLum->setText(QString::number(values[2]));
}

void TForm1::ShowEditMode(TEditMode mode, const TEditModeLook& look,
                          const std::array<int, 3>& values) {
    (mode == TEditMode::emRgb ? btnGbmRGB : btnGbmESL)->setChecked(true);
    LabelEqu->setText(look.Labels[0]);
    LabelSat->setText(look.Labels[1]);
    LabelLum->setText(look.Labels[2]);
    Panel1->resize(look.Panel1Width, Panel1->height());
    TUpDown* const ups[] = {udEqu, udSat, udLum};
    for (std::size_t i = 0; i < 3; ++i) {
        ups[i]->SetMax(static_cast<std::int16_t>(look.Maxima[i]));
    }
    for (std::size_t i = 0; i < 3; ++i) {
        ups[i]->SetPosition(values[i]);
    }
    GBSet->SetGrdBarsMode(mode == TEditMode::emRgb ? TGrdBarsMode::gbmRGB : TGrdBarsMode::gbmESL);
}

void TForm1::ShowScaleName(std::string_view name) {
    const QString word = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    btnGbmESL->setText(word);
    btnGbmESL->setToolTip(QString("グラデーションバーの編集モードを%1に変更します。").arg(word));
    miGbmESL->setText("&" + word);
}

void TForm1::ProcessPendingMessages() {
    if (pumping_) {
        return;
    }
    pumping_ = true;
    QCoreApplication::processEvents();
    pumping_ = false;
}

void TForm1::RepaintBar(int index) {
    GBSet->RepaintBar(index);
}

void TForm1::BeginBarDrag(int index, bool hidePointer) {
    TGrdBar* bar = GBSet->Bar(index);
    QLineEdit* const edits[] = {EditEqu, EditSat, EditLum};
    edits[index - 1]->setFocus(Qt::MouseFocusReason);
    bar->BeginConfinedDrag();
    if (hidePointer) {
        bar->SetShowPointer(false);
    }
}

void TForm1::EndBarDrag(bool showPointers) {
    for (TGrdBar* bar : {GBSet->Bar1(), GBSet->Bar2(), GBSet->Bar3()}) {
        bar->EndConfinedDrag();
    }
    if (showPointers) {
        for (TGrdBar* bar : {GBSet->Bar1(), GBSet->Bar2(), GBSet->Bar3()}) {
            bar->SetShowPointer(true);
        }
    }
}

void TForm1::RefreshTagSamples() {
    if (!TagPagesShown()) {
        return;
    }
    (IsFontPageShown() ? font_->GrdSample : body_->BodySample)->repaint();
    RefreshContrast();
    RequestDynamicPreview();
}

void TForm1::EditESLChange(QLineEdit* sender) {
    const int caret = sender->cursorPosition();
    const int field = sender == EditEqu ? 0 : sender == EditSat ? 1 : 2;
    switch (colors_.EditESLChange(field, sender->text().toStdString())) {
    case TColorController::TFieldChange::fcIgnored:
        return;
    case TColorController::TFieldChange::fcCleared:
        sender->clear();
        return;
    case TColorController::TFieldChange::fcApplied:
        sender->setCursorPosition(caret);
        colors_.FinishFieldChange();
        return;
    }
}

void TForm1::EditRGBChange() {
    const int caret = EditRGB->cursorPosition();
    if (colors_.EditRGBChange(EditRGB->text().toStdString())) {
        EditRGB->setCursorPosition(caret);
    }
}

// A character the field does not take is refused with a beep. Editing keys (Delete, the arrows,
// Home, End) and Ctrl shortcuts pass: only printable characters are filtered.
bool TForm1::EditsKeyPress(const QLineEdit* edit, const QKeyEvent* key) {
    const auto* chars = qobject_cast<const TFieldCharsValidator*>(edit->validator());
    const QString text = key->text();
    if (chars == nullptr || text.size() != 1 || !text.front().isPrint() ||
        (key->modifiers() & Qt::ControlModifier)) {
        return false;
    }
    if (chars->AcceptsChar(text.front())) {
        return false;
    }
    QApplication::beep();
    return true;
}

namespace {

int BarIndex(const TGrdBarSet* set, const TGrdBar* bar) {
    for (int index = 1; index <= 3; ++index) {
        if (set->Bar(index) == bar) {
            return index;
        }
    }
    return 0;
}

} // namespace

void TForm1::ImageESLMouseDown(TGrdBar* bar, Qt::MouseButtons buttons, QPoint pos) {
    if (const int index = BarIndex(GBSet, bar)) {
        colors_.ImageESLMouseDown(index, bar->width(), pos.x(), buttons & Qt::RightButton);
    }
}

void TForm1::ImageESLMouseMove(TGrdBar* bar, Qt::MouseButtons buttons, QPoint pos) {
    if (const int index = BarIndex(GBSet, bar)) {
        colors_.ImageESLMouseMove(index, bar->width(), pos.x(), buttons & Qt::RightButton);
    }
}

void TForm1::ImageESLMouseUp() {
    colors_.ImageESLMouseUp();
}

void TForm1::miGbmClick(QObject* sender) {
    SelectEditMode(sender == miGbmESL || sender == btnGbmESL ? 0 : 1);
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
