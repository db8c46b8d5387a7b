#include "widgets/DropperCursor.h"

#include <array>
#include <string_view>

#include <QBitmap>
#include <QImage>

namespace tintora {

namespace {

// "MyCursor", drawn for this program: '#' black, '.' white, ' ' transparent. The bulb is at the
// top right, the glass tube runs down to the tip in the bottom-left corner.
// clang-format off
constexpr std::array<std::string_view, 32> MyCursor = {
    "                            ##  ",
    "                          ##### ",
    "                         ###### ",
    "                        ####### ",
    "                       ##..#### ",
    "                      ##..####  ",
    "                     ##..####   ",
    "                    ##..#####   ",
    "                   ##..#####    ",
    "                   #..#####     ",
    "                  ##.#####      ",
    "                 ########       ",
    "               #########        ",
    "              ########          ",
    "              #######           ",
    "              #####             ",
    "             #..###             ",
    "            #...##              ",
    "           #...#                ",
    "          #...#                 ",
    "         #...#                  ",
    "        #...#                   ",
    "       #...#                    ",
    "      #...#                     ",
    "     #...#                      ",
    "    #...#                       ",
    "   #...#                        ",
    "   #..#                         ",
    "  ##.#                          ",
    " ###                            ",
    "###                             ",
    "##                              ",
};
// clang-format on

constexpr bool ArtIsWellFormed() {
    for (std::string_view row : MyCursor) {
        if (row.size() != MyCursor.size()) {
            return false;
        }
        for (char pixel : row) {
            if (pixel != '#' && pixel != '.' && pixel != ' ') {
                return false;
            }
        }
    }
    // The hot spot must be a visible pixel, or the user could not see where the dropper picks.
    return MyCursor.back().front() == '#';
}
static_assert(ArtIsWellFormed(), "MyCursor must be 32 rows of 32 known pixels with a black tip");

constexpr int HotX = 0;
constexpr int HotY = 31;

} // namespace

QCursor MakeDropperCursor() {
    const int size = static_cast<int>(MyCursor.size());
    // In a cursor's bitmap 1 is black; its mask marks the pixels shown, the others are clear. The
    // colour tables say so explicitly: a bitmap made from an image whose index 0 is black would be
    // inverted.
    QImage pixels(size, size, QImage::Format_MonoLSB);
    QImage mask(size, size, QImage::Format_MonoLSB);
    for (QImage* image : {&pixels, &mask}) {
        image->setColor(0, QColor(Qt::white).rgb());
        image->setColor(1, QColor(Qt::black).rgb());
        image->fill(0);
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const char pixel = MyCursor[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            pixels.setPixel(x, y, pixel == '#' ? 1 : 0);
            mask.setPixel(x, y, pixel == ' ' ? 0 : 1);
        }
    }
    return QCursor(QBitmap::fromImage(pixels), QBitmap::fromImage(mask), HotX, HotY);
}

} // namespace tintora
