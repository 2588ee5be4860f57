// The table steps of the legacy reader and of the current writer.
#pragma once

#include <span>

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

using ReadStepFn = void (*)(Reader&, Conversion&);
using WriteStepFn = void (*)(Writer&, const Conversion&);
using ReleaseFn = void (*)(Conversion&);

struct ReadStep {
    const char* name;
    ReadStepFn fn;
    // When the file is converted as it is read: the number of current-file
    // steps that can be written once this step is read (the next ones in
    // order), and what no later step needs then, to be let go.
    int writes = 0;
    ReleaseFn release = nullptr;
};
struct WriteStep {
    const char* name;
    WriteStepFn fn;
    // Reads what fn wrote back into the model (the current-layout reader).
    ReadStepFn readBack = nullptr;
};

// The legacy file's tables, in file order (28 steps).
std::span<const ReadStep> LegacyReadSteps();
// The current file's tables, in file order (21 steps).
std::span<const WriteStep> CurrentWriteSteps();

}  // namespace kmd
