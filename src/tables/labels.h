// Point names and bays: step 5.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadLabelTables(Reader& in, Conversion& cv);
void WriteLabelTables(Writer& out, const Conversion& cv);
void ReadBackLabelTables(Reader& in, Conversion& cv);

}  // namespace kmd
