// Point assignments: step 7.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadPointAssignments(Reader& in, Conversion& cv);
void WritePointAssignments(Writer& out, const Conversion& cv);
void ReadBackPointAssignments(Reader& in, Conversion& cv);

}  // namespace kmd
