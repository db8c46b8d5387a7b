#include "images/Graphic.h"

#include "images/DibDecoder.h"
#include "images/GraphicErrors.h"

#include <fstream>
#include <limits>

namespace tintora {

namespace {

std::unique_ptr<TGraphic> CreateBitmap() {
    return std::make_unique<TBitmap>();
}

// Plug-ins take lengths as 32-bit integers; nothing longer can be a picture here.
constexpr std::uintmax_t kMaxPictureFileSize = std::numeric_limits<std::int32_t>::max();

} // namespace

const TGraphicClass TGraphic::Class{"TGraphic"};
const TGraphicClass TBitmap::Class{"TBitmap", &TGraphic::Class, &CreateBitmap};
const TGraphicClass IconClass{"TIcon", &TGraphic::Class};
const TGraphicClass MetafileClass{"TMetafile", &TGraphic::Class};

bool ReadFileBytes(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxPictureFileSize) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

void TGraphic::LoadFromFile(const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(fileName, bytes)) {
        throw EInvalidGraphic(std::string(InvalidPictureMessage));
    }
    LoadFromStream(bytes);
}

void TGraphic::Progress(TProgressStage stage, int percent, bool redrawNow, const TRect& rect,
                        const std::string& message) {
    if (OnProgress) {
        OnProgress(*this, stage, percent, redrawNow, rect, message);
    }
}

void TBitmap::LoadFromStream(std::span<const std::uint8_t> stream) {
    std::optional<TDib> dib = DecodeBmpFile(stream);
    if (!dib) {
        throw EInvalidGraphic(std::string(InvalidPictureMessage));
    }
    SetPicture(std::move(dib->Image), {});
}

void TBitmap::CopyFrom(const TBitmap& source) {
    if (&source != this) {
        SetPicture(source.image_, source.palette_);
    }
}

TPixelImage TBitmap::TakeImage() {
    TPixelImage image = std::move(image_);
    image_ = {};
    palette_.clear();
    return image;
}

void TBitmap::SetPicture(TPixelImage image, std::vector<TColor> palette) {
    image_ = std::move(image);
    palette_ = std::move(palette);
}

void TPictureHolder::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (OnChange) {
        OnChange();
    }
}

} // namespace tintora
