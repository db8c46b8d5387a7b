#include "widgets/GrdBarRamp.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace tintora {

namespace {

// The ramps step by a single-precision quotient on purpose: a spread of 1 over 40 columns gives
// 0.025f, a hair above 1/40, so column 20 rounds up to 1 where the exact step would give the half
// and round it down. Each product n * step is rounded to the nearest integer, halves to even (a
// spread of 255 gives 6.375 per column, so halves are common).
//
// Every such float step is 0 or at least 1/120, so it is a whole multiple of 2^-32 below 2^35 in
// those units, and n * step is exact in 64-bit integers: rounding is a shift, independent of the
// floating-point rounding mode and cheaper than going through double for every column.
constexpr int StepShift = 32;

constexpr std::uint64_t FixedStep(int spread, int columns) {
    const float step = static_cast<float>(spread) / static_cast<float>(columns);
    return static_cast<std::uint64_t>(static_cast<double>(step) * 0x1p32);
}

constexpr bool StepsAreExact(int columns) {
    for (int spread = 0; spread <= 255; ++spread) {
        const float step = static_cast<float>(spread) / static_cast<float>(columns);
        if (static_cast<double>(FixedStep(spread, columns)) != static_cast<double>(step) * 0x1p32) {
            return false;
        }
    }
    return true;
}
static_assert(StepsAreExact(40) && StepsAreExact(120));

// A multiple of 2^-32 rounded to the nearest integer, halves to even.
constexpr int RoundFixed(std::uint64_t product) {
    const std::uint64_t oddWhole = (product >> StepShift) & 1;
    constexpr std::uint64_t halfUnit = std::uint64_t{1} << (StepShift - 1);
    return static_cast<int>((product + halfUnit - 1 + oddWhole) >> StepShift);
}

void FillTail(std::span<QRgb> row, std::size_t covered, QRgb unreached) {
    if (row.size() > covered) {
        std::fill(row.begin() + static_cast<std::ptrdiff_t>(covered), row.end(), unreached);
    }
}

constexpr std::size_t HueColumns = 240;
constexpr std::size_t HueColumnsPerSixth = 40;

void FillHue(EslBytes esl, QRgb unreached, std::span<QRgb> row) {
    const auto [lo, hi] = EslChannelRange(esl.Sat() * 15, esl.Lum() * 15);
    const std::uint64_t step = FixedStep(hi - lo, static_cast<int>(HueColumnsPerSixth));
    std::array<int, HueColumnsPerSixth> rise{};
    for (std::size_t t = 0; t < rise.size(); ++t) {
        rise[t] = RoundFixed(t * step);
    }
    const int l = lo;
    const int h = hi;
    const std::size_t columns = std::min(row.size(), HueColumns);
    for (std::size_t k = 0; k < columns; ++k) {
        const int d = rise[k % HueColumnsPerSixth];
        QRgb pixel = 0;
        switch (k / HueColumnsPerSixth) {
        case 0:
            pixel = qRgb(h, l + d, l);
            break;
        case 1:
            pixel = qRgb(h - d, h, l);
            break;
        case 2:
            pixel = qRgb(l, h, l + d);
            break;
        case 3:
            pixel = qRgb(l, h - d, h);
            break;
        case 4:
            pixel = qRgb(l + d, l, h);
            break;
        default:
            pixel = qRgb(h, l, h - d);
            break;
        }
        row[k] = pixel;
    }
    FillTail(row, columns, unreached);
}

constexpr int SatSteps = 61;
constexpr std::size_t SatColumnsPerStep = 4;

void FillSat(EslBytes esl, QRgb unreached, std::span<QRgb> row) {
    std::size_t column = 0;
    for (int k = 0; k < SatSteps && column < row.size(); ++k) {
        const auto sat = static_cast<std::uint8_t>(4 * k);
        const QRgb pixel = ColorToPixel(EslBytesToColor(PackEslBytes(esl.Hue(), sat, esl.Lum())));
        const std::size_t end = std::min(row.size(), column + SatColumnsPerStep);
        std::fill(row.begin() + static_cast<std::ptrdiff_t>(column),
                  row.begin() + static_cast<std::ptrdiff_t>(end), pixel);
        column = end;
    }
    FillTail(row, column, unreached);
}

constexpr std::size_t LumMiddle = 120;
constexpr std::size_t LumColumns = 241;

void FillLum(EslBytes esl, QRgb unreached, std::span<QRgb> row) {
    const TColor mid = EslBytesToColor(PackEslBytes(esl.Hue(), esl.Sat(), 120));
    const std::array<int, 3> c0 = {RedOf(mid), GreenOf(mid), BlueOf(mid)};
    std::array<std::uint64_t, 3> stepUp{};
    for (std::size_t i = 0; i < 3; ++i) {
        stepUp[i] = FixedStep(255 - c0[i], 120);
    }

    const std::size_t dark = std::min(row.size(), LumMiddle);
    for (std::size_t n = 0; n < dark; ++n) {
        const int k = static_cast<int>(n);
        row[n] = qRgb(k * c0[0] / 120, k * c0[1] / 120, k * c0[2] / 120);
    }
    // From the middle up each channel climbs from c0 by its step, offset so that column 120 lands
    // on c0 and column 240 on 255. The products n * step are kept as running sums (exact in
    // integers), which spares a 64-bit multiplication per channel and column. The rounded values
    // stay in 0..255; the clamp only guards against a step that rounded up.
    std::array<std::uint64_t, 3> product{};
    std::array<int, 3> offset{};
    for (std::size_t i = 0; i < 3; ++i) {
        product[i] = LumMiddle * stepUp[i];
        offset[i] = 2 * c0[i] - 255;
    }
    const auto light = [&](std::size_t i) {
        const int level = std::clamp(RoundFixed(product[i]) + offset[i], 0, 255);
        product[i] += stepUp[i];
        return level;
    };
    const std::size_t columns = std::min(row.size(), LumColumns);
    for (std::size_t n = dark; n < columns; ++n) {
        const int r = light(0);
        const int g = light(1);
        const int b = light(2);
        row[n] = qRgb(r, g, b);
    }
    FillTail(row, columns, unreached);
}

// Bit position of the element's channel in a pixel (0xffRRGGBB).
int PixelShift(TGrdElement element) {
    switch (element) {
    case TGrdElement::geRed:
        return 16;
    case TGrdElement::geGreen:
        return 8;
    default:
        return 0;
    }
}

void FillChannel(TGrdElement element, TColor color, std::span<QRgb> row) {
    const int shift = PixelShift(element);
    const QRgb others = ColorToPixel(color) & ~(QRgb{0xFF} << shift);
    const std::size_t width = row.size();
    for (std::size_t c = 0; c < width; ++c) {
        row[c] = others | (static_cast<QRgb>(c * 255 / width) << shift);
    }
}

std::uint8_t ChannelOf(TGrdElement element, TColor color) {
    switch (element) {
    case TGrdElement::geRed:
        return RedOf(color);
    case TGrdElement::geGreen:
        return GreenOf(color);
    default:
        return BlueOf(color);
    }
}

} // namespace

void FillGrdBarRow(TGrdElement element, TColor color, EslBytes esl, QRgb unreached,
                   std::span<QRgb> row) {
    switch (element) {
    case TGrdElement::geEqu:
        FillHue(esl, unreached, row);
        return;
    case TGrdElement::geSat:
        FillSat(esl, unreached, row);
        return;
    case TGrdElement::geLum:
        FillLum(esl, unreached, row);
        return;
    case TGrdElement::geRed:
    case TGrdElement::geGreen:
    case TGrdElement::geBlue:
        FillChannel(element, color, row);
        return;
    }
    FillTail(row, 0, unreached);
}

int GrdBarPointerX(TGrdElement element, int width, TColor color, EslBytes esl) {
    switch (element) {
    case TGrdElement::geEqu:
        return esl.Hue();
    case TGrdElement::geSat:
        return esl.Sat();
    case TGrdElement::geLum:
        return esl.Lum();
    case TGrdElement::geRed:
    case TGrdElement::geGreen:
    case TGrdElement::geBlue:
        return width * ChannelOf(element, color) / 255;
    }
    return 0;
}

} // namespace tintora
