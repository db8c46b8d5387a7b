#include "preview/BrowserPreview.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace tintora {

namespace {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || !in.is_open()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

TBrowserPreview::TBrowserPreview(std::string previewFile, TFileReplacer replaceFile,
                                 TBrowserLauncher& launcher, IUserPrompts& prompts)
    : previewFile_(PreviewFileName(previewFile)), replaceFile_(std::move(replaceFile)),
      launcher_(launcher), prompts_(prompts) {}

void TBrowserPreview::PreviewFontTag(const TFontPreviewInput& page, bool ctrlDown,
                                     const TBrowserSettings& browsers) {
    WriteAndOpen(FontPreviewPage(page), ctrlDown, browsers);
}

void TBrowserPreview::PreviewBodyTag(const std::string& samplePath, TBodyPreviewInput page,
                                     bool ctrlDown, const TBrowserSettings& browsers) {
    const std::optional<std::string> sample = ReadWholeFile(samplePath);
    if (!sample) {
        prompts_.ShowError(samplePath + " を読み込めません");
        return;
    }
    page.SamplePath = samplePath;
    WriteAndOpen(BodyPreviewPage(*sample, page), ctrlDown, browsers);
}

void TBrowserPreview::WriteAndOpen(std::string_view page, bool ctrlDown,
                                   const TBrowserSettings& browsers) {
    if (!replaceFile_(previewFile_, page)) {
        prompts_.ShowError(previewFile_ + " に書き込めません");
        return;
    }
    launcher_.OpenInBrowser(previewFile_, ctrlDown, browsers);
}

} // namespace tintora
