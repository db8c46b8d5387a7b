#pragma once

// The two browser previews: the page is built, written over the preview file in one piece, and
// shown in the browser. A sample that cannot be read or a preview file that cannot be written
// stops the preview with a message; the previous preview file then stays as it was.

#include "preview/BrowserLaunch.h"
#include "preview/PreviewPages.h"
#include "services/UserPrompts.h"

#include <functional>
#include <string>
#include <string_view>

namespace tintora {

// Replaces a file's contents in one step; false when it could not, the old file then being whole.
using TFileReplacer = std::function<bool(const std::string& path, std::string_view bytes)>;

class TBrowserPreview {
public:
    TBrowserPreview(std::string previewFile, TFileReplacer replaceFile, TBrowserLauncher& launcher,
                    IUserPrompts& prompts);

    const std::string& PreviewFile() const { return previewFile_; }

    void PreviewFontTag(const TFontPreviewInput& page, bool ctrlDown,
                        const TBrowserSettings& browsers);
    // The sample page named by samplePath, with input.SamplePath set from it.
    void PreviewBodyTag(const std::string& samplePath, TBodyPreviewInput page, bool ctrlDown,
                        const TBrowserSettings& browsers);

private:
    void WriteAndOpen(std::string_view page, bool ctrlDown, const TBrowserSettings& browsers);

    std::string previewFile_;
    TFileReplacer replaceFile_;
    TBrowserLauncher& launcher_;
    IUserPrompts& prompts_;
};

} // namespace tintora
