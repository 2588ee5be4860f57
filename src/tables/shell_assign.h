// Shell assignments: step 9.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadShellAssignments(Reader& in, Conversion& cv);
void WriteShellAssignments(Writer& out, const Conversion& cv);
void ReadBackShellAssignments(Reader& in, Conversion& cv);

}  // namespace kmd
