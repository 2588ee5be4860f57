// Example steel joist design block.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// The steel joist design block of file version v (none up to 8.185).
void WriteExampleJoist(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
