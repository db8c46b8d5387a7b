// Conversion throughput over every colour value, visited in order as a full sweep does. The
// gradient bars convert one colour per pixel column on every repaint, and a gradient text one per
// character.

#include "color/Esl.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

using tintora::TColor;

constexpr std::int64_t ColorCount = 0x1000000;

// The figure the colour model is held to: every colour to FineEsl and back. Items are single
// conversions, two per colour; "colours" counts round trips.
void BM_ColorToFineEslAndBack(benchmark::State& state) {
    for (auto _ : state) {
        for (TColor c = 0; c < ColorCount; ++c) {
            benchmark::DoNotOptimize(tintora::FineEslToColor(tintora::ColorToFineEsl(c)));
        }
    }
    state.SetItemsProcessed(state.iterations() * ColorCount * 2);
    state.counters["colours"] = benchmark::Counter(
        static_cast<double>(state.iterations() * ColorCount), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ColorToFineEslAndBack)->Unit(benchmark::kMillisecond);

void BM_ColorToFineEsl(benchmark::State& state) {
    for (auto _ : state) {
        for (TColor c = 0; c < ColorCount; ++c) {
            benchmark::DoNotOptimize(tintora::ColorToFineEsl(c));
        }
    }
    state.SetItemsProcessed(state.iterations() * ColorCount);
}
BENCHMARK(BM_ColorToFineEsl)->Unit(benchmark::kMillisecond);

// Triples read from memory, so that nothing of the conversion can be hoisted out of the loop: the
// FineEsl of 65536 colours spread over the whole cube (a table that stays in the cache).
void BM_FineEslToColor(benchmark::State& state) {
    std::vector<tintora::FineEsl> input;
    input.reserve(0x10000);
    for (TColor i = 0; i < 0x10000; ++i) {
        input.push_back(tintora::ColorToFineEsl((i * 0x9E3779u) & 0xFFFFFF));
    }
    for (auto _ : state) {
        for (const tintora::FineEsl& esl : input) {
            benchmark::DoNotOptimize(tintora::FineEslToColor(esl));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}
BENCHMARK(BM_FineEslToColor);

} // namespace
