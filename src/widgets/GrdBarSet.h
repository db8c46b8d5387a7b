#pragma once

// The three gradient bars of the main window and the selected colour in the two forms they paint
// from. The colour controller writes the colour here, switches the bars between hue, saturation,
// luminance and red, green, blue, and asks for repaints; the set never repaints on its own except
// when the pointer look changes.

#include "color/Color.h"
#include "color/Esl.h"
#include "editor/GrdBarTypes.h"
#include "widgets/GrdBar.h"

#include <array>

#include <QObject>
#include <QPointer>

class QWidget;

namespace tintora {

class TGrdBarSet : public QObject {
    Q_OBJECT
public:
    // Creates Bar1, Bar2 and Bar3 (without parents) in ESL mode.
    explicit TGrdBarSet(QObject* owner = nullptr);
    // Deletes the bars still alive; a bar goes earlier with its parent widget.
    ~TGrdBarSet() override;

    // The selected colour as a colour value.
    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor color) { barColor_ = color; }

    // The selected colour's hue 0..3599, saturation and luminance 0..3600.
    FineEsl BarEsl() const { return barEsl_; }
    void SetBarEsl(FineEsl esl) { barEsl_ = esl; }

    // BarEsl at the 240 scale (hue 0..239, saturation and luminance 0..240) and at the 360/360/100
    // scale, through the colour model's conversions.
    void SetBarEsl240(EslBytes esl) { barEsl_ = EslBytesToFine(esl); }
    void SetBarHsv(HsvEsl esl) { barEsl_ = HsvEslToFine(esl); }
    EslBytes GetBarEsl240() const { return FineToEslBytes(barEsl_); }
    HsvEsl GetBarHsv() const { return FineToHsvEsl(barEsl_); }

    // The top, middle and bottom bar; null once a bar has gone with its parent widget.
    TGrdBar* Bar1() const { return bars_[0]; }
    TGrdBar* Bar2() const { return bars_[1]; }
    TGrdBar* Bar3() const { return bars_[2]; }
    // index 1..3; null for any other index.
    TGrdBar* Bar(int index) const;

    // The pointer look of all three bars. A different value is stored and the bars repainted.
    TPointerType Pointer() const { return pointer_; }
    void SetPointer(TPointerType pointer);

    // gbmRGB exactly when Bar1 shows red. Setting gives the bars hue, saturation, luminance
    // (gbmESL, also for a value without a name) or red, green, blue (gbmRGB), and does not repaint.
    TGrdBarsMode GrdBarsMode() const;
    void SetGrdBarsMode(TGrdBarsMode mode);

    // The widget whose client area bar `index` (1..3) fills: the bar is placed inside the
    // parent's frame (its contentsRect), shown, and follows the parent's size from then on. A
    // null parent takes the bar off the window. Other indexes do nothing and read as null.
    void SetBarParent(int index, QWidget* parent);
    QWidget* GetBarParent(int index) const;

    // Paints Bar1, Bar2 and Bar3 now, in that order.
    void RepaintBars();
    // Paints bar `index` (1..3) now.
    void RepaintBar(int index);

private:
    std::array<QPointer<TGrdBar>, 3> bars_;
    TColor barColor_ = clBlack;
    FineEsl barEsl_;
    TPointerType pointer_ = TPointerType::ptPanel;
};

} // namespace tintora
