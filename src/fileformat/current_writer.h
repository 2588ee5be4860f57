// The current model file: header record and table sequence.
#pragma once

#include <cstdint>
#include <vector>

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

inline constexpr const char* kCurrentVersionText = "9.72";

// Header record: trimmed product name, "9.72", trimmed CurrentVersionText.
void WriteHeaderRecord(Writer& out, const RunState& run);

// The whole current file in memory. Throws FormatError when the model holds
// data the current layout cannot express (a damaged input). `sizeHint` is the
// expected size (the legacy file's), to grow the buffer once.
std::vector<std::uint8_t> WriteCurrentModelFile(Conversion& cv, std::size_t sizeHint = 0);

// Writes the model to run.ModelFilePath, replacing the file whole. Shows
// "Can not Open File " and the path (or the conversion error) and returns false
// on failure; nothing is left at the path then.
bool SaveCurrentModelFile(Conversion& cv, std::size_t sizeHint = 0);

}  // namespace kmd
