// Legacy blocks that no table family owns: read only to stay in step with the
// file; nothing of them reaches the current file.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadDiscardedTableA(Reader& in, Conversion& cv);
void ReadDiscardedBlockB(Reader& in, Conversion& cv);
void ReadTrailer(Reader& in, Conversion& cv);

}  // namespace kmd
