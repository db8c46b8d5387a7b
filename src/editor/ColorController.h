#pragma once

// The selected colour and the rules that keep every view of it consistent.
//
// Every source of a colour change goes through ChangeColor or the set operations, which update the
// views in a fixed order: the bar set's two colour forms, the selected-colour panel and the pressed
// swatches, the RGB field and the three number fields. `Updating` is set while the controller
// writes the fields, so their own change events do not feed back; the show operations save and
// restore it, so nested updates keep it set until the outermost one ends.
//
// The three number fields mean hue, saturation and luminance on the 240 scale (emEsl) or on the
// 360/360/100 scale (emHsv), or red, green and blue (emRgb). The bars run through hue, saturation
// and luminance in the first two modes and through the three channels in the third.

#include "color/Color.h"
#include "color/Esl.h"
#include "editor/GrdBarTypes.h"
#include "editor/UpdatingScope.h"

#include <array>
#include <string>
#include <string_view>

namespace tintora {

struct TSettings;

enum class TEditMode { emEsl, emRgb, emHsv };

// How the three number fields look in an edit mode.
struct TEditModeLook {
    std::array<const char*, 3> Labels; // the captions before the fields
    std::array<int, 3> Maxima;         // of the up-down buttons; the minima are 0
    int Panel1Width;                   // the panel of the first bar
};
const TEditModeLook& EditModeLook(TEditMode mode);

// The views that follow the selected colour, called in the order the operations give.
class IColorView {
public:
    virtual ~IColorView() = default;
    // The bar set's copy of the colour value and of its hue/saturation/luminance (3600 scale),
    // which the bars paint from at their next repaint.
    virtual void ShowBarForms(TColor color, FineEsl esl) = 0;
    // The selected-colour panel, then the pressed FONT swatch and the pressed BODY swatch.
    virtual void ShowSelectedColor(TColor color) = 0;
    // The RGB field's text.
    virtual void ShowRgbText(const std::string& text) = 0;
    // The three number fields, first to third.
    virtual void ShowFieldValues(const std::array<int, 3>& values) = 0;
    // Presses the mode's button, sets the labels, the first bar's panel width and the up-down
    // maxima from `look`, the up-down positions (and with them the fields) to `values`, and then
    // the bar set's mode (gbmRGB for emRgb, else gbmESL) without repainting.
    virtual void ShowEditMode(TEditMode mode, const TEditModeLook& look,
                              const std::array<int, 3>& values) = 0;
    // The name of the hue/saturation/luminance scale ("ESL" or "HSV") on the mode button and menu.
    virtual void ShowScaleName(std::string_view name) = 0;
    // Lets the window paint and take input in the middle of an update.
    virtual void ProcessPendingMessages() = 0;
    // Paints bar `index` (1 top, 2, 3) now.
    virtual void RepaintBar(int index) = 0;
    // Repaints the shown tag sample and asks for a dynamic preview.
    virtual void RefreshTagSamples() = 0;
    // A drag on bar `index` begins: its field takes the focus, the mouse is held inside the bar,
    // and the bar's pointer hides when `hidePointer`.
    virtual void BeginBarDrag(int index, bool hidePointer) = 0;
    // The drag ends: the mouse is free again; with `showPointers` all three bars show theirs.
    virtual void EndBarDrag(bool showPointers) = 0;
};

class TColorController {
public:
    // Reads UseHSV, NoHideGrdPointer and the value case from `settings` whenever it needs them and
    // writes UseHSV and GrdBarsMode there when they change.
    TColorController(IColorView& view, TSettings& settings) : view_(view), settings_(settings) {}

    TColor SelectedColor() const { return selected_; }
    // The bar set's two forms of the selected colour.
    TColor BarColor() const { return barColor_; }
    FineEsl BarEsl() const { return barEsl_; }
    TGrdBarsMode BarsMode() const { return barsMode_; }
    // emRgb with the RGB bars, otherwise emHsv or emEsl as the UseHSV option says.
    TEditMode CurrentEditMode() const;
    bool Updating() const { return updating_; }
    bool BarDragging() const { return barDragging_; }
    // Sets `Updating` for a write into a field the operations below do not cover.
    [[nodiscard]] TUpdatingScope HoldUpdating() { return TUpdatingScope(updating_); }

    // The one way a colour source changes the colour: the views, pending messages, the bars, the
    // tag samples. Bits 24..31 are dropped.
    void ChangeColor(TColor c);
    // The views of the colour value, then the bars' hue/saturation/luminance in the scale of the
    // edit mode (the 360/360/100 triple also in emRgb).
    void SetColorValue(TColor c);
    void ShowColorValue(TColor c);
    void ShowEslBytes(EslBytes e);
    void ShowHsvEsl(HsvEsl t);
    void SetEslBytes(EslBytes e);
    void SetHsvEsl(HsvEsl t);
    EslBytes GetEslBytes() const { return FineToEslBytes(barEsl_); }
    HsvEsl GetHsvEsl() const { return FineToHsvEsl(barEsl_); }

    void SetEditMode(TEditMode mode);
    // emRgb for 1, otherwise emHsv or emEsl as the UseHSV option says.
    void SelectEditMode(int rgb);
    void SetUseHsv(bool on);

    enum class TFieldChange {
        fcIgnored, // the program is writing the fields
        fcCleared, // no number: the caller clears the field and nothing else changes
        fcApplied, // the colour changed; the caller puts the caret back and calls FinishFieldChange
    };
    // Number field `field` (0 first .. 2 third) now holds `text`. The value is clamped to the
    // field's range in the edit mode (a hue at or above the top becomes the largest hue) and the
    // set operation rewrites the fields with what it took.
    TFieldChange EditESLChange(int field, std::string_view text);
    // Pending messages, all three bars, the tag samples.
    void FinishFieldChange();
    // The RGB field now holds `text`: six hexadecimal digits change the colour (true; the caller
    // puts the caret back), anything else changes nothing.
    bool EditRGBChange(std::string_view text);

    // A mouse button went down on bar `bar` (1..3, `width` pixels wide) at `x`: the drag begins
    // and the position applies at once.
    void ImageESLMouseDown(int bar, int width, int x, bool rightButton);
    // While dragging: x along bar `bar` becomes the bar's component. With the right button the
    // hue/saturation/luminance snaps to the nearest multiple of 40 (halfway going up) and a
    // channel to the nearest web-safe level.
    void ImageESLMouseMove(int bar, int width, int x, bool rightButton);
    // The button came up: the drag ends and every bar shows its pointer.
    void ImageESLMouseUp();
    // A key press or the program's deactivation ends a drag; the pointers stay as they are.
    void EndBarDrag();

private:
    void ShowFieldsWhileUpdating(const std::array<int, 3>& values);
    void RepaintBars();

    IColorView& view_;
    TSettings& settings_;
    TColor selected_ = clBlack;
    TColor barColor_ = clBlack;
    FineEsl barEsl_;
    TGrdBarsMode barsMode_ = TGrdBarsMode::gbmESL;
    bool updating_ = false;
    bool barDragging_ = false;
};

} // namespace tintora
