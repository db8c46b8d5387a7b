#include "preview/BrowserPrograms.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {

namespace {

constexpr std::array<std::string_view, 10> kChromiumNames = {
    "chromium",       "chromium-browser", "google-chrome-stable",
    "google-chrome",  "brave-browser",    "microsoft-edge-stable",
    "microsoft-edge", "vivaldi-stable",   "vivaldi",
    "chrome"};
constexpr std::array<std::string_view, 4> kFirefoxNames = {"firefox", "firefox-esr", "librewolf",
                                                           "waterfox"};
constexpr std::string_view kFileScheme = "file://";

std::span<const std::string_view> NamesOf(TBrowserFamily family) {
    switch (family) {
    case TBrowserFamily::bfChromium:
        return kChromiumNames;
    case TBrowserFamily::bfFirefox:
        return kFirefoxNames;
    case TBrowserFamily::bfOther:
        break;
    }
    return {};
}

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

} // namespace

TBrowserFamily BrowserFamilyOf(std::string_view programPath) {
    const std::string_view name = programPath.substr(programPath.rfind('/') + 1);
    for (const TBrowserFamily family : {TBrowserFamily::bfChromium, TBrowserFamily::bfFirefox}) {
        for (const std::string_view known : NamesOf(family)) {
            if (name == known) {
                return family;
            }
        }
    }
    return TBrowserFamily::bfOther;
}

std::string FindBrowserOnPath(TBrowserFamily family, std::string_view searchPath) {
    for (const std::string_view name : NamesOf(family)) {
        std::size_t pos = 0;
        while (pos <= searchPath.size()) {
            const std::size_t end = std::min(searchPath.find(':', pos), searchPath.size());
            const std::string_view folder = searchPath.substr(pos, end - pos);
            pos = end + 1;
            if (folder.empty()) {
                continue; // an empty entry would mean the current folder: never a browser's
            }
            std::string candidate(folder);
            if (candidate.back() != '/') {
                candidate += '/';
            }
            candidate += name;
            if (IsExecutableFile(candidate)) {
                return candidate;
            }
        }
    }
    return std::string();
}

std::vector<std::string> BrowserArguments(TBrowserFamily family, const std::string& url,
                                          const TBrowserStartOptions& options) {
    std::vector<std::string> args;
    if (family == TBrowserFamily::bfChromium) {
        args = {"--user-data-dir=" + options.ChromiumProfileDir, "--remote-debugging-port=0",
                "--no-first-run", "--no-default-browser-check"};
        if (options.RunningAsRoot) {
            args.emplace_back("--no-sandbox");
        }
    }
    args.push_back(url);
    return args;
}

std::string FileUrlOf(std::string_view path) {
    std::string url(kFileScheme);
    for (const char c : path) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           c == '/';
        if (plain) {
            url += c;
        } else {
            std::array<char, 4> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "%%%02X",
                          static_cast<unsigned>(static_cast<unsigned char>(c)));
            url += escaped.data();
        }
    }
    return url;
}

TProcessDdeClient::TProcessDdeClient(IProcessStarter& processes, TBrowserStartOptions options)
    : processes_(processes), options_(std::move(options)) {}

bool TProcessDdeClient::Open(const std::string& /*service*/, const std::string& /*topic*/,
                             const std::string& serverProgram) {
    server_ = IsExecutableFile(serverProgram) ? serverProgram : std::string();
    return !server_.empty();
}

bool TProcessDdeClient::Execute(const std::string& command) {
    if (server_.empty() || command.size() < 2 || command.front() != '"') {
        return false;
    }
    const std::size_t close = command.find('"', 1);
    if (close == std::string::npos) {
        return false;
    }
    std::string url = command.substr(1, close - 1);
    // The command carries the path as it stands; the browser needs it as a URL.
    if (url.starts_with(kFileScheme)) {
        url = FileUrlOf(std::string_view(url).substr(kFileScheme.size()));
    }
    return processes_.StartDetached(server_,
                                    BrowserArguments(BrowserFamilyOf(server_), url, options_));
}

void TProcessDdeClient::Close() {
    server_.clear();
}

} // namespace tintora
