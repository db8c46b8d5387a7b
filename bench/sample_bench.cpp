// One FONT sample picture as the main window paints it: 334 x 57 pixels, a 12-point font, a
// 100-character text. The sample repaints on every keystroke and on every mouse move of a bar
// drag, so a picture has to cost a small fraction of a frame.

#include "widgets/BodySample.h"
#include "widgets/GrdSample.h"

#include <benchmark/benchmark.h>
#include <string>

#include <QGuiApplication>

namespace {

using namespace tintora;

std::string Repeat(const std::string& piece, int characters, int charactersPerPiece) {
    std::string text;
    for (int i = 0; i < characters / charactersPerPiece; ++i) {
        text += piece;
    }
    return text;
}

TSystemColors Colors() {
    return {QColor(0xD4, 0xD0, 0xC8), QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF),
            QColor(0xDF, 0xDF, 0xDF), QColor(0x40, 0x40, 0x40)};
}

TGrdSampleInput Input(std::string text, TGrdType type) {
    TGrdSampleInput input;
    input.Text = std::move(text);
    input.Grd.Type = type;
    input.Font = QFont(QStringLiteral("IPAPGothic"), 12);
    input.Colors = Colors();
    return input;
}

void PaintLoop(benchmark::State& state, const TGrdSampleInput& input) {
    QImage image(GrdSampleSize, QImage::Format_RGB32);
    for (auto _ : state) {
        PaintGrdSample(image, input);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Only the first 40 or so characters fit; the rest is walked and clipped.
void BM_GrdSampleAscii(benchmark::State& state) {
    PaintLoop(state, Input(Repeat("TINTORA VERSION 2.24 ", 100, 21) + "ABCDEFGHIJKLMNOP",
                           static_cast<TGrdType>(state.range(0))));
}
BENCHMARK(BM_GrdSampleAscii)->Arg(1)->Arg(4);

void BM_GrdSampleJapanese(benchmark::State& state) {
    PaintLoop(state,
              Input(Repeat("グラデーション文字の見本です。", 100, 15) + "あいうえおかきくけこ",
                    static_cast<TGrdType>(state.range(0))));
}
BENCHMARK(BM_GrdSampleJapanese)->Arg(1)->Arg(4);

// A picture of a 16 x 16 background behind the text.
void BM_GrdSampleWithPicture(benchmark::State& state) {
    TGrdSampleInput input =
        Input(Repeat("TINTORA VERSION 2.24 ", 100, 21) + "ABCDEFGHIJKLMNOP", TGrdType::gtTwo);
    input.BgPicture = QImage(16, 16, QImage::Format_RGB32);
    input.BgPicture.fill(QColor(0x33, 0x66, 0x99));
    PaintLoop(state, input);
}
BENCHMARK(BM_GrdSampleWithPicture);

void BM_BodySample(benchmark::State& state) {
    TBodySampleInput input;
    input.Font = BodySampleFont(QStringLiteral("IPAPGothic"));
    input.Colors = Colors();
    QImage image(BodySampleSize, QImage::Format_RGB32);
    for (auto _ : state) {
        PaintBodySample(image, input);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BodySample);

} // namespace

// Fonts need the application object, which the benchmark library's own main does not make.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFont font = QGuiApplication::font();
    font.setPixelSize(12);
    QGuiApplication::setFont(font);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
