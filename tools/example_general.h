// Project section, coordinate systems and stories of the example legacy file.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// Reader steps 1 to 3 in the layouts of file version v: project information and
// preferences; coordinate systems, reference lines and planes; diaphragms and stories.
void WriteExampleGeneral(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
