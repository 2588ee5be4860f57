// Example point, frame and shell assignments.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// Point assignments, frame assignments and shell assignments, in file order and
// in the layouts of file version v.
void WriteExampleAssignments(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
