#include "widgets/GrdBar.h"

#include "widgets/GrdBarPainter.h"
#include "widgets/GrdBarSet.h"
#include "widgets/SystemColors.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tintora {

TGrdBar::TGrdBar(TGrdBarSet* owner) : QWidget(nullptr), owner_(owner) {
    // The picture covers every pixel, so erasing first would only flicker during a drag.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Moves without a button count too, as on any paint control; listeners ignore what they
    // do not need.
    setMouseTracking(true);
}

void TGrdBar::SetShowPointer(bool show) {
    if (show == showPointer_) {
        return;
    }
    showPointer_ = show;
    if (parentWidget()) {
        repaint();
    }
}

TGrdBarPaintInput TGrdBar::PaintInput() const {
    TGrdBarPaintInput input;
    input.Element = element_;
    input.Width = width();
    input.Height = height();
    input.BarColor = owner_->BarColor();
    input.BarEsl = owner_->BarEsl();
    input.Pointer = owner_->Pointer();
    input.ShowPointer = showPointer_;
    input.Colors = TSystemColors::From(palette());
    return input;
}

QImage TGrdBar::PaintImage() const {
    return PaintGrdBar(PaintInput());
}

void TGrdBar::Paint() {
    PaintGrdBar(PaintInput(), picture_);
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void TGrdBar::paintEvent(QPaintEvent* /*event*/) {
    Paint();
}

void TGrdBar::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(this, event->button(), event->buttons(), event->modifiers(),
                   event->position().toPoint());
}

void TGrdBar::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(this, event->buttons(), event->modifiers(), event->position().toPoint());
}

void TGrdBar::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(this, event->button(), event->buttons(), event->modifiers(),
                 event->position().toPoint());
}

void TGrdBar::BeginConfinedDrag() {
    grabMouse();
}

void TGrdBar::EndConfinedDrag() {
    if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
}

bool TGrdBar::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange) {
        WatchParent();
    }
    return QWidget::event(event);
}

bool TGrdBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedParent_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange)) {
        FitParent();
    }
    return QWidget::eventFilter(watched, event);
}

void TGrdBar::WatchParent() {
    if (watchedParent_) {
        watchedParent_->removeEventFilter(this);
    }
    watchedParent_ = parentWidget();
    if (watchedParent_) {
        watchedParent_->installEventFilter(this);
        FitParent();
    }
}

// Inside the parent's frame: the main window's panels have a one-pixel sunken bevel, which leaves
// 240 or 241 columns, one per value.
void TGrdBar::FitParent() {
    if (watchedParent_) {
        setGeometry(watchedParent_->contentsRect());
    }
}

} // namespace tintora
