// The background tiles and the sunken frame both tag samples share.

#include "widgets/SampleSurface.h"

#include "SamplePixels.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

using test::At;

constexpr std::uint32_t Fill = 0x202020;

QImage Surface(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(Fill));
    return image;
}

// 3 x 2, every pixel different, so a tile shifted by one shows.
QImage Picture() {
    QImage picture(3, 2, QImage::Format_RGB32);
    const QRgb pixels[2][3] = {{0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFF00, 0x00FFFF, 0xFF00FF}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            picture.setPixel(x, y, 0xFF000000u | pixels[y][x]);
        }
    }
    return picture;
}

TEST(PaintBgTiles, TilesFromOneOneInTwoPasses) {
    const QImage picture = Picture();
    QImage surface = Surface(11, 8);
    PaintBgTiles(surface, 11, 8, picture);
    // Row 0 and column 0 are left for the frame.
    for (int x = 0; x < 11; ++x) {
        EXPECT_EQ(At(surface, x, 0), Fill) << "x " << x;
    }
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(At(surface, 0, y), Fill) << "y " << y;
    }
    // Copies at (1, 1), (4, 1), (7, 1), (10, 1), (1, 3), ..., the last ones cut at the edges.
    for (int y = 1; y <= 6; ++y) {
        for (int x = 1; x <= 10; ++x) {
            EXPECT_EQ(At(surface, x, y), At(picture, (x - 1) % 3, (y - 1) % 2))
                << "at " << x << ',' << y;
        }
    }
    // The strip copied sideways is height - 2 rows high: the bottom row has only the left column's
    // pictures; the frame covers it.
    EXPECT_EQ(At(surface, 1, 7), At(picture, 0, 0));
    EXPECT_EQ(At(surface, 3, 7), At(picture, 2, 0));
    EXPECT_EQ(At(surface, 4, 7), Fill);
}

TEST(PaintBgTiles, NoPictureOrAnEmptyOnePaintsNothing) {
    QImage surface = Surface(9, 6);
    const QImage before = surface;
    PaintBgTiles(surface, 9, 6, QImage());
    PaintBgTiles(surface, 9, 6, QImage(QSize(0, 4), QImage::Format_RGB32));
    PaintBgTiles(surface, 9, 6, QImage(QSize(4, 0), QImage::Format_RGB32));
    EXPECT_EQ(surface, before);
}

TEST(PaintBgTiles, PictureLargerThanTheBoxIsCutAtItsEdges) {
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            picture.setPixel(x, y, qRgb(x * 6, y * 8, 77));
        }
    }
    QImage surface = Surface(12, 9);
    PaintBgTiles(surface, 12, 9, picture);
    EXPECT_EQ(At(surface, 1, 1), At(picture, 0, 0));
    EXPECT_EQ(At(surface, 11, 8), At(picture, 10, 7));
    EXPECT_EQ(At(surface, 0, 0), Fill);
}

TEST(PaintBgTiles, TransparentPixelsAreCopiedAsTheyStand) {
    QImage picture(1, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0x12, 0x34, 0x56, 0));
    QImage surface = Surface(4, 4);
    PaintBgTiles(surface, 4, 4, picture);
    EXPECT_EQ(At(surface, 2, 2), 0x123456u);
}

TEST(PaintBgTiles, BoxesTooSmallForTilesDoNotCrash) {
    for (const QSize size : {QSize(1, 1), QSize(2, 2), QSize(1, 40), QSize(40, 1)}) {
        QImage surface = Surface(size.width(), size.height());
        PaintBgTiles(surface, size.width(), size.height(), Picture());
    }
}

} // namespace
} // namespace tintora
