// Example static nonlinear section, groups and section cuts.
#pragma once

#include <cstdint>

#include "fileformat/encoding.h"
#include "tools/example_objects.h"
#include "tools/example_sections.h"

namespace kmd::example {

// Reader step 14 in the layouts of file version v: one static nonlinear case,
// one hinge property, and a FrameNL record for each of `lineObjects` line objects.
void WriteExampleStaticNonlinear(Writer& out, double v = kExampleFileVersion,
                                 std::int32_t lineObjects = ExampleObjectCounts{}.lines);

// Reader step 15 in the layouts of file version v: two groups, the membership
// lists that a model of `objects` holds, and two section cuts.
void WriteExampleGroups(Writer& out, double v = kExampleFileVersion, const ExampleObjectCounts& objects = {});

}  // namespace kmd::example
