#include "widgets/BackgroundPicture.h"

#include <QImageReader>

namespace tintora {

namespace {

std::string FormatMessage(std::string_view format, const QString& argument) {
    std::string message(format);
    const std::string::size_type at = message.find("%s");
    if (at != std::string::npos) {
        message.replace(at, 2, argument.toStdString());
    }
    return message;
}

QImage ReadBmp(const QString& fileName) {
    QImageReader reader(fileName, "bmp");
    // The extension promised a bitmap: a file in another format is not a bitmap.
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) {
        throw EInvalidGraphic(std::string(InvalidPictureMessage));
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QString PictureFileExtension(const QString& fileName) {
    const QString namePart = fileName.mid(fileName.lastIndexOf(QChar('/')) + 1);
    const qsizetype dot = namePart.lastIndexOf(QChar('.'));
    return dot < 0 ? QString() : namePart.mid(dot + 1);
}

QImage LoadBackgroundPicture(const QString& fileName) {
    const QString extension = PictureFileExtension(fileName);
    if (extension.compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0) {
        return ReadBmp(fileName);
    }
    throw EInvalidGraphic(FormatMessage(UnknownExtensionMessage, extension));
}

} // namespace tintora
