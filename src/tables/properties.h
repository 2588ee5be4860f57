// Step 4: every property table, in file order.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadPropertyTables(Reader& in, Conversion& cv);
void WritePropertyTables(Writer& out, const Conversion& cv);
void ReadBackPropertyTables(Reader& in, Conversion& cv);

}  // namespace kmd
