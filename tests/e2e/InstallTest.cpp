// The program installed with `cmake --install` under a prefix it was not configured for, started
// from there as a user would start it from the desktop entry.

#include "Desktop.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>
#include <thread>

#if !defined(TINTORA_BUILD_DIR) || !defined(TINTORA_CMAKE_COMMAND)
#error "TINTORA_BUILD_DIR and TINTORA_CMAKE_COMMAND must name the build folder and cmake"
#endif

namespace tintora::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class Installed : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tintora-install-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        prefix_ = root_ / "prefix";
        home_ = root_ / "home";
        fs::create_directories(home_);
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "runtime");
        fs::permissions(root_ / "runtime", fs::perms::owner_all);
        // Stands in for the desktop's opener and notes what the program asks it to open.
        WriteFile(root_ / "bin/xdg-open",
                  "#!/bin/sh\necho \"$@\" >> " + (root_ / "opened").string() + "\n");
        fs::permissions(root_ / "bin/xdg-open", fs::perms::owner_all);
        const std::string install = std::string(TINTORA_CMAKE_COMMAND) + " --install " +
                                    TINTORA_BUILD_DIR + " --prefix " + prefix_.string() +
                                    " >/dev/null";
        ASSERT_EQ(std::system(install.c_str()), 0) << install;
    }
    void TearDown() override { fs::remove_all(root_); }

    TProcess Start() const {
        return StartProgram(desktop_, prefix_ / "bin/tintora",
                            {{"HOME", home_.string()},
                             {"XDG_CONFIG_HOME", ""},
                             {"XDG_CACHE_HOME", ""},
                             {"XDG_RUNTIME_DIR", (root_ / "runtime").string()},
                             {"PATH", (root_ / "bin").string() + ":" + std::getenv("PATH")}});
    }

    TDesktop desktop_;
    fs::path root_;
    fs::path prefix_;
    fs::path home_;
};

TEST_F(Installed, EverythingADesktopNeedsIsInstalled) {
    for (const char* file :
         {"bin/tintora", "share/tintora/tintora-help.html", "share/tintora/tintora.IN0",
          "share/applications/org.tintora.Tintora.desktop",
          "share/metainfo/org.tintora.Tintora.metainfo.xml",
          "share/icons/hicolor/scalable/apps/org.tintora.Tintora.svg",
          "share/icons/hicolor/48x48/apps/org.tintora.Tintora.png",
          "lib/tintora/plugins/tintora-png.spi", "lib/tintora/plugins/tintora-jpeg.spi",
          "lib/tintora/plugins/tintora-gif.spi", "lib/tintora/tintora-devtools.so"}) {
        EXPECT_TRUE(fs::is_regular_file(prefix_ / file)) << file;
    }
}

// Run as root, which could write to the prefix's bin folder: the settings still go to the user's
// folder, seeded from the installed seed file, and F1 finds the installed help document.
TEST_F(Installed, TheInstalledProgramFindsItsDataAndKeepsSettingsInTheUsersFolder) {
    TProcess program = Start();
    const std::string window = desktop_.WaitForWindow();
    ASSERT_FALSE(window.empty()) << desktop_.Describe();
    const fs::path settings = home_ / ".config/tintora/tintora.INI";
    EXPECT_EQ(ReadFile(settings), ReadFile(prefix_ / "share/tintora/tintora.IN0"));
    struct stat folder {};
    ASSERT_EQ(::stat(settings.parent_path().c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 07777, 0700u);

    // The window is the one the desktop entry names, and it shows the program's icon.
    std::smatch wmClass;
    const std::string classes = desktop_.Run("xprop -id " + window + " WM_CLASS");
    ASSERT_TRUE(std::regex_search(classes, wmClass, std::regex("\"([^\"]*)\"\\s*$"))) << classes;
    EXPECT_NE(ReadFile(prefix_ / "share/applications/org.tintora.Tintora.desktop")
                  .find("\nStartupWMClass=" + wmClass[1].str() + "\n"),
              std::string::npos)
        << classes;
    // The icon follows the first picture of the window.
    const auto hasIcon = [&] {
        return desktop_.Run("xprop -id " + window + " _NET_WM_ICON | head -n 2").find("Icon (") !=
               std::string::npos;
    };
    for (int i = 0; i < 50 && !hasIcon(); ++i) {
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_TRUE(hasIcon());

    desktop_.Status("xdotool windowactivate --sync " + window + " key F1");
    for (int i = 0; i < 100 && !fs::exists(root_ / "opened"); ++i) {
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_NE(
        ReadFile(root_ / "opened").find(prefix_.string() + "/share/tintora/tintora-help.html"),
        std::string::npos)
        << ReadFile(root_ / "opened") << desktop_.Describe();

    desktop_.CloseThroughWindowManager(window);
    ASSERT_EQ(program.WaitForExit(15s), 0);
    EXPECT_NE(ReadFile(settings).find("[PALLET]"), std::string::npos);
    EXPECT_FALSE(fs::exists(prefix_ / "bin/tintora.INI"));
}

// The installed program finds its plug-ins from its own folder: a PNG chosen as the background
// loads, where without them an error box would name the unknown extension.
TEST_F(Installed, TheInstalledProgramReadsPicturesThroughItsPlugins) {
    const fs::path picture = root_ / "tile.png";
    ASSERT_EQ(desktop_.Status("convert -size 8x8 xc:'#20C060' " + picture.string()), 0);
    TProcess program = Start();
    const std::string window = desktop_.WaitForWindow();
    ASSERT_FALSE(window.empty()) << desktop_.Describe();
    desktop_.Status("xdotool windowactivate --sync " + window + " key ctrl+g");
    std::this_thread::sleep_for(300ms);
    desktop_.Status("xdotool key ctrl+i");
    const std::string dialog = desktop_.WaitForWindow("背景画像の読み込み");
    ASSERT_FALSE(dialog.empty()) << desktop_.Describe();
    std::this_thread::sleep_for(300ms);
    desktop_.Status("xdotool windowactivate --sync " + dialog + " type --delay 20 '" +
                    picture.string() + "'");
    desktop_.Status("xdotool key Return");
    std::this_thread::sleep_for(1500ms);
    EXPECT_TRUE(desktop_.VisibleWindows("背景画像の読み込み").empty()) << desktop_.Describe();
    EXPECT_EQ(desktop_.VisibleWindows("^Tintora$").size(), 1u) << desktop_.Describe();
    desktop_.CloseThroughWindowManager(window);
    EXPECT_EQ(program.WaitForExit(15s), 0);
}

} // namespace
} // namespace tintora::e2e
