// Example point, frame and shell assignments.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// Extra generated assignments of a sized model: the bytes and keys of each
// group (points, frames, shells); spread over the group's per-object tables.
struct AssignmentGrowth {
    Growth points, frames, shells;
};

// Point assignments, frame assignments and shell assignments, in file order and
// in the layouts of file version v.
void WriteExampleAssignments(Writer& out, double v = kExampleFileVersion, const AssignmentGrowth& growth = {});

}  // namespace kmd::example
