#include "widgets/ImageView.h"

#include <QPainter>

namespace tintora {

TImageView::TImageView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImageView::DrawImage(const QImage& image) {
    QPainter painter(&shown_);
    painter.drawImage(0, 0, image);
    painter.end();
    update();
}

QRgb TImageView::PixelAt(QPoint p) const {
    return shown_.valid(p) ? shown_.pixel(p) : palette().color(QPalette::Button).rgb();
}

void TImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
}

void TImageView::resizeEvent(QResizeEvent*) {
    // A new surface starts as the panel's face, which a click without a move then picks.
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Button));
    QPainter painter(&grown);
    painter.drawImage(0, 0, shown_);
    painter.end();
    shown_ = grown;
}

} // namespace tintora
