#pragma once

// A private X desktop for end-to-end tests: an Xvfb server on a free display with the openbox
// window manager, and a copy of the real program with its image plug-ins in a folder of its own
// (the program keeps its settings file beside its executable).

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace tintora::e2e {

// A window's place and size on the screen, in pixels.
struct TGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Variables set for a started program, beside those of the test.
using TEnvironment = std::vector<std::pair<std::string, std::string>>;

class TDesktop {
public:
    TDesktop();
    ~TDesktop();
    TDesktop(const TDesktop&) = delete;
    TDesktop& operator=(const TDesktop&) = delete;

    const std::string& Display() const { return display_; }
    // Runs a shell command on this desktop and returns what it printed on standard output.
    std::string Run(const std::string& command) const;
    // Runs a shell command and returns its exit status.
    int Status(const std::string& command) const;
    // Waits until a window whose title matches is mapped; returns its X window id, or an empty
    // text when none appears within 20 seconds.
    std::string WaitForWindow(const std::string& titleRegex = "^Tintora$") const;
    // The visible windows whose title matches.
    std::vector<std::string> VisibleWindows(const std::string& titleRegex) const;
    // Asks the window manager to close a window, as its close box does.
    void CloseThroughWindowManager(const std::string& windowId) const;
    // What the desktop shows, for failure messages: every top-level window with its state.
    std::string Describe() const;
    // Where a window's own area (inside the frame) lies on the screen.
    TGeometry ClientArea(const std::string& windowId) const;
    // The window's frame as the window manager draws it: the area with the title bar and borders.
    TGeometry Frame(const std::string& windowId) const;
    // Saves a screenshot of the whole screen.
    void Screenshot(const std::filesystem::path& png) const;

private:
    void RequestLostMaps(const std::string& titleRegex) const;

    std::string display_;
    pid_t xvfb_ = -1;
    pid_t wm_ = -1;
};

// A started program; it is killed when the object goes unless it has ended by then.
class TProcess {
public:
    explicit TProcess(pid_t pid = -1) : pid_(pid) {}
    TProcess(TProcess&& other) noexcept : pid_(other.pid_) { other.pid_ = -1; }
    TProcess& operator=(TProcess&& other) noexcept;
    ~TProcess() { Kill(); }

    // Waits for the program to end; returns its exit status, or -1 when it did not end in time.
    int WaitForExit(std::chrono::milliseconds timeout);
    bool Running();
    void Kill();
    pid_t Pid() const { return pid_; }

private:
    pid_t pid_;
};

class TProgramCopy {
public:
    TProgramCopy();
    ~TProgramCopy();

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path SettingsFile() const { return folder_ / "tintora.INI"; }
    std::filesystem::path SeedFile() const { return folder_ / "tintora.IN0"; }

    TProcess Start(const TDesktop& desktop) const;

private:
    std::filesystem::path folder_;
};

// Starts a program on the desktop.
TProcess StartProgram(const TDesktop& desktop, const std::filesystem::path& program,
                      const TEnvironment& environment);

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

} // namespace tintora::e2e
