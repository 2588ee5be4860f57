// Everything one conversion works on: run state, units catalogue, the model
// store, and the version of the legacy file being read.
#pragma once

#include "driver/report.h"
#include "driver/run_state.h"
#include "driver/units.h"
#include "model/model.h"

namespace kmd {

struct Conversion {
    Conversion();

    RunState run;
    UnitsCatalogue units;
    Model model;
    double FileVersion = 0;  // version of the legacy file, set by the header reader
    // What the conversion did, for the report; collected by readers and writers
    // alike, so not part of the model.
    mutable ConversionReport report;

    // Start-up: run state, units catalogue and default object records.
    void InitializeProgram();
    // Empties the model store, sets the model unit code and rebuilds the defaults.
    void ResetNewModel();

    // DefaultLength of the model's current unit system.
    std::int32_t CurrentDefaultLength() const { return units.DefaultLength[NormalUnitCode(run.CurrentUnits)]; }
};

}  // namespace kmd
