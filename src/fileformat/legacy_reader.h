// The legacy model file: header, file version, version gate and table sequence.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "driver/conversion.h"
#include "fileformat/file_io.h"

namespace kmd {

struct LegacyHeader {
    std::string HeaderProgramName;  // trimmed
    std::string HeaderVersionText;  // trimmed
    std::string HeaderSavedByText;  // trimmed; the version text for files up to 8.015
    double FileVersion = 0;
};

enum class ReadOutcome {
    Loaded,    // every table read; ModelLoaded set
    Invalid,   // not a model file of this product, or version at most 6.995
    TooNew,    // newer than 9.745
    Refused,   // a beta version that cannot be converted
    Declined,  // the older-version question was answered Cancel
    Corrupt,   // corrupt or truncated
    Failed,    // out of memory, or a defect of the converter
};

// Digits, spaces and periods only, fewer than two periods (the empty text is one).
bool IsVersionNumber(std::string_view text);

// Trims the version text (stored back) and returns the file version.
double ParseFileVersion(std::string& headerVersionText);

enum class VersionMessageKind { TooNew, Refused, OlderVersion };
// The composed version message; t is the trimmed saved-by text.
std::string VersionMessage(VersionMessageKind kind, const std::string& t, const RunState& run);

inline constexpr const char* kInvalidFileMessage = "Error opening file. May not be a valid KALDO .KMD file.";

// Reads the file at `path` whole. A missing, unreadable or empty file shows
// "Can not Open File " and the path and gives nothing.
std::optional<InputFile> OpenInputFile(const std::string& path);

// What the caller is told while the file is read.
struct ReadHooks {
    ReadProgress* input = nullptr;                   // how far the input is read
    std::function<void(std::size_t)> afterStep;     // each table step read (its index)
};

// Reads the legacy file into the model store. Every stop shows its message;
// run.ModelLoaded is set only when the outcome is Loaded.
ReadOutcome ReadLegacyModelFile(std::span<const std::uint8_t> file, Conversion& cv, LegacyHeader* header = nullptr,
                                const ReadHooks& hooks = {});

struct ReadStep;
// The same with another table sequence (tests use it to stop after the gate).
ReadOutcome ReadLegacyModelFile(std::span<const std::uint8_t> file, Conversion& cv, LegacyHeader* header,
                                std::span<const ReadStep> steps, const ReadHooks& hooks = {});

}  // namespace kmd
