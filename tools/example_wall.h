// Example shear wall design block.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// The shear wall design block in the layouts of file version v.
void WriteExampleWall(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
