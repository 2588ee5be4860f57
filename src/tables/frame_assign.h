// Frame assignments: step 8.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadFrameAssignments(Reader& in, Conversion& cv);
void WriteFrameAssignments(Writer& out, const Conversion& cv);
void ReadBackFrameAssignments(Reader& in, Conversion& cv);

}  // namespace kmd
