// Composite beam design data: reader step 19, writer step 18.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadCompositeDesign(Reader& in, Conversion& cv);
void WriteCompositeDesign(Writer& out, const Conversion& cv);
void ReadBackCompositeDesign(Reader& in, Conversion& cv);

}  // namespace kmd
