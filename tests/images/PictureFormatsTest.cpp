// The picture format registry: lookup, the dialog filter, loading by file name.

#include "images/PictureFormats.h"

#include "ImageTestSupport.h"
#include "images/GraphicErrors.h"
#include "images/SPIBitmap.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

// The registry as the main window leaves it at start-up.
TPictureFormats StartedFormats() {
    TPictureFormats formats = PictureFormats();
    formats.RemoveClass(IconClass);
    formats.RemoveClass(MetafileClass);
    return formats;
}

TEST(PictureFormats, StartsWithTheFourPlatformKindsOfWhichOnlyTheBitmapStays) {
    EXPECT_EQ(PictureFormats().FilterText(TGraphic::Class),
              "すべてのﾌｧｲﾙ (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|"
              "ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)|*.bmp|ｱｲｺﾝ (*.ico)|*.ico|"
              "ｴﾝﾊﾝｽ ﾒﾀﾌｧｲﾙ (*.emf)|*.emf|ﾒﾀﾌｧｲﾙ (*.wmf)|*.wmf");
    EXPECT_EQ(StartedFormats().FilterText(TGraphic::Class), "ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)|*.bmp");
}

TEST(PictureFormats, NewestEntryWinsAndFiltersListNewestFirst) {
    TPictureFormats formats = StartedFormats();
    formats.Add("PNG", "PNG 画像", TSPIBitmap::Class);
    formats.Add("", "no extension", TSPIBitmap::Class);
    EXPECT_EQ(
        formats.FilterText(TGraphic::Class),
        "すべてのﾌｧｲﾙ (*.png;*.bmp)|*.png;*.bmp|PNG 画像 (*.png)|*.png|ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)|*.bmp");
    EXPECT_EQ(formats.FilterText(TSPIBitmap::Class), "PNG 画像 (*.png)|*.png");
    EXPECT_EQ(formats.Find("bmp"), &TBitmap::Class);
    formats.Add("bmp", "plug-in bitmap", TSPIBitmap::Class);
    EXPECT_EQ(formats.Find("BMP"), &TSPIBitmap::Class);
    EXPECT_EQ(formats.Find(""), nullptr);
    // Removing a class removes its subclasses' entries too.
    formats.RemoveClass(TBitmap::Class);
    EXPECT_EQ(formats.Find("bmp"), nullptr);
    EXPECT_EQ(formats.Find("png"), nullptr);
}

TEST(PictureFileExtension, AfterTheLastDotOfTheNamePart) {
    EXPECT_EQ(PictureFileExtension("/pics/back.BMP"), "BMP");
    EXPECT_EQ(PictureFileExtension("back.tar.bmp"), "bmp");
    EXPECT_EQ(PictureFileExtension("/pics.d/back"), "");
    EXPECT_EQ(PictureFileExtension("/pics/back."), "");
    EXPECT_EQ(PictureFileExtension(".bmp"), "bmp");
    EXPECT_EQ(PictureFileExtension(""), "");
}

TEST(LoadPictureFromFile, ReadsByExtensionAndKeepsTheOldPictureOnError) {
    const test::TTempFolder folder;
    test::TBytes bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    test::Append(bmp, test::InfoHeader(1, 1, 24));
    test::Append(bmp, {0, 0, 0xFF, 0});
    folder.Write("back.BMP", bmp);
    folder.Write("back", bmp);
    folder.Write("back.png", bmp);
    folder.Write("broken.bmp", {'B', 'M', 1, 2, 3});

    const TPictureFormats formats = StartedFormats();
    TPictureHolder holder;
    int changes = 0;
    holder.OnChange = [&] { ++changes; };
    formats.LoadFromFile(holder, folder.Path() + "back.BMP");
    ASSERT_NE(holder.Graphic(), nullptr);
    EXPECT_EQ(holder.Graphic()->ClassType().Name, "TBitmap");
    EXPECT_EQ(changes, 1);

    const struct {
        const char* Name;
        const char* Message;
    } failures[] = {
        {"back", "拡張子 . の画像形式は処理できません"},
        {"back.png", "拡張子 .png の画像形式は処理できません"},
        {"broken.bmp", "認識できない画像形式です"},
        {"missing.bmp", "認識できない画像形式です"},
    };
    const TGraphic* kept = holder.Graphic();
    for (const auto& failure : failures) {
        try {
            formats.LoadFromFile(holder, folder.Path() + failure.Name);
            ADD_FAILURE() << failure.Name << " loaded";
        } catch (const EInvalidGraphic& error) {
            EXPECT_STREQ(error.what(), failure.Message) << failure.Name;
        }
        EXPECT_EQ(holder.Graphic(), kept) << failure.Name;
    }
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace tintora
