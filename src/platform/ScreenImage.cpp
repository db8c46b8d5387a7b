#include "platform/ScreenImage.h"

#include <cstdlib>

namespace tintora {

QImage ScreenImage(TPixelImage picture) {
    if (picture.Empty() || picture.Width <= 0 || picture.Height <= 0) {
        return {};
    }
    // The core's pixels are 0xFFRRGGBB words, row after row, which is RGB32's own layout.
    std::uint32_t* pixels = picture.Pixels.Release();
    return QImage(reinterpret_cast<uchar*>(pixels), picture.Width, picture.Height,
                  static_cast<qsizetype>(picture.Width) * 4, QImage::Format_RGB32, &std::free,
                  pixels);
}

} // namespace tintora
