// Sections of the example legacy file; each table family adds its own.
#pragma once

#include "fileformat/encoding.h"

namespace kmd::example {

// Version of the example file (newest legacy layouts).
inline constexpr const char* kExampleVersion = "9.5";

void WriteExampleLegacyFile(Writer& out);

}  // namespace kmd::example
