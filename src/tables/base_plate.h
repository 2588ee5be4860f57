// Base plate and connection design data: reader steps 21 and 22; not written.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadBasePlateDesign(Reader& in, Conversion& cv);
void ReadConnectionDesign(Reader& in, Conversion& cv);

}  // namespace kmd
