// Diaphragms and stories: step 3.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadStoryTables(Reader& in, Conversion& cv);
void WriteStoryTables(Writer& out, const Conversion& cv);
void ReadBackStoryTables(Reader& in, Conversion& cv);

}  // namespace kmd
