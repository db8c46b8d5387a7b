#include "widgets/GrdBarPointer.h"

#include "color/ContrastColor.h"
#include "widgets/Frame3D.h"
#include "widgets/GrdBarRamp.h"

#include <algorithm>

#include <QImage>
#include <QPainter>

namespace tintora {

namespace {

// A rectangle given as left, top, right, bottom with right and bottom exclusive.
QRect Span(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// A rectangle turned inside out on a very low bar fills nothing, as an empty one would.
void Fill(QPainter& painter, const QRect& rect, const QColor& color) {
    if (!rect.isEmpty()) {
        painter.fillRect(rect, color);
    }
}

QColor ToQColor(TColor c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Halved toward black, and a third of the way left to white: the groove's shaded and lit edges
// keep the hue of the colour under the pointer.
QColor GrooveDark(TColor p) {
    return QColor(RedOf(p) / 2, GreenOf(p) / 2, BlueOf(p) / 2);
}
QColor GrooveLight(TColor p) {
    const auto lighten = [](int c) { return 255 - (255 - c) / 3; };
    return QColor(lighten(RedOf(p)), lighten(GreenOf(p)), lighten(BlueOf(p)));
}

} // namespace

void DrawGrdBarPointer(QImage& image, TPointerType pointer, int x, const TSystemColors& colors) {
    if (image.isNull() || static_cast<int>(pointer) > static_cast<int>(TPointerType::ptDot)) {
        return;
    }
    // Before the pointer every row is the same, so the pixel below row 1 stands for "the colour
    // under the pointer" on bars of any height.
    const int sampleX = std::clamp(x, 0, image.width() - 1);
    const int sampleY = std::min(1, image.height() - 1);
    const TColor p = PixelToColor(image.pixel(sampleX, sampleY));
    const int h = image.height();

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QRect rect;
    switch (pointer) {
    case TPointerType::ptPanel:
        rect = Span(x - 5, 0, x + 6, h);
        Fill(painter, rect, colors.BtnFace);
        Frame3D(painter, rect, Qt::white, Qt::black, 1);
        Frame3D(painter, rect, colors.Light3D, colors.BtnShadow, 1);
        break;
    case TPointerType::ptGroove:
        rect = Span(x - 6, 0, x + 7, h);
        Fill(painter, rect, colors.BtnFace);
        Frame3D(painter, rect, GrooveDark(p), GrooveLight(p), 4);
        break;
    case TPointerType::ptStruckOut:
        rect = Span(x - 5, 3, x + 6, h - 3);
        Frame3D(painter, rect, colors.BtnHighlight, colors.BtnShadow, 1);
        Frame3D(painter, rect, colors.BtnFace, colors.BtnFace, 2);
        break;
    case TPointerType::ptDugOut:
        rect = Span(x - 4, 4, x + 4, h - 4);
        Fill(painter, rect, ToQColor(NegativeColor(p)));
        Frame3D(painter, rect, QColor(0x80, 0x80, 0x80), colors.Light3D, 2);
        break;
    case TPointerType::ptDot: {
        const QColor dot = ToQColor(ContrastColor(p));
        painter.setPen(dot);
        painter.setBrush(dot);
        // An aliased outline covers one pixel more than the rectangle's size, so this fills
        // exactly the seven columns and rows of the exclusive rectangle.
        const QRect box = Span(x - 3, h / 2 - 3, x + 4, h / 2 + 4);
        painter.drawEllipse(box.adjusted(0, 0, -1, -1));
        break;
    }
    }
}

} // namespace tintora
