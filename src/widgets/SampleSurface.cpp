#include "widgets/SampleSurface.h"

#include "widgets/Frame3D.h"

#include <algorithm>

#include <QPainter>

namespace tintora {

void PaintBgTiles(QImage& surface, int width, int height, const QImage& picture) {
    const int w = picture.width();
    const int h = picture.height();
    if (surface.isNull() || w <= 0 || h <= 0) {
        return;
    }
    // A blit copies colours, not coverage: without this a transparent pixel would let the back
    // colour through.
    const QImage opaque =
        picture.hasAlphaChannel() ? picture.convertToFormat(QImage::Format_RGB32) : picture;

    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // Integer division truncating toward zero, also for a box lower than two pixels.
    for (int k = 0; k <= (height - 2) / h; ++k) {
        painter.drawImage(1, 1 + k * h, opaque);
    }
    const int stripHeight = height - 2;
    if (stripHeight <= 0) {
        return;
    }
    // Columns of the strip beyond the surface would only be clipped away.
    const int stripWidth = std::min(w, surface.width() - 1);
    if (stripWidth <= 0) {
        return;
    }
    painter.end();
    const QImage strip = surface.copy(1, 1, stripWidth, stripHeight);
    painter.begin(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // k = 0 would copy the strip onto itself.
    for (int k = 1; k <= (width - 2) / w; ++k) {
        painter.drawImage(1 + k * w, 1, strip);
    }
}

void PaintSunkenFrame(QPainter& painter, int width, int height, const TSystemColors& colors) {
    QRect rect(0, 0, width, height);
    Frame3D(painter, rect, colors.BtnShadow, colors.BtnHighlight, 1);
}

} // namespace tintora
