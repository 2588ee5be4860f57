// Groups, membership lists and section cuts: reader step 15, writer step 14.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadGroupTables(Reader& in, Conversion& cv);
void WriteGroupTables(Writer& out, const Conversion& cv);
void ReadBackGroupTables(Reader& in, Conversion& cv);

}  // namespace kmd
