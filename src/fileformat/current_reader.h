// The current model file read back: the header record and the tables, each
// by the field lists and in the order the writer uses.
#pragma once

#include <cstdint>
#include <span>
#include <optional>
#include <string>
#include <vector>

#include "driver/conversion.h"

namespace kmd {

struct CurrentHeader {
    std::string ProgramName;
    std::string VersionText;  // "9.72"
    std::string SavedByText;
};

// True when the file starts with the header record of a current file of
// product `programName` (a legacy header starts with a fixed 16-character field).
bool IsCurrentModelFile(std::span<const std::uint8_t> file, const std::string& programName);

// Reads a current file into the model; the table counts go to cv.report.tables.
// Throws FormatError when the file does not parse to its end.
void ReadCurrentModelFile(std::span<const std::uint8_t> file, Conversion& cv, CurrentHeader* header = nullptr);

// Reads a written current file back and writes it again. Nothing when that
// gives the same bytes and the table counts `written`; otherwise why not.
std::optional<std::string> VerifyCurrentModelFile(std::span<const std::uint8_t> file,
                                                  const std::vector<TableCount>& written);

}  // namespace kmd
