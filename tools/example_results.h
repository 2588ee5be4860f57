// Example end of a legacy file: discarded table A and block B, the analysis
// results section and the trailer.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// Discarded table A (8.1935 or above) and block B (above 8.895): steps 25, 26.
void WriteExampleDiscarded(Writer& out, double v = kExampleFileVersion);

// The analysis results section of file version v (step 27): nothing up to
// 8.895, fourteen counts without records up to 9.0015, above that format 3,
// the header, the seventeen counts and one record of every results table.
void WriteExampleResults(Writer& out, double v = kExampleFileVersion);

// The trailer (step 28).
void WriteExampleTrailer(Writer& out);

}  // namespace kmd::example
