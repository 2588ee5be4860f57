// Project information and preferences: reader and writer step 1.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadProjectSection(Reader& in, Conversion& cv);
void WriteProjectSection(Writer& out, const Conversion& cv);
void ReadBackProjectSection(Reader& in, Conversion& cv);

}  // namespace kmd
