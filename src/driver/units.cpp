#include "driver/units.h"

namespace kmd {

void UnitsCatalogue::Build() {
    DefaultLength = {0, 48, 4, 48, 4, 1000, 1, 1000, 1, 1000, 1, 1000, 1, 100, 100, 100, 100};

    const double ft = 1.0 / 12.0, celsius = 5.0 / 9.0;
    const double kn = 0.004448222, kgf = 0.4535924, n = 4.448222, ton = 0.0004535924;
    ForcePerPound = {0, 1, 1, 0.001, 0.001, kn, kn, kgf, kgf, n, n, ton, ton, kn, kgf, n, ton};
    LengthPerInch = {0, 1, ft, 1, ft, 25.4, 0.0254, 25.4, 0.0254, 25.4, 0.0254, 25.4, 0.0254, 2.54, 2.54, 2.54, 2.54};
    TemperatureScale = {0, 1, 1, 1, 1, celsius, celsius, celsius, celsius, celsius, celsius,
                        celsius, celsius, celsius, celsius, celsius, celsius};
    ComputeUnitRatios(3, 3, 3);
}

void UnitsCatalogue::ComputeUnitRatios(std::int32_t a, std::int32_t b, std::int32_t c) {
    a = NormalUnitCode(a);
    b = NormalUnitCode(b);
    c = NormalUnitCode(c);
    ForceRatio = ForcePerPound[b] / ForcePerPound[a];
    LengthRatio = LengthPerInch[b] / LengthPerInch[a];
    TemperatureRatio = TemperatureScale[b] / TemperatureScale[a];
    AreaRatio = LengthRatio * LengthRatio;
    Length3Ratio = AreaRatio * LengthRatio;
    Length4Ratio = Length3Ratio * LengthRatio;
    MomentRatio = LengthRatio * ForceRatio;
    ForcePerLengthRatio = ForceRatio / LengthRatio;
    StressRatio = ForceRatio / AreaRatio;
    ForcePerLength3Ratio = ForceRatio / Length3Ratio;
    ForcePerLength4Ratio = ForceRatio / Length4Ratio;
    double l = LengthPerInch[c] / LengthPerInch[a];
    StressTargetRatio = (ForcePerPound[c] / ForcePerPound[a]) / (l * l);
}

}  // namespace kmd
