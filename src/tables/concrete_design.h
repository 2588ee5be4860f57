// Concrete frame design data: reader step 18, writer step 17.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadConcreteDesign(Reader& in, Conversion& cv);
void WriteConcreteDesign(Writer& out, const Conversion& cv);
void ReadBackConcreteDesign(Reader& in, Conversion& cv);

}  // namespace kmd
