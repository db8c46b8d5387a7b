#pragma once

// The open-picture dialog's preview of a file.

#include "services/FileChooser.h"

#include <string>

namespace tintora {

// The file's picture, loaded through the picture format registry, under "画像:" followed by its
// size as " (%dx%d)"; a file that cannot be loaded gives "画像:" alone and no picture.
TFilePreview PicturePreview(const std::string& fileName);

} // namespace tintora
