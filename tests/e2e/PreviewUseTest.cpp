// F9 as a user presses it: the real program on a real X desktop opens a real Chromium, started on
// the program's own profile folder, showing the preview page.

#include "Desktop.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace tintora::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr char kChromium[] = "/usr/bin/chromium";

class PreviewUse : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kChromium)) {
            GTEST_SKIP() << "no chromium to run";
        }
        // The program recognises a Chromium by its name; this one also keeps quiet on a closed
        // network.
        const fs::path browser = copy_.Folder() / "bin" / "chromium";
        fs::create_directories(browser.parent_path());
        WriteFile(browser, std::string("#!/bin/sh\nexec ") + kChromium +
                               " --disable-background-networking --disable-component-update"
                               " --disable-sync --disable-gpu \"$@\"\n");
        fs::permissions(browser, fs::perms::owner_exec, fs::perm_options::add);
        WriteFile(copy_.SettingsFile(),
                  "[WINDOW]\r\nTop=40\r\nLeft=40\r\n[WEBBROWSER]\r\nIEPath=\"" + browser.string() +
                      "\"\r\n");
        ::setenv("XDG_CACHE_HOME", (copy_.Folder() / "cache").c_str(), 1);
        program_ = copy_.Start(desktop_);
        window_ = desktop_.WaitForWindow();
        ASSERT_FALSE(window_.empty()) << desktop_.Describe();
    }

    void TearDown() override {
        if (program_.Running()) {
            desktop_.CloseThroughWindowManager(window_);
            program_.WaitForExit(10s);
        }
        // The browser goes on after the program, as a browser does; Chromium names its process in
        // the lock it keeps in the profile folder ("host-PID").
        std::error_code ec;
        const std::string lock =
            fs::read_symlink(copy_.Folder() / "cache/tintora/chromium-profile/SingletonLock", ec);
        if (!ec && lock.rfind('-') != std::string::npos) {
            ::kill(std::atoi(lock.c_str() + lock.rfind('-') + 1), SIGTERM);
        }
    }

    void Keys(const std::string& keys) const {
        desktop_.Status("xdotool windowactivate --sync " + window_ + " key --delay 40 " + keys);
        std::this_thread::sleep_for(300ms);
    }

    TDesktop desktop_;
    TProgramCopy copy_;
    TProcess program_;
    std::string window_;
};

TEST_F(PreviewUse, F9ShowsTheFontPreviewInChromium) {
    Keys("ctrl+g F9");
    // A browser's first start on a fresh profile takes long on a busy machine.
    std::string browser;
    for (int attempt = 0; attempt < 4 && browser.empty(); ++attempt) {
        browser = desktop_.WaitForWindow("FONTタグ表示テスト - Chromium$");
    }
    ASSERT_FALSE(browser.empty()) << desktop_.Describe();
    EXPECT_EQ(desktop_.Run("xdotool getwindowname " + browser),
              "Tintora - FONTタグ表示テスト - Chromium\n");
    EXPECT_TRUE(fs::exists(copy_.Folder() / "cache/tintora/chromium-profile/DevToolsActivePort"))
        << "the live preview reaches this browser through its DevTools port";
    EXPECT_EQ(ReadFile(copy_.Folder() / "tintora.html").substr(0, 8), "<html>\r\n");

    // The connection the live preview uses is opened when the live preview first updates the
    // page, not at start-up.
    const std::string maps = "/proc/" + std::to_string(program_.Pid()) + "/maps";
    EXPECT_EQ(ReadFile(maps).find("tintora-devtools.so"), std::string::npos);
    desktop_.Status("xdotool windowactivate --sync " + window_);
    Keys("shift+F10 F10");
    EXPECT_NE(ReadFile(maps).find("tintora-devtools.so"), std::string::npos);
}

} // namespace
} // namespace tintora::e2e
