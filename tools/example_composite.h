// Example composite beam design block.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// The composite beam design block in the layouts of file version v.
void WriteExampleComposite(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
