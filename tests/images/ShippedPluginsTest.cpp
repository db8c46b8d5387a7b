// The PNG, JPEG and GIF plug-ins built with the program, loaded as the program loads them.

#include "ImageTestSupport.h"
#include "images/GraphicErrors.h"
#include "images/PluginSetup.h"
#include "images/SPIBitmap.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

class ShippedPlugins : public ::testing::Test {
protected:
    ShippedPlugins() {
        formats_.Add("bmp", "ﾋﾞｯﾄﾏｯﾌﾟ", TBitmap::Class);
        spis_.Formats = &formats_;
        BindPluginHandlers(spis_, skipFiles_);
        std::string searchDir = TINTORA_PLUGIN_BUILD_DIR;
        SearchPlugins(spis_, searchDir);
    }

    TPixelImage Load(const std::string& fileName) {
        TPictureHolder holder;
        formats_.LoadFromFile(holder, fileName);
        return static_cast<TBitmap*>(holder.Graphic())->TakeImage();
    }

    static std::string Data(const char* name) {
        return std::string(TINTORA_TEST_DATA_DIR) + "/" + name;
    }

    std::vector<std::string> skipFiles_;
    TPictureFormats formats_;
    TSPIs spis_;
};

TEST_F(ShippedPlugins, OfferTheirFormatsInTheOpenPictureDialog) {
    EXPECT_EQ(spis_.Count(), 3);
    const std::string filter = formats_.FilterText(TGraphic::Class);
    EXPECT_EQ(filter.substr(0, filter.find('|')),
              "すべてのﾌｧｲﾙ (*.png;*.jpe;*.jpg;*.jpeg;*.gif;*.bmp)");
}

// A channel of a lossy picture, within a tolerance.
bool Near(std::uint32_t pixel, std::uint32_t expected) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>(pixel >> shift & 0xFF);
        const int b = static_cast<int>(expected >> shift & 0xFF);
        if (std::abs(a - b) > 8) {
            return false;
        }
    }
    return true;
}

TEST_F(ShippedPlugins, DecodeTransparencyInterlacingProgressionAndTheFirstFrame) {
    const struct {
        const char* File;
        std::int32_t Width, Height;
        std::int32_t X, Y;
        std::uint32_t Expected;
    } rows[] = {
        {"alpha.png", 4, 2, 0, 0, 0xFFFF0000}, // opaque red
        {"alpha.png", 4, 2, 1, 0, 0xFFFFFFFF}, // transparent: the white behind
        {"alpha.png", 4, 2, 2, 0, 0xFF808080}, // half-covered black on white
        {"alpha.png", 4, 2, 3, 1, 0xFF0000FF},
        {"interlaced.png", 16, 16, 0, 15, 0xFF0000FF},
        {"interlaced.png", 16, 16, 15, 0, 0xFF00FF00},
        {"progressive.jpg", 32, 16, 4, 8, 0xFF0000FF},
        {"progressive.jpg", 32, 16, 27, 8, 0xFFFF0000},
        {"frames.gif", 8, 8, 7, 7, 0xFFFF0000}, // the first frame is red, the second blue
    };
    for (const auto& row : rows) {
        const TPixelImage image = Load(Data(row.File));
        ASSERT_EQ(image.Width, row.Width) << row.File;
        ASSERT_EQ(image.Height, row.Height) << row.File;
        EXPECT_TRUE(Near(image.Pixel(row.X, row.Y), row.Expected))
            << row.File << " " << row.X << "," << row.Y << ": " << std::hex
            << image.Pixel(row.X, row.Y);
    }
}

TEST_F(ShippedPlugins, BrokenFilesAreInvalidPictures) {
    const test::TTempFolder folder;
    for (const char* name : {"alpha.png", "progressive.jpg", "frames.gif"}) {
        std::ifstream in(Data(name), std::ios::binary);
        test::TBytes bytes((std::istreambuf_iterator<char>(in)), {});
        bytes.resize(bytes.size() / 2);
        try {
            Load(folder.Write(name, bytes));
            ADD_FAILURE() << name << " loaded";
        } catch (const EInvalidGraphic& error) {
            EXPECT_STREQ(error.what(), "認識できない画像形式です") << name;
        }
    }
}

} // namespace
} // namespace tintora
