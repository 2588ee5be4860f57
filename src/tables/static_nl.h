// Static nonlinear cases, hinge properties and FrameNL records: reader step 14,
// writer step 13.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadStaticNonlinearTables(Reader& in, Conversion& cv);
void WriteStaticNonlinearTables(Writer& out, const Conversion& cv);
void ReadBackStaticNonlinearTables(Reader& in, Conversion& cv);

}  // namespace kmd
