#pragma once

// Opening a local page in one of the two configured browsers. The main browser follows
// UseNNMainly, and holding Ctrl picks the other one. Every failure is reported to the user here.

#include "services/DdeClient.h"
#include "services/ProcessStarter.h"
#include "services/UserPrompts.h"

#include <string>
#include <string_view>

namespace tintora {

inline constexpr std::string_view DdeTopic = "WWW_OpenURL";
inline constexpr std::string_view FirstBrowserService = "IExplore";

struct TBrowserSettings {
    bool UseNNMainly = false;
    std::string IEPath; // the first browser; empty: the first Chromium found on the search path
    std::string NNPath; // the second browser; empty: the first Firefox found on the search path
};

// "Webブラウザ 'PATH' が見つかりません。", CR, then the advice to check the options.
std::string BrowserNotFoundMessage(std::string_view browserPath);

class TBrowserLauncher {
public:
    // searchPath is the PATH-style folder list in which browsers are looked up.
    TBrowserLauncher(IDdeClient& dde, IProcessStarter& processes, IUserPrompts& prompts,
                     std::string searchPath);

    // Shows the file in the browser chosen by (ctrlDown XOR UseNNMainly): the second browser when
    // true, the first otherwise.
    void OpenInBrowser(const std::string& file, bool ctrlDown, const TBrowserSettings& settings);

    // "NSShell" unless the second browser's major product version is a number below 4, then
    // "NETSCAPE"; "NSShell" when the program does not exist. Raises EVerInfo when the program's
    // version cannot be read.
    std::string NetscapeDdeService(const std::string& nnPath);

    // The configured path, or the browser of that family found on the search path when empty.
    std::string FirstBrowserPath(const TBrowserSettings& settings) const;
    std::string SecondBrowserPath(const TBrowserSettings& settings) const;

private:
    IDdeClient& dde_;
    IProcessStarter& processes_;
    IUserPrompts& prompts_;
    std::string searchPath_;
};

} // namespace tintora
