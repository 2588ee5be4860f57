// Example point names, bays and objects.
#pragma once

#include <cstdint>

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// The twelve point-name and bay tables (one layout in every version).
void WriteExampleLabels(Writer& out);
// "PointObjects", "LineObjects" and "AreaObjects" in the layouts of file version
// v, with about `extraBytes` more bytes of generated objects (values drawn from `seed`).
void WriteExampleObjects(Writer& out, double v = kExampleFileVersion, std::uint64_t extraBytes = 0,
                         std::uint32_t seed = 1);

}  // namespace kmd::example
