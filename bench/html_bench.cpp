// The FONT tag is rebuilt for every copy, preview and live-preview update, and a live preview runs
// after every colour change during a bar drag; a long text must stay far below a frame's time.

#include "html/FontTag.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using tintora::TGrdType;

constexpr std::int64_t TextChars = 10000;

tintora::TFontTagInput Input(TGrdType type, bool multiByte) {
    tintora::TFontTagInput input;
    input.Type = type;
    input.WaveCount = 350;
    input.WaveShift = 20;
    input.Bold = true;
    input.SizeText = "+1";
    input.FaceText = "serif";
    // Printable ASCII with spaces and escaped characters mixed in, or hiragana (3 bytes each).
    for (std::int64_t i = 0; i < TextChars; ++i) {
        if (multiByte) {
            input.Text += "\xE3\x81";
            input.Text += static_cast<char>(0x81 + i % 60);
        } else {
            input.Text += static_cast<char>(' ' + i % 95);
        }
    }
    return input;
}

void BM_MakeFontTag(benchmark::State& state, TGrdType type, bool multiByte,
                    std::int16_t waveCount = 350) {
    tintora::TFontTagInput input = Input(type, multiByte);
    input.WaveCount = waveCount;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const tintora::TFontTagResult result = tintora::MakeFontTag(input);
        bytes = result.Text.size();
        benchmark::DoNotOptimize(result.Text.data());
    }
    state.SetItemsProcessed(state.iterations() * TextChars);
    state.counters["tag_bytes"] = static_cast<double>(bytes);
}

BENCHMARK_CAPTURE(BM_MakeFontTag, None, TGrdType::gtNone, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MakeFontTag, Two, TGrdType::gtTwo, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MakeFontTag, Three, TGrdType::gtThree, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MakeFontTag, RainBow, TGrdType::gtRainBow, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MakeFontTag, Wave, TGrdType::gtWave, false)->Unit(benchmark::kMicrosecond);
// The most waves the page allows: a new wave factor every two or three characters.
BENCHMARK_CAPTURE(BM_MakeFontTag, WaveMost, TGrdType::gtWave, false, tintora::WaveCountMax)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MakeFontTag, ThreeMultiByte, TGrdType::gtThree, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MakeFontTag, WaveMultiByte, TGrdType::gtWave, true)
    ->Unit(benchmark::kMicrosecond);

// The sample painter's loop: one colour per character, counted once.
void BM_CharColors(benchmark::State& state, TGrdType type) {
    const tintora::TFontTagInput input = Input(type, false);
    for (auto _ : state) {
        tintora::TGrdColorizer colors(input, tintora::TextCharCount(input.Text, input.CodePage));
        for (std::size_t i = 0; i < colors.CharCount(); ++i) {
            benchmark::DoNotOptimize(colors.ColorAt(i));
        }
    }
    state.SetItemsProcessed(state.iterations() * TextChars);
}
BENCHMARK_CAPTURE(BM_CharColors, RainBow, TGrdType::gtRainBow)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CharColors, Wave, TGrdType::gtWave)->Unit(benchmark::kMicrosecond);

} // namespace
