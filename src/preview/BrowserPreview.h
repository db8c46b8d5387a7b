#pragma once

// The two browser previews: the page is built, written over the preview file in one piece, and
// shown in the browser. A sample that cannot be read or a preview file that cannot be written
// stops the preview with a message; the previous preview file then stays as it was.

#include "preview/BrowserLaunch.h"
#include "preview/PreviewPages.h"
#include "services/UserPrompts.h"

#include <string>
#include <string_view>

namespace tintora {

class TBrowserPreview {
public:
    // previewFile is where the program keeps the page; its file name is used in lower case.
    TBrowserPreview(std::string previewFile, TBrowserLauncher& launcher, IUserPrompts& prompts);

    const std::string& PreviewFile() const { return previewFile_; }

    void PreviewFontTag(const TFontPreviewInput& page, bool ctrlDown,
                        const TBrowserSettings& browsers);
    // The sample page named by samplePath, with input.SamplePath set from it.
    void PreviewBodyTag(const std::string& samplePath, TBodyPreviewInput page, bool ctrlDown,
                        const TBrowserSettings& browsers);

private:
    void WriteAndOpen(std::string_view page, bool ctrlDown, const TBrowserSettings& browsers);

    std::string previewFile_;
    TBrowserLauncher& launcher_;
    IUserPrompts& prompts_;
};

} // namespace tintora
