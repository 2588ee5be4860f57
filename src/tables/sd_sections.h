// Section designer sections (SDSection).
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadSDSectionTables(Reader& in, Conversion& cv);
void WriteSDSectionTables(Writer& out, const Conversion& cv);
void ReadBackSDSectionTables(Reader& in, Conversion& cv);

}  // namespace kmd
