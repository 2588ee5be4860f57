// Load cases, combinations and assigned loads: reader step 11, writer step 10.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadLoadTables(Reader& in, Conversion& cv);
void WriteLoadTables(Writer& out, const Conversion& cv);
void ReadBackLoadTables(Reader& in, Conversion& cv);

}  // namespace kmd
