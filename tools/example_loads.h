// Example load cases, combinations and assigned loads.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// The load tables in file order and in the layouts of file version v.
void WriteExampleLoads(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
