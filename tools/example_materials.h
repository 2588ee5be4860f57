// Material and section tables of the example legacy file.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// "Material", "MT", "Section", "AUTO", "VS", "Rebar", "CP", in the layouts of
// file version v.
void WriteExampleMaterials(Writer& out, double v = kExampleFileVersion);
// "PierSection", "JoistData" (the latter only above 7.995).
void WriteExamplePierJoist(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
