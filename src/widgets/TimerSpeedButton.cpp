#include "widgets/TimerSpeedButton.h"

#include "platform/QtTimers.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

namespace tintora {

TTimerSpeedButton::TTimerSpeedButton(ITimerSource& timers, QWidget* parent)
    : QToolButton(parent), timers_(timers) {
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent) : TTimerSpeedButton(QtTimers(), parent) {}

TTimerSpeedButton::~TTimerSpeedButton() = default;

void TTimerSpeedButton::SetFocusRectShown(bool shown) {
    if (focusRectShown_ != shown) {
        focusRectShown_ = shown;
        update();
    }
}

void TTimerSpeedButton::SetGlyph(const QPixmap& glyph, int numGlyphs) {
    QIcon icon;
    if (!glyph.isNull()) {
        const int count = std::max(1, numGlyphs);
        const int width = glyph.width() / count;
        const QSize size(width, glyph.height());
        icon.addPixmap(glyph.copy(0, 0, width, glyph.height()), QIcon::Normal);
        if (count > 1) {
            icon.addPixmap(glyph.copy(width, 0, width, glyph.height()), QIcon::Disabled);
        }
        setIconSize(size);
    }
    setIcon(icon);
}

void TTimerSpeedButton::Click() {
    emit clicked();
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    QToolButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isDown()) {
        return;
    }
    held_ = true;
    if (autoRepeat_) {
        if (!repeat_) {
            repeat_ = timers_.MakeTimer();
            repeat_->SetOnTick([this] { Tick(); });
        }
        repeat_->Start(kFirstRepeatMs);
    }
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        held_ = false;
    }
    QToolButton::mouseReleaseEvent(event);
    if (repeat_) {
        repeat_->Stop();
    }
}

void TTimerSpeedButton::Tick() {
    repeat_->SetInterval(kRepeatMs);
    if (!isDown() || !held_) {
        return;
    }
    // An error out of a repeated step must not leave the timer stepping on and on.
    try {
        Click();
    } catch (...) {
        repeat_->Stop();
        throw;
    }
}

void TTimerSpeedButton::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    if (!focusRectShown_) {
        return;
    }
    QRect frame = rect().adjusted(3, 3, -4, -4);
    if (isDown()) {
        frame.translate(1, 1);
    }
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.drawRect(frame);
}

} // namespace tintora
