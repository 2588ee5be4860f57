// Example point names, bays and objects in the 9.5 legacy layout.
#pragma once

#include "fileformat/encoding.h"

namespace kmd::example {

// The twelve point-name and bay tables.
void WriteExampleLabels(Writer& out);
// "PointObjects", "LineObjects" and "AreaObjects".
void WriteExampleObjects(Writer& out);

}  // namespace kmd::example
