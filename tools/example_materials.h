// Material and section tables of the example legacy file (version 9.5 layout).
#pragma once

#include "fileformat/encoding.h"

namespace kmd::example {

// "Material", "MT", "Section", "AUTO", "VS", "Rebar", "CP".
void WriteExampleMaterials(Writer& out);
// "PierSection", "JoistData".
void WriteExamplePierJoist(Writer& out);

}  // namespace kmd::example
