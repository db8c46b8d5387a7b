#include "preview/BrowserLaunch.h"

#include "PeFiles.h"
#include "TempDir.h"
#include "fakes/FakeServices.h"
#include "preview/BrowserPreview.h"
#include "preview/BrowserPrograms.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

class BrowserLaunchTest : public ::testing::Test {
protected:
    BrowserLaunchTest() {
        settings_.IEPath = dir_.Write("chromium", "", true);
        settings_.NNPath = dir_.Write("firefox", "", true);
        processes_.Output = "Mozilla Firefox 115.3.0esr";
    }
    std::vector<std::string> Open(bool ctrl) {
        launcher_.OpenInBrowser("/tmp/a b.html", ctrl, settings_);
        return dde_.Calls;
    }

    test::TTempDir dir_;
    TFakeProcessStarter processes_;
    TFakeUserPrompts prompts_;
    TFakeDdeClient dde_;
    TBrowserLauncher launcher_{dde_, processes_, prompts_, ""};
    TBrowserSettings settings_;
};

TEST_F(BrowserLaunchTest, CtrlPicksTheOtherBrowser) {
    const std::string command = "execute \"file:///tmp/a b.html\",,-1,,,,,";
    struct TRow {
        bool useNNMainly;
        bool ctrl;
        bool second;
    } rows[] = {
        {false, false, false}, {false, true, true}, {true, true, false}, {true, false, true}};
    for (const TRow& row : rows) {
        dde_.Calls.clear();
        settings_.UseNNMainly = row.useNNMainly;
        const std::string open = row.second ? "open NSShell WWW_OpenURL " + settings_.NNPath
                                            : "open IExplore WWW_OpenURL " + settings_.IEPath;
        EXPECT_EQ(Open(row.ctrl), (std::vector<std::string>{open, command, "close"}))
            << row.useNNMainly << row.ctrl;
    }
    EXPECT_TRUE(prompts_.Shown.empty());
}

TEST_F(BrowserLaunchTest, Failures) {
    settings_.IEPath.clear(); // and none on the (empty) search path
    EXPECT_TRUE(Open(false).empty());
    dde_.OpenSucceeds = false;
    EXPECT_EQ(Open(true).back(), "close");
    dde_.OpenSucceeds = true;
    dde_.ExecuteSucceeds = false;
    EXPECT_EQ(Open(true).back(), "close");
    processes_.Output = std::nullopt;
    dde_.Calls.clear();
    EXPECT_TRUE(Open(true).empty());
    EXPECT_EQ(prompts_.Shown,
              (std::vector<TFakeUserPrompts::TShown>{
                  {"error", "",
                   "Webブラウザ '' が見つかりません。\r"
                   "[オプション設定]ダイアログを開き、設定を確認してください。"},
                  {"message", "", "NSShell へのリンクに失敗しました。"},
                  {"message", "", "'file:///tmp/a b.html' を表示できませんでした。"},
                  {"error", "", "バージョン情報が取得できません."}}));
}

TEST_F(BrowserLaunchTest, NetscapeServiceFollowsTheMajorVersion) {
    struct TRow {
        const char* output;
        const char* service;
    } rows[] = {{"Netscape 3.04", "NETSCAPE"}, {"4.08", "NSShell"}, {"6.2.1", "NSShell"}};
    for (const TRow& row : rows) {
        processes_.Output = row.output;
        EXPECT_EQ(launcher_.NetscapeDdeService(settings_.NNPath), row.service) << row.output;
    }
    const std::string beta =
        dir_.Write("nn.exe", test::PeFileWithVersionBlock(test::VersionBlockWith("beta.1", true)));
    EXPECT_EQ(launcher_.NetscapeDdeService(beta), "NSShell");
    EXPECT_EQ(launcher_.NetscapeDdeService(""), "NSShell");
}

TEST_F(BrowserLaunchTest, BrowsersAreLookedUpOnThePathInPreferenceOrder) {
    test::TTempDir other;
    other.Write("google-chrome", "", true);
    other.Write("firefox-esr", "", true);
    other.Write("chromium-browser", ""); // not executable
    const std::string path = other.Path().string() + "::" + dir_.Path().string();
    EXPECT_EQ(FindBrowserOnPath(TBrowserFamily::bfChromium, path), settings_.IEPath);
    EXPECT_EQ(FindBrowserOnPath(TBrowserFamily::bfFirefox, path), settings_.NNPath);
    EXPECT_EQ(FindBrowserOnPath(TBrowserFamily::bfChromium, other.Path().string()),
              (other.Path() / "google-chrome").string());

    settings_.IEPath.clear();
    const TBrowserLauncher launcher(dde_, processes_, prompts_, path);
    EXPECT_EQ(launcher.FirstBrowserPath(settings_), (dir_.Path() / "chromium").string());
}

TEST_F(BrowserLaunchTest, PreviewsWriteTheFileThenOpenIt) {
    const std::string previewFile = (dir_.Path() / "tintora.html").string();
    const auto written = [&] { return dir_.Read("tintora.html"); };
    TBrowserPreview preview((dir_.Path() / "Tintora.HTML").string(), launcher_, prompts_);
    preview.PreviewFontTag({}, false, settings_);
    ASSERT_EQ(dde_.Calls.size(), 3u);
    EXPECT_EQ(dde_.Calls[1], "execute \"file://" + previewFile + "\",,-1,,,,,");
    EXPECT_EQ(written(), FontPreviewPage({}));

    const std::string sample = dir_.Write("s.html", "<body>x");
    preview.PreviewBodyTag(sample, {}, false, settings_);
    EXPECT_EQ(written(), PreviewBodyTag({}) + "x\r\n");

    dde_.Calls.clear();
    preview.PreviewBodyTag(sample + ".gone", {}, false, settings_);
    TBrowserPreview nowhere((dir_.Path() / "gone/tintora.html").string(), launcher_, prompts_);
    nowhere.PreviewBodyTag(sample, {}, false, settings_);
    EXPECT_EQ(
        prompts_.Shown,
        (std::vector<TFakeUserPrompts::TShown>{
            {"error", "", sample + ".gone を読み込めません"},
            {"error", "", (dir_.Path() / "gone/tintora.html").string() + " に書き込めません"}}));
    EXPECT_EQ(written(), PreviewBodyTag({}) + "x\r\n") << "the last page stays whole";
    EXPECT_TRUE(dde_.Calls.empty()) << "nothing written, nothing shown";
}

} // namespace
} // namespace tintora
