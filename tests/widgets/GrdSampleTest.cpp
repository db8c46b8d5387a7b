// The FONT sample picture, painted without a window.

#include "widgets/GrdSample.h"

#include "SamplePixels.h"

#include <gtest/gtest.h>
#include <string>

#include <QFontMetrics>

namespace tintora {
namespace {

using test::At;
using test::Contains;
using test::Hex;

constexpr TColor Red = MakeColor(255, 0, 0), Blue = MakeColor(0, 0, 255);
constexpr TColor Back = MakeColor(0x10, 0x20, 0x30);

QFont BigFont(const QString& family = QStringLiteral("DejaVu Sans")) {
    QFont font(family);
    font.setPixelSize(40);
    font.setBold(true);
    return font;
}

TGrdSampleInput Input(std::string text, TGrdType type, QFont font = BigFont()) {
    TGrdSampleInput input;
    input.Text = std::move(text);
    input.Grd.Type = type;
    input.Grd.Start = Red;
    input.Grd.End = Blue;
    input.Back = Back;
    input.Font = std::move(font);
    input.Colors = test::SampleColors();
    return input;
}

QImage Paint(const TGrdSampleInput& input) {
    QImage image(GrdSampleSize, QImage::Format_RGB32);
    PaintGrdSample(image, input);
    return image;
}

int Advance(const QFont& font, const QString& ch) {
    QImage device(1, 1, QImage::Format_RGB32);
    return CharAdvance(QFontMetrics(font, &device), ch);
}

TEST(GrdSample, BackColourInsideTheSunkenFrame) {
    const QImage image = Paint(Input("", TGrdType::gtTwo));
    ASSERT_EQ(image.size(), QSize(334, 57));
    EXPECT_EQ(test::FrameFaults(image), 0);
    for (const QPoint p :
         {QPoint(1, 1), QPoint(332, 1), QPoint(1, 55), QPoint(332, 55), QPoint(167, 28)}) {
        EXPECT_EQ(At(image, p.x(), p.y()), Hex(Back)) << p.x() << ',' << p.y();
    }
}

TEST(GrdSample, EachCharacterInItsOwnColour) {
    const TGrdSampleInput input = Input("HH", TGrdType::gtTwo);
    const QImage image = Paint(input);
    const int advance = Advance(input.Font, QStringLiteral("H"));
    const int first = 4, second = 4 + advance, end = 4 + 2 * advance;
    ASSERT_LT(end, 333);
    // Solid stroke pixels of a 40-pixel bold letter carry its colour exactly; the edges blend.
    EXPECT_TRUE(Contains(image, first, 1, second - 1, 55, Hex(Red)));
    EXPECT_FALSE(Contains(image, first, 1, second - 1, 55, Hex(Blue)));
    EXPECT_TRUE(Contains(image, second, 1, end - 1, 55, Hex(Blue)));
    EXPECT_FALSE(Contains(image, second, 1, end - 1, 55, Hex(Red)));
    EXPECT_FALSE(Contains(image, end, 1, 332, 55, Hex(Red)));
}

TEST(GrdSample, TextCellCentredTopDown) {
    const TGrdSampleInput input = Input("H", TGrdType::gtNone);
    const QImage image = Paint(input);
    QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(input.Font, &device);
    const int baseline = (57 - metrics.height()) / 2 + metrics.ascent();
    int inkTop = -1, inkBottom = -1;
    for (int y = 1; y < 56; ++y) {
        if (Contains(image, 4, y, 4 + metrics.horizontalAdvance('H'), y, Hex(Red))) {
            inkTop = inkTop < 0 ? y : inkTop;
            inkBottom = y;
        }
    }
    // An H stands on the baseline and is as tall as the font's capitals.
    EXPECT_NEAR(inkBottom, baseline - 1, 1);
    EXPECT_NEAR(inkTop, baseline - metrics.capHeight(), 2);
}

TEST(GrdSample, FrameLiesOverTextAndPicture) {
    TGrdSampleInput input = Input(std::string(60, 'W'), TGrdType::gtNone);
    input.Font.setPixelSize(80);
    input.BgPicture = QImage(5, 5, QImage::Format_RGB32);
    input.BgPicture.fill(Qt::green);
    const QImage image = Paint(input);
    EXPECT_EQ(test::FrameFaults(image), 0);
    EXPECT_TRUE(Contains(image, 1, 1, 332, 55, Hex(Red)));
}

TEST(GrdSample, TextRunningFarPastTheEdgeIsClipped) {
    TGrdSampleInput input = Input("", TGrdType::gtRainBow);
    for (int i = 0; i < 5000; ++i) {
        input.Text += i % 3 == 0 ? "あ" : "M";
    }
    const QImage image = Paint(input);
    EXPECT_EQ(test::FrameFaults(image), 0);
}

TEST(GrdSample, BackgroundPictureUnderTheText) {
    TGrdSampleInput input = Input("", TGrdType::gtTwo);
    input.BgPicture = QImage(2, 2, QImage::Format_RGB32);
    input.BgPicture.fill(QColor(0x33, 0x66, 0x99));
    const QImage image = Paint(input);
    EXPECT_EQ(At(image, 1, 1), 0x336699u);
    EXPECT_EQ(At(image, 332, 55), 0x336699u);
}

TEST(GrdSample, CodePage932TextLooksLikeTheSameTextInUtf8) {
    const QFont font = BigFont(QStringLiteral("IPAGothic"));
    TGrdSampleInput utf8 = Input("あiう", TGrdType::gtThree, font);
    TGrdSampleInput sjis = utf8;
    sjis.Text = "\x82\xA0i\x82\xA4";
    sjis.CodePage = TCodePage::cp932;
    EXPECT_EQ(Paint(sjis), Paint(utf8));
}

// CharAdvance measures italics as they are: this checks that a family without an italic face,
// slanted by shearing its outlines, keeps the upright spacing here, so no correction is due.
TEST(CharAdvance, SynthesisedItalicKeepsTheUprightAdvance) {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(40);
    const int upright = Advance(font, QStringLiteral("W"));
    font.setItalic(true);
    EXPECT_EQ(Advance(font, QStringLiteral("W")), upright);
    EXPECT_GT(upright, 0);
}

} // namespace
} // namespace tintora
