#pragma once

// The file and folder choosers as Qt's file dialog.

#include "platform/DialogOwner.h"
#include "services/FileChooser.h"

#include <QString>

namespace tintora {

// The program's "description|patterns|..." filter in Qt's form: one "description (patterns)" entry
// per pair, separated by ";;", the patterns space-separated. The dialog shows the descriptions
// alone. An empty filter, a description without patterns, or the pattern "*.*" offers every file.
QString QtFileFilter(const std::string& filter);

class TQtFileChooser : public IFileChooser, public TDialogOwner {
public:
    std::optional<std::string> ChooseFileToOpen(const TOpenFileRequest& request) override;
    std::optional<std::string> ChooseFolder(const TFolderRequest& request) override;
};

} // namespace tintora
