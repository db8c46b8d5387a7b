#include "widgets/GrdBarPainter.h"

#include "widgets/GrdBarPointer.h"
#include "widgets/GrdBarRamp.h"

#include <cstddef>
#include <cstring>
#include <span>

namespace tintora {

QImage PaintGrdBar(const TGrdBarPaintInput& input) {
    QImage image;
    PaintGrdBar(input, image);
    return image;
}

void PaintGrdBar(const TGrdBarPaintInput& input, QImage& image) {
    if (input.Width < 1 || input.Height < 1) {
        image = QImage();
        return;
    }
    if (image.width() != input.Width || image.height() != input.Height ||
        image.format() != QImage::Format_RGB32) {
        image = QImage(input.Width, input.Height, QImage::Format_RGB32);
    }
    if (image.isNull()) { // out of memory: nothing to paint into
        return;
    }

    const EslBytes esl = FineToEslBytes(input.BarEsl);
    const auto width = static_cast<std::size_t>(input.Width);
    auto* first = reinterpret_cast<QRgb*>(image.scanLine(0));
    FillGrdBarRow(input.Element, input.BarColor, esl, input.Colors.BtnFace.rgb(),
                  std::span<QRgb>(first, width));
    const std::size_t rowBytes = width * sizeof(QRgb);
    for (int y = 1; y < input.Height; ++y) {
        std::memcpy(image.scanLine(y), first, rowBytes);
    }

    if (input.ShowPointer) {
        const int x = GrdBarPointerX(input.Element, input.Width, input.BarColor, esl);
        DrawGrdBarPointer(image, input.Pointer, x, input.Colors);
    }
}

} // namespace tintora
