#include "color/Esl.h"

namespace tintora {

// The scales in use are inline in the header; this one takes its maxima at run time.
EslTriple ColorToEsl(TColor c, std::uint16_t hueMax, std::uint16_t satMax, std::uint16_t lumMax) {
    const auto raw = esl_detail::ColorToEslAt(c, hueMax, satMax, lumMax);
    return EslTriple{static_cast<std::int32_t>(raw.hue), static_cast<std::int32_t>(raw.sat),
                     static_cast<std::int32_t>(raw.lum)};
}

namespace {

using esl_detail::DarkFactors;
using esl_detail::FactorShift;
using esl_detail::LightFactor;

// Where the float factors lie against the exact quotients decides the halves: the one for the
// middle luminance lies below (hence the grey 7f7f7f), the light one above.
static_assert(DarkFactors[1800] * 12960000 < std::uint64_t{1800 * 255} << FactorShift);
static_assert(LightFactor * 12960000 > std::uint64_t{255} << FactorShift);
static_assert(EslBytesToColor(PackEslBytes(0, 0, 120)) == MakeColor(0x7F, 0x7F, 0x7F));

} // namespace
} // namespace tintora
