#pragma once

// The browsers the program knows by name: the first browser is a Chromium (or a browser built on
// it), the second a Firefox. A Chromium is always started on a profile folder of the program's
// own with its DevTools port open on loopback, so that the live preview can reach its pages.

#include "services/DdeClient.h"
#include "services/ProcessStarter.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintora {

enum class TBrowserFamily { bfChromium, bfFirefox, bfOther };

// By the program's file name.
TBrowserFamily BrowserFamilyOf(std::string_view programPath);

// The first program of the family found executable in the folders of a PATH-style list, in the
// family's order of preference; empty when none is.
std::string FindBrowserOnPath(TBrowserFamily family, std::string_view searchPath);

struct TBrowserStartOptions {
    std::string ChromiumProfileDir; // --user-data-dir; DevToolsActivePort appears in it
    bool RunningAsRoot = false;     // Chromium refuses to start as root with its sandbox on
};

// The arguments that show url in the program: the URL alone, after the Chromium options for a
// Chromium.
std::vector<std::string> BrowserArguments(TBrowserFamily family, const std::string& url,
                                          const TBrowserStartOptions& options);

// A local path as a file URL, every byte outside the unreserved characters and "/" percent-encoded.
std::string FileUrlOf(std::string_view path);

// The conversation on a system without DDE: executing the open-URL command starts the server
// program with the URL, which a browser that is already running on the same profile shows in its
// own window.
class TProcessDdeClient : public IDdeClient {
public:
    TProcessDdeClient(IProcessStarter& processes, TBrowserStartOptions options);

    // True when the server program is an executable file.
    bool Open(const std::string& service, const std::string& topic,
              const std::string& serverProgram) override;
    // Takes the URL from a command "URL",... (the URL in double quotes, then anything); false for
    // any other command, without an open conversation, or when the program does not start.
    bool Execute(const std::string& command) override;
    void Close() override;

private:
    IProcessStarter& processes_;
    TBrowserStartOptions options_;
    std::string server_;
};

} // namespace tintora
