#pragma once

// Reading the tag sample pictures back in the program's own colour terms.

#include "color/Color.h"
#include "widgets/SystemColors.h"

#include <cstdint>

#include <QImage>

namespace tintora::test {

// As RRGGBB, so that a failure prints the colour the way HTML writes it.
inline std::uint32_t At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

inline std::uint32_t Hex(TColor c) {
    return ColorToRgbHex(c);
}

// Frame colours apart from everything the tests paint with.
inline constexpr std::uint32_t ShadowHex = 0x6A6A6A, HighlightHex = 0xF8F8F8;

inline TSystemColors SampleColors() {
    const auto q = [](std::uint32_t rrggbb) { return QColor::fromRgb(static_cast<QRgb>(rrggbb)); };
    return {q(0xD4D0C8), q(ShadowHex), q(HighlightHex), q(0xE0E0E0), q(0x404040)};
}

// Whether any pixel of the rectangle has exactly the colour.
inline bool Contains(const QImage& image, int left, int top, int right, int bottom,
                     std::uint32_t rrggbb) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (At(image, x, y) == rrggbb) {
                return true;
            }
        }
    }
    return false;
}

// The frame's pixels that are not in its colour, counted; 0 for an intact frame.
inline int FrameFaults(const QImage& image) {
    const int r = image.width() - 1;
    const int b = image.height() - 1;
    int faults = 0;
    for (int x = 0; x < r; ++x) {
        faults += At(image, x, 0) != ShadowHex;
    }
    for (int y = 0; y < b; ++y) {
        faults += At(image, 0, y) != ShadowHex;
    }
    for (int y = 0; y <= b; ++y) {
        faults += At(image, r, y) != HighlightHex;
    }
    for (int x = 0; x <= r; ++x) {
        faults += At(image, x, b) != HighlightHex;
    }
    return faults;
}

} // namespace tintora::test
