// The table steps of the legacy reader and of the current writer.
#pragma once

#include <span>

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

using ReadStepFn = void (*)(Reader&, Conversion&);
using WriteStepFn = void (*)(Writer&, const Conversion&);

struct ReadStep {
    const char* name;
    ReadStepFn fn;
};
struct WriteStep {
    const char* name;
    WriteStepFn fn;
};

// The legacy file's tables, in file order (28 steps).
std::span<const ReadStep> LegacyReadSteps();
// The current file's tables, in file order (21 steps).
std::span<const WriteStep> CurrentWriteSteps();

}  // namespace kmd
