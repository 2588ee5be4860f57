// Project section, coordinate systems and stories of the example legacy file
// (version 9.5 layout).
#pragma once

#include "fileformat/encoding.h"

namespace kmd::example {

// Reader steps 1 to 3: project information and preferences; coordinate systems,
// reference lines and planes; diaphragms and stories.
void WriteExampleGeneral(Writer& out);

}  // namespace kmd::example
