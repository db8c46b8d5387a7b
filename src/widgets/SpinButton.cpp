#include "widgets/SpinButton.h"

#include "platform/QtTimers.h"
#include "widgets/SpinGlyphs.h"
#include "widgets/TimerSpeedButton.h"

#include <QKeyEvent>

namespace tintora {

TSpinButton::TSpinButton(ITimerSource& timers, QWidget* parent)
    : QWidget(parent), up_(new TTimerSpeedButton(timers, this)),
      down_(new TTimerSpeedButton(timers, this)), active_(up_) {
    for (TTimerSpeedButton* arrow : {up_, down_}) {
        arrow->SetAutoRepeat(true);
        arrow->setCursor(Qt::ArrowCursor);
        connect(arrow, &TTimerSpeedButton::pressed, this, [this, arrow] { ArrowPressed(arrow); });
    }
    connect(up_, &TTimerSpeedButton::clicked, this, [this] { emit OnUpClick(this); });
    connect(down_, &TTimerSpeedButton::clicked, this, [this] { emit OnDownClick(this); });
    SetUpGlyph(QPixmap());
    SetDownGlyph(QPixmap());
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(kMinWidth);
    resize(20, 25);
}

TSpinButton::TSpinButton(QWidget* parent) : TSpinButton(QtTimers(), parent) {}

void TSpinButton::SetUpGlyph(const QPixmap& glyph) {
    upGlyph_ = glyph.isNull() ? DefaultUpGlyph() : glyph;
    if (glyph.isNull()) {
        upNumGlyphs_ = 1;
    }
    up_->SetGlyph(upGlyph_, upNumGlyphs_);
}

void TSpinButton::SetUpNumGlyphs(int count) {
    upNumGlyphs_ = count;
    up_->SetGlyph(upGlyph_, upNumGlyphs_);
}

void TSpinButton::SetDownGlyph(const QPixmap& glyph) {
    downGlyph_ = glyph.isNull() ? DefaultDownGlyph() : glyph;
    if (glyph.isNull()) {
        downNumGlyphs_ = 1;
    }
    down_->SetGlyph(downGlyph_, downNumGlyphs_);
}

void TSpinButton::SetDownNumGlyphs(int count) {
    downNumGlyphs_ = count;
    down_->SetGlyph(downGlyph_, downNumGlyphs_);
}

void TSpinButton::resizeEvent(QResizeEvent*) {
    // The minimum width keeps the control at least kMinWidth wide however it is sized.
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

bool TSpinButton::CanTakeFocus() const {
    return (focusPolicy() & Qt::TabFocus) != 0 && isEnabled() && isVisible();
}

void TSpinButton::ArrowPressed(TTimerSpeedButton* arrow) {
    SetActiveArrow(arrow);
    if (focusControl_ && (focusControl_->focusPolicy() & Qt::TabFocus) != 0 &&
        focusControl_->isEnabled() && focusControl_->isVisible()) {
        if (!focusControl_->hasFocus()) {
            focusControl_->setFocus(Qt::MouseFocusReason);
        }
    } else if (CanTakeFocus() && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
    }
}

void TSpinButton::SetActiveArrow(TTimerSpeedButton* arrow) {
    if (!CanTakeFocus() || arrow == active_) {
        return;
    }
    active_->SetFocusRectShown(false);
    active_ = arrow;
    if (hasFocus()) {
        active_->SetFocusRectShown(true);
    }
}

void TSpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        active_->Click();
        break;
    case Qt::Key_Up:
        SetActiveArrow(up_);
        up_->Click();
        break;
    case Qt::Key_Down:
        SetActiveArrow(down_);
        down_->Click();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TSpinButton::focusInEvent(QFocusEvent* event) {
    active_->SetFocusRectShown(true);
    QWidget::focusInEvent(event);
}

void TSpinButton::focusOutEvent(QFocusEvent* event) {
    active_->SetFocusRectShown(false);
    QWidget::focusOutEvent(event);
}

} // namespace tintora
