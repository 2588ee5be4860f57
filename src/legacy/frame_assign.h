// Legacy layouts of the frame assignment tables.
#pragma once

#include <array>
#include <cstdint>

#include "fileformat/encoding.h"
#include "model/frame_assign.h"

namespace kmd {

// Files up to this version hold no "FMomentBeam" table.
inline constexpr double kNoFrameMomentBeamUpTo = 8.005;

// "FOffset" up to 8.065: no OffsetTag.
inline constexpr double kFrameOffsetAUpTo = 8.065;

struct FrameOffsetA {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::array<double, 6> Offsets{};
};
template <class Io>
void fields(Io& io, FrameOffsetA& r) { io(r.Key, r.Tag, r.Offsets); }

// OffsetTag becomes 1.
FrameOffsetRecord ImportFrameOffsetA(FrameOffsetA&& a);

// "FModifier" up to 8.405: six modifiers.
inline constexpr double kFrameModifierAUpTo = 8.405;

struct FrameModifierA {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::array<double, 6> Modifiers{};
};
template <class Io>
void fields(Io& io, FrameModifierA& r) { io(r.Key, r.Tag, r.Modifiers); }

// Modifiers 7 and 8 become 1.0.
FrameModifierRecord ImportFrameModifierA(FrameModifierA&& a);

}  // namespace kmd
