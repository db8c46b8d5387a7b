#include "widgets/SampleBox.h"

#include <utility>

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace tintora {

TSampleBox::TSampleBox(QSize size, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(size);
}

void TSampleBox::SetPaintRoutine(TPaintRoutine routine) {
    routine_ = std::move(routine);
    update();
}

void TSampleBox::paintEvent(QPaintEvent*) {
    if (picture_.size() != size()) {
        // Until something is painted the box shows the face its parent would.
        picture_ = QImage(size(), QImage::Format_RGB32);
        picture_.fill(palette().color(QPalette::Button));
    }
    if (routine_) {
        routine_(picture_);
    }
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

void TSampleBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit DoubleClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace tintora
