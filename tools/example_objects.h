// Example point names, bays and objects in the 9.5 legacy layout.
#pragma once

#include <cstdint>

#include "fileformat/encoding.h"

namespace kmd::example {

// The twelve point-name and bay tables.
void WriteExampleLabels(Writer& out);
// "PointObjects", "LineObjects" and "AreaObjects", with about `extraBytes` more
// bytes of generated objects (values drawn from `seed`).
void WriteExampleObjects(Writer& out, std::uint64_t extraBytes = 0, std::uint32_t seed = 1);

}  // namespace kmd::example
