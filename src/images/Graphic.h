#pragma once

// Picture objects: the abstract picture, the plain bitmap the program reads itself, and the
// picture holder that owns the one picture a view shows. Picture classes are values
// (TGraphicClass), so that the picture format registry can map extensions to them.

#include "color/Color.h"
#include "images/ClassOf.h"
#include "images/PixelImage.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tintora {

class TGraphic;
using TGraphicClass = TClassOf<TGraphic>;

enum TProgressStage { psStarting, psRunning, psEnding };

struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
};

// sender, stage, percent done, redraw now, the area concerned, message. A handler may raise
// EAbort to stop the load.
using TProgressEvent =
    std::function<void(TGraphic& sender, TProgressStage stage, int percent, bool redrawNow,
                       const TRect& rect, const std::string& message)>;

class TGraphic {
public:
    static const TGraphicClass Class;

    virtual ~TGraphic() = default;
    virtual const TGraphicClass& ClassType() const = 0;

    // Reads the whole file and hands it to LoadFromStream. A file that cannot be read, or one too
    // large to be a picture, raises EInvalidGraphic with InvalidPictureMessage.
    virtual void LoadFromFile(const std::string& fileName);
    // The file image in memory, from its first byte. Raises EInvalidGraphic when it is no picture
    // of this class; the picture is then unchanged.
    virtual void LoadFromStream(std::span<const std::uint8_t> stream) = 0;

    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;

    TProgressEvent OnProgress;

protected:
    void Progress(TProgressStage stage, int percent, bool redrawNow, const TRect& rect,
                  const std::string& message);
};

// The plain bitmap: reads BMP file images.
class TBitmap : public TGraphic {
public:
    static const TGraphicClass Class;

    const TGraphicClass& ClassType() const override { return Class; }
    void LoadFromStream(std::span<const std::uint8_t> stream) override;
    std::int32_t Width() const override { return image_.Width; }
    std::int32_t Height() const override { return image_.Height; }

    virtual void CopyFrom(const TBitmap& source);

    const TPixelImage& Image() const { return image_; }
    // Hands the pixels over, leaving the bitmap empty.
    TPixelImage TakeImage();
    // The logical palette, as colour values; empty unless the picture came with one.
    const std::vector<TColor>& Palette() const { return palette_; }

protected:
    void SetPicture(TPixelImage image, std::vector<TColor> palette);

private:
    TPixelImage image_;
    std::vector<TColor> palette_;
};

// The icon and metafile kinds the registry starts with. This platform reads neither, so they
// make no objects; the main window unregisters them at start-up.
extern const TGraphicClass IconClass;
extern const TGraphicClass MetafileClass;

// The whole content of a file; nothing when it cannot be read.
bool ReadFileBytes(const std::string& fileName, std::vector<std::uint8_t>& bytes);

// Owns at most one picture and tells about changes and about the progress of its picture's load.
class TPictureHolder {
public:
    const TGraphic* Graphic() const { return graphic_.get(); }
    TGraphic* Graphic() { return graphic_.get(); }
    // Takes the picture (null clears) and reports the change.
    void SetGraphic(std::unique_ptr<TGraphic> graphic);

    std::function<void()> OnChange;
    TProgressEvent OnProgress;

private:
    std::unique_ptr<TGraphic> graphic_;
};

} // namespace tintora
