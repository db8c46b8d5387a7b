#pragma once

// Loading a background picture by file name, as SetBgImageFile needs it. The file's extension
// chooses the reader; the program reads the Windows bitmap ("bmp") itself.

#include <stdexcept>
#include <string>
#include <string_view>

#include <QImage>
#include <QString>

namespace tintora {

// The invalid-picture error. Its message is UTF-8 Japanese text for the error report.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view UnknownExtensionMessage = "拡張子 .%s の画像形式は処理できません";
inline constexpr std::string_view InvalidPictureMessage = "認識できない画像形式です";

// The text after the last "." of the name part (after the last "/"), without the dot; empty when
// the name part has no dot.
QString PictureFileExtension(const QString& fileName);

// The picture in `fileName`, opaque (QImage::Format_RGB32: a picture is drawn as it stands, an
// alpha channel ignored). Throws EInvalidGraphic with UnknownExtensionMessage, the extension
// filled in, when no reader handles the extension (letter case ignored; a name without one
// included), and with InvalidPictureMessage when the reader cannot read the file.
QImage LoadBackgroundPicture(const QString& fileName);

} // namespace tintora
