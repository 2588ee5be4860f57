// Steel joist design data: reader step 17, writer step 16.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

// Files up to this version have no joist block.
inline constexpr double kNoJoistBlockUpTo = 8.185;

void ReadJoistDesign(Reader& in, Conversion& cv);
void WriteJoistDesign(Writer& out, const Conversion& cv);
void ReadBackJoistDesign(Reader& in, Conversion& cv);

}  // namespace kmd
