// Example point names, bays and objects.
#pragma once

#include <cstdint>

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// The twelve point-name and bay tables (one layout in every version).
void WriteExampleLabels(Writer& out);

// The numbers of point, line and area objects written; the defaults are those
// of the small example.
struct ExampleObjectCounts {
    std::int32_t points = 4;
    std::int32_t lines = 2;
    std::int32_t areas = 1;
};

// "PointObjects", "LineObjects" and "AreaObjects" in the layouts of file version
// v, with about `extraBytes` more bytes of generated objects (values drawn from `seed`).
ExampleObjectCounts WriteExampleObjects(Writer& out, double v = kExampleFileVersion, std::uint64_t extraBytes = 0,
                         std::uint32_t seed = 1);

}  // namespace kmd::example
