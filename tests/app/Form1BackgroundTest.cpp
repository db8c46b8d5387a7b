// Background pictures in the real main window, read by the plug-ins built beside the program
// (TINTORA_SUSIE_DIR names their folder for these tests).

#include "Form1Probe.h"
#include "ImageTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include <QAction>

namespace tintora {
namespace {

using TShown = TFakeUserPrompts::TShown;

class Background : public TForm1Test {
protected:
    static std::string Data(const char* name) {
        return std::string(TINTORA_IMAGES_DATA_DIR) + "/" + name;
    }

    // Chooses `file` in the open-picture dialog.
    void LoadBgImage(const std::string& file) {
        fakes_.Files.FileAnswers.push_back(file);
        p().miLoadBgImage()->trigger();
    }
};

TEST_F(Background, TheDialogOffersThePluginFormatsWithAPreviewAndThePictureIsTaken) {
    LoadBgImage(Data("alpha.png"));
    ASSERT_EQ(fakes_.Files.FileRequests.size(), 1u);
    const TOpenFileRequest& request = fakes_.Files.FileRequests[0];
    EXPECT_EQ(
        request.Filter,
        "すべてのﾌｧｲﾙ (*.png;*.jpe;*.jpg;*.jpeg;*.gif;*.bmp)|*.png;*.jpe;*.jpg;*.jpeg;*.gif;*.bmp|"
        "PNG 画像 (*.png)|*.png|JPEG 画像 (*.jpe)|*.jpe|JPEG 画像 (*.jpg)|*.jpg|"
        "JPEG 画像 (*.jpeg)|*.jpeg|GIF 画像 (*.gif)|*.gif|ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)|*.bmp");
    ASSERT_TRUE(request.Preview);
    const TFilePreview preview = request.Preview(Data("frames.gif"));
    EXPECT_EQ(preview.Caption, "画像: (8x8)");
    EXPECT_EQ(preview.Picture.Width, 8);
    const TFilePreview none = request.Preview(Data("missing.gif"));
    EXPECT_EQ(none.Caption, "画像:");
    EXPECT_TRUE(none.Picture.Empty());

    EXPECT_EQ(form_->BgImageFile(), Data("alpha.png"));
    EXPECT_EQ(p().ImageBg().size(), QSize(4, 2));
    EXPECT_EQ(p().ImageBg().pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_TRUE(fakes_.Prompts.Shown.empty());

    // The next load starts on the current background.
    LoadBgImage(Data("progressive.jpg"));
    EXPECT_EQ(fakes_.Files.FileRequests[1].InitialFile, Data("alpha.png"));
    EXPECT_EQ(p().ImageBg().size(), QSize(32, 16));
}

TEST_F(Background, APictureNoReaderTakesIsReportedAndTheBackgroundStays) {
    LoadBgImage(Data("frames.gif"));
    const test::TTempFolder folder;
    LoadBgImage(folder.Write("notes.txt", {'h', 'i'}));
    LoadBgImage(folder.Write("broken.png", {0x89, 'P', 'N', 'G'}));
    EXPECT_EQ(fakes_.Prompts.Shown,
              (std::vector<TShown>{{"error", "", "拡張子 .txt の画像形式は処理できません"},
                                   {"error", "", "認識できない画像形式です"}}));
    EXPECT_EQ(form_->BgImageFile(), Data("frames.gif"));
    EXPECT_EQ(p().ImageBg().size(), QSize(8, 8));
}

TEST_F(Background, ReloadingLeavesOutTheSkippedPlugins) {
    EXPECT_EQ(form_->PluginHost().Count(), 3);
    p().settings().SkipFiles = {"TINTORA-PNG.SPI"};
    form_->ReloadPlugins();
    EXPECT_EQ(form_->PluginHost().Count(), 2);
    LoadBgImage(Data("alpha.png"));
    EXPECT_EQ(fakes_.Files.FileRequests[0].Filter.find("*.png"), std::string::npos);
    EXPECT_EQ(fakes_.Prompts.Shown,
              (std::vector<TShown>{{"error", "", "拡張子 .png の画像形式は処理できません"}}));
}

TEST_F(Background, APluginWithoutARequiredEntryPointIsReportedAtStartUp) {
    const test::TTempFolder folder;
    const std::string plugin = folder.AddPlugin("noinfo", "broken.spi");
    const std::string shipped = std::getenv("TINTORA_SUSIE_DIR");
    setenv("TINTORA_SUSIE_DIR", folder.Path().c_str(), 1);
    form_.reset();
    Start();
    setenv("TINTORA_SUSIE_DIR", shipped.c_str(), 1);
    EXPECT_EQ(
        fakes_.Prompts.Shown,
        (std::vector<TShown>{
            {"error", "", "GetPluginInfoは[" + plugin + "]では使えないSusie Plugin APIです"}}));
    EXPECT_EQ(form_->PluginHost().Count(), 0);
}

TEST_F(Background, WithoutTheVariableThePluginFolderIsTheInstalledOneSeenFromTheProgram) {
    const std::string shipped = std::getenv("TINTORA_SUSIE_DIR");
    unsetenv("TINTORA_SUSIE_DIR");
    form_.reset();
    Start();
    setenv("TINTORA_SUSIE_DIR", shipped.c_str(), 1);
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(form_->PluginHost().Folders.SusieDir,
              (program.parent_path() / TINTORA_PLUGIN_DIR_FROM_BIN).lexically_normal().string());
}

} // namespace
} // namespace tintora
