#include "driver/conversion.h"

#include "driver/messages.h"

namespace kmd {

Conversion::Conversion() {
    model.registry.reporter = [](std::int32_t id, std::string_view tail) {
        ShowMessage(ResString(id) + std::string(tail), MessageStyle::Exclamation);
    };
    model.outputs.reporter = model.registry.reporter;
}

void Conversion::InitializeProgram() {
    run.ModelLoaded = false;
    run.LineBreak = "\r\n";
    run.CurrentUnits = run.TargetUnits = run.StressTargetUnits = 3;
    units.Build();
    model.objects.BuildDefaults(CurrentDefaultLength());
    // Model unit codes in range; the second code is always 3.
    auto& codes = model.project.UnitCodes;
    codes.UnitSystem = NormalUnitCode(codes.UnitSystem);
    codes.SecondCode = 3;
    run.CurrentUnits = run.TargetUnits = run.StressTargetUnits = codes.UnitSystem;
}

void Conversion::ResetNewModel() {
    model.Reset();
    model.project.UnitCodes.UnitSystem = run.CurrentUnits;
    model.objects.BuildDefaults(CurrentDefaultLength());
}

}  // namespace kmd
