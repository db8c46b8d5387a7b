// The real program on a real X desktop: started with a prepared settings file, closed through the
// window manager, and the rewritten settings file checked.

#include "Desktop.h"

#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>
#include <thread>

namespace tintora::e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kExitTimeout = 15s;

int IntAfter(const std::string& text, const std::string& key) {
    const std::regex line("(^|\r\n)" + key + "=(-?[0-9]+)\r\n");
    std::smatch m;
    return std::regex_search(text, m, line) ? std::stoi(m[2]) : -99999;
}

class StartUp : public ::testing::Test {
protected:
    // Starts the program, waits for its window, closes it the way a user does and waits until it
    // has ended; returns the settings file as it was left.
    std::string RunAndClose() {
        TProcess program = copy_.Start(desktop_);
        const std::string window = desktop_.WaitForWindow();
        EXPECT_FALSE(window.empty()) << "the main window did not appear\n" << desktop_.Describe();
        desktop_.CloseThroughWindowManager(window);
        EXPECT_EQ(program.WaitForExit(kExitTimeout), 0);
        return ReadFile(copy_.SettingsFile());
    }

    TDesktop desktop_;
    TProgramCopy copy_;
};

TEST_F(StartUp, FirstStartWritesEverySettingWithItsDefault) {
    const std::string ini = RunAndClose();
    ASSERT_FALSE(ini.empty());
    // Sections in the order the program writes them.
    std::vector<std::size_t> at;
    for (const char* section :
         {"[WINDOW]", "[OPTION]", "[PALLET]", "[WEBBROWSER]", "[STATUS]", "[PREVIEW]", "[SPI]"}) {
        at.push_back(ini.find(section));
        ASSERT_NE(at.back(), std::string::npos) << section;
    }
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end()));
    EXPECT_NE(ini.find("\r\nStayOnTop=0\r\n"), std::string::npos);
    EXPECT_NE(ini.find("\r\nEscHtmlTokens=1\r\nEscSpaceChar=1\r\nWrapFontTag=0\r\n"),
              std::string::npos);
    EXPECT_NE(ini.find("\r\nDefBodyAttrib=31\r\n"), std::string::npos);
    EXPECT_NE(ini.find("\r\nCopySound=\"C:\\WINDOWS\\MEDIA\\DING.WAV\"\r\n"), std::string::npos);
    EXPECT_NE(ini.find("\r\n23=16777215\r\n"), std::string::npos);
    EXPECT_EQ(ini.find("UpperCase"), std::string::npos);
    // Every line ends in CR LF.
    EXPECT_EQ(std::count(ini.begin(), ini.end(), '\n'), std::count(ini.begin(), ini.end(), '\r'));
}

TEST_F(StartUp, UpperCaseStaysAndTheThreeCaseKeysAreWrittenAsUpper) {
    WriteFile(copy_.SettingsFile(), "[OPTION]\r\nUpperCase=1\r\n");
    const std::string ini = RunAndClose();
    EXPECT_NE(ini.find("UpperCase=1\r\n"), std::string::npos);
    EXPECT_EQ(IntAfter(ini, "CharCaseE"), 1);
    EXPECT_EQ(IntAfter(ini, "CharCaseA"), 1);
    EXPECT_EQ(IntAfter(ini, "CharCaseV"), 1);
}

TEST_F(StartUp, AStoredPositionOffTheScreenIsPulledIntoTheWorkArea) {
    WriteFile(copy_.SettingsFile(), "[WINDOW]\r\nTop=5000\r\nLeft=-3000\r\n");
    const std::string ini = RunAndClose();
    const int top = IntAfter(ini, "Top");
    const int left = IntAfter(ini, "Left");
    EXPECT_EQ(left, 0);
    EXPECT_GT(top, 0);
    EXPECT_LT(top, 768 - 150) << "the window's bottom edge must lie on the screen";
}

// The whole frame, title bar and borders as the window manager draws them, stays on the screen
// (1024 x 768, no panels): at start-up and when the tag pages expand the window downwards.
TEST_F(StartUp, TheWholeFrameStaysOnTheScreenAtStartAndOnExpanding) {
    const struct {
        const char* name;
        int top;
        int left;
    } rows[] = {{"near the bottom right", 700, 900}, {"low on the screen", 500, 100}};
    for (const auto& row : rows) {
        WriteFile(copy_.SettingsFile(), "[WINDOW]\r\nTop=" + std::to_string(row.top) +
                                            "\r\nLeft=" + std::to_string(row.left) + "\r\n");
        TProcess program = copy_.Start(desktop_);
        const std::string window = desktop_.WaitForWindow();
        ASSERT_FALSE(window.empty()) << desktop_.Describe();
        for (const char* keys : {"", "ctrl+g"}) {
            if (*keys != '\0') {
                desktop_.Status("xdotool windowactivate --sync " + window + " key " + keys);
            }
            // The window settles once the window manager has framed it; a busy machine is slow.
            TGeometry frame;
            const auto onScreen = [&] {
                frame = desktop_.Frame(window);
                const bool framed = frame.width > desktop_.ClientArea(window).width;
                return framed && frame.x >= 0 && frame.y >= 0 && frame.x + frame.width <= 1024 &&
                       frame.y + frame.height <= 768;
            };
            for (int i = 0; i < 50 && !onScreen(); ++i) {
                std::this_thread::sleep_for(100ms);
            }
            EXPECT_TRUE(onScreen()) << row.name << " " << keys << ": " << frame.x << ", " << frame.y
                                    << ", " << frame.width << " x " << frame.height;
        }
        desktop_.CloseThroughWindowManager(window);
        EXPECT_EQ(program.WaitForExit(kExitTimeout), 0);
    }
}

TEST_F(StartUp, AStoredPositionOnTheScreenIsKept) {
    WriteFile(copy_.SettingsFile(), "[WINDOW]\r\nTop=120\r\nLeft=240\r\n");
    const std::string ini = RunAndClose();
    EXPECT_EQ(IntAfter(ini, "Top"), 120);
    EXPECT_EQ(IntAfter(ini, "Left"), 240);
}

TEST_F(StartUp, TheSeedFileIsCopiedOnFirstStart) {
    WriteFile(copy_.SeedFile(), "[OPTION]\r\nAddSharp=1\r\n[PALLET]\r\n5=255\r\n");
    TProcess program = copy_.Start(desktop_);
    const std::string window = desktop_.WaitForWindow();
    ASSERT_FALSE(window.empty()) << desktop_.Describe();
    EXPECT_EQ(ReadFile(copy_.SettingsFile()), "[OPTION]\r\nAddSharp=1\r\n[PALLET]\r\n5=255\r\n");
    desktop_.CloseThroughWindowManager(window);
    ASSERT_EQ(program.WaitForExit(kExitTimeout), 0);
    const std::string ini = ReadFile(copy_.SettingsFile());
    EXPECT_EQ(IntAfter(ini, "AddSharp"), 1);
    EXPECT_EQ(IntAfter(ini, "5"), 255);
    // The seed itself is never written.
    EXPECT_EQ(ReadFile(copy_.SeedFile()), "[OPTION]\r\nAddSharp=1\r\n[PALLET]\r\n5=255\r\n");
}

TEST_F(StartUp, AReadOnlySettingsFileIsLeftUntouchedAndTheErrorIsShown) {
    const std::string original = "[OPTION]\r\nAddSharp=1\r\n; the user's own notes\r\n";
    WriteFile(copy_.SettingsFile(), original);
    ::chmod(copy_.SettingsFile().c_str(), 0444);

    TProcess program = copy_.Start(desktop_);
    const std::string window = desktop_.WaitForWindow();
    ASSERT_FALSE(window.empty()) << desktop_.Describe();
    desktop_.CloseThroughWindowManager(window);
    // The main window goes; the error box, titled with the program's name, stays until answered.
    std::this_thread::sleep_for(1s);
    const auto boxes = desktop_.VisibleWindows("^Tintora$");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes.front(), window);
    EXPECT_TRUE(program.Running());
    desktop_.Status("xdotool windowactivate --sync " + boxes.front() + " key Return");
    EXPECT_EQ(program.WaitForExit(kExitTimeout), 0);
    EXPECT_EQ(ReadFile(copy_.SettingsFile()), original);
}

TEST_F(StartUp, TerminatingTheProgramStillWritesItsSettings) {
    TProcess program = copy_.Start(desktop_);
    ASSERT_FALSE(desktop_.WaitForWindow().empty());
    ::kill(program.Pid(), SIGTERM);
    EXPECT_EQ(program.WaitForExit(kExitTimeout), 0);
    EXPECT_NE(ReadFile(copy_.SettingsFile()).find("[PALLET]"), std::string::npos);
}

TEST_F(StartUp, ASecondCopyStartsBesideTheFirst) {
    TProcess first = copy_.Start(desktop_);
    ASSERT_FALSE(desktop_.WaitForWindow().empty());
    TProcess second = copy_.Start(desktop_);
    for (int i = 0; i < 100 && desktop_.VisibleWindows("^Tintora$").size() < 2; ++i) {
        std::this_thread::sleep_for(100ms);
    }
    const auto windows = desktop_.VisibleWindows("^Tintora$");
    ASSERT_EQ(windows.size(), 2u);
    // The second copy ends; the first one goes on running and still answers a third start.
    ::kill(second.Pid(), SIGTERM);
    EXPECT_EQ(second.WaitForExit(kExitTimeout), 0);
    EXPECT_TRUE(first.Running());
    ::kill(first.Pid(), SIGTERM);
    EXPECT_EQ(first.WaitForExit(kExitTimeout), 0);
}

} // namespace
} // namespace tintora::e2e
