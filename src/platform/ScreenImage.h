#pragma once

// A decoded picture of the core as a Qt image, without copying its pixels.

#include "images/PixelImage.h"

#include <QImage>

namespace tintora {

// A QImage::Format_RGB32 image that owns the picture's pixels; a null image for an empty picture.
QImage ScreenImage(TPixelImage picture);

} // namespace tintora
