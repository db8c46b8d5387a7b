#include "color/ColorRandomizer.h"

#include <chrono>

namespace tintora {
namespace {

std::uint64_t ClockSeed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(ticks);
}

} // namespace

TColorRandomizer::TColorRandomizer() : TColorRandomizer(ClockSeed()) {}

TColorRandomizer::TColorRandomizer(std::uint64_t seed) : engine_(seed) {}

TColor TColorRandomizer::Next() {
    return range_(engine_);
}

} // namespace tintora
