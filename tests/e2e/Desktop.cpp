#include "Desktop.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef TINTORA_PROGRAM
#error "TINTORA_PROGRAM must name the built program"
#endif

namespace tintora::e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

pid_t Spawn(const std::vector<std::string>& args, const std::string& display,
            const TEnvironment& environment = {}) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!display.empty()) {
            ::setenv("DISPLAY", display.c_str(), 1);
        }
        for (const auto& [name, value] : environment) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
        // Keep the program's output out of the test log unless asked for.
        if (!std::getenv("TINTORA_E2E_VERBOSE")) {
            std::freopen("/dev/null", "w", stdout);
            std::freopen("/dev/null", "w", stderr);
        }
        std::vector<char*> argv;
        for (const auto& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

void Stop(pid_t& pid) {
    if (pid > 0) {
        ::kill(pid, SIGTERM);
        int status = 0;
        for (int i = 0; i < 50 && ::waitpid(pid, &status, WNOHANG) == 0; ++i) {
            std::this_thread::sleep_for(20ms);
        }
        if (::waitpid(pid, &status, WNOHANG) == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
        pid = -1;
    }
}

} // namespace

TDesktop::TDesktop() {
    int fds[2];
    if (::pipe(fds) != 0) {
        throw std::runtime_error("pipe");
    }
    xvfb_ = ::fork();
    if (xvfb_ == 0) {
        ::close(fds[0]);
        std::freopen("/dev/null", "w", stderr);
        const std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                 "-nolisten", "tcp", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    char c;
    while (::read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    ::close(fds[0]);
    if (number.empty()) {
        throw std::runtime_error("Xvfb did not start");
    }
    display_ = ":" + number;
    wm_ = Spawn({"openbox", "--sm-disable"}, display_);
    // Openbox announces itself on the root window a moment before it manages new windows; a
    // window mapped in between stays unmapped for good. Wait until a probe window gets managed,
    // giving each probe time to start on a busy machine, and say so when it never does.
    bool managed = false;
    for (int attempt = 0; attempt < 6 && !managed; ++attempt) {
        managed = Status("xmessage -name tintora-probe -title tintora-probe probe & "
                         "p=$!; timeout 10 xdotool search --sync --onlyvisible --name "
                         "tintora-probe; r=$?; kill $p; wait $p; exit $r") == 0;
    }
    // The window manager lets go of the probe before anything else is mapped: a window mapped
    // while it is still unmanaging one can be left unmapped.
    managed = managed && Status("for i in $(seq 100); do xprop -root _NET_CLIENT_LIST | "
                                "grep -q '0x' || exit 0; sleep 0.05; done; exit 1") == 0;
    if (!managed) {
        Stop(wm_);
        Stop(xvfb_);
        throw std::runtime_error("the window manager on " + display_ + " never managed a window");
    }
}

TDesktop::~TDesktop() {
    Stop(wm_);
    Stop(xvfb_);
}

std::string TDesktop::Run(const std::string& command) const {
    const std::string full = "export DISPLAY=" + display_ + "; " + command;
    std::string out;
    if (FILE* pipe = ::popen(full.c_str(), "r")) {
        std::array<char, 4096> buffer{};
        std::size_t n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
            out.append(buffer.data(), n);
        }
        ::pclose(pipe);
    }
    return out;
}

int TDesktop::Status(const std::string& command) const {
    const std::string full =
        "export DISPLAY=" + display_ + "; { " + command + "; } >/dev/null 2>&1";
    const int status = std::system(full.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string TDesktop::WaitForWindow(const std::string& titleRegex) const {
    const auto wait = [&](int seconds) {
        const std::string id = Run("timeout " + std::to_string(seconds) +
                                   " xdotool search --sync --onlyvisible --name '" + titleRegex +
                                   "' 2>/dev/null | head -n 1");
        return id.substr(0, id.find('\n'));
    };
    std::string id = wait(12);
    if (id.empty()) {
        RequestLostMaps(titleRegex);
        id = wait(8);
    }
    return id;
}

// Now and then, on a loaded machine, openbox leaves a newly shown window unmapped and unmanaged
// for good, although the program asked for it to be mapped (seen about once in a hundred starts
// of the program). A top-level window of the program that the window manager never took on (it
// has WM_CLASS, which Qt sets for shown windows, but no WM_STATE) gets its map request again,
// which the window manager then handles; it is said on the test's error output.
void TDesktop::RequestLostMaps(const std::string& titleRegex) const {
    const std::string lost =
        Run("for w in $(xdotool search --name '" + titleRegex +
            "' 2>/dev/null); do xprop -id $w WM_CLASS 2>/dev/null | grep -q '=' || continue; "
            "xprop -id $w WM_STATE 2>/dev/null | grep -q '=' && continue; "
            "xwininfo -id $w 2>/dev/null | grep -q IsUnMapped && echo $w; done");
    std::istringstream ids(lost);
    for (std::string w; std::getline(ids, w);) {
        std::fprintf(stderr, "the window manager lost the map request of window %s; asked again\n",
                     w.c_str());
        Status("xdotool windowmap " + w);
    }
}

std::vector<std::string> TDesktop::VisibleWindows(const std::string& titleRegex) const {
    std::istringstream lines(
        Run("xdotool search --onlyvisible --name '" + titleRegex + "' 2>/dev/null"));
    std::vector<std::string> ids;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) {
            ids.push_back(line);
        }
    }
    return ids;
}

void TDesktop::CloseThroughWindowManager(const std::string& windowId) const {
    Status("wmctrl -i -c " + windowId);
}

std::string TDesktop::Describe() const {
    return Run("echo managed:; wmctrl -lG 2>&1; echo windows:; "
               "for w in $(xdotool search --name . 2>/dev/null); do "
               "printf '%s %s ' $w \"$(xdotool getwindowname $w 2>/dev/null)\"; "
               "xwininfo -id $w 2>/dev/null | grep 'Map State'; done");
}

TGeometry TDesktop::ClientArea(const std::string& windowId) const {
    std::istringstream in(Run("xwininfo -id " + windowId));
    TGeometry g;
    for (std::string line; std::getline(in, line);) {
        const auto colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, colon);
        const int value = std::atoi(line.c_str() + colon + 1);
        if (key.find("Absolute upper-left X") != std::string::npos) {
            g.x = value;
        } else if (key.find("Absolute upper-left Y") != std::string::npos) {
            g.y = value;
        } else if (key == "  Width") {
            g.width = value;
        } else if (key == "  Height") {
            g.height = value;
        }
    }
    return g;
}

TGeometry TDesktop::Frame(const std::string& windowId) const {
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    std::istringstream in(
        Run("xprop -id " + windowId + " _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'"));
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    in >> left >> right >> top >> bottom;
    const TGeometry client = ClientArea(windowId);
    return {client.x - left, client.y - top, client.width + left + right,
            client.height + top + bottom};
}

void TDesktop::Screenshot(const fs::path& png) const {
    Status("import -window root " + png.string());
}

TProgramCopy::TProgramCopy() {
    std::string pattern = (fs::temp_directory_path() / "tintora-e2e-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("mkdtemp");
    }
    folder_ = pattern;
    fs::copy_file(TINTORA_PROGRAM, folder_ / "tintora");
    // The image plug-ins and the program's own modules lie beside the built program, where it
    // looks for them.
    for (const auto& entry : fs::directory_iterator(fs::path(TINTORA_PROGRAM).parent_path())) {
        if (entry.path().extension() == ".spi" || entry.path().extension() == ".so") {
            fs::copy_file(entry.path(), folder_ / entry.path().filename());
        }
    }
}

TProgramCopy::~TProgramCopy() {
    std::error_code ec;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(folder_, ec);
}

TProcess TProgramCopy::Start(const TDesktop& desktop) const {
    // Each copy gets a runtime folder of its own, so that copies started by other tests do not
    // count as an instance already running.
    const fs::path runtime = folder_ / "runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    return StartProgram(desktop, folder_ / "tintora", {{"XDG_RUNTIME_DIR", runtime.string()}});
}

TProcess StartProgram(const TDesktop& desktop, const fs::path& program,
                      const TEnvironment& environment) {
    return TProcess(Spawn({program.string()}, desktop.Display(), environment));
}

TProcess& TProcess::operator=(TProcess&& other) noexcept {
    if (this != &other) {
        Kill();
        pid_ = other.pid_;
        other.pid_ = -1;
    }
    return *this;
}

int TProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (pid_ <= 0) {
        return -1;
    }
    const auto until = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (std::chrono::steady_clock::now() < until) {
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(20ms);
    }
    return -1;
}

bool TProcess::Running() {
    return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0;
}

void TProcess::Kill() {
    Stop(pid_);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace tintora::e2e
