#pragma once

// The file and folder choosers. Filters are written as the program states them:
// "description|patterns|description|patterns", the patterns of one entry joined by ";"
// ("HTML文書|*.html;*.htm|すべてのファイル|*.*"); the platform turns them into its own form.

#include "images/PixelImage.h"

#include <functional>
#include <optional>
#include <string>

namespace tintora {

// What a chooser shows beside its list for the file selected there.
struct TFilePreview {
    std::string Caption;
    TPixelImage Picture; // empty: none
};

struct TOpenFileRequest {
    std::string Title;       // empty: the platform's own title
    std::string Filter;      // as above; empty: every file
    std::string InitialFile; // a path to start on; empty: the platform's choice
    // When set, the chooser shows this preview of each file the user selects.
    std::function<TFilePreview(const std::string& file)> Preview;
};

struct TFolderRequest {
    std::string Title;
    std::string InitialFolder;
};

class IFileChooser {
public:
    virtual ~IFileChooser() = default;
    // The chosen existing file, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseFileToOpen(const TOpenFileRequest& request) = 0;
    // The chosen folder, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseFolder(const TFolderRequest& request) = 0;
};

} // namespace tintora
