// Frame sections and section data: Section, AUTO, VS, Rebar, CP; then, after the section designer sections, PierSection and JoistData.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadSectionTables(Reader& in, Conversion& cv);
void WriteSectionTables(Writer& out, const Conversion& cv);
void ReadBackSectionTables(Reader& in, Conversion& cv);
void ReadPierJoistTables(Reader& in, Conversion& cv);
void WritePierJoistTables(Writer& out, const Conversion& cv);
void ReadBackPierJoistTables(Reader& in, Conversion& cv);

}  // namespace kmd
