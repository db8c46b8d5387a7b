// The BODY sample picture, painted without a window.

#include "widgets/BodySample.h"

#include "SamplePixels.h"

#include <gtest/gtest.h>
#include <optional>

namespace tintora {
namespace {

using test::At;
using test::Contains;
using test::Hex;

constexpr TColor Bg = MakeColor(0xF0, 0xF0, 0xE0), Text = MakeColor(0x20, 0x60, 0x20),
                 Link = MakeColor(0x00, 0x00, 0xEE), Vlink = MakeColor(0x90, 0x00, 0x90),
                 Alink = MakeColor(0xEE, 0x00, 0x00);

TBodySampleInput Input() {
    TBodySampleInput input;
    input.Page = TBodyColors{Bg, Text, Link, Vlink, Alink};
    // Small enough for the lines to fit in the box in any face.
    input.Font = BodySampleFont(QStringLiteral("DejaVu Sans"));
    input.Font.setPixelSize(9);
    input.Colors = test::SampleColors();
    return input;
}

QImage Paint(const TBodySampleInput& input) {
    QImage image(BodySampleSize, QImage::Format_RGB32);
    PaintBodySample(image, input);
    return image;
}

// The rows where the colour occurs, first and last.
struct TRows {
    int First = -1, Last = -1;
};
TRows RowsOf(const QImage& image, TColor colour) {
    TRows rows;
    for (int y = 1; y < image.height() - 1; ++y) {
        if (Contains(image, 1, y, image.width() - 2, y, Hex(colour))) {
            rows.First = rows.First < 0 ? y : rows.First;
            rows.Last = y;
        }
    }
    return rows;
}

TEST(BodySample, BgcolorInsideTheSunkenFrame) {
    const QImage image = Paint(Input());
    ASSERT_EQ(image.size(), QSize(241, 118));
    EXPECT_EQ(test::FrameFaults(image), 0);
    EXPECT_EQ(At(image, 1, 1), Hex(Bg));
    EXPECT_EQ(At(image, 239, 116), Hex(Bg));
    // Nothing is drawn above the first line's top.
    EXPECT_FALSE(Contains(image, 1, 1, 239, 9, Hex(Text)));
}

TEST(BodySample, LinesFromTheTopInTheirColours) {
    const QImage image = Paint(Input());
    const TRows text = RowsOf(image, Text), link = RowsOf(image, Link),
                vlink = RowsOf(image, Vlink), alink = RowsOf(image, Alink);
    ASSERT_GE(text.First, 10);
    // Text lines, then the links in order, each below the one before.
    EXPECT_LT(text.Last, link.First);
    EXPECT_LT(link.Last, vlink.First);
    EXPECT_LT(vlink.Last, alink.First);
    EXPECT_LE(alink.Last, 116);
    // The gap of 10 pixels after the text lines shows as rows of bgcolor only.
    EXPECT_GE(link.First - text.Last, 10);
}

TEST(BodySample, LinesAreCentred) {
    const QImage image = Paint(Input());
    const TRows link = RowsOf(image, Link);
    // The underline of the first link runs as far left of the middle as right of it.
    int left = -1, right = -1;
    for (int x = 1; x < 240; ++x) {
        if (At(image, x, link.Last) == Hex(Link)) {
            left = left < 0 ? x : left;
            right = x;
        }
    }
    ASSERT_GE(left, 0);
    EXPECT_NEAR(left + right, 240, 3);
}

TEST(BodySample, TextLiesOverTheFrame) {
    TBodySampleInput input = Input();
    input.Font.setPixelSize(60);
    input.Font.setBold(true);
    const QImage image = Paint(input);
    EXPECT_GT(test::FrameFaults(image), 0);
}

TEST(BodySample, BackgroundPictureUnderTheText) {
    TBodySampleInput input = Input();
    input.BgPicture = QImage(4, 3, QImage::Format_RGB32);
    input.BgPicture.fill(QColor(0x99, 0x88, 0x77));
    const QImage image = Paint(input);
    EXPECT_EQ(At(image, 1, 1), 0x998877u);
    EXPECT_EQ(At(image, 239, 5), 0x998877u);
    EXPECT_EQ(test::FrameFaults(image), 0);
}

} // namespace
} // namespace tintora
