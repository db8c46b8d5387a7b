#include "widgets/Frame3D.h"

#include <QPainter>

namespace tintora {

void Frame3D(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight,
             int width) {
    for (int ring = 0; ring < width && rect.width() > 0 && rect.height() > 0; ++ring) {
        const int l = rect.left();
        const int t = rect.top();
        const int r = rect.right();                       // inclusive
        const int b = rect.bottom();                      // inclusive
        painter.fillRect(QRect(l, t, r - l, 1), topLeft); // top row, up to the corner
        painter.fillRect(QRect(l, t, 1, b - t), topLeft); // left column, above the corner
        painter.fillRect(QRect(r, t, 1, b - t + 1), bottomRight);
        painter.fillRect(QRect(l, b, r - l + 1, 1), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace tintora
