// Pixels of the gradient bar pictures, built without a window.

#include "color/ContrastColor.h"
#include "widgets/GrdBarPainter.h"
#include "widgets/GrdBarRamp.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace tintora {
namespace {

constexpr int H = 16;

// Distinct from each other and from the fixed greys the pointers use, so that a swapped colour
// shows.
constexpr std::uint32_t Face = 0xD4D0C8, Shadow = 0x6A6A6A, Highlight = 0xF8F8F8,
                        Light3D = 0xE0E0E0;

QColor Q(std::uint32_t rrggbb) {
    return QColor::fromRgb(static_cast<QRgb>(rrggbb));
}

TGrdBarPaintInput Bar(TGrdElement element, int width, EslBytes esl,
                      TPointerType pointer = TPointerType::ptPanel, bool show = false) {
    TGrdBarPaintInput input{element, width, H, EslBytesToColor(esl), EslBytesToFine(esl),
                            pointer, show,  {}};
    input.Colors = {Q(Face), Q(Shadow), Q(Highlight), Q(Light3D), Q(0x101010)};
    return input;
}

TGrdBarPaintInput ChannelBar(TGrdElement element, std::uint32_t rrggbb) {
    TGrdBarPaintInput input = Bar(element, 241, {});
    input.BarColor = RgbHexToColor(rrggbb);
    return input;
}

// As RRGGBB, so that a failure prints the colour the way HTML writes it.
std::uint32_t At(const QImage& image, int x, int y = 0) {
    return ColorToRgbHex(PixelToColor(image.pixel(x, y)));
}
std::uint32_t Hex(EslBytes esl) {
    return ColorToRgbHex(EslBytesToColor(esl));
}

struct Pixel {
    int x, y;
    std::uint32_t rrggbb;
};
void ExpectPixels(const QImage& image, std::initializer_list<Pixel> pixels) {
    for (const Pixel& p : pixels) {
        EXPECT_EQ(At(image, p.x, p.y), p.rrggbb) << "at " << p.x << ',' << p.y;
    }
}

TEST(GrdBarRamp, HueRunsRoundTheCircleAtFullSaturation) {
    const QImage image = PaintGrdBar(Bar(TGrdElement::geEqu, 240, PackEslBytes(0, 240, 120)));
    ASSERT_EQ(image.size(), QSize(240, H));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    // The step is 255 / 40 = 6.375: column 4 is 25.5, column 12 is 76.5, both to even.
    ExpectPixels(image, {{0, 0, 0xFF0000},
                         {40, 0, 0xFFFF00},
                         {80, 0, 0x00FF00},
                         {120, 0, 0x00FFFF},
                         {160, 0, 0x0000FF},
                         {200, 0, 0xFF00FF},
                         {4, 0, 0xFF1A00},
                         {12, 0, 0xFF4C00},
                         {239, 0, 0xFF0006}});
}

// Luminance 1 leaves a spread of 2 and a float step of 0.05f, a hair above 1/20: column 10 comes
// to just over a half and rounds up, where the exact step would round the half down to 0.
TEST(GrdBarRamp, HueStepIsSinglePrecision) {
    const QImage image = PaintGrdBar(Bar(TGrdElement::geEqu, 240, PackEslBytes(0, 240, 1)));
    ExpectPixels(image, {{0, 0, 0x020000}, {10, 0, 0x020100}});
}

// Hue has 240 values; a wider bar's extra column has none and shows the button face, like the
// panel the bar sits in.
TEST(GrdBarRamp, GreyFlattensTheHueBarAndTheColumnPastTheCircleIsFace) {
    const QImage grey = PaintGrdBar(Bar(TGrdElement::geEqu, 241, PackEslBytes(90, 0, 120)));
    for (int x = 0; x < 240; ++x) {
        ASSERT_EQ(At(grey, x), 0x7F7F7Fu) << x;
    }
    EXPECT_EQ(At(grey, 240), Face);
}

TEST(GrdBarRamp, SaturationInStepsOfFourColumns) {
    const QImage image = PaintGrdBar(Bar(TGrdElement::geSat, 241, PackEslBytes(160, 17, 100)));
    for (int x = 0; x < 241; ++x) {
        const auto sat = static_cast<std::uint8_t>(x / 4 * 4);
        ASSERT_EQ(At(image, x), Hex(PackEslBytes(160, sat, 100))) << x;
    }
    EXPECT_NE(At(image, 3), At(image, 4));
    // Column 240 is the last step, saturation 240, cut to the one column left.
    EXPECT_EQ(At(image, 240), Hex(PackEslBytes(160, 240, 100)));
}

TEST(GrdBarRamp, LuminanceFromBlackThroughThePureColourToWhite) {
    const QImage image = PaintGrdBar(Bar(TGrdElement::geLum, 241, PackEslBytes(0, 240, 33)));
    // Below the middle n * 255 / 120, truncated. Above it green and blue climb 2.125 a column:
    // 122 gives 259.25, 124 gives 263.5 (to even, 264), 180 gives 382.5 (382), each less 255.
    ExpectPixels(image, {{0, 0, 0x000000},
                         {60, 0, 0x7F0000},
                         {119, 0, 0xFC0000},
                         {120, 0, 0xFF0000},
                         {122, 0, 0xFF0404},
                         {124, 0, 0xFF0909},
                         {180, 0, 0xFF7F7F},
                         {240, 0, 0xFFFFFF}});
}

// The float steps must not drift off the ends: the middle column is the pure colour and the last
// white for every hue and saturation.
TEST(GrdBarRamp, LuminanceEndsAreExactForEveryColour) {
    for (int hue = 0; hue < 240; hue += 7) {
        for (int sat = 0; sat <= 240; ++sat) {
            const auto e = static_cast<std::uint8_t>(hue);
            const auto s = static_cast<std::uint8_t>(sat);
            const QImage image = PaintGrdBar(Bar(TGrdElement::geLum, 241, PackEslBytes(e, s, 9)));
            ASSERT_EQ(At(image, 120), Hex(PackEslBytes(e, s, 120))) << hue << ' ' << sat;
            ASSERT_EQ(At(image, 240), 0xFFFFFFu) << hue << ' ' << sat;
        }
    }
}

TEST(GrdBarRamp, ChannelsRunOverTheWidthWithTheOtherTwoKept) {
    // 100 * 255 / 241 is 105; the last column never quite reaches 255.
    ExpectPixels(PaintGrdBar(ChannelBar(TGrdElement::geRed, 0x336699)),
                 {{0, 0, 0x006699}, {100, 0, 0x696699}, {240, 0, 0xFD6699}});
    ExpectPixels(PaintGrdBar(ChannelBar(TGrdElement::geGreen, 0x336699)), {{100, 0, 0x336999}});
    ExpectPixels(PaintGrdBar(ChannelBar(TGrdElement::geBlue, 0x336699)), {{240, 0, 0x3366FD}});
    TGrdBarPaintInput narrow = ChannelBar(TGrdElement::geGreen, 0x336699);
    narrow.Width = 100;
    ExpectPixels(PaintGrdBar(narrow), {{99, 0, 0x33FC99}});
}

// ptPanel marks column x with its outer white edge at x - 5 and its black edge at x + 5.
void ExpectPanelAt(TGrdBarPaintInput input, int x) {
    const QImage plain = PaintGrdBar(input);
    input.ShowPointer = true;
    const QImage image = PaintGrdBar(input);
    SCOPED_TRACE(x);
    EXPECT_EQ(At(image, x - 5, 8), 0xFFFFFFu);
    EXPECT_EQ(At(image, x - 6, 8), At(plain, x - 6, 8));
    if (x + 5 < image.width()) {
        EXPECT_EQ(At(image, x + 5, 8), 0x000000u);
    }
}

TEST(GrdBarPointer, SitsAtTheValueOfTheBarsElement) {
    const EslBytes esl = PackEslBytes(100, 37, 200);
    ExpectPanelAt(Bar(TGrdElement::geEqu, 240, esl), 100);
    ExpectPanelAt(Bar(TGrdElement::geSat, 241, esl), 37);
    ExpectPanelAt(Bar(TGrdElement::geLum, 241, esl), 200);
    ExpectPanelAt(ChannelBar(TGrdElement::geGreen, 0x008000), 120); // 241 * 128 / 255
    ExpectPanelAt(ChannelBar(TGrdElement::geBlue, 0x000033), 48);
    // Red at 255 puts the pointer one past the last column: half of it shows, shaded from the
    // last column (fd0000) rather than from a pixel outside the picture.
    ExpectPanelAt(ChannelBar(TGrdElement::geRed, 0xFF0000), 241);
    TGrdBarPaintInput groove = ChannelBar(TGrdElement::geRed, 0xFF0000);
    groove.ShowPointer = true;
    groove.Pointer = TPointerType::ptGroove;
    EXPECT_EQ(At(PaintGrdBar(groove), 235, 8), 0x7E0000u);
}

TEST(GrdBarPointer, OnlyThePointerColumnsDifferFromTheFirstRow) {
    const EslBytes esl = PackEslBytes(100, 180, 90);
    for (const auto element :
         {TGrdElement::geEqu, TGrdElement::geSat, TGrdElement::geLum, TGrdElement::geRed}) {
        const TGrdBarPaintInput plain = Bar(element, 241, esl);
        const QImage without = PaintGrdBar(plain);
        const int x = GrdBarPointerX(element, 241, plain.BarColor, esl);
        for (int look = 0; look <= 4; ++look) {
            const QImage image =
                PaintGrdBar(Bar(element, 241, esl, static_cast<TPointerType>(look), true));
            EXPECT_NE(image, without) << int(element) << ' ' << look;
            for (int y = 0; y < H; ++y) {
                for (int column = 0; column < 241; ++column) {
                    ASSERT_EQ(At(without, column, y), At(without, column)) << column << ',' << y;
                    if (column < x - 6 || column > x + 6) {
                        ASSERT_EQ(At(image, column, y), At(without, column))
                            << int(element) << ' ' << look << ' ' << column << ',' << y;
                    }
                }
            }
        }
    }
}

TEST(GrdBarPointer, HiddenOrUnknownPointerDrawsNothing) {
    const EslBytes esl = PackEslBytes(50, 240, 120);
    const QImage without = PaintGrdBar(Bar(TGrdElement::geEqu, 240, esl));
    EXPECT_EQ(PaintGrdBar(Bar(TGrdElement::geEqu, 240, esl, TPointerType::ptPanel, false)),
              without);
    for (const int unknown : {5, 255}) {
        EXPECT_EQ(PaintGrdBar(
                      Bar(TGrdElement::geEqu, 240, esl, static_cast<TPointerType>(unknown), true)),
                  without);
    }
}

// The looks on a flat grey bar (pointer at column 100), whose colour P = 7f7f7f lies under every
// part of the pointer.
QImage OnGrey(TPointerType look, std::uint8_t lum = 120) {
    return PaintGrdBar(Bar(TGrdElement::geEqu, 240, PackEslBytes(100, 0, lum), look, true));
}
constexpr std::uint32_t P = 0x7F7F7F;

TEST(GrdBarPointerLook, PanelIsARaisedButton) {
    // The top-right and bottom-left corners belong to the shaded edge.
    ExpectPixels(OnGrey(TPointerType::ptPanel), {{94, 8, P},
                                                 {95, 0, 0xFFFFFF},
                                                 {95, 14, 0xFFFFFF},
                                                 {95, 15, 0x000000},
                                                 {105, 0, 0x000000},
                                                 {100, 15, 0x000000},
                                                 {96, 1, Light3D},
                                                 {104, 8, Shadow},
                                                 {100, 14, Shadow},
                                                 {100, 8, Face},
                                                 {106, 8, P}});
}

TEST(GrdBarPointerLook, GrooveIsShadedFromTheColourUnderIt) {
    const std::uint32_t dark = 0x3F3F3F;  // 127 halved
    const std::uint32_t light = 0xD5D5D5; // 255 - 128 / 3
    ExpectPixels(OnGrey(TPointerType::ptGroove), {{93, 8, P},
                                                  {94, 8, dark},
                                                  {97, 8, dark},
                                                  {100, 3, dark},
                                                  {98, 8, Face},
                                                  {100, 4, Face},
                                                  {102, 8, Face},
                                                  {103, 8, light},
                                                  {106, 8, light},
                                                  {100, 12, light},
                                                  {107, 8, P}});
}

TEST(GrdBarPointerLook, StruckOutLetsTheRampShowInTheMiddle) {
    ExpectPixels(OnGrey(TPointerType::ptStruckOut), {{100, 2, P},
                                                     {95, 3, Highlight},
                                                     {95, 11, Highlight},
                                                     {95, 12, Shadow},
                                                     {105, 8, Shadow},
                                                     {96, 4, Face},
                                                     {97, 5, Face},
                                                     {103, 10, Face},
                                                     {98, 6, P},
                                                     {100, 8, P},
                                                     {100, 13, P}});
}

TEST(GrdBarPointerLook, DugOutIsFilledWithTheNegative) {
    const std::uint32_t p = Hex(PackEslBytes(0, 0, 200));
    const std::uint32_t negative = p ^ 0xFFFFFF;
    ExpectPixels(OnGrey(TPointerType::ptDugOut, 200), {{100, 3, p},
                                                       {95, 8, p},
                                                       {96, 4, 0x808080},
                                                       {97, 5, 0x808080},
                                                       {98, 6, negative},
                                                       {101, 9, negative},
                                                       {102, 8, Light3D},
                                                       {103, 8, Light3D},
                                                       {99, 11, Light3D},
                                                       {104, 8, p},
                                                       {100, 12, p}});
}

// A round dot in the 7 x 7 box x - 3 .. x + 3, rows 5..11: full across the middle, corners left
// out. White on mid grey, the negative on pure red.
TEST(GrdBarPointerLook, DotStandsOutFromTheColourUnderIt) {
    const std::uint32_t W = 0xFFFFFF;
    ExpectPixels(OnGrey(TPointerType::ptDot), {{100, 8, W},
                                               {97, 8, W},
                                               {103, 8, W},
                                               {100, 5, W},
                                               {100, 11, W},
                                               {98, 6, W},
                                               {102, 10, W},
                                               {96, 8, P},
                                               {104, 8, P},
                                               {100, 4, P},
                                               {100, 12, P},
                                               {97, 5, P},
                                               {103, 11, P}});
    ExpectPixels(PaintGrdBar(Bar(TGrdElement::geEqu, 240, PackEslBytes(0, 240, 120),
                                 TPointerType::ptDot, true)),
                 {{0, 8, 0x00FFFF}, {3, 8, 0x00FFFF}, {4, 8, Hex(PackEslBytes(4, 240, 120))}});
}

TEST(ContrastColor, WhiteOnlyWhenEveryChannelIsNearTheMiddle) {
    const auto contrast = [](std::uint32_t rrggbb) {
        return ColorToRgbHex(ContrastColor(RgbHexToColor(rrggbb)));
    };
    EXPECT_EQ(contrast(0x4E4E4E), 0xFFFFFFu);  // 78
    EXPECT_EQ(contrast(0xB0B0B0), 0xFFFFFFu);  // 176
    EXPECT_EQ(contrast(0x4DB0B0), 0xB24F4Fu);  // red 77
    EXPECT_EQ(contrast(0x80B14E), 0x7F4EB1u);  // green 177
    EXPECT_EQ(contrast(0x4E4EB1), 0xB1B14Eu);  // blue 177
    EXPECT_EQ(ContrastColor(clNone), clBlack); // only the colour bits count
}

TEST(GrdBarPaint, TinyBars) {
    TGrdBarPaintInput input = ChannelBar(TGrdElement::geRed, 0);
    input.Width = 0;
    EXPECT_TRUE(PaintGrdBar(input).isNull());
    input.Width = 241;
    input.Height = 0;
    EXPECT_TRUE(PaintGrdBar(input).isNull());
    // One row still gets a pointer, shaded from that row; the dug-out square does not fit.
    input.Height = 1;
    const QImage plain = PaintGrdBar(input);
    input.ShowPointer = true;
    input.Pointer = TPointerType::ptDugOut;
    EXPECT_EQ(PaintGrdBar(input), plain);
    input.Pointer = TPointerType::ptPanel;
    EXPECT_NE(PaintGrdBar(input), plain);
}

} // namespace
} // namespace tintora
