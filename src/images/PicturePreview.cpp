#include "images/PicturePreview.h"

#include "images/PictureFormats.h"

#include <exception>

namespace tintora {

namespace {

constexpr const char* kPictureLabel = "画像:";

} // namespace

TFilePreview PicturePreview(const std::string& fileName) {
    TPictureHolder holder;
    try {
        LoadPictureFromFile(holder, fileName);
    } catch (const std::exception&) {
        // Browsing past a file that is no picture is no error.
        return {kPictureLabel, {}};
    }
    auto* bitmap = static_cast<TBitmap*>(holder.Graphic());
    TFilePreview preview;
    preview.Caption = std::string(kPictureLabel) + " (" + std::to_string(bitmap->Width()) + "x" +
                      std::to_string(bitmap->Height()) + ")";
    preview.Picture = bitmap->TakeImage();
    return preview;
}

} // namespace tintora
