// The analysis results section: reader step 27, writer step 21.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadResultsSection(Reader& in, Conversion& cv);
void WriteResultsSection(Writer& out, const Conversion& cv);
void ReadBackResultsSection(Reader& in, Conversion& cv);

}  // namespace kmd
