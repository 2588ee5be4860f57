// Example concrete frame design block.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// The concrete frame design block in the layouts of file version v.
void WriteExampleConcrete(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
