// Units catalogue: force, length and temperature factors per unit-system code.
#pragma once

#include <array>
#include <cstdint>

namespace kmd {

constexpr std::int32_t kUnitSystems = 16;

struct UnitsCatalogue {
    // Indexed by unit-system code 1..16 (index 0 unused).
    std::array<double, kUnitSystems + 1> ForcePerPound{};
    std::array<double, kUnitSystems + 1> LengthPerInch{};
    std::array<double, kUnitSystems + 1> TemperatureScale{};
    std::array<std::int32_t, kUnitSystems + 1> DefaultLength{};

    double ForceRatio = 0, LengthRatio = 0, TemperatureRatio = 0, AreaRatio = 0, Length3Ratio = 0,
           Length4Ratio = 0, MomentRatio = 0, ForcePerLengthRatio = 0, StressRatio = 0,
           ForcePerLength3Ratio = 0, ForcePerLength4Ratio = 0, StressTargetRatio = 0;

    void Build();
    void ComputeUnitRatios(std::int32_t current, std::int32_t target, std::int32_t stressTarget);
};

// Unit-system code kept in range: codes outside 1..16 become 3.
inline std::int32_t NormalUnitCode(std::int32_t code) { return code >= 1 && code <= kUnitSystems ? code : 3; }

}  // namespace kmd
