#include "widgets/BackgroundPicture.h"

#include "images/PictureFormats.h"
#include "platform/ScreenImage.h"

namespace tintora {

QImage LoadBackgroundPicture(const std::string& fileName) {
    TPictureHolder holder;
    LoadPictureFromFile(holder, fileName);
    // Every class the registry makes objects of reads into a bitmap.
    return ScreenImage(static_cast<TBitmap*>(holder.Graphic())->TakeImage());
}

} // namespace tintora
