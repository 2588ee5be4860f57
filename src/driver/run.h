// The conversion run and the command line.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "driver/conversion.h"
#include "driver/messages.h"
#include "fileformat/encoding.h"
#include "fileformat/legacy_reader.h"

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

struct ModelBytesResult {
    int status = kExitNotConverted;
    std::vector<std::uint8_t> output;  // the current file, when status is kExitOk and no sink was given
    LegacyHeader header;               // as far as it was read
    ConversionReport report;
};

// The whole conversion, from the bytes of a legacy file to the bytes of the
// current file; nothing touches the disk. Every reason for not converting is
// shown with ShowMessage. `inputPath` only names the file in messages. Memory is
// bounded by MemoryLimitFor and the output by OutputLimitFor the input's size.
// Without a sink the file is read whole and then written into `output`; with
// one, each table family is written to the sink as soon as it is read (the
// same bytes and messages; the sink's bytes count only when the status is
// kExitOk).
ModelBytesResult ConvertModelBytes(std::span<const std::uint8_t> input, const std::string& programName,
                                   const std::string& inputPath, ByteSink* sink = nullptr,
                                   ReadProgress* progress = nullptr);

// The program: options, operands (args[0] is the program), exit status. With
// a message box, the argument-string form shows its messages and its question there.
int Main(const std::vector<std::string>& args, const MessageBoxFunction& box = {});

}  // namespace kmd
