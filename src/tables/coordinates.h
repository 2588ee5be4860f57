// Coordinate systems, grids, reference lines and planes: step 2.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadCoordinateTables(Reader& in, Conversion& cv);
void WriteCoordinateTables(Writer& out, const Conversion& cv);
void ReadBackCoordinateTables(Reader& in, Conversion& cv);

}  // namespace kmd
