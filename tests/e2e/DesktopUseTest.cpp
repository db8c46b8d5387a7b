// The real program used the way a user does on a real X desktop: the mouse, the keyboard, the
// screen and the clipboard.

#include "Desktop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace tintora::e2e {
namespace {

using namespace std::chrono_literals;

class DesktopUse : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(copy_.SettingsFile(), "[WINDOW]\r\nTop=40\r\nLeft=40\r\n");
        program_ = copy_.Start(desktop_);
        window_ = desktop_.WaitForWindow();
        ASSERT_FALSE(window_.empty()) << desktop_.Describe();
        Settle();
        main_ = desktop_.ClientArea(window_);
        // The window is its menu bar and the client area under it, 189 pixels high collapsed.
        menuBar_ = main_.height - 189;
        ASSERT_GT(menuBar_, 10);
        ASSERT_LT(menuBar_, 60);
    }

    void TearDown() override {
        if (program_.Running()) {
            desktop_.CloseThroughWindowManager(window_);
            program_.WaitForExit(10s);
        }
    }

    // A point of the main window's client area, in screen coordinates.
    std::string At(int clientX, int clientY) const {
        return std::to_string(main_.x + clientX) + " " +
               std::to_string(main_.y + menuBar_ + clientY);
    }

    void Xdo(const std::string& args) const { desktop_.Status("xdotool " + args); }
    void Keys(const std::string& keys) const {
        Xdo("windowactivate --sync " + window_ + " key --delay 40 " + keys);
        Settle();
    }
    static void Settle() { std::this_thread::sleep_for(300ms); }

    std::string Clipboard() const { return desktop_.Run("xclip -o -selection clipboard"); }

    TDesktop desktop_;
    TProgramCopy copy_;
    TProcess program_;
    std::string window_;
    TGeometry main_;
    int menuBar_ = 0;
};

TEST_F(DesktopUse, TheDropperPicksAColourFromAnotherWindow) {
    desktop_.Status("(display -title colour-block -geometry 160x160+600+380 -size 160x160 "
                    "xc:'#123456' &)");
    const std::string block = desktop_.WaitForWindow("colour-block");
    ASSERT_FALSE(block.empty()) << desktop_.Describe();
    Settle();
    const TGeometry g = desktop_.ClientArea(block);

    // Press on the dropper button, drag onto the block, release there.
    Xdo("mousemove " + At(271 + 37, 133 + 11) + " mousedown 1");
    Xdo("mousemove --sync " + std::to_string(g.x + 40) + " " + std::to_string(g.y + 40));
    Xdo("mousemove --sync " + std::to_string(g.x + g.width / 2) + " " +
        std::to_string(g.y + g.height / 2));
    Settle();
    Xdo("mouseup 1");
    Settle();
    Keys("F12");
    EXPECT_EQ(Clipboard(), "123456");
}

TEST_F(DesktopUse, FontTagColourAndFormatsReachTheClipboard) {
    Keys("ctrl+g"); // the tag pages
    main_ = desktop_.ClientArea(window_);
    // The text field runs across the top of the FONT page, below the page tabs.
    Xdo("mousemove " + At(120, 194 + 36) + " click 1");
    Keys("ctrl+a BackSpace H i");
    // The two-colour button, second of the type buttons.
    Xdo("mousemove " + At(1 + 4 + 36 + 17, 194 + 36 + 89 - 4 + 10) + " click 1");
    Keys("ctrl+f");
    EXPECT_EQ(Clipboard(), "<font color=\"#ff0000\">H</font><font color=\"#0000ff\">i</font>");

    Keys("F12");
    EXPECT_EQ(Clipboard(), "ff0000");

    // The narrow button beside "コピー" opens the formats; the first is COLOR.
    Xdo("mousemove " + At(328 + 9, 106 + 11) + " click 1");
    Settle();
    Xdo("key Down Return");
    Settle();
    EXPECT_EQ(Clipboard(), "color=\"#ff0000\"");
}

TEST_F(DesktopUse, TheBodyTagIsCopiedThroughItsDialog) {
    Keys("ctrl+g");
    // The BODY tab, right of the FONT tab.
    Xdo("mousemove " + At(1 + 80, 194 + 10) + " click 1");
    Settle();
    Keys("ctrl+y");
    const std::string dialog = desktop_.WaitForWindow("BODYタグのコピー - Tintora");
    ASSERT_FALSE(dialog.empty()) << desktop_.Describe();
    Settle();
    // Its frame opens at the main window's frame plus the tag pages' place in the window.
    const TGeometry mainFrame = desktop_.Frame(window_);
    const TGeometry dialogFrame = desktop_.Frame(dialog);
    EXPECT_EQ(dialogFrame.x, mainFrame.x + 1);
    EXPECT_EQ(dialogFrame.y, mainFrame.y + 194);
    Xdo("windowactivate --sync " + dialog + " key Return");
    Settle();
    EXPECT_EQ(Clipboard(), "<body bgcolor=\"#ffffff\" text=\"#ff0000\" link=\"#0000ff\" "
                           "vlink=\"#800080\" alink=\"#ff0000\">");
}

TEST_F(DesktopUse, AnOptionSetInTheOptionsDialogTakesEffectAndIsKept) {
    Keys("alt+v o");
    const std::string dialog = desktop_.WaitForWindow("オプション設定 - Tintora");
    ASSERT_FALSE(dialog.empty()) << desktop_.Describe();
    Settle();
    // One option on each page by its accelerator: HSV on the general page, "#" on the copy page,
    // the sample size on the tag display page, the system folder among the plug-in places (the
    // group's accelerator reaches its first box). Return is OK.
    Xdo("windowactivate --sync " + dialog +
        " key --delay 80 alt+v ctrl+Tab alt+h ctrl+Tab alt+s 2 0 ctrl+Tab alt+p space Return");
    Settle();
    EXPECT_TRUE(desktop_.VisibleWindows("オプション設定").empty()) << desktop_.Describe();
    Keys("F12");
    EXPECT_EQ(Clipboard(), "#ff0000");

    desktop_.CloseThroughWindowManager(window_);
    ASSERT_EQ(program_.WaitForExit(10s), 0);
    const std::string ini = ReadFile(copy_.SettingsFile());
    for (const char* key :
         {"UseHSV=1\r\n", "AddSharp=1\r\n", "SampleFontSize=20\r\n", "SearchWinDir=1\r\n"}) {
        EXPECT_NE(ini.find(key), std::string::npos) << key << ini;
    }
    EXPECT_NE(ini.find("Option.Top="), std::string::npos) << ini;
    EXPECT_NE(ini.find("Option.Left="), std::string::npos) << ini;
}

// Where the pixels of a colour lie in a screenshot: their bounding box and their count.
struct TColourSpread {
    int count = 0;
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

TColourSpread FindColour(const TDesktop& desktop, const std::string& png, const TGeometry& area,
                         unsigned rgb) {
    std::istringstream in(desktop.Run("convert " + png + " -crop " + std::to_string(area.width) +
                                      "x" + std::to_string(area.height) + "+" +
                                      std::to_string(area.x) + "+" + std::to_string(area.y) +
                                      " +repage txt:-"));
    TColourSpread spread;
    for (std::string line; std::getline(in, line);) {
        int x = 0, y = 0;
        unsigned pixel = 0;
        const auto hash = line.find('#');
        if (std::sscanf(line.c_str(), "%d,%d:", &x, &y) != 2 || hash == std::string::npos ||
            std::sscanf(line.c_str() + hash + 1, "%6x", &pixel) != 1) {
            continue;
        }
        bool near = true;
        for (int shift = 0; shift < 24; shift += 8) {
            near = near && std::abs(int(pixel >> shift & 0xFF) - int(rgb >> shift & 0xFF)) <= 12;
        }
        if (near) {
            ++spread.count;
            spread.left = std::min(spread.left, x);
            spread.top = std::min(spread.top, y);
            spread.right = std::max(spread.right, x);
            spread.bottom = std::max(spread.bottom, y);
        }
    }
    return spread;
}

TEST_F(DesktopUse, BackgroundPicturesOfEachPluginFormatTileTheBodySample) {
    const struct {
        const char* file;
        unsigned rgb;
    } pictures[] = {{"tile.png", 0x20C060}, {"tile.jpg", 0xC04020}, {"tile.gif", 0x4060E0}};
    for (const auto& picture : pictures) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%06X", picture.rgb);
        ASSERT_EQ(desktop_.Status("convert -size 16x16 xc:'" + std::string(colour) + "' " +
                                  (copy_.Folder() / picture.file).string()),
                  0);
    }
    Keys("ctrl+g");
    main_ = desktop_.ClientArea(window_);
    Xdo("mousemove " + At(1 + 80, 194 + 10) + " click 1"); // the BODY tab
    Settle();
    const TGeometry page{main_.x, main_.y + menuBar_ + 194, 353, 228};
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.file);
        Keys("ctrl+i");
        const std::string dialog = desktop_.WaitForWindow("背景画像の読み込み");
        ASSERT_FALSE(dialog.empty()) << desktop_.Describe();
        Settle();
        Xdo("windowactivate --sync " + dialog + " type --delay 20 '" +
            (copy_.Folder() / picture.file).string() + "'");
        Xdo("key Return");
        Settle();
        Settle();
        const std::string shot = (copy_.Folder() / "shot.png").string();
        desktop_.Screenshot(shot);
        // The picture covers the BODY sample (241 × 118) inside its one-pixel frame, all but the
        // sample's lines of text.
        const TColourSpread spread = FindColour(desktop_, shot, page, picture.rgb);
        EXPECT_GT(spread.count, 239 * 116 / 2) << desktop_.Describe();
        EXPECT_EQ(spread.right - spread.left + 1, 239);
        EXPECT_EQ(spread.bottom - spread.top + 1, 116);

        Keys("ctrl+y");
        const std::string copyDialog = desktop_.WaitForWindow("BODYタグのコピー - Tintora");
        ASSERT_FALSE(copyDialog.empty()) << desktop_.Describe();
        Settle();
        Xdo("windowactivate --sync " + copyDialog + " key Return");
        Settle();
        EXPECT_NE(Clipboard().find(" background=\"" + std::string(picture.file) + "\">"),
                  std::string::npos)
            << Clipboard();
    }
}

} // namespace
} // namespace tintora::e2e
