// Response spectrum and time history functions: reader step 13, writer step 12.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadFunctionTables(Reader& in, Conversion& cv);
void WriteFunctionTables(Writer& out, const Conversion& cv);
void ReadBackFunctionTables(Reader& in, Conversion& cv);

}  // namespace kmd
