#pragma once

// Loading a background picture by file name, as SetBgImageFile needs it: through the picture
// format registry, whose entry for the file's extension chooses the reader (the program's own for
// bitmaps, the import plug-ins for the formats they announce).

#include <string>

#include <QImage>

namespace tintora {

// The picture in `fileName`, opaque (QImage::Format_RGB32). Throws EInvalidGraphic with the
// registry's messages: an extension no entry has, or a file its reader cannot read.
QImage LoadBackgroundPicture(const std::string& fileName);

} // namespace tintora
