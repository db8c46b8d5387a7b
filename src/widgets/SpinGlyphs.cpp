#include "widgets/SpinGlyphs.h"

#include <QImage>

namespace tintora {

namespace {

// Set pixel by pixel rather than painted, so that no style or scale softens the small arrow.
QImage Triangle(bool pointsUp) {
    QImage image(8, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < 3; ++row) {
        const int half = pointsUp ? row : 2 - row;
        for (int x = 3 - half; x <= 3 + half; ++x) {
            image.setPixel(x, row, qRgb(0, 0, 0));
        }
    }
    return image;
}

} // namespace

// The images are kept, not the pixmaps: a pixmap may not outlive the application object.
QPixmap DefaultUpGlyph() {
    static const QImage glyph = Triangle(true);
    return QPixmap::fromImage(glyph);
}

QPixmap DefaultDownGlyph() {
    static const QImage glyph = Triangle(false);
    return QPixmap::fromImage(glyph);
}

} // namespace tintora
