// Steel frame design data and overwrites: reader step 16, writer step 15.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadSteelDesign(Reader& in, Conversion& cv);
void WriteSteelDesign(Writer& out, const Conversion& cv);
void ReadBackSteelDesign(Reader& in, Conversion& cv);

}  // namespace kmd
