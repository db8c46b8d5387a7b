#include "preview/BrowserPrograms.h"

#include "TempDir.h"
#include "fakes/FakeServices.h"
#include "platform/QtProcessStarter.h"
#include "preview/BrowserLaunch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QThread>

namespace tintora {
namespace {

using namespace std::chrono_literals;

// A stand-in browser: prints a version when asked, otherwise writes its arguments, one a line.
std::string FakeBrowser(const test::TTempDir& dir, const std::string& name) {
    return dir.Write(
        name,
        "#!/bin/sh\n"
        "if [ \"$1\" = --version ]; then echo 'Mozilla Firefox 115.3.0esr'; exit 0; fi\n"
        "for a in \"$@\"; do echo \"$a\"; done > \"$0.args.tmp\"\n"
        "mv \"$0.args.tmp\" \"$0.args\"\n",
        true);
}

std::string WaitForArgs(const std::string& program) {
    const std::string file = program + ".args";
    for (int i = 0; i < 200 && !std::filesystem::exists(file); ++i) {
        QThread::msleep(25);
    }
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(BrowserProgramsTest, BrowsersAreStartedWithTheFileUrl) {
    test::TTempDir dir;
    TQtProcessStarter processes;
    TFakeUserPrompts prompts;
    TProcessDdeClient dde(processes, {"/home/u/.cache/tintora/chromium-profile", geteuid() == 0});
    TBrowserLauncher launcher(dde, processes, prompts, dir.Path().string());
    TBrowserSettings settings; // both browsers from the search path

    const std::string chromium = FakeBrowser(dir, "chromium");
    const std::string firefox = FakeBrowser(dir, "firefox");
    launcher.OpenInBrowser("/tmp/a b#1.html", false, settings);
    EXPECT_EQ(WaitForArgs(chromium),
              std::string("--user-data-dir=/home/u/.cache/tintora/chromium-profile\n"
                          "--remote-debugging-port=0\n"
                          "--no-first-run\n"
                          "--no-default-browser-check\n") +
                  (geteuid() == 0 ? "--no-sandbox\n" : "") + "file:///tmp/a%20b%231.html\n");
    launcher.OpenInBrowser("/tmp/x.html", true, settings); // the version is asked first
    EXPECT_EQ(WaitForArgs(firefox), "file:///tmp/x.html\n");
    EXPECT_TRUE(prompts.Shown.empty());

    EXPECT_FALSE(dde.Open("IExplore", "WWW_OpenURL", dir.Write("plain", "not a program")));
}

TEST(BrowserProgramsTest, OutputIsReadWithinTheTimeLimit) {
    test::TTempDir dir;
    TQtProcessStarter processes;
    const std::string quick = dir.Write("quick", "#!/bin/sh\necho \"v $1\"\n", true);
    EXPECT_EQ(processes.RunForOutput(quick, {"--version"}, 5s), "v --version\n");

    const std::string slow = dir.Write("slow", "#!/bin/sh\nexec sleep 10\n", true);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(processes.RunForOutput(slow, {}, 300ms), std::nullopt);
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_EQ(processes.RunForOutput((dir.Path() / "none").string(), {}, 1s), std::nullopt);
}

} // namespace
} // namespace tintora
