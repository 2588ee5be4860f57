// Example load cases, combinations and assigned loads.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// Extra generated loads of a sized model: the bytes and keys of the loads on
// points, frames and shells.
struct LoadGrowth {
    Growth points, frames, shells;
};

// The load tables in file order and in the layouts of file version v.
void WriteExampleLoads(Writer& out, double v = kExampleFileVersion, const LoadGrowth& growth = {});

}  // namespace kmd::example
