#include "preview/BrowserLaunch.h"

#include "preview/BrowserPrograms.h"
#include "preview/VerInfo.h"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace tintora {

namespace {

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec);
}

// Closes the conversation on every way out.
class TConversationScope {
public:
    explicit TConversationScope(IDdeClient& dde) : dde_(dde) {}
    ~TConversationScope() { dde_.Close(); }
    TConversationScope(const TConversationScope&) = delete;
    TConversationScope& operator=(const TConversationScope&) = delete;

private:
    IDdeClient& dde_;
};

std::string FormatFileCommand(std::string_view pattern, std::string_view file) {
    std::string text(pattern);
    text.replace(text.find("%s"), 2, file);
    return text;
}

} // namespace

std::string BrowserNotFoundMessage(std::string_view browserPath) {
    return "Webブラウザ '" + std::string(browserPath) + "' が見つかりません。\r" +
           "[オプション設定]ダイアログを開き、設定を確認してください。";
}

TBrowserLauncher::TBrowserLauncher(IDdeClient& dde, IProcessStarter& processes,
                                   IUserPrompts& prompts, std::string searchPath)
    : dde_(dde), processes_(processes), prompts_(prompts), searchPath_(std::move(searchPath)) {}

std::string TBrowserLauncher::FirstBrowserPath(const TBrowserSettings& settings) const {
    return settings.IEPath.empty() ? FindBrowserOnPath(TBrowserFamily::bfChromium, searchPath_)
                                   : settings.IEPath;
}

std::string TBrowserLauncher::SecondBrowserPath(const TBrowserSettings& settings) const {
    return settings.NNPath.empty() ? FindBrowserOnPath(TBrowserFamily::bfFirefox, searchPath_)
                                   : settings.NNPath;
}

std::string TBrowserLauncher::NetscapeDdeService(const std::string& nnPath) {
    if (!FileExists(nnPath)) {
        return "NSShell";
    }
    const std::string major = TVerInfo(nnPath, processes_).GetMajorVersion();
    int version = 4;
    const auto [end, error] = std::from_chars(major.data(), major.data() + major.size(), version);
    if (error != std::errc() || end != major.data() + major.size()) {
        version = 4;
    }
    return version < 4 ? "NETSCAPE" : "NSShell";
}

void TBrowserLauncher::OpenInBrowser(const std::string& file, bool ctrlDown,
                                     const TBrowserSettings& settings) {
    const bool other = ctrlDown != settings.UseNNMainly;
    const std::string browser = other ? SecondBrowserPath(settings) : FirstBrowserPath(settings);
    if (!FileExists(browser)) {
        prompts_.ShowError(BrowserNotFoundMessage(browser));
        return;
    }
    std::string service;
    try {
        service = other ? NetscapeDdeService(browser) : std::string(FirstBrowserService);
    } catch (const EVerInfo& e) {
        prompts_.ShowError(e.what());
        return;
    }

    const TConversationScope conversation(dde_);
    if (!dde_.Open(service, std::string(DdeTopic), browser)) {
        prompts_.ShowMessage(service + " へのリンクに失敗しました。");
        return;
    }
    if (!dde_.Execute(FormatFileCommand("\"file://%s\",,-1,,,,,", file))) {
        prompts_.ShowMessage(FormatFileCommand("'file://%s'", file) + " を表示できませんでした。");
    }
}

} // namespace tintora
