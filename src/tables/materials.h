// Material and MT tables (first tables of step 4).
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadMaterialTables(Reader& in, Conversion& cv);
void WriteMaterialTables(Writer& out, const Conversion& cv);
void ReadBackMaterialTables(Reader& in, Conversion& cv);

}  // namespace kmd
