#include "editor/ColorController.h"

#include "color/ColorText.h"
#include "settings/Settings.h"
#include "text/CharCaseMode.h"

#include <algorithm>
#include <charconv>

namespace tintora {

namespace {

// The field's text as a decimal number; -1 when it is empty or not a number.
int FieldNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int v = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return -1;
    }
    return v;
}

std::uint8_t Byte(int v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

// Bar 1 runs through hue or red, bar 2 saturation or green, bar 3 luminance or blue.
TGrdElement ElementOf(int bar, TGrdBarsMode mode) {
    const int base = mode == TGrdBarsMode::gbmRGB ? static_cast<int>(TGrdElement::geRed) : 0;
    return static_cast<TGrdElement>(base + bar - 1);
}

TColor WithChannel(TColor c, int channel, std::uint8_t level) {
    return channel == 0   ? WithRed(c, level)
           : channel == 1 ? WithGreen(c, level)
                          : WithBlue(c, level);
}

EslBytes WithEslComponent(EslBytes e, int component, std::uint8_t v) {
    return component == 0   ? PackEslBytes(v, e.Sat(), e.Lum())
           : component == 1 ? PackEslBytes(e.Hue(), v, e.Lum())
                            : PackEslBytes(e.Hue(), e.Sat(), v);
}

} // namespace

const TEditModeLook& EditModeLook(TEditMode mode) {
    static const TEditModeLook esl{{"色合(&E):", "彩度(&S):", "明度(&L):"}, {239, 240, 240}, 242};
    static const TEditModeLook rgb{{"　赤(&E):", "　緑(&S):", "　青(&L):"}, {255, 255, 255}, 243};
    static const TEditModeLook hsv{{"色合(&E):", "彩度(&S):", "明度(&L):"}, {359, 360, 100}, 242};
    switch (mode) {
    case TEditMode::emRgb:
        return rgb;
    case TEditMode::emHsv:
        return hsv;
    case TEditMode::emEsl:
        break;
    }
    return esl;
}

TEditMode TColorController::CurrentEditMode() const {
    if (barsMode_ == TGrdBarsMode::gbmRGB) {
        return TEditMode::emRgb;
    }
    return settings_.UseHSV ? TEditMode::emHsv : TEditMode::emEsl;
}

void TColorController::RepaintBars() {
    for (int bar = 1; bar <= 3; ++bar) {
        view_.RepaintBar(bar);
    }
}

void TColorController::ShowFieldsWhileUpdating(const std::array<int, 3>& values) {
    const TUpdatingScope updating(updating_);
    view_.ShowFieldValues(values);
}

void TColorController::ChangeColor(TColor c) {
    SetColorValue(c & 0xFFFFFF);
    view_.ProcessPendingMessages();
    RepaintBars();
    view_.RefreshTagSamples();
}

void TColorController::SetColorValue(TColor c) {
    ShowColorValue(c);
    if (CurrentEditMode() == TEditMode::emEsl) {
        ShowEslBytes(ColorToEslBytes(c));
    } else {
        ShowHsvEsl(ColorToHsvEsl(c));
    }
}

void TColorController::ShowColorValue(TColor c) {
    barColor_ = c;
    selected_ = c;
    view_.ShowBarForms(barColor_, barEsl_);
    view_.ShowSelectedColor(c);
    const TUpdatingScope updating(updating_);
    const auto valueCase = static_cast<TCharCaseMode>(settings_.CharCaseV);
    view_.ShowRgbText(ColorToHexString(c, valueCase));
    if (barsMode_ == TGrdBarsMode::gbmRGB) {
        view_.ShowFieldValues({RedOf(c), GreenOf(c), BlueOf(c)});
    }
}

void TColorController::ShowEslBytes(EslBytes e) {
    barEsl_ = EslBytesToFine(e);
    view_.ShowBarForms(barColor_, barEsl_);
    if (CurrentEditMode() == TEditMode::emEsl) {
        ShowFieldsWhileUpdating({e.Hue(), e.Sat(), e.Lum()});
    }
}

void TColorController::ShowHsvEsl(HsvEsl t) {
    barEsl_ = HsvEslToFine(t);
    view_.ShowBarForms(barColor_, barEsl_);
    if (CurrentEditMode() == TEditMode::emHsv) {
        ShowFieldsWhileUpdating({t.hue, t.sat, t.lum});
    }
}

void TColorController::SetEslBytes(EslBytes e) {
    ShowEslBytes(e);
    ShowColorValue(EslBytesToColor(e));
}

void TColorController::SetHsvEsl(HsvEsl t) {
    ShowHsvEsl(t);
    ShowColorValue(HsvEslToColor(t));
}

void TColorController::SetEditMode(TEditMode mode) {
    updating_ = true;
    const TColor c = SelectedColor();
    std::array<int, 3> values{};
    switch (mode) {
    case TEditMode::emEsl: {
        const EslBytes e = GetEslBytes();
        values = {e.Hue(), e.Sat(), e.Lum()};
        break;
    }
    case TEditMode::emRgb:
        values = {RedOf(c), GreenOf(c), BlueOf(c)};
        break;
    case TEditMode::emHsv: {
        const HsvEsl t = GetHsvEsl();
        values = {t.hue, t.sat, t.lum};
        break;
    }
    }
    view_.ShowEditMode(mode, EditModeLook(mode), values);
    barsMode_ = mode == TEditMode::emRgb ? TGrdBarsMode::gbmRGB : TGrdBarsMode::gbmESL;
    settings_.GrdBarsMode = static_cast<std::int32_t>(barsMode_);
    updating_ = false;
    view_.RepaintBar(2);
    view_.RepaintBar(3);
}

void TColorController::SelectEditMode(int rgb) {
    SetEditMode(rgb == 1           ? TEditMode::emRgb
                : settings_.UseHSV ? TEditMode::emHsv
                                   : TEditMode::emEsl);
}

void TColorController::SetUseHsv(bool on) {
    settings_.UseHSV = on;
    view_.ShowScaleName(on ? "HSV" : "ESL");
    if (barsMode_ == TGrdBarsMode::gbmESL) {
        SetEditMode(on ? TEditMode::emHsv : TEditMode::emEsl);
    }
}

TColorController::TFieldChange TColorController::EditESLChange(int field, std::string_view text) {
    if (updating_) {
        return TFieldChange::fcIgnored;
    }
    const int v = FieldNumber(text);
    if (v < 0) {
        return TFieldChange::fcCleared;
    }
    switch (CurrentEditMode()) {
    case TEditMode::emEsl: {
        const int top = field == 0 ? 239 : 240;
        const int value = field == 0 && v >= 240 ? top : std::min(v, top);
        SetEslBytes(WithEslComponent(GetEslBytes(), field, Byte(value)));
        break;
    }
    case TEditMode::emRgb:
        SetColorValue(WithChannel(SelectedColor(), field, Byte(std::min(v, 255))));
        break;
    case TEditMode::emHsv: {
        HsvEsl t = GetHsvEsl();
        if (field == 0) {
            t.hue = v >= 360 ? 359 : v;
        } else if (field == 1) {
            t.sat = std::min(v, 360);
        } else {
            t.lum = std::min(v, 100);
        }
        SetHsvEsl(t);
        break;
    }
    }
    return TFieldChange::fcApplied;
}

void TColorController::FinishFieldChange() {
    view_.ProcessPendingMessages();
    RepaintBars();
    view_.RefreshTagSamples();
}

bool TColorController::EditRGBChange(std::string_view text) {
    if (updating_) {
        return false;
    }
    const auto color = HexTextToColor(text);
    if (!color) {
        return false;
    }
    ChangeColor(*color);
    return true;
}

void TColorController::ImageESLMouseDown(int bar, int width, int x, bool rightButton) {
    barDragging_ = true;
    view_.BeginBarDrag(bar, !settings_.NoHideGrdPointer);
    ImageESLMouseMove(bar, width, x, rightButton);
}

void TColorController::ImageESLMouseMove(int bar, int width, int x, bool rightButton) {
    if (!barDragging_ || bar < 1 || bar > 3 || width <= 0) {
        return;
    }
    const TGrdElement element = ElementOf(bar, barsMode_);
    const int component = bar - 1;
    if (element <= TGrdElement::geLum) {
        if (rightButton) {
            const int shifted = x + 20;
            x = shifted - shifted % 40;
        }
        const int p = std::clamp(x, 0, width - 1);
        if (settings_.UseHSV) {
            HsvEsl t = GetHsvEsl();
            if (component == 0) {
                t.hue = p * 359 / 239;
            } else if (component == 1) {
                t.sat = p * 360 / 240;
            } else {
                t.lum = p * 100 / 240;
            }
            SetHsvEsl(t);
        } else {
            SetEslBytes(WithEslComponent(GetEslBytes(), component, Byte(p)));
        }
    } else {
        int level = x >= width - 1 ? 255 : std::max(x, 0) * 255 / width;
        if (rightButton) {
            level = WebLevel(Byte(level));
        }
        SetColorValue(WithChannel(SelectedColor(), component, Byte(level)));
    }
    view_.ProcessPendingMessages();
    for (int other = 1; other <= 3; ++other) {
        if (settings_.NoHideGrdPointer || other != bar) {
            view_.RepaintBar(other);
        }
    }
    view_.RefreshTagSamples();
}

void TColorController::ImageESLMouseUp() {
    barDragging_ = false;
    view_.EndBarDrag(true);
}

void TColorController::EndBarDrag() {
    barDragging_ = false;
    view_.EndBarDrag(false);
}

} // namespace tintora
