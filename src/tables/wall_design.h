// Shear wall design data: reader step 20, writer step 19.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadWallDesign(Reader& in, Conversion& cv);
void WriteWallDesign(Writer& out, const Conversion& cv);
void ReadBackWallDesign(Reader& in, Conversion& cv);

}  // namespace kmd
