// Example seismic and wind loads, and response spectrum and time history
// functions.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// "Seismic" and "Wind", in the layouts of file version v.
void WriteExampleLateralLoads(Writer& out, double v = kExampleFileVersion);

// "Funcshun", "TV", "Spectra", "History", "LA" and "MD", in the layouts of file
// version v.
void WriteExampleFunctions(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
