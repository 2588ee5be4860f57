// Example point, frame and shell assignments in the 9.5 legacy layout.
#pragma once

#include "fileformat/encoding.h"

namespace kmd::example {

// Point assignments, frame assignments and shell assignments, in file order.
void WriteExampleAssignments(Writer& out);

}  // namespace kmd::example
