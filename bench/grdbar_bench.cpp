// One gradient bar picture as the main window paints it: 241 x 16 pixels with its pointer. During
// a drag the two or three bars repaint on every mouse move, so a picture has to cost a small
// fraction of a frame.

#include "widgets/GrdBarPainter.h"

#include <benchmark/benchmark.h>

#include <QImage>

namespace {

using namespace tintora;

TGrdBarPaintInput Input(TGrdElement element, TPointerType pointer) {
    TGrdBarPaintInput input;
    input.Element = element;
    input.Width = 241;
    input.Height = 16;
    input.BarColor = EslBytesToColor(PackEslBytes(100, 180, 90));
    input.BarEsl = EslBytesToFine(PackEslBytes(100, 180, 90));
    input.Pointer = pointer;
    input.ShowPointer = true;
    input.Colors.BtnFace = QColor(0xD4, 0xD0, 0xC8);
    input.Colors.BtnShadow = QColor(0x80, 0x80, 0x80);
    input.Colors.BtnHighlight = QColor(0xFF, 0xFF, 0xFF);
    input.Colors.Light3D = QColor(0xDF, 0xDF, 0xDF);
    input.Colors.DkShadow3D = QColor(0x40, 0x40, 0x40);
    return input;
}

const char* const ElementNames[] = {"geEqu", "geSat", "geLum", "geRed", "geGreen", "geBlue"};

// The widget's path: the picture's buffer is kept from the previous paint.
void BM_PaintGrdBar(benchmark::State& state) {
    const auto element = static_cast<TGrdElement>(state.range(0));
    const TGrdBarPaintInput input = Input(element, TPointerType::ptPanel);
    QImage image;
    for (auto _ : state) {
        PaintGrdBar(input, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(ElementNames[state.range(0)]);
}
BENCHMARK(BM_PaintGrdBar)->DenseRange(0, 5);

// A fresh picture every time, as the windowless PaintGrdBar(input) gives it.
void BM_PaintGrdBarNewImage(benchmark::State& state) {
    const auto element = static_cast<TGrdElement>(state.range(0));
    const TGrdBarPaintInput input = Input(element, TPointerType::ptPanel);
    for (auto _ : state) {
        QImage image = PaintGrdBar(input);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(ElementNames[state.range(0)]);
}
BENCHMARK(BM_PaintGrdBarNewImage)->DenseRange(0, 5);

// The pointer looks on the hue bar, and the bare ramp for comparison.
void BM_PaintGrdBarPointer(benchmark::State& state) {
    TGrdBarPaintInput input = Input(TGrdElement::geEqu, static_cast<TPointerType>(state.range(0)));
    input.ShowPointer = state.range(0) <= 4;
    QImage image;
    for (auto _ : state) {
        PaintGrdBar(input, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    const char* const names[] = {"ptPanel",  "ptGroove", "ptStruckOut",
                                 "ptDugOut", "ptDot",    "no pointer"};
    state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_PaintGrdBarPointer)->DenseRange(0, 5);

} // namespace
