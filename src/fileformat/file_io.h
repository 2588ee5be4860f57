// Whole-file input and atomic output.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kmd {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

// Writes the bytes to a temporary file in the folder of `path`, flushes it and
// renames it over `path`. The temporary is unnamed where the system allows
// (named only for the rename), so a killed process leaves no file behind;
// otherwise it is a hidden `.NAME.XXXXXX`. On failure nothing is left behind,
// an existing file at `path` is untouched, and the reason is returned in `error`.
// A new file gets the permissions 0666 less the umask.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error);

}  // namespace kmd
