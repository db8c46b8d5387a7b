#include "preview/BrowserPreview.h"

#include "files/WholeFile.h"

namespace tintora {

TBrowserPreview::TBrowserPreview(std::string previewFile, TBrowserLauncher& launcher,
                                 IUserPrompts& prompts)
    : previewFile_(PreviewFileName(previewFile)), launcher_(launcher), prompts_(prompts) {}

void TBrowserPreview::PreviewFontTag(const TFontPreviewInput& page, bool ctrlDown,
                                     const TBrowserSettings& browsers) {
    WriteAndOpen(FontPreviewPage(page), ctrlDown, browsers);
}

void TBrowserPreview::PreviewBodyTag(const std::string& samplePath, TBodyPreviewInput page,
                                     bool ctrlDown, const TBrowserSettings& browsers) {
    const TFileContents sample = ReadWholeFile(samplePath);
    if (sample.Status != TReadStatus::rsRead) {
        prompts_.ShowError(samplePath + " を読み込めません");
        return;
    }
    page.SamplePath = samplePath;
    WriteAndOpen(BodyPreviewPage(sample.Bytes, page), ctrlDown, browsers);
}

void TBrowserPreview::WriteAndOpen(std::string_view page, bool ctrlDown,
                                   const TBrowserSettings& browsers) {
    try {
        ReplaceWholeFile(previewFile_, page);
    } catch (const EFileWriteError& error) {
        prompts_.ShowError(error.what());
        return;
    }
    launcher_.OpenInBrowser(previewFile_, ctrlDown, browsers);
}

} // namespace tintora
