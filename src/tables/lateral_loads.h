// Automatic seismic and wind loads: reader step 12, writer step 11.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadLateralLoadTables(Reader& in, Conversion& cv);
void WriteLateralLoadTables(Writer& out, const Conversion& cv);
void ReadBackLateralLoadTables(Reader& in, Conversion& cv);

}  // namespace kmd
