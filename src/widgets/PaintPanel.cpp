#include "widgets/PaintPanel.h"

#include "widgets/PanelDragDrop.h"
#include "widgets/PlainPanel.h"
#include "widgets/SystemColors.h"

#include <QMouseEvent>
#include <QPainter>

namespace tintora {

TPaintPanel::TPaintPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintPanel::SetDefaultPaint(bool value) {
    if (value == defaultPaint_) {
        return;
    }
    defaultPaint_ = value;
    update();
}

void TPaintPanel::paintEvent(QPaintEvent* /*event*/) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    const TSystemColors colors = TSystemColors::From(palette());
    if (buffer_.size() != pixels) {
        buffer_ = QImage(pixels, QImage::Format_RGB32);
        buffer_.fill(colors.BtnFace);
    }
    buffer_.setDevicePixelRatio(ratio);
    {
        QPainter canvas(&buffer_);
        if (defaultPaint_) {
            PaintPlainPanel(canvas, rect(), colors, TPanelBevel::pbLowered);
        }
        emit Paint(this, canvas);
    }
    QPainter(this).drawImage(0, 0, buffer_);
}

void TPaintPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        clickPending_ = true;
        dragCountAtPress_ = PanelDragCount();
    }
    emit MouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
}

void TPaintPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    clickPending_ = false;
    if (event->button() == Qt::LeftButton) {
        emit DoubleClick(this);
    }
    emit MouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
}

void TPaintPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !clickPending_) {
        return;
    }
    clickPending_ = false;
    if (rect().contains(event->position().toPoint()) && PanelDragCount() == dragCountAtPress_) {
        emit Click(this);
    }
}

} // namespace tintora
