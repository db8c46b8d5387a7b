// Loading pictures through a plug-in that hands back whatever header and blocks the file asks for.

#include "images/SPIBitmap.h"

#include "ImageTestSupport.h"
#include "images/GraphicErrors.h"
#include "images/SPIs.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace tintora {
namespace {

using test::Append;
using test::InfoHeader;
using test::TBytes;

enum : std::uint32_t { kCallProgress = 1, kInfoText = 2, kSameHandle = 4 };

// The file image the scripted test plug-in decodes (see tests/images/plugins/TestPlugin.c).
TBytes Scripted(const TBytes& header, const TBytes& bits, std::uint32_t flags = 0,
                std::uint32_t infoSize = 0, std::uint32_t bitsSize = 0) {
    TBytes file = {'T', 'S', 'P', 'I'};
    Append(file, infoSize ? infoSize : static_cast<std::uint32_t>(header.size()));
    Append(file, bitsSize ? bitsSize : static_cast<std::uint32_t>(bits.size()));
    Append(file, flags);
    Append(file, static_cast<std::uint32_t>(header.size()));
    Append(file, header);
    Append(file, bits);
    return file;
}

TBytes WithTable(TBytes header, const std::vector<std::uint32_t>& colors) {
    Append(header, test::ColorTable(colors));
    return header;
}

const TBytes kRedGreen = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0};

class SPIBitmap : public ::testing::Test {
protected:
    SPIBitmap() {
        formats_.Add("bmp", "ﾋﾞｯﾄﾏｯﾌﾟ", TSPIBitmap::Class);
        spis_.Formats = &formats_;
        plugin_ = folder_.AddPlugin("scripted", "scripted.spi");
        spis_.Search(folder_.Path() + "*.spi");
    }

    // The loaded bitmap, or the message of the load's error.
    const TSPIBitmap* Load(const std::string& name, const TBytes& bytes, std::string& error) {
        holder_.SetGraphic(nullptr);
        try {
            formats_.LoadFromFile(holder_, folder_.Write(name, bytes));
        } catch (const std::exception& e) {
            error = e.what();
        }
        return static_cast<const TSPIBitmap*>(holder_.Graphic());
    }

    template <typename Function>
    Function PluginFunction(const char* name) const {
        void* library = dlopen(plugin_.c_str(), RTLD_NOW | RTLD_NOLOAD);
        void* address = dlsym(library, name);
        dlclose(library);
        return reinterpret_cast<Function>(address);
    }

    test::TTempFolder folder_;
    TPictureFormats formats_;
    TSPIs spis_;
    TPictureHolder holder_;
    std::string plugin_;
};

TEST_F(SPIBitmap, AcceptsOnlyAnswersWhoseSizesTheBlocksHold) {
    const struct {
        const char* Name;
        TBytes File;
        bool Loads;
    } rows[] = {
        {"2×1, 24 bits", Scripted(InfoHeader(2, 1, 24), kRedGreen), true},
        {"the text block of the picture information is freed",
         Scripted(InfoHeader(2, 1, 24), kRedGreen, kInfoText), true},
        {"one block for header and bits", Scripted(InfoHeader(1, 1, 24), {}, kSameHandle), true},
        {"huge width", Scripted(InfoHeader(INT32_MAX, 1, 24), kRedGreen), false},
        {"height -2^31", Scripted(InfoHeader(2, INT32_MIN, 24), kRedGreen), false},
        {"bit count 0", Scripted(InfoHeader(2, 1, 0), kRedGreen), false},
        {"bit count 7", Scripted(InfoHeader(2, 1, 7), kRedGreen), false},
        {"null header handle", Scripted({}, kRedGreen), false},
        {"null bits handle", Scripted(InfoHeader(2, 1, 24), {}), false},
        {"bits block smaller than the rows", Scripted(InfoHeader(4, 4, 24), kRedGreen), false},
        {"header block smaller than its colour table",
         Scripted(WithTable(InfoHeader(2, 1, 8), {0, 0}), kRedGreen), false},
    };
    for (const auto& row : rows) {
        std::string error;
        const TSPIBitmap* bitmap = Load("picture.tsp", row.File, error);
        EXPECT_EQ(bitmap != nullptr, row.Loads) << row.Name;
        EXPECT_EQ(error, row.Loads ? "" : "認識できない画像形式です") << row.Name;
    }
    std::string error;
    const TSPIBitmap* bitmap = Load("picture.tsp", rows[0].File, error);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Image().Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(bitmap->Image().Pixel(1, 0), 0xFF00FF00u);
}

TEST_F(SPIBitmap, ThirtyTwoBitRowsAreTakenOverAndTurnedTopDown) {
    std::string error;
    const TSPIBitmap* bitmap = Load(
        "picture.tsp", Scripted(InfoHeader(1, 3, 32), {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}), error);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Image().Pixel(0, 0), 0xFF000003u);
    EXPECT_EQ(bitmap->Image().Pixel(0, 1), 0xFF000002u);
    EXPECT_EQ(bitmap->Image().Pixel(0, 2), 0xFF000001u);
}

TEST_F(SPIBitmap, OnlyAFourBitPictureGetsAPalette) {
    const struct {
        std::uint16_t BitCount;
        std::size_t PaletteSize;
    } rows[] = {{1, 0}, {4, 3}, {8, 0}};
    for (const auto& row : rows) {
        const TBytes header = WithTable(InfoHeader(1, 1, row.BitCount, 0, 3 - (row.BitCount == 1)),
                                        {0x102030, 0x405060, 0x708090});
        std::string error;
        const TSPIBitmap* bitmap = Load("picture.tsp", Scripted(header, {0, 0, 0, 0}), error);
        ASSERT_NE(bitmap, nullptr) << row.BitCount;
        ASSERT_EQ(bitmap->Palette().size(), row.PaletteSize) << row.BitCount;
        if (row.PaletteSize > 0) {
            EXPECT_EQ(bitmap->Palette()[2], MakeColor(0x70, 0x80, 0x90));
        }
    }
}

TEST_F(SPIBitmap, AShortFileIsProbedPaddedButToldItsLength) {
    const TBytes file = Scripted(InfoHeader(2, 1, 24), kRedGreen);
    std::string error;
    ASSERT_NE(Load("picture.tsp", file, error), nullptr);
    const auto* probe = PluginFunction<const std::uint8_t* (*)()>("TestProbe")();
    EXPECT_TRUE(std::equal(file.begin(), file.end(), probe));
    EXPECT_TRUE(std::all_of(probe + file.size(), probe + 2048, [](auto b) { return b == 0; }));
    EXPECT_EQ(PluginFunction<std::int32_t (*)()>("TestPictureLength")(),
              static_cast<std::int32_t>(file.size()));
}

TEST_F(SPIBitmap, AHeaderOf128BytesIsSkippedOnTheSecondTry) {
    TBytes file(128, 'x');
    Append(file, Scripted(InfoHeader(2, 1, 24), kRedGreen));
    std::string error;
    EXPECT_NE(Load("picture.tsp", file, error), nullptr);

    auto bitmap = std::make_unique<TSPIBitmap>();
    bitmap->SkipHeaderRetry = false;
    EXPECT_THROW(bitmap->LoadFromFile(folder_.Write("no-retry.tsp", file)), EInvalidGraphic);
}

TEST_F(SPIBitmap, NativeAndPluginReadersStandInForEachOther) {
    TBytes bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    Append(bmp, InfoHeader(1, 1, 24));
    Append(bmp, {0xFF, 0, 0, 0});
    std::string error;
    // A bitmap under a plug-in's extension, and a plug-in picture under the bitmap's, which no
    // plug-in claims but every one is offered.
    EXPECT_NE(Load("bitmap.tsp", bmp, error), nullptr) << error;
    EXPECT_NE(Load("scripted.bmp", Scripted(InfoHeader(2, 1, 24), kRedGreen), error), nullptr)
        << error;
}

TEST_F(SPIBitmap, ProgressRunsFromOneToNinetyNineAndAnAbortStopsThePlugin) {
    std::vector<std::pair<TProgressStage, int>> reports;
    holder_.OnProgress = [&](TGraphic&, TProgressStage stage, int percent, bool, const TRect&,
                             const std::string&) {
        reports.emplace_back(stage, percent);
        if (stage == psRunning) {
            throw EAbort();
        }
    };
    std::string error;
    const TBytes file = Scripted(InfoHeader(2, 1, 24), kRedGreen, kCallProgress);
    EXPECT_EQ(Load("picture.tsp", file, error), nullptr);
    EXPECT_EQ(error, "認識できない画像形式です");
    // No second try: the file is shorter than the header that would be skipped.
    EXPECT_EQ(reports, (std::vector<std::pair<TProgressStage, int>>{
                           {psStarting, 0}, {psRunning, 50}, {psEnding, 100}}));

    // Any other error of the handler reaches the caller once the plug-in has returned.
    holder_.OnProgress = [](TGraphic&, TProgressStage stage, int, bool, const TRect&,
                            const std::string&) {
        if (stage == psRunning) {
            throw std::runtime_error("handler failed");
        }
    };
    error.clear();
    EXPECT_EQ(Load("picture.tsp", file, error), nullptr);
    EXPECT_EQ(error, "handler failed");
}

TEST(SPIProgress, IgnoresContextsOfNoRunningLoad) {
    EXPECT_EQ(SPIProgress(1, 2, 0), 0);
    EXPECT_EQ(SPIProgress(1, 2, 12345), 0);
}

TEST(MulDiv, RoundsHalfAwayFromZeroAndReportsFailureAsMinusOne) {
    EXPECT_EQ(MulDiv(1, 98, 2), 49);
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(1, 98, 3), 33);
    EXPECT_EQ(MulDiv(5, 98, 0), -1);
    EXPECT_EQ(MulDiv(INT32_MAX, 2, 1), -1);
}

TEST(TextFromBlock, EndsAtTheFirstZeroOrTheBlock) {
    EXPECT_EQ(TextFromBlock("ab\0cd", 5), "ab");
    EXPECT_EQ(TextFromBlock("abcd", 4), "abcd");
}

} // namespace
} // namespace tintora
