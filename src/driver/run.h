// The conversion run and the command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/conversion.h"

namespace kmd {

enum ExitStatus : int { kExitOk = 0, kExitNotConverted = 1, kExitUsage = 2 };

struct RunRequest {
    std::string ProgramName;
    std::string InputPath;
    std::string OutputPath;
};

// Splits at every "|" (no limit on the number of fields).
std::vector<std::string> SplitArgumentString(std::string_view s);

// Product name, ignored field, input path, output path, each trimmed; fields
// after the fourth are ignored. Nothing when fewer than four fields.
std::optional<RunRequest> ParseArgumentString(std::string_view s);

// Start-up, reading, writing. Returns the exit status.
int RunConversion(const RunRequest& request);

// The program: options, operands, exit status.
int Main(int argc, char** argv);

}  // namespace kmd
