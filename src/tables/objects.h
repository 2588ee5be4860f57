// Point, line and area objects: step 6.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadObjectTables(Reader& in, Conversion& cv);
void WriteObjectTables(Writer& out, const Conversion& cv);
void ReadBackObjectTables(Reader& in, Conversion& cv);

}  // namespace kmd
