// State of one conversion run.
#pragma once

#include <cstdint>
#include <string>

namespace kmd {

struct RunState {
    std::string ProgramName;
    std::string ModelFilePath;
    bool ModelLoaded = false;
    std::string CurrentVersionText;  // never assigned: always empty
    std::string LineBreak = "\r\n";
    std::int32_t CurrentUnits = 3;
    std::int32_t TargetUnits = 3;
    std::int32_t StressTargetUnits = 3;
};

}  // namespace kmd
