// Loading a background picture by file name: bitmaps as Qt writes them, and the two errors.

#include "widgets/BackgroundPicture.h"

#include "images/GraphicErrors.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tintora {
namespace {

class BackgroundPicture : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QImage Picture() {
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(QColor(0x10, 0x80, 0xF0));
        image.setPixel(2, 1, qRgb(0xFF, 0x00, 0x00));
        return image;
    }

    // The message the loader throws for `name`, or empty when it loads.
    std::string Error(const QString& name) const {
        try {
            LoadBackgroundPicture(Path(name).toStdString());
        } catch (const EInvalidGraphic& error) {
            return error.what();
        }
        return {};
    }

    QTemporaryDir dir_;
};

TEST_F(BackgroundPicture, ABitmapLoadsWhateverTheExtensionsCase) {
    ASSERT_TRUE(Picture().save(Path("back.bmp"), "BMP"));
    ASSERT_TRUE(Picture().save(Path("BACK.BMP"), "BMP"));
    for (const char* name : {"back.bmp", "BACK.BMP"}) {
        const QImage image = LoadBackgroundPicture(Path(name).toStdString());
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << name;
        EXPECT_EQ(image.size(), QSize(3, 2)) << name;
        EXPECT_EQ(image.pixel(2, 1), qRgb(0xFF, 0x00, 0x00)) << name;
        EXPECT_EQ(image.pixel(0, 0), qRgb(0x10, 0x80, 0xF0)) << name;
    }
}

TEST_F(BackgroundPicture, OtherExtensionsHaveNoReader) {
    ASSERT_TRUE(Picture().save(Path("back.png"), "PNG"));
    EXPECT_EQ(Error("back.png"), "拡張子 .png の画像形式は処理できません");
    ASSERT_TRUE(Picture().save(Path("back.bmp.gif"), "BMP"));
    EXPECT_EQ(Error("back.bmp.gif"), "拡張子 .gif の画像形式は処理できません");
    ASSERT_TRUE(Picture().save(Path("bitmap"), "BMP"));
    EXPECT_EQ(Error("bitmap"), "拡張子 . の画像形式は処理できません");
}

TEST_F(BackgroundPicture, ABitmapThatIsNoneIsInvalid) {
    Write("garbage.bmp", QByteArray("BM this is not a bitmap at all", 30));
    EXPECT_EQ(Error("garbage.bmp"), "認識できない画像形式です");
    Write("empty.bmp", QByteArray());
    EXPECT_EQ(Error("empty.bmp"), "認識できない画像形式です");
    // The extension decides: another format under a bitmap's name is not read.
    ASSERT_TRUE(Picture().save(Path("png.bmp"), "PNG"));
    EXPECT_EQ(Error("png.bmp"), "認識できない画像形式です");
    EXPECT_EQ(Error("missing.bmp"), "認識できない画像形式です");
}

} // namespace
} // namespace tintora
