#pragma once

// The colours along one gradient bar: the top pixel row, computed column by column, and the
// column the pointer marks. Every row of a bar is this row; only the pointer differs.

#include "color/Color.h"
#include "color/Esl.h"
#include "editor/GrdBarTypes.h"

#include <span>

#include <QRgb>

namespace tintora {

// Writes row[0 .. row.size() - 1] (the bar's width) as 0xffRRGGBB. `esl` is the selected colour
// at the 240 scale, `color` the same colour as a colour value; a bar shows what the colour would
// become if only its element changed. The ramps cover:
//   geEqu   columns 0..239, hue 0..239 at the colour's saturation and luminance
//   geSat   columns 0..243, saturation 0, 4, .., 240 in steps of four columns
//   geLum   columns 0..240, black at 0, the pure colour (luminance 120) at 120, white at 240
//   geRed, geGreen, geBlue   every column: level column * 255 / width
// Columns a ramp does not reach get `unreached`. An element without a name writes `unreached` to
// the whole row.
void FillGrdBarRow(TGrdElement element, TColor color, EslBytes esl, QRgb unreached,
                   std::span<QRgb> row);

// The column of the pointer: the hue, saturation or luminance (0..240) for those elements, and
// width * channel / 255 (0..width) for the channel elements. It may lie beyond the last column.
// width >= 1.
int GrdBarPointerX(TGrdElement element, int width, TColor color, EslBytes esl);

// A colour value as the pixel value of a 24-bit QImage (QImage::Format_RGB32), and back.
constexpr QRgb ColorToPixel(TColor c) {
    return 0xFF000000u | (QRgb{RedOf(c)} << 16) | (QRgb{GreenOf(c)} << 8) | QRgb{BlueOf(c)};
}
constexpr TColor PixelToColor(QRgb pixel) {
    return MakeColor(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                     static_cast<std::uint8_t>(pixel));
}

} // namespace tintora
