// The current model file: header record and table sequence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

inline constexpr const char* kCurrentVersionText = "9.72";

// Header record: trimmed product name, "9.72", trimmed CurrentVersionText.
void WriteHeaderRecord(Writer& out, const RunState& run);

// The whole current file in memory. Throws FormatError when the model holds
// data the current layout cannot express (a damaged input). With `inputSize`
// (the legacy file's size) the buffer is grown once and the output may take at
// most OutputLimitFor(inputSize) bytes; 0 sets no limit. The writers' remarks
// for the user go to `notes` (ignored when it is null).
std::vector<std::uint8_t> WriteCurrentModelFile(const Conversion& cv, std::size_t inputSize = 0,
                                                std::vector<std::string>* notes = nullptr);

// The same, showing the remarks once the file is written; a failure shows only
// its message and gives nothing.
std::optional<std::vector<std::uint8_t>> ExportCurrentModel(const Conversion& cv, std::size_t inputSize);
// The same streamed to `sink` through a fixed buffer; false after a failure.
bool ExportCurrentModel(const Conversion& cv, std::size_t inputSize, ByteSink& sink);

}  // namespace kmd
